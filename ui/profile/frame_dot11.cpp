#include "ui/profile/frame_dot11.h"

#include <QComboBox>
#include <QLineEdit>
#include <cstring>
#include <span>
#include <vector>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/secret_edit.h"
#include "ui/profile/certificate_items.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/form_res.h"
#include "ui/shell/mark_image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

constexpr int kLeft = 48;
constexpr int kRight = 540;
constexpr int kRowHeight = 24;
constexpr int kAuthenTop = 44;
// The login name's row; every further row keeps the same distance.
constexpr int kUserTop = 80;
constexpr int kMaxText = 255;
constexpr int kHidden = -1;

// AuthenticationMode of an 802.1X profile.
constexpr int32_t kAuthModeRadius = 2;
constexpr int32_t kAuthModeWPA = 3;
constexpr int32_t kAuthModeWPA2 = 6;

const QString kSection = QStringLiteral("FrameDot11");
const QString kMessage = QStringLiteral("Message");

struct MethodKeys {
  int text;
  int32_t value;
  const char* radiusKey;
  const char* wpaKey;
  bool enabled;
};

const MethodKeys kMethods[] = {
    {kStrAuthen_TLS, k8021xTLS, "EnRADIUS_TLS", "EnWPA_TLS", true},
    {kStrAuthen_PEAP, k8021xPEAP, "EnRADIUS_PEAP", "EnWPA_PEAP", true},
    {kStrAuthen_TTLS, k8021xTTLS, "EnRADIUS_TTLS", "EnWPA_TTLS", true},
    {kStrAuthen_LEAP, k8021xLEAP, "EnRADIUS_LEAP", "EnWPA_LEAP", false},
};

struct InnerKeys {
  int text;
  int32_t value;
  const char* key;
  bool enabled;
};

const InnerKeys kPeapInner[] = {
    {kStrEAP_MSCHAP_2, kPeapEapMSCHAPv2, "EnPEAP_MSCHAP", true},
    {kStrEAP_GTC, kPeapEapGTC, "EnPEAP_GTC", false},
};

const InnerKeys kTtlsInner[] = {
    {kStrEAP_PAP, kTTLSEapPAP, "EnTTLS_PAP", true},
    {kStrEAP_CHAP, kTTLSEapCHAP, "EnTTLS_CHAP", true},
    {kStrEAP_MSCHAP, kTTLSEapMSCHAP, "EnTTLS_MSCHAP", true},
    {kStrEAP_MSCHAP_2, kTTLSEapMSCHAPv2, "EnTTLS_MSCHAP2", true},
};

// Rows by method, in field order: password, certificate, server CA, inner, cipher.
using RowsOfMethod = std::array<int, 5>;

RowsOfMethod RowsFor(int32_t method) {
  switch (method) {
    case k8021xTLS:
      return {kHidden, 1, 2, kHidden, 3};
    case k8021xTTLS:
    case k8021xPEAP:
      return {1, kHidden, 2, 3, 4};
    case k8021xLEAP:
      return {1, kHidden, kHidden, kHidden, 2};
    default:
      return {kHidden, kHidden, kHidden, kHidden, kHidden};
  }
}

QString InnerCaption(int32_t method) {
  return method == k8021xPEAP ? StringText(kSection, QStringLiteral("LbInnerPEAP"),
                                           QStringLiteral("PEAP Inner EAP:"))
                              : StringText(kSection, QStringLiteral("LbInnerTTLS"),
                                           QStringLiteral("TTLS Protocol:"));
}

QComboBox* NewList(QWidget& page, const char* name) {
  auto* list = new QComboBox(&page);
  list->setObjectName(QString::fromLatin1(name));
  list->setGeometry(0, 0, 0, kRowHeight);
  return list;
}

template <typename Edit = QLineEdit>
Edit* NewEdit(QWidget& page, const char* name) {
  auto* edit = new Edit(&page);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(kMaxText);
  edit->setGeometry(0, 0, 0, kRowHeight);
  return edit;
}

// The whole buffer is rewritten: an old secret must not linger behind the NUL
// of a shorter text in a record that goes to the library.
template <std::size_t N>
void StoreText(char (&buffer)[N], std::string_view text) {
  std::memset(buffer, 0, N);
  CopyText(buffer, text);
}

// An edit's text as bytes; a stored text shown unchanged keeps its own bytes,
// whatever the conversion would make of them.
std::string EditBytes(const QLineEdit& edit, const std::string& loaded) {
  if (edit.text() == QString::fromLocal8Bit(loaded)) return loaded;
  return edit.text().toLocal8Bit().toStdString();
}

}  // namespace

TFrameDot11::TFrameDot11(QWidget* parent) : TWizardPage("FrameDot111", "FrameDot11", parent) {
  PageParts::AddHeading(*this, "LbDot11Set", "Security Settings", G::kCardFull);
  lbAuthen_ = NewCaption(*this, "LbAuthen", "Authentication Type");
  cmbAuthen_ = NewList(*this, "CmbAuthen");
  lbUser_ = NewCaption(*this, "LbUser", "Login Name");
  edtUser_ = NewEdit(*this, "EdtUser");
  TEllipsisLabel* lbPasswd = NewCaption(*this, "LbPasswd", "Password");
  edtPasswd_ = NewEdit<TSecretEdit>(*this, "EdtPasswd");
  TEllipsisLabel* lbMyCert = NewCaption(*this, "LbMyCert", "Certificate:");
  cmbMyCert_ = NewList(*this, "CmbMyCert");
  TEllipsisLabel* lbServerCA = NewCaption(*this, "LbServerCA", "Server CA");
  cmbServerCA_ = NewList(*this, "CmbServerCA");
  TEllipsisLabel* lbInner = NewCaption(*this, "LbInner", "Inner Authen.");
  cmbInner_ = NewList(*this, "CmbInner");
  TEllipsisLabel* lbEncry = NewCaption(*this, "LbEncry", "Encryption Type");
  cmbEncryp_ = NewList(*this, "CmbEncryp");
  rows_[kPasswd] = {lbPasswd, edtPasswd_, nullptr};
  rows_[kMyCert] = {lbMyCert, cmbMyCert_, nullptr};
  rows_[kServerCA] = {lbServerCA, cmbServerCA_, nullptr};
  rows_[kInner] = {lbInner, cmbInner_, nullptr};
  rows_[kEncry] = {lbEncry, cmbEncryp_, nullptr};
  lbAuthen_->setBuddy(cmbAuthen_);
  lbUser_->setBuddy(edtUser_);
  for (const Row& row : rows_) row.caption->setBuddy(row.value);
  connect(cmbAuthen_, &QComboBox::activated, this, &TFrameDot11::CmbAuthenSelect);
  AddWizardButtons(Bit(kBack) | Bit(kNext) | Bit(kExit));
}

void TFrameDot11::InitPage() {
  TWizardPage::InitPage();
  cmbAuthen_->move(0, kAuthenTop);
  edtUser_->move(0, kUserTop);
  // The caption column makes room for the longer of the two inner captions.
  QLabel* lbInner = rows_[kInner].caption;
  const QString design = lbInner->text();
  lbInner->setText(InnerCaption(k8021xPEAP));
  const int peapWidth = LabelTextWidth(*lbInner);
  lbInner->setText(InnerCaption(k8021xTTLS));
  if (LabelTextWidth(*lbInner) < peapWidth) lbInner->setText(InnerCaption(k8021xPEAP));
  PlaceRows({{lbAuthen_, cmbAuthen_},
             {lbUser_, edtUser_},
             {rows_[kPasswd].caption, rows_[kPasswd].value},
             {rows_[kMyCert].caption, rows_[kMyCert].value},
             {rows_[kServerCA].caption, rows_[kServerCA].value},
             {rows_[kInner].caption, rows_[kInner].value},
             {rows_[kEncry].caption, rows_[kEncry].value}},
            kLeft, kRight);
  lbInner->setText(design);
  if (const TFormRes* res = TFormRes::Instance()) {
    const QImage& mark = res->Picture(u"ImgMark");
    AddMarkImage(lbAuthen_, mark);
    AddMarkImage(lbUser_, mark);
    for (Row& row : rows_) row.mark = AddMarkImage(row.caption, mark);
  }
  for (const Row& row : rows_) PlaceRow(row, kHidden);
}

void TFrameDot11::DonePage() {
  FreeCertificates();
  TWizardPage::DonePage();
}

void TFrameDot11::FreeCertificates() {
  cmbMyCert_->clear();
  cmbServerCA_->clear();
}

bool TFrameDot11::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  const WLProfile& working = FAGlobal().StationProfile();
  cmbAuthen_->clear();
  cmbEncryp_->clear();
  FreeCertificates();
  if (adapter_ != nullptr) FillMethods(working.EncryptionMethod);
  FillCertificates();
  if (adapter_ != nullptr) FillCiphers();
  if (!SelectByValue(*cmbAuthen_, working.MS8021xAuthMode)) SelectFirst(*cmbAuthen_);
  CmbAuthenSelect();
  if (cmbAuthen_->currentIndex() >= 0) {
    SelectByValue(*cmbInner_, SelectedValue(*cmbAuthen_, k8021xNone) == k8021xPEAP
                                  ? working.PeapEap
                                  : working.TTLSEap);
  }
  if (!SelectByValue(*cmbEncryp_, working.WPAEncryptionType)) SelectFirst(*cmbEncryp_);
  // A certificate that has left the store leaves the first one selected.
  CertificateItems::SelectByTexts(*cmbMyCert_, TextOf(working.sCertificate),
                                  TextOf(working.sCertificate_Issuer));
  CertificateItems::SelectByTexts(*cmbServerCA_, TextOf(working.sCertAuthority),
                                  TextOf(working.sCertAuthority_Issuer));
  loadedUser_ = std::string(TextOf(working.LoginName));
  edtUser_->setText(QString::fromLocal8Bit(loadedUser_));
  loadedPasswd_ = std::string(TextOf(working.LoginPassword));
  edtPasswd_->SetStoredText(QString::fromLocal8Bit(loadedPasswd_));
  return TWizardPage::EnterPage(previous, direction, request);
}

void TFrameDot11::FillMethods(int32_t encryptionMethod) {
  const bool radius = encryptionMethod == kEncryptRadius;
  const AdapterSettings& settings = adapter_->Settings();
  for (const MethodKeys& method : kMethods) {
    if (settings.ReadSet(radius ? method.radiusKey : method.wpaKey, method.enabled)) {
      AddItem(*cmbAuthen_, Display(method.text), method.value);
    }
  }
}

void TFrameDot11::FillCertificates() {
  if (adapter_ != nullptr) {
    std::vector<CertificateEntry> personal;
    adapter_->GetCertificateList(personal, kCertificateStorePersonal);
    for (const CertificateEntry& entry : personal) {
      CertificateItems::AddItem(*cmbMyCert_, CertificateItems::PersonalText(entry), entry);
    }
  }
  SelectFirst(*cmbMyCert_);
  cmbServerCA_->addItem(Display(kStrTrustAny));
  if (adapter_ != nullptr) {
    std::vector<CertificateEntry> roots;
    adapter_->GetCertificateList(roots, kCertificateStoreRoot);
    for (const CertificateEntry& entry : roots) {
      CertificateItems::AddItem(*cmbServerCA_, CertificateItems::TextOf(entry), entry);
    }
  }
  SelectFirst(*cmbServerCA_);
}

void TFrameDot11::FillCiphers() {
  const AdapterSettings& settings = adapter_->Settings();
  if (settings.ReadSet("EnableTKIP", true)) AddItem(*cmbEncryp_, Display(kStrWPA_TKIP), kWPATKIP);
  if (settings.ReadSet("EnableAES", true)) AddItem(*cmbEncryp_, Display(kStrWPA_AES), kWPAAES);
}

void TFrameDot11::CmbAuthenSelect() {
  const int32_t method = SelectedValue(*cmbAuthen_, k8021xNone);
  RowsOfMethod rows = RowsFor(method);
  // RADIUS always uses TKIP: there is nothing to choose.
  if (FAGlobal().StationProfile().EncryptionMethod == kEncryptRadius) rows[kEncry] = kHidden;
  for (int i = 0; i < kFieldCount; ++i) {
    PlaceRow(rows_[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(i)]);
  }
  if (method == k8021xPEAP || method == k8021xTTLS) FillInner(method);
}

void TFrameDot11::FillInner(int32_t method) {
  rows_[kInner].caption->setText(InnerCaption(method));
  cmbInner_->clear();
  if (adapter_ == nullptr) return;
  const bool peap = method == k8021xPEAP;
  const std::span<const InnerKeys> choices =
      peap ? std::span<const InnerKeys>(kPeapInner) : std::span<const InnerKeys>(kTtlsInner);
  for (const InnerKeys& inner : choices) {
    if (adapter_->Settings().ReadSet(inner.key, inner.enabled)) {
      AddItem(*cmbInner_, Display(inner.text), inner.value);
    }
  }
  if (peap || !SelectByValue(*cmbInner_, kTTLSEapMSCHAPv2)) SelectFirst(*cmbInner_);
}

void TFrameDot11::PlaceRow(const Row& row, int index) {
  row.caption->setVisible(index != kHidden);
  row.value->setVisible(index != kHidden);
  if (index == kHidden) return;
  const int top = kUserTop + index * (kUserTop - kAuthenTop);
  row.value->move(row.value->x(), top);
  row.caption->setGeometry(row.caption->x(), top, row.caption->width(), row.value->height());
  if (row.mark != nullptr) {
    row.mark->move(row.caption->x() - row.mark->width() - TMarkImage::kGap,
                   top + (row.value->height() - row.mark->height()) / 2);
  }
}

void TFrameDot11::Refuse(const char* key, const QString& designText, QWidget& field) {
  ShowMessage(this, StringText(kMessage, QString::fromLatin1(key), designText), kMbIconExclamation);
  if (field.isVisible()) field.setFocus();
}

bool TFrameDot11::Validate(int32_t method) {
  const bool needsLogin = method == k8021xTLS || method == k8021xTTLS || method == k8021xPEAP;
  if (needsLogin && edtUser_->text().isEmpty()) {
    Refuse("ErEmyUser", QStringLiteral("The login name is empty.\nPlease enter a login name."),
           *edtUser_);
    return false;
  }
  if ((method == k8021xTTLS || method == k8021xPEAP) && edtPasswd_->text().isEmpty()) {
    Refuse("ErEmyPw", QStringLiteral("The password is empty.\nPlease enter a password."),
           *edtPasswd_);
    return false;
  }
  if (method == k8021xTLS && cmbMyCert_->currentIndex() < 0) {
    Refuse("ErMyCert", QStringLiteral("You must specify a certificate."), *cmbMyCert_);
    return false;
  }
  return true;
}

bool TFrameDot11::LeavePage(TPropertyPageFrame* next, int direction, int request) {
  if (direction == kDirNext) {
    const int32_t method = SelectedValue(*cmbAuthen_, k8021xTLS);
    if (!Validate(method)) return false;
    WLProfile& working = FAGlobal().StationProfile();
    working.MS8021xAuthMode = method;
    if (working.EncryptionMethod == kEncryptRadius) {
      working.AuthenticationMode = kAuthModeRadius;
      working.WPAEncryptionType = kWPATKIP;
    } else {
      working.AuthenticationMode =
          working.EncryptionMethod == kEncryptWPA2 ? kAuthModeWPA2 : kAuthModeWPA;
      working.WPAEncryptionType = SelectedValue(*cmbEncryp_, kWPATKIP);
    }
    StoreText(working.LoginName, EditBytes(*edtUser_, loadedUser_));
    // A method without a password row (TLS) stores none.
    StoreText(working.LoginPassword,
              edtPasswd_->isHidden() ? std::string() : EditBytes(*edtPasswd_, loadedPasswd_));
    if (method == k8021xPEAP) working.PeapEap = SelectedValue(*cmbInner_, kPeapEapMSCHAPv2);
    if (method == k8021xTTLS) working.TTLSEap = SelectedValue(*cmbInner_, kTTLSEapMSCHAPv2);
    WriteCertificates(working);
    working.ValidateServerCert = 0;
  }
  return TWizardPage::LeavePage(next, direction, request);
}

void TFrameDot11::WriteCertificates(WLProfile& working) const {
  const auto personal =
      cmbMyCert_->isHidden() ? std::nullopt : CertificateItems::SelectedEntry(*cmbMyCert_);
  StoreText(working.sCertificate, personal ? TextOf(personal->Text) : std::string_view());
  StoreText(working.sCertificate_Issuer, personal ? TextOf(personal->Detail) : std::string_view());
  // The authority counts even where the method does not show it.
  const auto authority = CertificateItems::SelectedEntry(*cmbServerCA_);
  StoreText(working.sCertAuthority, authority ? TextOf(authority->Text) : std::string_view());
  StoreText(working.sCertAuthority_Issuer,
            authority ? TextOf(authority->Detail) : std::string_view());
}

void TFrameDot11::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
  } else if (event == kAdapterDetached) {
    adapter_ = nullptr;
  }
}
