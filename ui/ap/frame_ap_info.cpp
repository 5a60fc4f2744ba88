#include "ui/ap/frame_ap_info.h"

#include <QHeaderView>
#include <algorithm>
#include <string>
#include <vector>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "adapter/wl_records.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/network_info.h"
#include "model/wl_enums.h"
#include "model/wl_text.h"
#include "platform/debug_log.h"
#include "platform/text.h"
#include "ui/ap/station_rows.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/grid_line_delegate.h"
#include "ui/controls/sort_lv.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/art_icons.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/ssid_text.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FrameAPInfo");

constexpr int kRowTop = 38;
constexpr int kRowPitch = 30;
constexpr int kRowHeight = 20;
constexpr int kCaptionLeft = G::kCardLeft.left() + 26;  // after the mark
constexpr int kValueRight = 321;
constexpr int kRefreshRight = 567;
constexpr int kButtonTop = 275;
constexpr int kTextPixelSize = 12;
const QRect kListRect(G::kCardRight.left() + 8, G::kCardRight.top() + G::kHeadingHeight + 8,
                      G::kCardRight.width() - 16, G::kButtonBarTop - 8 - 38);
constexpr int kMarkColumnWidth = 22;
const QColor kGridLine(226, 233, 239);

QString Local(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

void Colour(QWidget& label, const QColor& colour, QFont::Weight weight) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
  label.setFont(ArtKit::PixelFont(kTextPixelSize, weight));
}

}  // namespace

TFrameAPInfo::TFrameAPInfo(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameAPInfo1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbStatus", "Status", G::kCardLeft);
  PageParts::AddHeading(*this, "LbAssoc", "Association List", G::kCardRight);
  static constexpr struct {
    const char* caption;
    const char* text;
    const char* value;
  } kRows[kValueCount] = {
      {"LbSSID", "SSID:", "LblSSID"},
      {"LbChannel", "Current Channel:", "LblChannel"},
      {"LbTxRate", "Transmission Rate:", "LblTxRate"},
      {"LbSecurity", "Security:", "LblSecurity"},
      {"LbMAC", "MAC:", "LblMAC"},
      {"LbPower", "Output Power:", "LblPower"},
      {"LbIP", "IP Address", "LblIP"},
  };
  for (int i = 0; i < kValueCount; ++i) {
    const int top = kRowTop + i * kRowPitch;
    captions_[i] = NewLabel(kRows[i].caption, kRows[i].text, top, true);
    values_[i] = NewLabel(kRows[i].value, "", top, false);
    captions_[i]->setBuddy(values_[i]);
  }
  BuildList();
  btnRefresh_ = PageParts::AddButton(*this, "BtnRefresh");
  btnRefresh_->setGeometry(kRefreshRight - G::kPageButtonMinWidth, kButtonTop,
                           G::kPageButtonMinWidth, G::kPageButtonHeight);
  connect(btnRefresh_, &TFABitmapBtn::clicked, this, &TFrameAPInfo::BtnRefreshClick);
}

TEllipsisLabel* TFrameAPInfo::NewLabel(const char* name, const char* text, int top, bool caption) {
  auto* label = new TEllipsisLabel(QString::fromLatin1(text), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->SetEllipsisEnd(true);
  if (caption) {
    label->setGeometry(kCaptionLeft, top, 120, kRowHeight);
    Colour(*label, ArtKit::kSlate, QFont::DemiBold);
  } else {
    label->setGeometry(kCaptionLeft + 126, top, kValueRight - kCaptionLeft - 126, kRowHeight);
    Colour(*label, ArtKit::kInk, QFont::Normal);
  }
  return label;
}

void TFrameAPInfo::BuildList() {
  lvMAC_ = new TSortLv(this);
  lvMAC_->setObjectName(QStringLiteral("LvMAC"));
  lvMAC_->setGeometry(kListRect);
  lvMAC_->setFont(ArtKit::PixelFont(kTextPixelSize));
  lvMAC_->setColumnCount(2);
  lvMAC_->setHeaderLabels({QString(), QStringLiteral("MAC Address")});
  lvMAC_->headerItem()->setTextAlignment(StationRows::kColMac, Qt::AlignCenter);
  lvMAC_->setColumnWidth(0, kMarkColumnWidth);
  lvMAC_->header()->setSectionResizeMode(0, QHeaderView::Fixed);
  lvMAC_->header()->setStretchLastSection(true);
  lvMAC_->header()->setFont(ArtKit::PixelFont(kTextPixelSize, QFont::DemiBold));
  lvMAC_->setSelectionMode(QAbstractItemView::SingleSelection);
  lvMAC_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvMAC_->setAllColumnsShowFocus(true);
  lvMAC_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvMAC_->setUniformRowHeights(true);
  lvMAC_->setItemDelegate(new TGridLineDelegate(kGridLine, lvMAC_));
  lvMAC_->SetSkipSort1(0);
  lvMAC_->SetSortColumn(StationRows::kColMac);
  lvMAC_->SetOnCompare(
      [this](const QTreeWidgetItem& a, const QTreeWidgetItem& b) { return LvMACCompare(a, b); });
  connect(lvMAC_, &TSortLv::ColumnClick, this, &TFrameAPInfo::LvMACColumnClick);
}

void TFrameAPInfo::InitPage() {
  LoadStrings(kSection);
  PageParts::ShowPicture(*imgBG_, u"ImgFrAPInfo");
  if (const TFormRes* res = TFormRes::Instance()) {
    const QImage& face = res->Picture(u"ImgBtnRefresh");
    btnRefresh_->SetFaces(face);
    btnRefresh_->SetFacesDown(face);
    btnRefresh_->SetFacesOver(res->Picture(u"ImgBtnRefreshOn"));
    btnRefresh_->SetFacesDisable(ArtButtons::DisabledFace(face));
    if (!face.isNull()) btnRefresh_->resize(face.deviceIndependentSize().toSize());
    for (TEllipsisLabel* caption : captions_) AddMarkImage(caption, res->Picture(u"ImgMark"));
    // The rows have no pictures, but the height of the list's empty ones.
    rowHeight_ = res->ImgsNull().Size().height();
  }
  SetAccessibleNameFromStrings(*btnRefresh_, kSection, QStringLiteral("Refresh"));
  if (const auto* heading = findChild<QLabel*>(QStringLiteral("LbAssoc"))) {
    lvMAC_->setAccessibleName(heading->text());
  }
  for (int i = 0; i < kValueCount; ++i) FitLabel(captions_[i], values_[i], kValueRight);
  btnRefresh_->move(kRefreshRight - btnRefresh_->width(), btnRefresh_->y());
  const qreal ratio = devicePixelRatioF();
  lvMAC_->SetIncBMP(ArtIcons::SortMark(true, ratio));
  lvMAC_->SetDecBMP(ArtIcons::SortMark(false, ratio));
  ResetPage();
}

void TFrameAPInfo::ResetPage() {
  btnRefresh_->setEnabled(false);
  ShowBlank();
  renew_ = false;
}

void TFrameAPInfo::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached) {
    if (adapter == nullptr || (funcMode & 1) == 0) return;
    adapter_ = adapter;
    btnRefresh_->setEnabled(!adapter->ZeroCfgEnabled());
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameAPInfo::AdapterNotify(CNICAdapter*, int code, intptr_t arg) {
  if (adapter_ == nullptr) return;
  switch (code) {
    case PM_STATUS:
      Refresh();
      break;
    case PM_CONNECT:
      if ((arg & 1) != 0) StartConnecting();
      break;
    case PM_ZEROCFG:
      if (arg == 1) {
        ResetPage();
      } else {
        btnRefresh_->setEnabled(true);
      }
      break;
    default:
      break;
  }
}

void TFrameAPInfo::ConnectLast() {
  if (adapter_ == nullptr || !adapter_->Settings().ReadSet("InitConnect", true)) return;
  const WLProfile& profile = FAGlobal().APProfile();
  DebugLog("Connect last => %s", std::string(TextOf(profile.ProfileName)).c_str());
  adapter_->Connect(profile);
}

void TFrameAPInfo::StartConnecting() {
  renew_ = true;
  ShowBlank();
}

void TFrameAPInfo::ShowBlank() {
  for (int i = 0; i < kValueCount; ++i) SetValue(static_cast<Value>(i), QString());
  lvMAC_->clear();
}

void TFrameAPInfo::Refresh() {
  if (adapter_->ZeroCfgEnabled()) return;
  WLANStatus status{};
  NetworkInfo info{};
  adapter_->GetStatus(status);
  adapter_->GetIPInfo(info);
  if (status.MediaState == kMediaDisconnected) return;
  if (renew_) {
    renew_ = false;
    if (adapter_->Settings().ReadSet("AutoRenewIP", true)) {
      adapter_->IPConfig(CNICAdapter::kIPRelease | CNICAdapter::kIPRenew);
    }
  }
  ShowValues(status, info);
  UpdateStations();
}

void TFrameAPInfo::ShowValues(const WLANStatus& status, const NetworkInfo& info) {
  const auto ssidLength = static_cast<std::size_t>(std::clamp<int32_t>(status.SsidLength, 0, 32));
  SetValue(kSSID, SsidDisplayText(
                      std::string_view(reinterpret_cast<const char*>(status.Ssid), ssidLength)));
  const WLLibrary& library = WLLib();
  const int32_t channel =
      library.IsLoaded() ? library.Api().ORVWL_FrequencyToChannel(status.Frequency) : 0;
  SetValue(kChannel, QString::number(channel));
  SetValue(kTxRate, Local(RateText(status.TxRate, FAGlobal())));
  SetValue(kSecurity, Local(EncryptionText(status.SecurityMode, FAGlobal())));
  SetValue(kMAC, Local(adapter_->MacText()));
  if (status.OutputPower >= kPowerLevel0 && status.OutputPower <= kPowerLevel3) {
    SetValue(kPower, DisplayText(kStrPowerLv0 + status.OutputPower));
  }
  char ip[kIPTextBufferSize] = {};
  if (library.IsLoaded()) library.Api().ORVWL_IPDataToStr(&info.NI_IpAddr, ip);
  const std::string_view shown = TextOf(ip);
  SetValue(kIP, shown.empty() ? QStringLiteral("0.0.0.0") : Local(shown));
}

void TFrameAPInfo::UpdateStations() {
  std::vector<APStation> stations;
  adapter_->GetStationList(stations);
  if (StationRows::Update(*lvMAC_, stations, rowHeight_)) lvMAC_->Sort();
}

void TFrameAPInfo::SetValue(Value value, const QString& text) {
  TEllipsisLabel* label = values_[value];
  if (label->text() != text) label->setText(text);
}

int TFrameAPInfo::LvMACCompare(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const {
  const int column = lvMAC_->SortColunm();
  const int order = a.text(column).compare(b.text(column), Qt::CaseInsensitive);
  return lvMAC_->Increase() ? order : -order;
}

void TFrameAPInfo::LvMACColumnClick(int column) {
  if (column > 0) lvMAC_->Sort();
}

void TFrameAPInfo::BtnRefreshClick() { lvMAC_->clear(); }
