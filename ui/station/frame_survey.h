#pragma once

#include "ui/shell/property_page_frame.h"

class TImage;

// The station-mode page "Site Survey": the networks a scan found.
class TFrameSurvey : public TPropertyPageFrame {
  Q_OBJECT

 public:
  explicit TFrameSurvey(QWidget* parent = nullptr);

  void InitPage() override;

 private:
  TImage* imgBG_;
};
