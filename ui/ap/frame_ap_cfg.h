#pragma once

#include "ui/shell/property_page_frame.h"

class TImage;

// The access-point page "Configuration": name, channel and security of the access point.
class TFrameAPCfg : public TPropertyPageFrame {
  Q_OBJECT

 public:
  explicit TFrameAPCfg(QWidget* parent = nullptr);

  void InitPage() override;

 private:
  TImage* imgBG_;
};
