#include "ui/profile/frame_wpa_psk.h"

#include <QComboBox>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "model/wl_enums.h"
#include "model/wpa_phrase_rules.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/psk_validator.h"
#include "ui/controls/secret_edit.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

constexpr int kLeft = 48;
constexpr int kRight = 360;
constexpr int kRowHeight = 24;
constexpr int kCipherTop = 56;
constexpr int kPhraseTop = 96;
// AuthenticationMode of a pre-shared key, as the library takes it.
constexpr int32_t kAuthWPAPSK = 4;
constexpr int32_t kAuthAdHocPSK = 5;
constexpr int32_t kAuthWPA2PSK = 7;

QString Local(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TFrameWPAPSK::TFrameWPAPSK(QWidget* parent) : TWizardPage("FrameWPAPSK1", "FrameWPAPSK", parent) {
  PageParts::AddHeading(*this, "LbPSKSet", "Security Settings", G::kCardFull);
  lbEncry_ = NewCaption(*this, "LbEncry", "Encryption Type");
  cmbEncryp_ = new QComboBox(this);
  cmbEncryp_->setObjectName(QStringLiteral("CmbEncryp"));
  lbPhrase_ = NewCaption(*this, "LbPhrase", "Pass Phrase");
  edtPhrase_ = new TSecretEdit(this);
  edtPhrase_->setObjectName(QStringLiteral("EdtPhrase"));
  edtPhrase_->setMaxLength(kRawKeyDigits);
  edtPhrase_->setValidator(new TPSKValidator(edtPhrase_));
  lbEncry_->setBuddy(cmbEncryp_);
  lbPhrase_->setBuddy(edtPhrase_);
  connect(edtPhrase_, &QLineEdit::inputRejected, this, &TFrameWPAPSK::EdtPhraseRejected);
  AddWizardButtons(Bit(kBack) | Bit(kNext) | Bit(kExit));
}

void TFrameWPAPSK::InitPage() {
  TWizardPage::InitPage();
  cmbEncryp_->setGeometry(0, kCipherTop, 0, kRowHeight);
  edtPhrase_->setGeometry(0, kPhraseTop, 0, kRowHeight);
  PlaceRows({{lbEncry_, cmbEncryp_}, {lbPhrase_, edtPhrase_}}, kLeft, kRight);
  MarkCaptions(*this, {lbEncry_, lbPhrase_});
  ResetPage();
}

void TFrameWPAPSK::ResetPage() {
  cmbEncryp_->clear();
  edtPhrase_->SetPlainText(QString());
}

bool TFrameWPAPSK::Acceptable(const QString& phrase) {
  return WPAPhraseRules::Acceptable(phrase.toStdU16String());
}

bool TFrameWPAPSK::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  const WLProfile& working = FAGlobal().StationProfile();
  FillCiphers();
  if (!SelectByValue(*cmbEncryp_, working.WPAEncryptionType)) SelectFirst(*cmbEncryp_);
  edtPhrase_->SetStoredText(Local(TextOf(working.WPAPassphrase)));
  return TWizardPage::EnterPage(previous, direction, request);
}

void TFrameWPAPSK::FillCiphers() {
  cmbEncryp_->clear();
  const AdapterSettings* settings = Adapter() != nullptr ? &Adapter()->Settings() : nullptr;
  if (settings == nullptr || settings->ReadSet("EnableTKIP", true)) {
    AddItem(*cmbEncryp_, Display(kStrWPA_TKIP), kWPATKIP);
  }
  if (settings == nullptr || settings->ReadSet("EnableAES", true)) {
    AddItem(*cmbEncryp_, Display(kStrWPA_AES), kWPAAES);
  }
}

void TFrameWPAPSK::EdtPhraseRejected() {
  if (limitPosted_) return;
  limitPosted_ = true;
  QMetaObject::invokeMethod(this, &TFrameWPAPSK::ShowPhraseMessage, Qt::QueuedConnection);
}

void TFrameWPAPSK::ShowPhraseMessage() {
  ShowMessage(this,
              StringText(QStringLiteral("Message"), QString::fromLatin1(WPAPhraseRules::kErrorKey),
                         QString::fromLatin1(WPAPhraseRules::kErrorText)),
              kMbIconExclamation);
  limitPosted_ = false;
}

bool TFrameWPAPSK::LeavePage(TPropertyPageFrame* next, int direction, int request) {
  if (direction == kDirNext) {
    const QString phrase = edtPhrase_->text();
    if (!Acceptable(phrase)) {
      ShowPhraseMessage();
      return false;
    }
    WLProfile& working = FAGlobal().StationProfile();
    CopyText(working.WPAPassphrase, phrase.toLocal8Bit().toStdString());
    working.WPAEncryptionType = SelectedValue(*cmbEncryp_, kWPATKIP);
    if (working.NetworkMode != kNetworkModeInfrastructure) {
      working.AuthenticationMode = kAuthAdHocPSK;
    } else {
      working.AuthenticationMode =
          working.EncryptionMethod == kEncryptWPA2_PSK ? kAuthWPA2PSK : kAuthWPAPSK;
    }
  }
  return TWizardPage::LeavePage(next, direction, request);
}
