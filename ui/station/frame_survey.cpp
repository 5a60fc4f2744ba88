#include "ui/station/frame_survey.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <ranges>
#include <string_view>
#include <vector>

#include "adapter/nic_adapter.h"
#include "adapter/wl_records.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "model/wl_profile.h"
#include "model/wl_text.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/main_window_notify.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/station/channel_graph.h"
#include "ui/station/site_list.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FrameSurvey");

// PM_SHOWPAGE argument of the link information page.
constexpr intptr_t kShowLinkInfo = 1;

const QRect kListRect(G::kCardLeft.left() + 8, G::kCardLeft.top() + G::kHeadingHeight + 8,
                      G::kCardLeft.width() - 16, G::kButtonBarTop - 8 - 38);
constexpr int kConnectRightEdge = 317;
constexpr int kButtonGap = 8;
constexpr int kDetailRightEdge = 577;
constexpr int kRowTop = 35;
constexpr int kRowPitch = 25;
constexpr int kRowHeight = 20;
constexpr int kCaptionLeft = G::kCardRight.left() + 12;
constexpr int kTextPixelSize = 12;

QString Local(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QString RadioName(int32_t radio) {
  switch (radio) {
    case 1:
      return DisplayText(kStr802B);
    case 2:
      return DisplayText(kStr802A);
    case 3:
      return DisplayText(kStr802G);
    default:
      return {};
  }
}

QString MacText(const uint8_t (&mac)[6]) {
  return QString::asprintf("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                           mac[5]);
}

TEllipsisLabel* NewLabel(QWidget& page, const char* name, const char* text, const QRect& bounds,
                         bool caption) {
  auto* label = new TEllipsisLabel(QString::fromLatin1(text), &page);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(bounds);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->SetEllipsisEnd(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, caption ? ArtKit::kSlate : ArtKit::kInk);
  label->setPalette(palette);
  label->setFont(ArtKit::PixelFont(kTextPixelSize, caption ? QFont::DemiBold : QFont::Normal));
  return label;
}

void SetFaces(TFABitmapBtn& button, QStringView picture) {
  const TFormRes* res = TFormRes::Instance();
  if (res == nullptr) return;
  const QImage& face = res->Picture(picture);
  button.SetFaces(face);
  button.SetFacesDown(face);
  button.SetFacesOver(res->Picture(picture.toString() + QStringLiteral("On")));
  button.SetFacesDisable(ArtButtons::DisabledFace(face));
  if (!face.isNull()) button.resize(face.deviceIndependentSize().toSize());
}

}  // namespace

TFrameSurvey::TFrameSurvey(QWidget* parent)
    : TPropertyPageFrame(parent),
      imgBG_(PageParts::AddBackground(*this)),
      lvSite_(nullptr),
      graph_(nullptr),
      btnViewList_(nullptr),
      btnViewChannels_(nullptr),
      plSearch_(nullptr),
      btnScan_(nullptr),
      btnConnect_(nullptr),
      timerSurvey_(new QTimer(this)) {
  setObjectName(QStringLiteral("FrameSurvey1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbNetList", "Available Network List", G::kCardLeft);
  PageParts::AddHeading(*this, "LbSiteInfo", "Site Information", G::kCardRight);

  lvSite_ = new SiteList(SiteList::Columns::kFull, this);
  lvSite_->setGeometry(kListRect);
  connect(lvSite_, &QTreeWidget::itemSelectionChanged, this, &TFrameSurvey::LvSiteSelectItem);
  connect(lvSite_, &SiteList::RowActivated, this, &TFrameSurvey::BtnConnectClick);
  graph_ = new ChannelGraph(*lvSite_, this);
  graph_->setGeometry(kListRect);
  graph_->hide();
  BuildViewSwitch();

  // Covers the rows below the header while the adapter scans.
  plSearch_ = new QLabel(QStringLiteral("Searching"), this);
  plSearch_->setObjectName(QStringLiteral("PlSearch"));
  const int headerHeight = lvSite_->header()->sizeHint().height();
  plSearch_->setGeometry(kListRect.adjusted(1, headerHeight + 1, -1, -1));
  plSearch_->setAlignment(Qt::AlignCenter);
  plSearch_->setAutoFillBackground(true);
  QPalette panel = plSearch_->palette();
  panel.setColor(QPalette::Window, Qt::white);
  panel.setColor(QPalette::WindowText, ArtKit::kSlate);
  plSearch_->setPalette(panel);
  plSearch_->setFont(ArtKit::PixelFont(kTextPixelSize + 2, QFont::DemiBold));
  plSearch_->hide();

  BuildDetails();

  btnScan_ = PageParts::AddButton(*this, "BtnScan");
  btnConnect_ = PageParts::AddButton(*this, "BtnConnect");
  connect(btnScan_, &TFABitmapBtn::clicked, this, &TFrameSurvey::BtnScanClick);
  connect(btnConnect_, &TFABitmapBtn::clicked, this, &TFrameSurvey::BtnConnectClick);
  setTabOrder(btnViewList_, btnViewChannels_);
  setTabOrder(btnViewChannels_, lvSite_);
  setTabOrder(lvSite_, btnScan_);
  setTabOrder(btnScan_, btnConnect_);

  timerSurvey_->setObjectName(QStringLiteral("TimerSurvey"));
  timerSurvey_->setSingleShot(true);
  timerSurvey_->setInterval(kSurveyMs);
  connect(timerSurvey_, &QTimer::timeout, this, &TFrameSurvey::TimerSurveyTimer);
}

void TFrameSurvey::BuildViewSwitch() {
  auto* group = new QButtonGroup(this);
  const auto add = [&](const char* name, const char* text) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(text));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(ArtKit::PixelFont(kTextPixelSize - 1, QFont::DemiBold));
    group->addButton(button);
    return button;
  };
  btnViewList_ = add("BtnViewList", "List");
  btnViewChannels_ = add("BtnViewChannels", "Channels");
  btnViewList_->setChecked(true);
  connect(btnViewChannels_, &QToolButton::toggled, this, &TFrameSurvey::ShowChannels);
}

void TFrameSurvey::ShowChannels(bool channels) {
  graph_->setVisible(channels);
  lvSite_->setVisible(!channels);
  plSearch_->raise();
}

void TFrameSurvey::BuildDetails() {
  static constexpr const char* kRows[kDetailCount][3] = {
      {"LbNetType", "Network Type:", "LblNetType"}, {"LbWlMode", "Network Mode:", "LblWlMode"},
      {"LbChannel", "Channel:", "LblChannel"},      {"LbEncry", "Encryption:", "LblEncry"},
      {"LbMAC", "MAC Address:", "LblMAC"},          {"LbTime", "Surveyed at:", "LblTime"},
  };
  for (int i = 0; i < kDetailCount; ++i) {
    const int top = kRowTop + i * kRowPitch;
    TEllipsisLabel* caption =
        NewLabel(*this, kRows[i][0], kRows[i][1], QRect(kCaptionLeft, top, 100, kRowHeight), true);
    TEllipsisLabel* value = NewLabel(
        *this, kRows[i][2], "",
        QRect(kCaptionLeft + 106, top, kDetailRightEdge - kCaptionLeft - 106, kRowHeight), false);
    caption->setBuddy(value);
    captions_.append(caption);
    values_.append(value);
  }
}

void TFrameSurvey::InitPage() {
  LoadStrings(kSection);
  PageParts::ShowPicture(*imgBG_, u"ImgSurvey");
  SetFaces(*btnScan_, u"ImgBtnScan");
  SetFaces(*btnConnect_, u"ImgBtnConnect");
  SetAccessibleNameFromStrings(*btnScan_, kSection, QStringLiteral("Scan"));
  SetAccessibleNameFromStrings(*btnConnect_, kSection, QStringLiteral("Connect"));
  for (int i = 0; i < kDetailCount; ++i) FitLabel(captions_[i], values_[i], kDetailRightEdge);
  PlaceButtons();
  lvSite_->LoadPictures();
  if (const auto* heading = findChild<QLabel*>(QStringLiteral("LbNetList"))) {
    lvSite_->setAccessibleName(heading->text());
  }
  graph_->setAccessibleName(StringText(kSection, QStringLiteral("ChannelGraph"),
                                       QStringLiteral("Networks by channel and signal")));
  const struct {
    QToolButton* button;
    const char* hint;
  } views[] = {{btnViewList_, "Show the networks as a list"},
               {btnViewChannels_, "Show the networks by channel and signal"}};
  int right = G::kCardLeft.right() - 4;
  for (const auto& view : views | std::views::reverse) {
    const QString name = view.button->objectName();
    view.button->setText(StringText(kSection, name, view.button->text()));
    const QString hint =
        StringText(kSection, name + QStringLiteral("_Hint"), QString::fromLatin1(view.hint));
    view.button->setToolTip(hint);
    view.button->setAccessibleName(view.button->text());
    view.button->setAccessibleDescription(hint);
    const int width = view.button->sizeHint().width() + 4;
    view.button->setGeometry(right - width, G::kCardLeft.top() + 3, width, G::kHeadingHeight - 6);
    right -= width;
  }
  ResetPage();
}

void TFrameSurvey::PlaceButtons() {
  const int top =
      G::kButtonBarTop + (G::kCardLeft.bottom() + 1 - G::kButtonBarTop - G::kPageButtonHeight) / 2;
  btnConnect_->move(kConnectRightEdge - btnConnect_->width(), top);
  btnScan_->move(btnConnect_->x() - kButtonGap - btnScan_->width(), top);
}

void TFrameSurvey::DonePage() { ClearList(); }

void TFrameSurvey::ResetPage() {
  timerSurvey_->stop();
  static constexpr uint8_t kNone[6] = {};
  lvSite_->SetAssociated(kNone);
  ClearList();
  values_[kTime]->setText(QString());
  btnScan_->setEnabled(false);
  btnConnect_->setEnabled(false);
  plSearch_->hide();
}

bool TFrameSurvey::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  if ((request & kNoRescan) == 0 && adapter_ != nullptr && btnScan_->isEnabled()) BtnScanClick();
  return TPropertyPageFrame::EnterPage(previous, direction, request);
}

void TFrameSurvey::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached) {
    if (adapter == nullptr || (funcMode & 1) != 0) return;
    adapter_ = adapter;
    zeroCfg_ = adapter->ZeroCfgEnabled();
    if (zeroCfg_) return;
    // The manager scanned when it started: the first results need no new scan.
    timerSurvey_->start();
    plSearch_->show();
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameSurvey::AdapterNotify(CNICAdapter*, int code, intptr_t arg) {
  if (adapter_ == nullptr) return;
  if (code == PM_ZEROCFG) {
    zeroCfg_ = arg == 1;
    if (zeroCfg_) {
      ResetPage();
    } else {
      BtnScanClick();
    }
  } else if (code == PM_STATUS) {
    UpdateHighlight();
  }
}

void TFrameSurvey::BtnScanClick() {
  if (adapter_ == nullptr || zeroCfg_) return;
  btnScan_->setEnabled(false);
  ClearList();
  values_[kTime]->setText(QString());
  plSearch_->show();
  plSearch_->raise();
  adapter_->StartSiteSurvey();
  timerSurvey_->start();
}

void TFrameSurvey::TimerSurveyTimer() {
  timerSurvey_->stop();
  if (adapter_ != nullptr) {
    std::vector<SiteSurveyEntry> sites;
    adapter_->GetSiteList(sites);
    lvSite_->Fill(sites);
    if (lvSite_->topLevelItemCount() > 0) {
      lvSite_->setCurrentItem(lvSite_->topLevelItem(0));
      if (isVisible() && lvSite_->isEnabled()) lvSite_->setFocus();
    }
    LvSiteSelectItem();
    values_[kTime]->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
  }
  plSearch_->hide();
  btnScan_->setEnabled(true);
}

void TFrameSurvey::LvSiteSelectItem() {
  const SiteSurveyEntry* entry = lvSite_->Selected();
  if (entry == nullptr) {
    for (int i = kNetType; i <= kMAC; ++i) values_[i]->setText(QString());
    btnConnect_->setEnabled(false);
    return;
  }
  values_[kNetType]->setText(DisplayText(
      entry->InfrastructureMode == kNetworkModeInfrastructure ? kStrInfrastructure : kStrAdHoc));
  values_[kWlMode]->setText(RadioName(entry->Radio));
  values_[kChannel]->setText(lvSite_->selectedItems().front()->text(SiteList::kColChannel));
  values_[kEncry]->setText(Local(SecurityCodeText(entry->SecurityCode, FAGlobal())));
  values_[kMAC]->setText(MacText(entry->Bssid));
  btnConnect_->setEnabled(!zeroCfg_);
}

void TFrameSurvey::UpdateHighlight() {
  if (zeroCfg_) return;
  WLANStatus status{};
  adapter_->GetStatus(status);
  if (status.MediaState == kMediaDisconnected) status = WLANStatus{};
  lvSite_->SetAssociated(status.Bssid);
}

void TFrameSurvey::BtnConnectClick() {
  lvSite_->setFocus();
  const SiteSurveyEntry* selected = lvSite_->Selected();
  if (selected == nullptr || adapter_ == nullptr || zeroCfg_) return;
  const SiteSurveyEntry entry = *selected;
  WLProfile& profile = FAGlobal().StationProfile();
  adapter_->ProfileFromSite(entry, profile);
  CopyText(profile.ProfileName, kEditingProfileName);
  CopyText(profile.NetworkInfo.NI_sz_CurProfile, kEditingProfileName);
  if (profile.EncryptionMethod != kEncryptNone) {
    SendToMainWindow(*this, PM_NEWPROFILE, TFrameProfSet::kRequestSecurityOnly);
    return;
  }
  adapter_->Connect(profile);
  PostToMainWindow(*this, PM_SHOWPAGE, kShowLinkInfo);
}

void TFrameSurvey::ClearList() {
  lvSite_->clear();
  LvSiteSelectItem();
}
