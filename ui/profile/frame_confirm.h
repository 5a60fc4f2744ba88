#pragma once

#include <array>

#include "ui/profile/wizard_page.h"

class TEllipsisLabel;

// Wizard page: the summary of the profile before it is saved. Save, Back and
// Exit are the host's.
class TFrameConfirm : public TWizardPage {
  Q_OBJECT

 public:
  explicit TFrameConfirm(QWidget* parent = nullptr);

  void InitPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;

 private:
  enum Row { kSSID, kNetType, kWlMode, kChannel, kSecurity, kRows };

  std::array<TEllipsisLabel*, kRows> captions_{};
  std::array<TEllipsisLabel*, kRows> values_{};
};
