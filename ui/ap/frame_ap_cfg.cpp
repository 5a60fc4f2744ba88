#include "ui/ap/frame_ap_cfg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "adapter/nic_adapter.h"
#include "adapter/wep_key_phrase.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "core/utility.h"
#include "model/channel_use.h"
#include "model/wep_key_rules.h"
#include "model/wifi_qr_text.h"
#include "model/wl_text.h"
#include "model/wpa_phrase_rules.h"
#include "platform/text.h"
#include "ui/ap/form_ap_share.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/psk_validator.h"
#include "ui/controls/secret_edit.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/combo_values.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/main_window_notify.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"
#include "ui/shell/ssid_text.h"

namespace {

namespace G = ShellGeometry;
using ComboValues::AddItem;
using ComboValues::SelectByValue;
using ComboValues::SelectedValue;
using ComboValues::SelectFirst;

const QString kSection = QStringLiteral("FrameAPCfg");
const QString kMessage = QStringLiteral("Message");
// PM_SHOWPAGE argument of the access-point information page.
constexpr intptr_t kShowAPInfo = 4;
constexpr int kSsidLength = 32;
constexpr int kPhraseLength = 255;
// The security list's WPA2-PSK item: a number no WEP level takes.
constexpr int32_t kWPA2Item = 0x100 | kEncryptWPA2_PSK;
// Off unless the adapter's settings offer WPA2 on the access point.
constexpr char kWPA2Setting[] = "SoftAPWPA2PSK";
// AuthenticationMode of a WPA2-PSK infrastructure network, as station profiles store it.
constexpr int32_t kAuthWPA2PSK = 7;

// Rows of the two cards, in page coordinates.
constexpr int kRowHeight = 24;
constexpr int kCaptionHeight = 18;
// From one stacked caption to the next.
constexpr int kStackPitch = 46;
constexpr int kLeftCaptions = 28;
constexpr int kLeftValuesEnd = 315;
constexpr int kRightCaptions = 356;
constexpr int kRightValuesEnd = 568;
constexpr int kButtonTop = 275;
constexpr int kShareLeft = 16;
// BtnCancel ends here; BtnSave stands this far before it.
constexpr int kCancelRight = 551;
constexpr int kButtonGap = 8;

QString Local(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

const QImage& Picture(QStringView name) {
  static const QImage none;
  const TFormRes* res = TFormRes::Instance();
  return res != nullptr ? res->Picture(name) : none;
}

}  // namespace

TFrameAPCfg::TFrameAPCfg(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameAPCfg1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbWireless", "Wireless Settings", G::kCardLeft);
  PageParts::AddHeading(*this, "LbSecurity", "Security Settings", G::kCardRight);

  lbSSID_ = NewCaption("LbSSID", "SSID");
  edtSSID_ = new QLineEdit(this);
  edtSSID_->setObjectName(QStringLiteral("EdtSSID"));
  edtSSID_->setMaxLength(kSsidLength);
  chkHide_ = new QCheckBox(QStringLiteral("Hide SSID"), this);
  chkHide_->setObjectName(QStringLiteral("ChkHide"));
  lbMode_ = NewCaption("LbMode", "Wireless Mode");
  cmbMode_ = NewList("CmbMode");
  lbChannel_ = NewCaption("LbChannel", "Channel");
  cmbCh_ = NewList("CmbCh");
  lbPower_ = NewCaption("LbPower", "Output Power");
  cmbPower_ = NewList("CmbPower");

  lbWEP_ = NewCaption("LbWEP", "WEP");
  cmbWEP_ = NewList("CmbWEP");
  lbAuthen_ = NewCaption("LbAuthen", "Authentication Type");
  cmbAuthen_ = NewList("CmbAuthen");
  lbDefKey_ = NewCaption("LbDefKey", "Transmit Key");
  cmbDefKey_ = NewList("CmbDefKey");
  lbPhrase_ = NewCaption("LbPhrase", "Pass Phrase");
  edtPhrase_ = NewSecret("EdtPhrase", kPhraseLength);
  lbKey_ = NewCaption("LbKey", "Key 1");
  for (int i = 0; i < 4; ++i) {
    edtKey_[static_cast<std::size_t>(i)] =
        NewSecret(QStringLiteral("EdtKey%1").arg(i + 1).toLatin1().constData(), 0);
  }
  lbPSK_ = NewCaption("LbPSK", "Pass Phrase");
  edtPSK_ = NewSecret("EdtPSK", WPAPhraseRules::kRawKeyDigits);
  edtPSK_->setValidator(new TPSKValidator(edtPSK_));
  lbPSK_->setBuddy(edtPSK_);
  lbPSK_->hide();
  edtPSK_->hide();

  btnSave_ = NewButton("BtnSave");
  btnCancel_ = NewButton("BtnCancel");
  btnShare_ = NewButton("BtnShare");

  lbSSID_->setBuddy(edtSSID_);
  lbMode_->setBuddy(cmbMode_);
  lbChannel_->setBuddy(cmbCh_);
  lbPower_->setBuddy(cmbPower_);
  lbWEP_->setBuddy(cmbWEP_);
  lbAuthen_->setBuddy(cmbAuthen_);
  lbDefKey_->setBuddy(cmbDefKey_);
  lbPhrase_->setBuddy(edtPhrase_);

  connect(cmbMode_, &QComboBox::activated, this, &TFrameAPCfg::CmbModeSelect);
  connect(cmbWEP_, &QComboBox::activated, this, &TFrameAPCfg::CmbWEPSelect);
  connect(cmbDefKey_, &QComboBox::activated, this, &TFrameAPCfg::CmbDefKeySelect);
  connect(edtPhrase_, &QLineEdit::textChanged, this, &TFrameAPCfg::EdtPhraseChange);
  for (QLineEdit* key : edtKey_) {
    connect(key, &QLineEdit::textChanged, this, &TFrameAPCfg::EdtKeyChange);
  }
  connect(edtPSK_, &QLineEdit::inputRejected, this, &TFrameAPCfg::EdtPSKRejected);
  connect(btnSave_, &TFABitmapBtn::clicked, this, &TFrameAPCfg::BtnSaveClick);
  connect(btnCancel_, &TFABitmapBtn::clicked, this, &TFrameAPCfg::BtnCancelClick);
  connect(btnShare_, &TFABitmapBtn::clicked, this, &TFrameAPCfg::BtnShareClick);
}

TEllipsisLabel* TFrameAPCfg::NewCaption(const char* name, const char* designText) {
  return PageParts::AddCaption(*this, name, designText);
}

QComboBox* TFrameAPCfg::NewList(const char* name) {
  auto* list = new QComboBox(this);
  list->setObjectName(QString::fromLatin1(name));
  return list;
}

TSecretEdit* TFrameAPCfg::NewSecret(const char* name, int maxLength) {
  auto* edit = new TSecretEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(maxLength);
  return edit;
}

TFABitmapBtn* TFrameAPCfg::NewButton(const char* name) {
  auto* button = new TFABitmapBtn(this);
  button->setObjectName(QString::fromLatin1(name));
  button->SetNoFocusRect(true);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

void TFrameAPCfg::InitPage() {
  LoadStrings(kSection);
  PageParts::ShowPicture(*imgBG_, u"ImgFrAPCfg");
  const struct {
    TFABitmapBtn* button;
    const char16_t* face;
    const char16_t* hover;
    QString word;  // on the face
  } faces[] = {{btnSave_, u"ImgBtnSave", u"ImgBtnSaveOn", QStringLiteral("Save")},
               {btnCancel_, u"ImgBtnCancel", u"ImgBtnCancelOn", QStringLiteral("Cancel")},
               {btnShare_, u"ImgBtnShare", u"ImgBtnShareOn", QStringLiteral("Share")}};
  for (const auto& f : faces) {
    const QImage& face = Picture(f.face);
    f.button->SetFaces(face);
    f.button->SetFacesOver(Picture(f.hover));
    f.button->SetFacesDisable(ArtButtons::DisabledFace(face));
    if (!face.isNull()) f.button->resize(face.deviceIndependentSize().toSize());
    SetAccessibleNameFromStrings(*f.button, kSection, f.word);
  }
  PlaceControls();
  MarkCaptions();

  for (int level = 0; level < 4; ++level)
    AddItem(*cmbPower_, DisplayText(kStrPowerLv0 + level), level);
  AddItem(*cmbAuthen_, DisplayText(kStrAuthModeOpen), kAuthOpen);
  AddItem(*cmbAuthen_, DisplayText(kStrAuthModeShare), kAuthShared);
  for (int key = 0; key < 4; ++key) AddItem(*cmbDefKey_, QString::number(key + 1), key);
  ResetPage();
}

void TFrameAPCfg::PlaceControls() {
  const auto row = [](QWidget* control, int top, int height = kRowHeight) {
    control->setGeometry(control->x(), top, control->width(), height);
  };
  row(edtSSID_, 40);
  row(cmbMode_, 100);
  row(cmbCh_, 134);
  row(cmbPower_, 168);
  PageParts::PlaceRows(
      {{lbSSID_, edtSSID_}, {lbMode_, cmbMode_}, {lbChannel_, cmbCh_}, {lbPower_, cmbPower_}},
      kLeftCaptions, kLeftValuesEnd);
  chkHide_->setGeometry(edtSSID_->x(), 68, kLeftValuesEnd - edtSSID_->x(), 22);

  // The security card is narrow: every caption stands above its value.
  const int width = kRightValuesEnd - kRightCaptions;
  int top = 36;
  const auto stack = [&](QLabel* caption, std::initializer_list<QWidget*> values) {
    caption->setGeometry(kRightCaptions, top, width, kCaptionHeight);
    for (QWidget* value : values) value->setGeometry(kRightCaptions, top + 18, width, kRowHeight);
    top += kStackPitch;
  };
  stack(lbWEP_, {cmbWEP_});
  // WPA2 needs none of the WEP rows: its pass phrase takes the first of them.
  lbPSK_->setGeometry(kRightCaptions, top, width, kCaptionHeight);
  edtPSK_->setGeometry(kRightCaptions, top + 18, width, kRowHeight);
  stack(lbAuthen_, {cmbAuthen_});
  stack(lbDefKey_, {cmbDefKey_});
  stack(lbPhrase_, {edtPhrase_});
  stack(lbKey_, {edtKey_[0], edtKey_[1], edtKey_[2], edtKey_[3]});

  btnCancel_->move(kCancelRight - btnCancel_->width(), kButtonTop);
  btnSave_->move(btnCancel_->x() - btnSave_->width() - kButtonGap, kButtonTop);
  btnShare_->move(kShareLeft, kButtonTop);
}

void TFrameAPCfg::MarkCaptions() {
  PageParts::MarkCaptions(*this, {lbSSID_, lbMode_, lbChannel_, lbPower_, lbWEP_, lbAuthen_,
                                  lbPhrase_, lbDefKey_, lbKey_, lbPSK_});
}

void TFrameAPCfg::ResetPage() {
  loading_ = true;
  edtSSID_->clear();
  loadedSsid_.clear();
  loadedSsidText_.clear();
  chkHide_->setChecked(false);
  for (QComboBox* list : {cmbMode_, cmbCh_, cmbPower_, cmbWEP_, cmbAuthen_, cmbDefKey_}) {
    list->setCurrentIndex(-1);
  }
  CmbWEPSelect();
  CmbDefKeySelect();
  for (QWidget* control :
       std::initializer_list<QWidget*>{edtSSID_, chkHide_, cmbMode_, cmbCh_, cmbPower_, cmbWEP_,
                                       cmbAuthen_, cmbDefKey_, btnSave_, btnCancel_, btnShare_}) {
    control->setEnabled(false);
  }
  loading_ = false;
}

bool TFrameAPCfg::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  if (adapter_ != nullptr && !adapter_->ZeroCfgEnabled()) {
    LoadWireless();
    LoadSecurity();
  }
  return TPropertyPageFrame::EnterPage(previous, direction, request);
}

void TFrameAPCfg::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) != 0) {
    adapter_ = adapter;
    FillModeList();
    FillWEPList();
    if (!adapter_->ZeroCfgEnabled()) EnableControls();
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameAPCfg::AdapterNotify(CNICAdapter*, int code, intptr_t arg) {
  if (adapter_ == nullptr || code != PM_ZEROCFG) return;
  if (arg == 1) {
    ResetPage();
  } else {
    EnableControls();
  }
}

void TFrameAPCfg::EnableControls() {
  for (QWidget* control :
       std::initializer_list<QWidget*>{edtSSID_, chkHide_, cmbMode_, cmbCh_, cmbPower_}) {
    control->setEnabled(true);
  }
  LoadWireless();
  cmbWEP_->setEnabled(true);
  cmbAuthen_->setEnabled(true);
  LoadSecurity();
  btnSave_->setEnabled(true);
  btnCancel_->setEnabled(true);
  ShareableChanged();
}

void TFrameAPCfg::ShareableChanged() {
  btnShare_->setEnabled(!WifiQrText(FAGlobal().APProfile()).empty());
}

void TFrameAPCfg::FillModeList() {
  cmbMode_->clear();
  const int32_t mask = ModeToBandMask(adapter_->SupportMode());
  const QString b = DisplayText(kStr802B);
  const QString g = DisplayText(kStr802G);
  if ((mask & kBand80211b) && (mask & kBand80211g)) {
    AddItem(*cmbMode_, b + QStringLiteral(" + ") + g, kModeBG);
  }
  if (mask & kBand80211b) AddItem(*cmbMode_, b, kModeB);
  if (mask & kBand80211g) AddItem(*cmbMode_, g, kModeG);
  if (mask & kBand80211a) AddItem(*cmbMode_, DisplayText(kStr802A), kModeA);
}

void TFrameAPCfg::FillWEPList() {
  cmbWEP_->clear();
  AddItem(*cmbWEP_, DisplayText(kStrEncrypt_None), kWEPLevelNone);
  for (const WEPKeyRules::LevelChoice& choice : WEPKeyRules::kLevelChoices) {
    if (adapter_->Settings().ReadSet(choice.setting, choice.byDefault)) {
      AddItem(*cmbWEP_, DisplayText(choice.textIndex), choice.level);
    }
  }
  if (adapter_->Settings().ReadSet(kWPA2Setting, false)) {
    AddItem(
        *cmbWEP_,
        QStringLiteral("%1 (%2)").arg(DisplayText(kStrEncrypt_WPA2_PSK), DisplayText(kStrWPA_AES)),
        kWPA2Item);
  }
}

bool TFrameAPCfg::WPA2Chosen() const { return SelectedValue(*cmbWEP_, 0) == kWPA2Item; }

void TFrameAPCfg::LoadWireless() {
  const WLProfile& profile = FAGlobal().APProfile();
  loadedSsid_ = QByteArray(TextOf(profile.Ssid1).data(),
                           static_cast<qsizetype>(TextOf(profile.Ssid1).size()));
  edtSSID_->setText(SsidDisplayText(profile.Ssid1, sizeof profile.Ssid1));
  loadedSsidText_ = edtSSID_->text();
  if (!SelectByValue(*cmbMode_, profile.ABGMode) &&
      !SelectByValue(*cmbMode_, adapter_->DefAPBand())) {
    SelectFirst(*cmbMode_);
  }
  CmbModeSelect();
  chkHide_->setChecked(profile.ApSSIDHide == 1);
  if (!SelectByValue(*cmbPower_, profile.APtxPwrLevel)) SelectFirst(*cmbPower_);
}

void TFrameAPCfg::LoadSecurity() {
  const WLProfile& profile = FAGlobal().APProfile();
  loading_ = true;
  const bool wpa2 =
      profile.EncryptionMethod == kEncryptWPA2_PSK && SelectByValue(*cmbWEP_, kWPA2Item);
  if (!wpa2 && !SelectByValue(*cmbWEP_, profile.WEPEncryptionLevel)) SelectFirst(*cmbWEP_);
  CmbWEPSelect();
  if (!SelectByValue(*cmbAuthen_, profile.AuthenticationMode)) SelectFirst(*cmbAuthen_);
  if (!SelectByValue(*cmbDefKey_, profile.DefaultKey)) SelectFirst(*cmbDefKey_);
  CmbDefKeySelect();
  edtPhrase_->SetStoredText(Local(TextOf(profile.PassPhrase)));
  const WEPKeyRules::KeyTexts keys = WEPKeyRules::KeysOf(profile);
  for (int i = 0; i < 4; ++i) KeyEdit(i)->SetStoredText(Local(keys[static_cast<std::size_t>(i)]));
  edtPSK_->SetStoredText(wpa2 ? Local(TextOf(profile.WPAPassphrase)) : QString());
  loading_ = false;
}

void TFrameAPCfg::FillChannelList(const ChannelSource& source) {
  const AdapterSettings& settings = adapter_->Settings();
  std::string text = settings.ReadSet(source.key, "");
  text = settings.ReadSet(std::string(source.key) + "_" + adapter_->Domain(), text);
  // Room for the longest answer the library can give; the list offers the first kMaxChannels.
  std::array<int32_t, kChannelListCapacity> channels{};
  int count = text.empty()
                  ? adapter_->GetSoftAPAllowedCh(channels.data(), kChannelListCapacity, source.band)
                  : ParseIntList(text, channels.data(), kChannelListCapacity);
  count = std::clamp(count, 0, kMaxChannels);
  for (int i = 0; i < count; ++i) {
    const int32_t channel = channels[static_cast<std::size_t>(i)];
    if (channel < 0) break;
    AddItem(*cmbCh_, channel == 0 ? DisplayText(kStrAuto) : QString::number(channel), channel);
  }
}

int32_t TFrameAPCfg::MarkLeastUsed(int32_t preferred) {
  std::vector<SiteSurveyEntry> sites;
  adapter_->GetSiteList(sites);
  // Nothing heard at all cannot be told from no scan.
  if (sites.empty()) return 0;
  std::vector<ChannelUse::Heard> heard;
  heard.reserve(sites.size());
  for (const SiteSurveyEntry& site : sites) {
    heard.push_back({site.Frequency / 1000, ChannelUse::WidthMHz(site.Radio), site.Signal});
  }
  std::vector<int32_t> channels;
  for (int i = 0; i < cmbCh_->count(); ++i) channels.push_back(cmbCh_->itemData(i).toInt());
  const int32_t quiet = ChannelUse::LeastUsed(channels, heard, preferred);
  const int index = cmbCh_->findData(quiet);
  if (quiet == 0 || index < 0) return 0;
  cmbCh_->setItemText(index, FillInText(StringText(kSection, QStringLiteral("LeastUsedCh"),
                                                   QStringLiteral("%s (least used)")),
                                        QString::number(quiet)));
  return quiet;
}

void TFrameAPCfg::CmbModeSelect() {
  cmbCh_->clear();
  if (adapter_ == nullptr) return;
  ChannelSource source{};
  switch (SelectedValue(*cmbMode_, -1)) {
    case kModeB:
      source = {"SoftAPChB", kBand80211b, adapter_->DefAPChB()};
      break;
    case kModeA:
      source = {"SoftAPChA", kBand80211a, adapter_->DefAPChA()};
      break;
    case kModeG:
      source = {"SoftAPChG", kBand80211g, adapter_->DefAPChB()};
      break;
    case kModeBG:
      source = {"SoftAPChBG", kBand80211g, adapter_->DefAPChB()};
      break;
    default:
      return;
  }
  FillChannelList(source);
  // A channel the profile holds is the user's; otherwise the quietest one.
  const int32_t quiet = MarkLeastUsed(source.fallback);
  if (!SelectByValue(*cmbCh_, FAGlobal().APProfile().Channel) && !SelectByValue(*cmbCh_, quiet) &&
      !SelectByValue(*cmbCh_, source.fallback)) {
    SelectFirst(*cmbCh_);
  }
  RetryChannelList();
}

void TFrameAPCfg::RetryChannelList() {
  constexpr int kRetries = 25;
  constexpr int kRetryMs = 200;
  if (cmbCh_->count() > 0) {
    channelRetries_ = 0;
    return;
  }
  // While the adapter connects the library is busy and the window thread does
  // not wait for it: the list comes out empty, so it is asked for again.
  if (channelRetries_ >= kRetries) return;
  ++channelRetries_;
  QTimer::singleShot(kRetryMs, this, [this] {
    if (adapter_ != nullptr && cmbCh_->count() == 0) CmbModeSelect();
  });
}

void TFrameAPCfg::CmbWEPSelect() {
  const int32_t level = SelectedValue(*cmbWEP_, kWEPLevelNone);
  const bool keys = WEPKeyRules::HexLength(level) != 0;
  for (QLineEdit* key : edtKey_) {
    key->setMaxLength(WEPKeyRules::HexLength(level));
    key->setEnabled(keys);
  }
  edtPhrase_->setEnabled(WEPKeyRules::PhraseEnabled(level));
  cmbDefKey_->setEnabled(keys);
  edtPhrase_->clear();
  for (QLineEdit* key : edtKey_) key->clear();
  edtPSK_->SetPlainText(QString());
  ShowSecurityRows();
}

void TFrameAPCfg::ShowSecurityRows() {
  const bool wpa2 = WPA2Chosen();
  for (QWidget* row : std::initializer_list<QWidget*>{lbAuthen_, cmbAuthen_, lbDefKey_, cmbDefKey_,
                                                      lbPhrase_, edtPhrase_, lbKey_}) {
    row->setVisible(!wpa2);
  }
  const int shown = std::max(cmbDefKey_->currentIndex(), 0);
  for (int i = 0; i < 4; ++i) KeyEdit(i)->setVisible(!wpa2 && i == shown);
  lbPSK_->setVisible(wpa2);
  edtPSK_->setVisible(wpa2);
  edtPSK_->setEnabled(wpa2);
}

void TFrameAPCfg::CmbDefKeySelect() {
  const int index = std::max(cmbDefKey_->currentIndex(), 0);
  for (int i = 0; i < 4; ++i) KeyEdit(i)->setVisible(!WPA2Chosen() && i == index);
  lbKey_->setText(StringText(kSection, QStringLiteral("LbKey%1").arg(index + 1),
                             QStringLiteral("Key %1").arg(index + 1)));
  lbKey_->setBuddy(KeyEdit(index));
}

void TFrameAPCfg::EdtPhraseChange() {
  if (loading_ || phrase_ || cmbWEP_->currentIndex() < 0) return;
  phrase_ = true;
  const std::string phrase = Bytes(edtPhrase_->text());
  if (phrase.empty()) {
    for (QLineEdit* key : edtKey_) key->clear();
  } else {
    WEPKeyRules::KeyTexts keys;
    if (WEPKeyRules::GenerateKeys(WLLib().Api(), phrase, SelectedValue(*cmbWEP_, 0), keys)) {
      for (int i = 0; i < 4; ++i)
        KeyEdit(i)->SetPlainText(Local(keys[static_cast<std::size_t>(i)]));
    }
  }
  phrase_ = false;
}

void TFrameAPCfg::EdtKeyChange() {
  if (loading_ || phrase_) return;
  // The phrase no longer made these keys. Emptying it must not empty the
  // keys in turn, or the key being typed would be lost.
  phrase_ = true;
  edtPhrase_->SetPlainText(QString());
  phrase_ = false;
}

QByteArray TFrameAPCfg::SsidBytes() const {
  const QString text = edtSSID_->text();
  if (text == loadedSsidText_) return loadedSsid_;
  // A name of 32 characters may need more bytes: whole characters up to 32 bytes.
  QByteArray bytes;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QByteArray next = text.mid(i, length).toUtf8();
    if (bytes.size() + next.size() > kSsidLength) break;
    bytes += next;
    i += length - 1;
  }
  return bytes;
}

void TFrameAPCfg::BtnSaveClick() {
  if (adapter_ == nullptr) return;
  const QByteArray ssid = SsidBytes();
  if (ssid.isEmpty()) {
    ShowMessage(this,
                StringText(kMessage, QStringLiteral("ErAPSSID"),
                           QStringLiteral("You should enter a SSID name.")),
                kMbIconExclamation);
    edtSSID_->setFocus();
    return;
  }
  WLProfile profile = FAGlobal().APProfile();
  if (WPA2Chosen()) {
    if (!SaveWPA2(profile)) return;
  } else {
    WEPKeyRules::KeyTexts keys;
    for (int i = 0; i < 4; ++i) keys[static_cast<std::size_t>(i)] = Bytes(KeyEdit(i)->text());
    const std::string error = WEPKeyRules::WriteKeys(profile, SelectedValue(*cmbWEP_, 0),
                                                     SelectedValue(*cmbDefKey_, 0), keys);
    if (!error.empty()) {
      ShowMessage(this,
                  StringText(kMessage, QString::fromLatin1(error),
                             QString::fromLatin1(WEPKeyRules::kBadKeyText)),
                  kMbIconExclamation);
      return;
    }
    CopyText(profile.WPAPassphrase, "");
    profile.AuthenticationMode = SelectedValue(*cmbAuthen_, kAuthOpen);
  }
  const WLProfile& defaults = adapter_->DefaultAPProfile();
  CopyText(profile.Ssid1,
           std::string_view(ssid.constData(), static_cast<std::size_t>(ssid.size())));
  profile.ABGMode = SelectedValue(*cmbMode_, defaults.ABGMode);
  profile.Channel = SelectedValue(*cmbCh_, defaults.Channel);
  profile.ApSSIDHide = chkHide_->isChecked() ? 1 : 0;
  profile.APtxPwrLevel = SelectedValue(*cmbPower_, kPowerLevel0);
  FAGlobal().APProfile() = profile;
  ShareableChanged();

  adapter_->UpdateProfile(profile, std::string(TextOf(profile.ProfileName)));
  if (!adapter_->ZeroCfgEnabled()) adapter_->Connect(profile);
  PostToMainWindow(*this, PM_SHOWPAGE, kShowAPInfo);
}

bool TFrameAPCfg::SaveWPA2(WLProfile& profile) {
  const QString phrase = edtPSK_->text();
  if (!WPAPhraseRules::Acceptable(phrase.toStdU16String())) {
    ShowPSKMessage();
    edtPSK_->setFocus();
    return false;
  }
  WEPKeyRules::ClearKeys(profile);
  profile.EncryptionMethod = kEncryptWPA2_PSK;
  profile.WPAEncryptionType = kWPAAES;
  profile.AuthenticationMode = kAuthWPA2PSK;
  CopyText(profile.WPAPassphrase, Bytes(phrase));
  return true;
}

void TFrameAPCfg::EdtPSKRejected() {
  if (pskMessagePosted_) return;
  pskMessagePosted_ = true;
  QMetaObject::invokeMethod(this, &TFrameAPCfg::ShowPSKMessage, Qt::QueuedConnection);
}

void TFrameAPCfg::ShowPSKMessage() {
  ShowMessage(this,
              StringText(kMessage, QString::fromLatin1(WPAPhraseRules::kErrorKey),
                         QString::fromLatin1(WPAPhraseRules::kErrorText)),
              kMbIconExclamation);
  pskMessagePosted_ = false;
}

void TFrameAPCfg::BtnCancelClick() {
  if (adapter_ == nullptr) return;
  LoadWireless();
  LoadSecurity();
}

void TFrameAPCfg::BtnShareClick() {
  TFormAPShare share(this, FAGlobal().APProfile());
  share.Show();
}
