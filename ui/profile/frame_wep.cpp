#include "ui/profile/frame_wep.h"

#include <QComboBox>
#include <algorithm>
#include <string>

#include "adapter/nic_adapter.h"
#include "adapter/wep_key_phrase.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/secret_edit.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

const QString kMessage = QStringLiteral("Message");
constexpr int kPhraseLength = 255;

constexpr int kLeft = 48;
constexpr int kRight = 564;
constexpr int kTop = 44;
constexpr int kRowStep = 36;
constexpr int kRowHeight = 24;
// The lists need no more room than their longest item.
constexpr int kListWidth = 200;

// Keys and pass phrases are single-byte texts in the record.
QString Local(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace

TFrameWEP::TFrameWEP(QWidget* parent) : TWizardPage("FrameWEP1", "FrameWEP", parent) {
  PageParts::AddHeading(*this, "LbWEPSet", "Security Settings", G::kCardFull);
  const auto list = [this](const char* name) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
  };
  const auto secret = [this](const char* name, int maxLength) {
    auto* edit = new TSecretEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
  };
  lbWEP_ = NewCaption(*this, "LbWEP", "WEP");
  cmbWEP_ = list("CmbWEP");
  lbAuthen_ = NewCaption(*this, "LbAuthen", "Authentication Type");
  cmbAuthen_ = list("CmbAuthen");
  lbPhrase_ = NewCaption(*this, "LbPhrase", "Pass Phrase");
  edtPhrase_ = secret("EdtPhrase", kPhraseLength);
  lbDefKey_ = NewCaption(*this, "LbDefKey", "Transmit Key");
  cmbDefKey_ = list("CmbDefKey");
  lbKey_ = NewCaption(*this, "LbKey", "Key");
  for (int i = 0; i < 4; ++i) {
    edtKey_[static_cast<std::size_t>(i)] =
        secret(qPrintable(QStringLiteral("EdtKey%1").arg(i + 1)), 0);
  }
  lbWEP_->setBuddy(cmbWEP_);
  lbAuthen_->setBuddy(cmbAuthen_);
  lbPhrase_->setBuddy(edtPhrase_);
  lbDefKey_->setBuddy(cmbDefKey_);

  connect(cmbWEP_, &QComboBox::activated, this, &TFrameWEP::CmbWEPSelect);
  connect(cmbDefKey_, &QComboBox::activated, this, &TFrameWEP::CmbDefKeySelect);
  connect(edtPhrase_, &TSecretEdit::textChanged, this, &TFrameWEP::EdtPhraseChange);
  connect(KeyEdit(0), &TSecretEdit::textChanged, this, &TFrameWEP::EdtKey1Change);
  AddWizardButtons(Bit(kBack) | Bit(kNext) | Bit(kExit));
}

void TFrameWEP::InitPage() {
  TWizardPage::InitPage();
  const std::array<QWidget*, 5> values{cmbWEP_, cmbAuthen_, edtPhrase_, cmbDefKey_, KeyEdit(0)};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i]->setGeometry(0, kTop + static_cast<int>(i) * kRowStep, 0, kRowHeight);
  }
  PlaceRows({{lbWEP_, cmbWEP_},
             {lbAuthen_, cmbAuthen_},
             {lbPhrase_, edtPhrase_},
             {lbDefKey_, cmbDefKey_},
             {lbKey_, KeyEdit(0)}},
            kLeft, kRight);
  for (QComboBox* combo : {cmbWEP_, cmbAuthen_, cmbDefKey_}) {
    combo->resize(std::min(kListWidth, combo->width()), combo->height());
  }
  for (TSecretEdit* key : edtKey_) key->setGeometry(KeyEdit(0)->geometry());
  MarkCaptions(*this, {lbWEP_, lbAuthen_, lbPhrase_, lbDefKey_, lbKey_});

  cmbAuthen_->clear();
  AddItem(*cmbAuthen_, Display(kStrAuthModeOpen), kAuthOpen);
  AddItem(*cmbAuthen_, Display(kStrAuthModeShare), kAuthShared);
  AddItem(*cmbAuthen_, Display(kStrAuthModeAuto), kAuthAuto);
  cmbDefKey_->clear();
  for (int key = 0; key < 4; ++key) AddItem(*cmbDefKey_, QString::number(key + 1), key);
  loading_ = true;
  CmbWEPSelect();
  CmbDefKeySelect();
  loading_ = false;
}

void TFrameWEP::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  TWizardPage::AdapterChanged(adapter, event, funcMode);
  if (event == kAdapterAttached && Adapter() != nullptr) FillWEPList();
}

void TFrameWEP::FillWEPList() {
  cmbWEP_->clear();
  for (const WEPKeyRules::LevelChoice& choice : WEPKeyRules::kLevelChoices) {
    if (Adapter()->Settings().ReadSet(choice.setting, choice.byDefault)) {
      AddItem(*cmbWEP_, Display(choice.textIndex), choice.level);
    }
  }
}

bool TFrameWEP::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  const WLProfile& working = FAGlobal().StationProfile();
  loading_ = true;
  if (!SelectByValue(*cmbWEP_, working.WEPEncryptionLevel)) SelectFirst(*cmbWEP_);
  CmbWEPSelect();
  if (!SelectByValue(*cmbAuthen_, working.AuthenticationMode)) {
    SelectByValue(*cmbAuthen_, kAuthAuto);
  }
  if (!SelectByValue(*cmbDefKey_, working.DefaultKey)) SelectFirst(*cmbDefKey_);
  CmbDefKeySelect();
  edtPhrase_->SetStoredText(Local(TextOf(working.PassPhrase)));
  const WEPKeyRules::KeyTexts keys = WEPKeyRules::KeysOf(working);
  for (int i = 0; i < 4; ++i) KeyEdit(i)->SetStoredText(Local(keys[static_cast<std::size_t>(i)]));
  loading_ = false;
  return TWizardPage::EnterPage(previous, direction, request);
}

void TFrameWEP::CmbWEPSelect() {
  const int32_t level = SelectedValue(*cmbWEP_, kWEPLevelNone);
  const bool keys = WEPKeyRules::HexLength(level) != 0;
  for (TSecretEdit* key : edtKey_) {
    key->setMaxLength(WEPKeyRules::HexLength(level));
    key->setEnabled(keys);
  }
  edtPhrase_->setEnabled(WEPKeyRules::PhraseEnabled(level));
  cmbDefKey_->setEnabled(keys);
  // Keys of another length are of no use: they all start again, unmasked.
  const bool wasGenerating = generating_;
  generating_ = true;
  edtPhrase_->SetPlainText(QString());
  for (TSecretEdit* key : edtKey_) key->SetPlainText(QString());
  generating_ = wasGenerating;
}

void TFrameWEP::CmbDefKeySelect() {
  const int index = cmbDefKey_->currentIndex();
  if (index < 0) return;
  for (int i = 0; i < 4; ++i) KeyEdit(i)->setVisible(i == index);
  lbKey_->setText(StringText(Section(), QStringLiteral("LbKey%1").arg(index + 1),
                             QStringLiteral("Key %1").arg(index + 1)));
  lbKey_->setBuddy(KeyEdit(index));
}

void TFrameWEP::EdtPhraseChange() {
  if (loading_ || generating_ || cmbWEP_->currentIndex() < 0) return;
  generating_ = true;
  const std::string phrase = Bytes(edtPhrase_->text());
  if (phrase.empty()) {
    for (TSecretEdit* key : edtKey_) key->SetPlainText(QString());
  } else {
    WEPKeyRules::KeyTexts keys;
    // Keys the library did not replace stay as they were, masked if stored.
    if (WEPKeyRules::GenerateKeys(WLLib().Api(), phrase, SelectedValue(*cmbWEP_, 0), keys)) {
      for (int i = 0; i < 4; ++i) {
        KeyEdit(i)->SetPlainText(Local(keys[static_cast<std::size_t>(i)]));
      }
    }
  }
  generating_ = false;
}

void TFrameWEP::EdtKey1Change() {
  if (loading_ || generating_) return;
  // The phrase no longer made key 1. Emptying it must not empty the keys in
  // turn, or the key being typed would be lost.
  generating_ = true;
  edtPhrase_->SetPlainText(QString());
  generating_ = false;
}

WEPKeyRules::KeyTexts TFrameWEP::TypedKeys() const {
  WEPKeyRules::KeyTexts keys;
  for (int i = 0; i < 4; ++i) keys[static_cast<std::size_t>(i)] = Bytes(KeyEdit(i)->text());
  return keys;
}

bool TFrameWEP::LeavePage(TPropertyPageFrame* next, int direction, int request) {
  if (direction == kDirNext) {
    WLProfile& working = FAGlobal().StationProfile();
    const std::string error = WEPKeyRules::WriteKeys(working, SelectedValue(*cmbWEP_, 0),
                                                     SelectedValue(*cmbDefKey_, 0), TypedKeys());
    if (!error.empty()) {
      ShowMessage(this,
                  StringText(kMessage, QString::fromLatin1(error),
                             QString::fromLatin1(WEPKeyRules::kBadKeyText)),
                  kMbIconExclamation);
      TSecretEdit* shown = KeyEdit(std::max(cmbDefKey_->currentIndex(), 0));
      shown->setFocus();
      return false;
    }
    working.AuthenticationMode = SelectedValue(*cmbAuthen_, kAuthAuto);
  }
  return TWizardPage::LeavePage(next, direction, request);
}
