#include "ui/station/frame_link_info.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cstring>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "adapter/wl_records.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/network_info.h"
#include "model/wl_enums.h"
#include "model/wl_text.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/ssid_text.h"
#include "ui/station/form_chart.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FrameLinkInfo");

// The rows of both columns share one pitch below the heading bands.
constexpr int kRowTop = 35;
constexpr int kRowPitch = 25;
constexpr int kRowHeight = 20;
constexpr int kLeftCaptionLeft = G::kCardLeft.left() + 26;  // after the mark
constexpr int kLeftValueRight = 321;
constexpr int kRightCaptionLeft = G::kCardRight.left() + 12;
constexpr int kRightValueRight = 569;
constexpr int kChartButtonRight = 567;
// The meter captions stand above their meters, starting where the trough does.
constexpr int kMeterCaptionTop = 246;
constexpr int kMeterCaptionHeight = 18;
constexpr int kMeterCaptionIndent = 5;
constexpr int kTextPixelSize = 12;

QString Local(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

void Colour(QWidget& label, const QColor& colour, QFont::Weight weight) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
  label.setFont(ArtKit::PixelFont(kTextPixelSize, weight));
}

QString AuthModeText(int32_t mode) {
  switch (mode) {
    case kAuthShared:
      return DisplayText(kStrAuthModeShare);
    case kAuthAuto:
      return DisplayText(kStrAuthModeAuto);
    default:
      return DisplayText(kStrAuthModeOpen);
  }
}

QString EapMethodText(int32_t method) {
  switch (method) {
    case k8021xTLS:
      return DisplayText(kStrAuthen_TLS);
    case k8021xTTLS:
      return DisplayText(kStrAuthen_TTLS);
    case k8021xPEAP:
      return DisplayText(kStrAuthen_PEAP);
    case k8021xLEAP:
      return DisplayText(kStrAuthen_LEAP);
    case k8021xMD5:
      return DisplayText(kStrAuthen_MD5);
    default:
      return {};
  }
}

QString MacText(const uint8_t (&mac)[6]) {
  return QString::asprintf("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                           mac[5]);
}

}  // namespace

TFrameLinkInfo::TFrameLinkInfo(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameLinkInfo1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbStatus", "Wireless Network Status", G::kCardLeft);
  PageParts::AddHeading(*this, "LbStatistics", "Statistics", G::kCardRight);
  BuildRows();
  lbSignal_ = NewLabel(
      "LbSignal", "Signal Strength",
      QRect(G::kSignalMeterLeft - kMeterCaptionIndent, kMeterCaptionTop,
            kLeftValueRight - G::kSignalMeterLeft + kMeterCaptionIndent, kMeterCaptionHeight),
      true);
  lbQuality_ = NewLabel(
      "LbQuality", "Link Quality",
      QRect(G::kQualityMeterLeft - kMeterCaptionIndent, kMeterCaptionTop,
            kRightValueRight - G::kQualityMeterLeft + kMeterCaptionIndent, kMeterCaptionHeight),
      true);
  btnTChart_ = new TFABitmapBtn(this);
  btnTChart_->setObjectName(QStringLiteral("BtnTChart"));
  btnTChart_->SetNoFocusRect(true);
  btnTChart_->setGeometry(kChartButtonRight - 24, G::kCardRight.top() + 3, 24, 20);
  connect(btnTChart_, &TFABitmapBtn::clicked, this, &TFrameLinkInfo::BtnTChartClick);
  BuildMeters();
}

void TFrameLinkInfo::BuildRows() {
  static constexpr RowDef kRows[kValueCount] = {
      {"LbProfName", "Profile Name:", "LblProfName"},
      {"LbSSID", "Network Name (SSID):", "LblSSID"},
      {"LbMAC", "AP MAC Address:", "LblMAC"},
      {"LbNetType", "Network Type:", "LblNetType"},
      {"LbTxRate", "Transmission Rate:", "LblTxRate"},
      {"LbSecurity", "Security:", "LblSecurity"},
      {"LbChannel", "Channel:", "LblChannel"},
      {"LbIP", "IP Address", "LblIP"},
      {"LbTransRate", "Transmit Rate:", "LblTransRate"},
      {"LbRecvReate", "Receive Rate:", "LblRecvReate"},
      {"LbAuthen", "Authentication:", "LblAuthen"},
      {"LbNetMode", "Network Mode:", "LblNetMode"},
      {"LbTrans", "Total Transmit:", "LblTrans"},
      {"LbRecv", "Total Receive:", "LblRecv"},
      {"LbLinkQuality", "Link Quality:", "LblLinkQuality"},
  };
  for (int i = 0; i < kValueCount; ++i) {
    const bool left = i < kTransRate;
    const int row = left ? i : i - kTransRate;
    const int top = kRowTop + row * kRowPitch;
    const int captionLeft = left ? kLeftCaptionLeft : kRightCaptionLeft;
    const int right = left ? kLeftValueRight : kRightValueRight;
    captions_[i] = NewLabel(kRows[i].caption, kRows[i].captionText,
                            QRect(captionLeft, top, 120, kRowHeight), true);
    values_[i] =
        NewLabel(kRows[i].value, "",
                 QRect(captionLeft + 126, top, right - captionLeft - 126, kRowHeight), false);
    captions_[i]->setBuddy(values_[i]);
  }
}

TEllipsisLabel* TFrameLinkInfo::NewLabel(const char* name, const char* text, const QRect& bounds,
                                         bool caption) {
  auto* label = new TEllipsisLabel(QString::fromLatin1(text), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(bounds);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->SetEllipsisEnd(true);
  if (caption) {
    Colour(*label, ArtKit::kSlate, QFont::DemiBold);
  } else {
    Colour(*label, ArtKit::kInk, QFont::Normal);
  }
  return label;
}

void TFrameLinkInfo::BuildMeters() {
  const int lefts[2] = {G::kSignalMeterLeft, G::kQualityMeterLeft};
  const QString names[2] = {QStringLiteral("ImgSignal%1"), QStringLiteral("ImgQuality%1")};
  for (int meter = 0; meter < 2; ++meter) {
    for (int i = 0; i < G::kMeterBars; ++i) {
      auto* light = new TImage(this);
      light->setObjectName(names[meter].arg(i));
      light->setGeometry(
          QRect(QPoint(lefts[meter] + G::kMeterStep * i, G::kMeterTop), G::kLightSize));
      light->hide();
      meters_[meter].append(light);
    }
  }
}

void TFrameLinkInfo::InitPage() {
  LoadStrings(kSection);
  PageParts::ShowPicture(*imgBG_, u"ImgFrLink");
  if (const TFormRes* res = TFormRes::Instance()) {
    const QImage& face = res->Picture(u"ImgBtnTChart");
    btnTChart_->SetFaces(face);
    btnTChart_->SetFacesDown(face);
    btnTChart_->SetFacesOver(res->Picture(u"ImgBtnTChartOn"));
    btnTChart_->SetFacesDisable(ArtButtons::DisabledFace(face));
    if (!face.isNull()) btnTChart_->resize(face.deviceIndependentSize().toSize());
    for (int i = kProfName; i <= kIP; ++i) AddMarkImage(captions_[i], res->Picture(u"ImgMark"));
  }
  SetAccessibleNameFromStrings(*btnTChart_, kSection, QStringLiteral("Chart"));
  // The first text measured loads the font database, several milliseconds:
  // the first page's captions wait for the event loop, when its window is
  // already on the screen and is about to be painted.
  QTimer::singleShot(0, this, &TFrameLinkInfo::FitCaptions);
  btnTChart_->move(kChartButtonRight - btnTChart_->width(), btnTChart_->y());
  if (const TFormRes* res = TFormRes::Instance()) {
    for (const QList<TImage*>& meter : meters_) {
      for (TImage* light : meter) light->SetPicture(res->Picture(u"ImgLight"));
    }
  }
  ResetPage();
}

void TFrameLinkInfo::FitCaptions() {
  for (int i = 0; i < kValueCount; ++i) {
    FitLabel(captions_[i], values_[i], i < kTransRate ? kLeftValueRight : kRightValueRight);
  }
}

void TFrameLinkInfo::ResetPage() {
  ShowBlank();
  btnTChart_->setEnabled(false);
  profileKnown_ = false;
  connecting_ = false;
  applied_ = WLProfile{};
  lastTick_ = 0;
}

void TFrameLinkInfo::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (TFormChart* chart = TFormChart::Open()) chart->AdapterChanged(adapter, event, funcMode);
  if (event == kAdapterAttached) {
    if (adapter == nullptr || (funcMode & 1) != 0) return;
    adapter_ = adapter;
    btnTChart_->setEnabled(!adapter->ZeroCfgEnabled());
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameLinkInfo::AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) {
  if (adapter_ == nullptr) return;
  if (TFormChart* chart = TFormChart::Open()) chart->AdapterNotify(adapter, code, arg);
  switch (code) {
    case PM_STATUS:
      Refresh();
      break;
    case PM_CONNECT:
      if ((arg & 1) == 0) StartConnecting();
      break;
    case PM_ZEROCFG:
      if (arg == 1) {
        ResetPage();
      } else if (arg == 0) {
        btnTChart_->setEnabled(true);
      }
      break;
    default:
      break;
  }
}

int TFrameLinkInfo::MeterBars(int32_t dBm) { return (SignalToPercent(dBm) + 9) / 10; }

void TFrameLinkInfo::BtnTChartClick() {
  if (adapter_ == nullptr || TFormChart::Open() != nullptr) return;
  // The main window may go while the chart runs its own loop; the pointer
  // then knows the chart went with it.
  QPointer<TFormChart> chart = new TFormChart(window());
  chart->SetTickSource(ticks_);
  chart->Show(window(), adapter_);
  delete chart.data();
}

void TFrameLinkInfo::StartConnecting() {
  connecting_ = true;
  lastTick_ = 0;
  ShowBlank();
  profileKnown_ = adapter_->GetAppliedProfile(applied_);
}

void TFrameLinkInfo::Refresh() {
  if (adapter_->ZeroCfgEnabled()) return;
  WLANStatus status{};
  NetworkInfo info{};
  adapter_->GetStatus(status);
  adapter_->GetIPInfo(info);
  if (status.MediaState != kMediaConnected) {
    if (connecting_) return;
    lastTick_ = 0;
    ShowBlank();
    return;
  }
  if (connecting_) {
    connecting_ = false;
    if (!adapter_->ZeroCfgEnabled() && adapter_->Settings().ReadSet("AutoRenewIP", true)) {
      adapter_->IPConfig(CNICAdapter::kIPRelease | CNICAdapter::kIPRenew);
    }
  }
  ShowLinkValues(status);
  ShowIPAddress(info);
  ShowRates(status);
}

void TFrameLinkInfo::ShowBlank() {
  linkShown_ = false;
  for (int i = 0; i < kValueCount; ++i) SetValue(static_cast<Value>(i), QString());
  ShowMeter(0, 0);
  ShowMeter(1, 0);
}

QString TFrameLinkInfo::AuthenticationText(const WLANStatus& status) const {
  if (!profileKnown_) return AuthModeText(status.AuthenticationMode);
  switch (applied_.EncryptionMethod) {
    case kEncryptNone:
    case kEncryptWEP:
      return AuthModeText(status.AuthenticationMode);
    case kEncryptWPA_PSK:
    case kEncryptWPA2_PSK:
      return DisplayText(kStrNone);
    case kEncryptWPA:
    case kEncryptRadius:
    case kEncryptWPA2:
      return EapMethodText(applied_.MS8021xAuthMode);
    default:
      return {};
  }
}

void TFrameLinkInfo::ShowLinkValues(const WLANStatus& status) {
  // From one status to the next most of it stays the same: only what changed
  // is put into words again.
  const WLANStatus* was = linkShown_ ? &lastShown_ : nullptr;
  const auto changed = [&status, was](auto field) {
    return was == nullptr || status.*field != was->*field;
  };
  if (changed(&WLANStatus::SecurityMode) || changed(&WLANStatus::AuthenticationMode)) {
    if (profileKnown_) {
      const std::string_view name = TextOf(applied_.ProfileName);
      SetValue(kProfName, name == kEditingProfileName ? QString() : Local(name));
      SetValue(kSecurity, Local(EncryptionText(applied_.EncryptionMethod, FAGlobal())));
    } else {
      SetValue(kSecurity, Local(EncryptionText(status.SecurityMode, FAGlobal())));
    }
    SetValue(kAuthen, AuthenticationText(status));
  }
  if (changed(&WLANStatus::SsidLength) ||
      std::memcmp(status.Ssid, was->Ssid, sizeof status.Ssid) != 0) {
    const auto ssidLength = static_cast<std::size_t>(std::clamp<int32_t>(status.SsidLength, 0, 32));
    SetValue(kSSID, SsidDisplayText(
                        std::string_view(reinterpret_cast<const char*>(status.Ssid), ssidLength)));
  }
  if (was == nullptr || std::memcmp(status.Bssid, was->Bssid, sizeof status.Bssid) != 0) {
    SetValue(kMAC, MacText(status.Bssid));
  }
  if (changed(&WLANStatus::NetworkType)) {
    SetValue(kNetType, Local(NetworkModeText(status.NetworkType, FAGlobal())));
  }
  if (changed(&WLANStatus::TxRate)) SetValue(kTxRate, Local(RateText(status.TxRate, FAGlobal())));
  if (changed(&WLANStatus::Frequency)) {
    const WLLibrary& library = WLLib();
    const int32_t channel =
        library.IsLoaded() ? library.Api().ORVWL_FrequencyToChannel(status.Frequency) : 0;
    SetValue(kChannel, QString::number(channel));
  }
  if (changed(&WLANStatus::Radio)) {
    const std::string radio = RadioText(status.Radio, FAGlobal());
    if (!radio.empty()) SetValue(kNetMode, Local(radio));
  }
  if (changed(&WLANStatus::TxPackets)) SetValue(kTrans, QString::number(status.TxPackets));
  if (changed(&WLANStatus::RxPackets)) SetValue(kRecv, QString::number(status.RxPackets));
  if (changed(&WLANStatus::LinkQuality)) {
    SetValue(kLinkQuality,
             QString::number(status.LinkQuality) + QLatin1Char(' ') + DisplayText(kStrdBm));
  }
  ShowMeter(0, MeterBars(status.Signal));
  ShowMeter(1, MeterBars(status.LinkQuality));
  lastShown_ = status;
  linkShown_ = true;
}

void TFrameLinkInfo::ShowIPAddress(const NetworkInfo& info) {
  char text[kIPTextBufferSize] = {};
  const WLLibrary& library = WLLib();
  if (library.IsLoaded()) library.Api().ORVWL_IPDataToStr(&info.NI_IpAddr, text);
  const std::string_view shown = TextOf(text);
  SetValue(kIP, shown.empty() ? QStringLiteral("0.0.0.0") : Local(shown));
}

void TFrameLinkInfo::ShowRates(const WLANStatus& status) {
  const uint64_t now = ticks_();
  if (lastTick_ != 0) {
    const uint64_t elapsed = now >= lastTick_ ? now - lastTick_ : 0;
    const QString kbps = DisplayText(kStrKbps);
    const float tx = TrafficKbps<float>(elapsed, status.TxBytes, lastTxBytes_);
    const float rx = TrafficKbps<float>(elapsed, status.RxBytes, lastRxBytes_);
    SetValue(kTransRate, QString::asprintf("%.0f ", static_cast<double>(tx)) + kbps);
    SetValue(kRecvReate, QString::asprintf("%.0f ", static_cast<double>(rx)) + kbps);
  }
  lastTick_ = now;
  lastTxBytes_ = status.TxBytes;
  lastRxBytes_ = status.RxBytes;
}

void TFrameLinkInfo::SetValue(Value value, const QString& text) {
  TEllipsisLabel* label = values_[value];
  if (label->text() != text) label->setText(text);
}

void TFrameLinkInfo::ShowMeter(int meter, int bars) {
  if (litBars_[meter] == bars) return;
  litBars_[meter] = bars;
  const QList<TImage*>& lights = meters_[meter];
  for (int i = 0; i < lights.size(); ++i) lights[i]->setVisible(i < bars);
}
