#pragma once

#include "ui/shell/property_page_frame.h"

class TImage;

// The station-mode page "Link Info": the state of the link and its traffic.
class TFrameLinkInfo : public TPropertyPageFrame {
  Q_OBJECT

 public:
  explicit TFrameLinkInfo(QWidget* parent = nullptr);

  void InitPage() override;

 private:
  TImage* imgBG_;
};
