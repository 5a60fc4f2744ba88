#pragma once

#include "ui/profile/wizard_page.h"

class QComboBox;
class TEllipsisLabel;

// Wizard page: the security type of the profile, which decides the key page
// that follows. The types offered are those the "Enable..." settings allow;
// ad hoc networks only know None and WEP.
class TFrameSecurity : public TWizardPage {
  Q_OBJECT

 public:
  explicit TFrameSecurity(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  // A changed type starts the security fields afresh; the same type keeps them.
  bool LeavePage(TPropertyPageFrame* next, int direction, int request) override;

 private:
  void FillTypes();
  void SelectType(int32_t type);

  TEllipsisLabel* lbSecurity_;
  QComboBox* cmbSecurity_;
};
