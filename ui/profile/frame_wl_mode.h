#pragma once

#include <cstdint>

#include "ui/profile/wizard_page.h"

class QComboBox;
class TEllipsisLabel;

// Wizard page: the radio and channel of an ad hoc network. The radios are
// those the adapter may use for ad hoc; the channels come from the settings
// "AdHocChB", "AdHocChA", "AdHocChG" (a regulatory domain's variant wins) or
// else from the library.
class TFrameWlMode : public TWizardPage {
  Q_OBJECT

 public:
  explicit TFrameWlMode(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  bool LeavePage(TPropertyPageFrame* next, int direction, int request) override;

 private:
  void FillRadios();
  // Fills the channels of the chosen radio and chooses the working channel,
  // else the radio's default channel, else the first.
  void CmbAdHocModeSelect();
  void FillChannels(int32_t mask, const char* key);

  TEllipsisLabel* lbMode_;
  QComboBox* cmbAdHocMode_;
  TEllipsisLabel* lbChannel_;
  QComboBox* cmbChannel_;
};
