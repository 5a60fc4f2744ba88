#pragma once

#include "ui/shell/image.h"

// The mark before a field caption: a copy of a template picture standing 6
// pixels left of the control, centred on its height, shown exactly while the
// control is.
class TMarkImage : public TImage {
  Q_OBJECT

 public:
  // A mark on the control's window or page; nullptr without control or template.
  static TMarkImage* Create(QWidget* control, const QImage& templ);

  static constexpr int kGap = 6;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TMarkImage(QWidget* control, const QImage& templ);
};
