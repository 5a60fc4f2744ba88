#pragma once

#include "ui/profile/wizard_page.h"

class TImage;
class QLabel;

// Wizard page: the profile is configured; the host's Activate now connects
// it, Activate later leaves the wizard.
class TFrameActive : public TWizardPage {
  Q_OBJECT

 public:
  explicit TFrameActive(QWidget* parent = nullptr);

  void InitPage() override;

 private:
  TImage* imgBG_;
  QLabel* lbMsg_;
};
