#pragma once

#include <array>
#include <cstdint>

#include "model/wep_key_rules.h"
#include "ui/profile/wizard_page.h"

class QComboBox;
class TEllipsisLabel;
class TSecretEdit;

// Wizard page of a WEP profile: key length, authentication, the transmit key
// and its key, typed or made from a pass phrase. Only the transmit key's edit
// is shown. The pass phrase only generates keys and is never stored.
class TFrameWEP : public TWizardPage {
  Q_OBJECT

 public:
  explicit TFrameWEP(QWidget* parent = nullptr);

  void InitPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  bool LeavePage(TPropertyPageFrame* next, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;

 private:
  TSecretEdit* KeyEdit(int index) const { return edtKey_[static_cast<std::size_t>(index)]; }
  WEPKeyRules::KeyTexts TypedKeys() const;
  void FillWEPList();

  // Event handlers.
  void CmbWEPSelect();
  void CmbDefKeySelect();
  void EdtPhraseChange();
  void EdtKey1Change();

  TEllipsisLabel* lbWEP_;
  QComboBox* cmbWEP_;
  TEllipsisLabel* lbAuthen_;
  QComboBox* cmbAuthen_;
  TEllipsisLabel* lbPhrase_;
  TSecretEdit* edtPhrase_;
  TEllipsisLabel* lbDefKey_;
  QComboBox* cmbDefKey_;
  TEllipsisLabel* lbKey_;
  std::array<TSecretEdit*, 4> edtKey_{};

  bool loading_ = false;
  bool generating_ = false;
};
