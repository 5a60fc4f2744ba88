#pragma once

#include "ui/shell/property_page_frame.h"

class TImage;

// The station-mode page "Adapter": radio settings of the applied profile.
class TFrameAdapter : public TPropertyPageFrame {
  Q_OBJECT

 public:
  explicit TFrameAdapter(QWidget* parent = nullptr);

  void InitPage() override;

 private:
  TImage* imgBG_;
};
