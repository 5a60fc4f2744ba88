#pragma once

#include "ui/shell/property_page_frame.h"

class TImage;

// The first access-point page "Link Info": the soft access point and the
// stations associated with it. The main window asks it to start the access
// point when access-point mode starts (ConnectLast).
class TFrameAPInfo : public TPropertyPageFrame {
  Q_OBJECT

 public:
  explicit TFrameAPInfo(QWidget* parent = nullptr);

  void InitPage() override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;

  // Applies the access-point working profile unless "InitConnect" is off.
  void ConnectLast();

 private:
  TImage* imgBG_;
  CNICAdapter* adapter_ = nullptr;
};
