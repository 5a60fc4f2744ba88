#pragma once

#include "ui/shell/property_page_frame.h"

class TImage;

// The access-point page "MAC Filter": which stations may associate.
class TFrameAPFilter : public TPropertyPageFrame {
  Q_OBJECT

 public:
  explicit TFrameAPFilter(QWidget* parent = nullptr);

  void InitPage() override;

 private:
  TImage* imgBG_;
};
