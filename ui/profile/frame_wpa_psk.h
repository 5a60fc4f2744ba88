#pragma once

#include "model/wpa_phrase_rules.h"
#include "ui/profile/wizard_page.h"

class QComboBox;
class TEllipsisLabel;
class TSecretEdit;

// Wizard page: the cipher and the pre-shared pass phrase of a WPA-PSK or
// WPA2-PSK profile. A pass phrase has 8 to 63 characters; 64 hexadecimal
// digits are taken as the raw key itself.
class TFrameWPAPSK : public TWizardPage {
  Q_OBJECT

 public:
  static constexpr int kRawKeyDigits = WPAPhraseRules::kRawKeyDigits;

  explicit TFrameWPAPSK(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  bool LeavePage(TPropertyPageFrame* next, int direction, int request) override;

  // Whether the text is a pass phrase or raw key the page accepts.
  static bool Acceptable(const QString& phrase);

 private:
  void FillCiphers();
  // The edit refused a character past the limit: the message is shown once the
  // key press is over, and once for a run of them.
  void EdtPhraseRejected();
  void ShowPhraseMessage();

  TEllipsisLabel* lbEncry_;
  QComboBox* cmbEncryp_;
  TEllipsisLabel* lbPhrase_;
  TSecretEdit* edtPhrase_;
  bool limitPosted_ = false;
};
