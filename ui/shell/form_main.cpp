#include "ui/shell/form_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QUrl>
#include <string>
#include <utility>
#include <vector>

#include "adapter/thrd_close_form.h"
#include "adapter/thread_ip_addr.h"
#include "core/fa_global_var.h"
#include "core/start_flags.h"
#include "core/utility.h"
#include "platform/debug_log.h"
#include "platform/text.h"
#include "ui/ap/frame_ap_cfg.h"
#include "ui/ap/frame_ap_filter.h"
#include "ui/ap/frame_ap_info.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/paint_panel.h"
#include "ui/controls/triface_btn.h"
#include "ui/controls/triface_label.h"
#include "ui/profile/frame_profile.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/bring_to_foreground.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_about.h"
#include "ui/shell/form_dialog_stack.h"
#include "ui/shell/form_notifier.h"
#include "ui/shell/form_res.h"
#include "ui/shell/notify_sources.h"
#include "ui/shell/qt_window_thread.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"
#include "ui/shell/tray_icon.h"
#include "ui/station/frame_adapter.h"
#include "ui/station/frame_link_info.h"
#include "ui/station/frame_survey.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FormMain");
// Every page but the one the window opens on, in component order.
constexpr const char16_t* kLaterPages[] = {u"FrameSurvey1", u"FrameProfile1", u"FrameAdapter1",
                                           u"FrameAPInfo1", u"FrameAPCfg1",   u"FrameAPFilter1"};
const QString kUtility = QStringLiteral("Utility");
const QString kMenu = QStringLiteral("Menu");
const QString kProductName = QStringLiteral("Or-Vane Wireless LAN Utility");
const QColor kNavNormal(80, 100, 121);
constexpr int kNavPixelSize = 13;
constexpr int kModePixelSize = 12;
constexpr int kCopyrightPixelSize = 11;

// PM_SHOWPAGE arguments.
enum ShowPageArg { kShowLinkInfo = 1, kShowProfile = 2, kShowSurvey = 3, kShowAPInfo = 4 };

std::string Text(const char* buffer, std::size_t size) { return std::string(TextOf(buffer, size)); }

void SetTextColour(QWidget& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

// The highlighted label reads white on its dark tab. The others keep the slate
// caption and turn teal under the mouse: white would vanish on their light tabs.
void Highlight(TTrifaceLabel& label, bool current) {
  label.SetFontCr(TTrifaceLabel::kFontCrNormal, current ? QColor(Qt::white) : kNavNormal);
  const QColor active = current ? QColor(Qt::white) : ArtKit::kTeal;
  label.SetFontCr(TTrifaceLabel::kFontCrOver, active);
  label.SetFontCr(TTrifaceLabel::kFontCrDown, active);
}

const QImage& Picture(QStringView name) {
  static const QImage none;
  const TFormRes* res = TFormRes::Instance();
  return res != nullptr ? res->Picture(name) : none;
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : TFormMain(Timing{}, parent) {}

TFormMain::TFormMain(Timing timing, QWidget* parent)
    : TFormBase(parent),
      timing_(timing),
      windowThread_(std::make_shared<QtWindowThread>()),
      dialogStack_(std::make_shared<FormDialogStack>(this)) {
  setObjectName(kSection);
  // A normal top-level window with a title bar, unlike the borderless dialogs.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  FormCreate();
}

TFormMain::~TFormMain() {
  for (TPropertyPageFrame* page : Pages()) page->DonePage();
  if (closeThread_) closeThread_->Stop();
  sources_.reset();
  device_.reset();
  if (adapterNotifier_) adapterNotifier_->Disconnect();
  adapter_.reset();
}

void TFormMain::FormCreate() {
  CreateControls();
  btnHelp_->SetFaces(Picture(u"ImgBtnHelpN"));
  btnHelp_->SetFacesDown(Picture(u"ImgBtnHelpH"));
  btnHelp_->SetFacesOver(Picture(u"ImgBtnHelpH"));
  btnAbout_->SetFaces(Picture(u"ImgBtnAboutN"));
  btnAbout_->SetFacesDown(Picture(u"ImgBtnAboutH"));
  btnAbout_->SetFacesOver(Picture(u"ImgBtnAboutH"));
  btnSoftAP_->SetFaces(Picture(u"ImgBtnDisable"));
  btnStation_->SetFaces(Picture(u"ImgBtnDisable"));
  const TFormRes* res = TFormRes::Instance();
  const QSize client = res != nullptr ? res->PictureSize(u"ImgMainInfo") : QSize();
  setFixedSize(client.isEmpty() ? G::kMainClientSize : client);
  pBoxBG_->setGeometry(rect());
  trayIcon_->SetNewerLook(FAGlobal().OSLevel() >= 7);

  LoadTexts();
  ApplyLayout(this, kSection);
  for (TPropertyPageFrame* page : Pages()) {
    page->InitPage();
    page->hide();
  }
  SetFuncMode(kModeStation);
}

void TFormMain::CreateControls() {
  pBoxBG_ = new TPaintPanel(this);
  pBoxBG_->setObjectName(QStringLiteral("PBoxBG"));
  pBoxBG_->setFrameStyle(QFrame::NoFrame);
  pBoxBG_->setAutoFillBackground(false);
  // The picture covers the whole box: nothing needs erasing first.
  pBoxBG_->setAttribute(Qt::WA_OpaquePaintEvent);
  pBoxBG_->SetOnPaint([this](TPaintPanel&, QPainter& canvas) { PBoxBGPaint(canvas); });

  lbLinkInfo_ = NewNavLabel("LbLinkInfo", "Link Info", 0);
  lbSiteSurvey_ = NewNavLabel("LbSiteSurvey", "Site Survey", 1);
  lbProfile_ = NewNavLabel("LbProfile", "Profile", 2);
  lbAdapter_ = NewNavLabel("LbAdapter", "Adapter", 3);
  lbAPInfo_ = NewNavLabel("LbAPInfo", "Link Info", 0);
  lbAPCfg_ = NewNavLabel("LbAPCfg", "Configuration", 1);
  lbAPFilter_ = NewNavLabel("LbAPFilter", "MAC Filter", 2);

  lbCopyright_ = new TEllipsisLabel(QStringLiteral("Copyright (C) Or-Vane"), this);
  lbCopyright_->setObjectName(QStringLiteral("LbCopyright"));
  lbCopyright_->setGeometry(G::kCopyrightRect);
  lbCopyright_->setAlignment(Qt::AlignCenter);
  lbCopyright_->SetEllipsisEnd(true);
  lbCopyright_->setFont(ArtKit::PixelFont(kCopyrightPixelSize));
  SetTextColour(*lbCopyright_, ArtKit::kSlate);

  btnHelp_ = NewButton("BtnHelp", G::kBtnHelpRect);
  btnAbout_ = NewButton("BtnAbout", G::kBtnAboutRect);
  connect(btnHelp_, &TTrifaceBtn::clicked, this, &TFormMain::BtnHelpClick);
  connect(btnAbout_, &TTrifaceBtn::clicked, this, &TFormMain::BtnAboutClick);
  btnStation_ = NewButton("BtnStation", G::kBtnStationRect);
  lbStation_ = NewModeLabel("LbStation", "Station Mode", G::kLbStationRect);
  btnSoftAP_ = NewButton("BtnSoftAP", G::kBtnSoftAPRect);
  lbSoftAP_ = NewModeLabel("LbSoftAP", "AP Mode", G::kLbSoftAPRect);
  const QString section = QStringLiteral("FormMain");
  SetAccessibleNameFromStrings(*btnHelp_, section, QStringLiteral("Help"));
  SetAccessibleNameFromStrings(*btnAbout_, section, QStringLiteral("About"));
  SetAccessibleNameFromStrings(*btnStation_, section, QStringLiteral("Station Mode"));
  SetAccessibleNameFromStrings(*btnSoftAP_, section, QStringLiteral("AP Mode"));
  for (TTrifaceBtn* mode : {btnStation_, btnSoftAP_}) {
    mode->hide();
    mode->setEnabled(false);
    connect(mode, &TTrifaceBtn::clicked, this, [this, mode] { BtnSoftAPClick(mode); });
  }

  new TFrameLinkInfo(this);
  if (!timing_.pagesOnDemand) {
    for (const char16_t* name : kLaterPages) NewPage(name);
  }
  for (TPropertyPageFrame* page : Pages()) page->move(G::kPageRect.topLeft());
  nav_ = {
      {lbLinkInfo_, u"FrameLinkInfo1", u"ImgMainInfo"},
      {lbSiteSurvey_, u"FrameSurvey1", u"ImgMainSurvey"},
      {lbProfile_, u"FrameProfile1", u"ImgMainProfile"},
      {lbAdapter_, u"FrameAdapter1", u"ImgMainAdapter"},
      {lbAPInfo_, u"FrameAPInfo1", u"ImgAPInfo"},
      {lbAPCfg_, u"FrameAPCfg1", u"ImgAPCfg"},
      {lbAPFilter_, u"FrameAPFilter1", u"ImgAPFilter"},
  };

  trayIcon_ = new TTrayIcon(this);
  connect(trayIcon_, &TTrayIcon::clicked, this, &TFormMain::TrayIconMainClick);
  CreateTrayMenu();
}

TPropertyPageFrame* TFormMain::NewPage(QStringView name) {
  if (name == u"FrameSurvey1") return new TFrameSurvey(this);
  if (name == u"FrameProfile1") return frameProfile1_ = new TFrameProfile(this);
  if (name == u"FrameAdapter1") return new TFrameAdapter(this);
  if (name == u"FrameAPInfo1") return frameAPInfo1_ = new TFrameAPInfo(this);
  if (name == u"FrameAPCfg1") return new TFrameAPCfg(this);
  if (name == u"FrameAPFilter1") return new TFrameAPFilter(this);
  return nullptr;
}

TPropertyPageFrame* TFormMain::Page(QStringView name) {
  auto* page = findChild<TPropertyPageFrame*>(name.toString(), Qt::FindDirectChildrenOnly);
  if (page != nullptr) return page;
  page = NewPage(name);
  if (page == nullptr) return nullptr;
  page->move(G::kPageRect.topLeft());
  ApplyLateLayout(page);
  page->InitPage();
  page->hide();
  // It follows the adapter from here as if it had been there at the attach.
  if (attachedMode_ >= 0) {
    page->AdapterChanged(adapter_.get(), TPropertyPageFrame::kAdapterAttached, attachedMode_);
  }
  return page;
}

void TFormMain::CreateTrayMenu() {
  pmTrayIcon_ = new QMenu(this);
  pmTrayIcon_->setObjectName(QStringLiteral("PMTrayIcon"));
  menuItWZC_ = pmTrayIcon_->addAction(QStringLiteral("Window Zero Configuration"));
  menuItWZC_->setObjectName(QStringLiteral("MenuItWZC"));
  menuItWZC_->setCheckable(true);
  menuItWZC_->setChecked(true);
  n1_ = pmTrayIcon_->addSeparator();
  n1_->setObjectName(QStringLiteral("N1"));
  menuItOpen_ = pmTrayIcon_->addAction(QStringLiteral("Open"));
  menuItOpen_->setObjectName(QStringLiteral("MenuItOpen"));
  menuItClose_ = pmTrayIcon_->addAction(QStringLiteral("Close"));
  menuItClose_->setObjectName(QStringLiteral("MenuItClose"));
  connect(menuItWZC_, &QAction::triggered, this, &TFormMain::MenuItWZCClick);
  connect(menuItOpen_, &QAction::triggered, this, &TFormMain::MenuItOpenClick);
  connect(menuItClose_, &QAction::triggered, this, &TFormMain::MenuItCloseClick);
  // The tray shows the menu on a right click itself; it is brought up to date first.
  connect(pmTrayIcon_, &QMenu::aboutToShow, this, &TFormMain::UpdateTrayMenu);
  trayIcon_->SetMenu(pmTrayIcon_);
}

void TFormMain::LoadTexts() {
  LoadStrings(kSection);
  const QString appTitle = QString::fromLocal8Bit(FAGlobal().AppTitle());
  setWindowTitle(appTitle);
  trayIcon_->SetHint(StringText(kUtility, QStringLiteral("ProductName"), appTitle));
  lbCopyright_->setText(StringText(kUtility, QStringLiteral("Copyright1"), lbCopyright_->text()));
  UpdateTrayMenu();
}

TTrifaceLabel* TFormMain::NewNavLabel(const char* name, const char* caption, int tab) {
  auto* label = new TTrifaceLabel(QString::fromLatin1(caption), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(G::NavTabRect(tab));
  label->setAlignment(Qt::AlignCenter);
  label->SetEllipsisEnd(true);
  label->setFont(ArtKit::PixelFont(kNavPixelSize, QFont::Bold));
  label->setCursor(Qt::PointingHandCursor);
  Highlight(*label, false);
  connect(label, &TTrifaceLabel::pressed, this, [this, label] { LbLinkInfoMouseDown(label); });
  return label;
}

TEllipsisLabel* TFormMain::NewModeLabel(const char* name, const char* caption,
                                        const QRect& bounds) {
  auto* label = new TEllipsisLabel(QString::fromLatin1(caption), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(bounds);
  label->SetEllipsisEnd(true);
  label->setFont(ArtKit::PixelFont(kModePixelSize));
  SetTextColour(*label, Qt::white);
  label->hide();
  return label;
}

TTrifaceBtn* TFormMain::NewButton(const char* name, const QRect& bounds) {
  auto* button = new TTrifaceBtn(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(bounds);
  button->SetNoFocusRect(true);
  button->setFocusPolicy(Qt::TabFocus);
  // Enter in the window must not press the help button.
  button->setAutoDefault(false);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

const TFormMain::NavEntry* TFormMain::FindNav(const TTrifaceLabel* label) const {
  for (const NavEntry& entry : nav_) {
    if (entry.label == label) return &entry;
  }
  return nullptr;
}

TPropertyPageFrame* TFormMain::NavPage(const NavEntry& entry) { return Page(entry.page); }

QList<TPropertyPageFrame*> TFormMain::Pages() const {
  QList<TPropertyPageFrame*> pages;
  for (QObject* child : children()) {
    if (auto* page = qobject_cast<TPropertyPageFrame*>(child)) pages.append(page);
  }
  return pages;
}

void TFormMain::BroadcastAdapterChanged(int event, int mode) {
  attachedMode_ = event == TPropertyPageFrame::kAdapterAttached ? mode : -1;
  for (TPropertyPageFrame* page : Pages()) page->AdapterChanged(adapter_.get(), event, mode);
}

void TFormMain::BroadcastAdapterNotify(int code, intptr_t arg) {
  for (TPropertyPageFrame* page : Pages()) page->AdapterNotify(adapter_.get(), code, arg);
}

void TFormMain::Start(uint32_t startFlags) {
  startFlags_ = startFlags;
  if (!sources_) sources_ = std::make_unique<NotifySources>(this, timing_.detect);
  trayIcon_->SetIndex(kTrayStation);
  if (startFlags_ & kStartTrayIcon) trayIcon_->SetVisible(true);
}

intptr_t TFormMain::HandleNotify(int code, intptr_t arg) {
  switch (code) {
    case PM_SHOW:
      MenuItOpenClick();
      break;
    case PM_DEVICE:
      DeviceListEvent(arg);
      break;
    case PM_STATUS:
      if (!adapter_) break;
      UpdateTrayIcon();
      BroadcastAdapterNotify(code, arg);
      break;
    case PM_ZEROCFG:
      if (!adapter_) break;
      BroadcastAdapterNotify(code, arg);
      ZeroCfgHandOver(arg);
      break;
    case PM_SAVEPROFILE:
      if ((arg & 1) != 0) break;
      Page(u"FrameProfile1");
      return frameProfile1_->SaveProfile(static_cast<int>(arg)) ? 1 : 0;
    case PM_CONNECT:
      if (!adapter_) break;
      if ((arg & 1) == 0) trayIcon_->SetIndex(kTrayStation);
      BroadcastAdapterNotify(code, arg);
      break;
    case PM_PROFILELIST:
      if (adapter_) BroadcastAdapterNotify(code, arg);
      break;
    case PM_CLOSE:
      MenuItCloseClick();
      break;
    case PM_SHOWPAGE:
      if (arg == kShowLinkInfo) ShowPage(lbLinkInfo_, 0);
      if (arg == kShowProfile) ShowPage(lbProfile_, 0);
      if (arg == kShowSurvey) ShowPage(lbSiteSurvey_, kSurveyRequest);
      if (arg == kShowAPInfo) ShowPage(lbAPInfo_, 0);
      break;
    case PM_NEWPROFILE:
      ShowPage(lbProfile_, static_cast<int>(arg));
      break;
    default:
      break;
  }
  return 0;
}

void TFormMain::ShowPage(TTrifaceLabel* label, int request) {
  const NavEntry* entry = FindNav(label);
  TPropertyPageFrame* page = entry != nullptr ? NavPage(*entry) : nullptr;
  if (currentPage_ != nullptr && !currentPage_->LeavePage(page, TPropertyPageFrame::kDirTab, 0)) {
    return;
  }
  if (page == nullptr) return;
  if (!page->EnterPage(currentPage_, TPropertyPageFrame::kDirTab, request)) return;
  if (currentPage_ != nullptr) currentPage_->hide();
  page->show();

  const QString listName = label == lbProfile_      ? QStringLiteral("LvProf")
                           : label == lbSiteSurvey_ ? QStringLiteral("LvSite")
                                                    : QString();
  if (!listName.isEmpty() && isVisible()) {
    QWidget* list = page->findChild<QWidget*>(listName);
    if (list != nullptr && list->isVisible() && list->isEnabled()) list->setFocus();
  }

  if (currentLabel_ != nullptr) Highlight(*currentLabel_, false);
  Highlight(*label, true);
  currentLabel_ = label;
  currentPage_ = page;
  background_ = entry->background;
  pBoxBG_->update();
}

void TFormMain::SetFuncMode(int mode) {
  funcMode_ = mode;
  for (TTrifaceLabel* label : {lbLinkInfo_, lbSiteSurvey_, lbProfile_, lbAdapter_}) {
    label->setVisible(mode == kModeStation);
  }
  for (TTrifaceLabel* label : {lbAPInfo_, lbAPCfg_, lbAPFilter_}) {
    label->setVisible(mode == kModeAccessPoint);
  }
  const bool accessPoint = mode == kModeAccessPoint;
  btnSoftAP_->SetFaces(Picture(accessPoint ? u"ImgBtnEnable" : u"ImgBtnDisable"));
  btnStation_->SetFaces(Picture(accessPoint ? u"ImgBtnDisable" : u"ImgBtnEnable"));
  if (accessPoint) {
    ShowPage(lbAPInfo_, 0);
    trayIcon_->SetIndex(kTrayAccessPoint);
  } else {
    ShowPage(lbLinkInfo_, 0);
    trayIcon_->SetIndex(kTrayStation);
  }
  // Painted now rather than after what follows the switch; running the event
  // loop here instead could deliver a device removal in the middle of an attach.
  if (isVisible()) repaint();
}

void TFormMain::DeviceListEvent(intptr_t arg) {
  if (removing_ && arg == CThrdDetect::kDeviceListChanged) listChangedWhileRemoving_ = true;
  if (removing_ || !sources_) return;
  if (arg == CThrdDetect::kDeviceListChanged) {
    std::vector<AdapterIdent> list;
    sources_->GetDeviceList(list);
    if (!device_ && !list.empty()) {
      AttachDevice(list.front());
    } else if (device_ && FindAdapterIdent(*device_, list) < 0) {
      DetachDevice();
    }
  } else if (arg == CThrdDetect::kDeviceListEmptied && device_) {
    DetachDevice();
  }
}

void TFormMain::AttachDevice(const AdapterIdent& device) {
  if (device_) return;
  device_ = std::make_unique<AdapterIdent>(device);
  DebugLog("Select Dev: <%s><%s><%s>", Text(device.Description, sizeof device.Description).c_str(),
           Text(device.HardwareId, sizeof device.HardwareId).c_str(),
           Text(device.Tag, sizeof device.Tag).c_str());
  if (!adapter_) {
    adapterNotifier_ = FormNotifier::Create(this);
    CNICAdapter::Dependencies dependencies;
    if (sources_) dependencies.detection = sources_->DetectionGate();
    dependencies.startIpRenewal = MakeIpRenewalStarter();
    dependencies.timing = timing_.adapter;
    adapter_ = std::make_unique<CNICAdapter>(adapterNotifier_, startFlags_, *device_,
                                             std::move(dependencies));
  }
  WLProfile lastApplied{};
  const int mode = AttachMode(lastApplied);
  ApplyAntenna(mode);
  SetFuncMode(mode);
  SetModeButtonsEnabled(adapter_->SoftAPEnabled());
  if (adapter_->SoftAPEnabled()) LoadAPWorkingProfile();
  BroadcastAdapterChanged(TPropertyPageFrame::kAdapterAttached, mode);
  if (startFlags_ & kStartService) {
    if (!adapter_->ZeroCfgEnabled()) adapter_->Connect(lastApplied);
    return;
  }
  if (!adapter_->ZeroCfgEnabled()) StartAutoConnect();
  ShowTrayIcon();
}

int TFormMain::AttachMode(WLProfile& lastApplied) const {
  int32_t mode;
  if (startFlags_ & kStartService) {
    adapter_->GetLastApplyProfile(lastApplied);
    mode = lastApplied.FuncMode;
  } else {
    mode = adapter_->Settings().ReadSet("OperateMode", int32_t{0});
  }
  // Read by its low bit, as the pages read the mode.
  return (mode & 1) != 0 ? kModeAccessPoint : kModeStation;
}

void TFormMain::ApplyAntenna(int mode) {
  if (!adapter_->AntennaEnabled()) return;
  const int32_t antenna =
      mode == kModeAccessPoint ? 0 : adapter_->Settings().ReadSet("AntennaMode", int32_t{4});
  adapter_->SetAntenna(static_cast<uint8_t>(antenna));
}

void TFormMain::LoadAPWorkingProfile() {
  std::vector<WLProfile> list;
  adapter_->GetProfileList(1, list);
  FAGlobal().APProfile() = list.empty() ? adapter_->DefaultAPProfile() : list.front();
}

void TFormMain::StartAutoConnect() {
  if (funcMode_ == kModeAccessPoint) {
    Page(u"FrameAPInfo1");
    frameAPInfo1_->ConnectLast();
  } else {
    Page(u"FrameProfile1");
    frameProfile1_->ConnectLast();
  }
}

void TFormMain::ShowTrayIcon() {
  // The access-point picture set by the mode stays.
  if (funcMode_ != kModeAccessPoint) trayIcon_->SetIndex(kTrayStation);
  if (!trayIcon_->Visible()) trayIcon_->SetVisible(true);
}

void TFormMain::SetModeButtonsEnabled(bool enabled) {
  btnSoftAP_->setEnabled(enabled);
  btnStation_->setEnabled(enabled);
}

void TFormMain::DetachDevice() {
  removing_ = true;
  closeThread_ =
      CThrdCloseForm::Start(windowThread_, dialogStack_, [self = QPointer<TFormMain>(this)] {
        if (self) self->DetachStep();
      });
}

void TFormMain::DetachStep() {
  closeThread_.reset();
  if (device_) {
    BroadcastAdapterChanged(TPropertyPageFrame::kAdapterDetached, funcMode_);
    SetModeButtonsEnabled(false);
    adapterNotifier_->Disconnect();
    adapter_.reset();
    adapterNotifier_.reset();
    device_.reset();
    if ((startFlags_ & kStartService) == 0) {
      trayIcon_->SetIndex(kTrayStation);
      if ((startFlags_ & kStartTrayIcon) == 0) {
        trayIcon_->SetVisible(false);
        hide();
      }
    }
  }
  removing_ = false;
  // The detection thread tells of a change only once: an adapter back after a
  // resume would otherwise stay unattached.
  if (std::exchange(listChangedWhileRemoving_, false)) {
    DeviceListEvent(CThrdDetect::kDeviceListChanged);
  }
}

void TFormMain::ZeroCfgHandOver(intptr_t arg) {
  if (arg == 1) {
    CThrdCloseForm::Start(windowThread_, dialogStack_);
    trayIcon_->SetIndex(kTrayStation);
    hide();
  } else if (arg == 0) {
    StartAutoConnect();
    ShowPage(funcMode_ == kModeAccessPoint ? lbAPInfo_ : lbLinkInfo_, 0);
  }
}

void TFormMain::UpdateTrayIcon() {
  if (!adapter_ || adapter_->ZeroCfgEnabled()) return;
  int index = kTrayAccessPoint;
  if (funcMode_ != kModeAccessPoint) {
    WLANStatus status{};
    adapter_->GetStatus(status);
    index = status.MediaState == kMediaConnected ? kTrayConnected : kTrayStation;
  }
  trayIcon_->SetIndex(index);
}

void TFormMain::UpdateTrayMenu() {
  menuItWZC_->setText(
      StringText(kMenu, QStringLiteral("MenuWZC"), QStringLiteral("Window Zero Configuration")));
  menuItOpen_->setText(StringText(kMenu, QStringLiteral("MenuOpen"), QStringLiteral("Open")));
  menuItClose_->setText(StringText(kMenu, QStringLiteral("MenuClose"), QStringLiteral("Close")));
  const bool zeroCfgItem = FAGlobal().OSLevel() >= 7 && adapter_ != nullptr;
  menuItWZC_->setVisible(zeroCfgItem);
  n1_->setVisible(zeroCfgItem);
  if (zeroCfgItem) menuItWZC_->setChecked(adapter_->ZeroCfgEnabled());
  // Opening is the left click's job.
  menuItOpen_->setVisible(false);
}

bool TFormMain::AskUseUtility() {
  if (asking_) {
    // The open question is what comes to the front, not the (maybe hidden) window.
    if (TFormBase* question = TopModalForm()) BringToForeground(question);
    return false;
  }
  asking_ = true;
  const QString product = StringText(kUtility, QStringLiteral("ProductName"), kProductName);
  const QString question = StringText(QStringLiteral("Message"), QStringLiteral("UseUtility"),
                                      QStringLiteral("Use %s manage this wireless adapter?"));
  const int answer =
      ShowMessage(this, FillInText(question, product), kMbOkCancel | kMbIconInformation);
  asking_ = false;
  return answer == kIdOk;
}

void TFormMain::LbLinkInfoMouseDown(TTrifaceLabel* label) {
  if (label != currentLabel_) ShowPage(label, 0);
}

void TFormMain::BtnSoftAPClick(TTrifaceBtn* button) {
  const int mode = button == btnSoftAP_ ? kModeAccessPoint : kModeStation;
  if (mode == funcMode_) return;
  if (!adapter_) {
    SetFuncMode(mode);
    return;
  }
  BroadcastAdapterChanged(TPropertyPageFrame::kAdapterDetached, funcMode_);
  SetFuncMode(mode);
  adapter_->Settings().WriteSet("OperateMode", int32_t{mode});
  BroadcastAdapterChanged(TPropertyPageFrame::kAdapterAttached, mode);
  ApplyAntenna(mode);
  if (adapter_->ZeroCfgEnabled()) return;
  StartAutoConnect();
  // A service instance keeps out of the notification area.
  if ((startFlags_ & kStartService) == 0) ShowTrayIcon();
}

void TFormMain::BtnHelpClick() {
  const std::string file = FAGlobal().InfoRead("Setting", "HelpFile", "");
  if (file.empty()) return;
  QString path = QString::fromLocal8Bit(FAGlobal().ProgramDir() + file);
  // Settings written on Windows name files with backslashes.
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TFormMain::BtnAboutClick() {
  if (aboutOpen_) return;
  aboutOpen_ = true;
  // The window may close the box (and its owner take it along) while it is open.
  QPointer<TFormAbout> box = new TFormAbout(this);
  box->Show(this, adapter_.get());
  delete box.data();
  aboutOpen_ = false;
}

void TFormMain::PBoxBGPaint(QPainter& canvas) {
  // Drawn at the first paint, after the window is on the screen.
  if (background_ == nullptr) return;
  const QImage& picture = Picture(background_);
  if (!picture.isNull()) canvas.drawImage(QPoint(0, 0), picture);
}

void TFormMain::TrayIconMainClick() { MenuItOpenClick(); }

void TFormMain::MenuItWZCClick() {
  if (adapter_) adapter_->WriteUseWZC(!adapter_->ZeroCfgEnabled());
}

void TFormMain::MenuItOpenClick() {
  if (!adapter_ && (startFlags_ & kStartTrayIcon) == 0) return;
  if (adapter_ && adapter_->ZeroCfgEnabled()) {
    if (!AskUseUtility()) return;
    // The adapter may have gone while the question was open.
    if (adapter_) adapter_->WriteUseWZC(false);
  }
  if (!isVisible()) show();
  setWindowState(windowState() & ~Qt::WindowMinimized);
  BringToForeground(this);
}

void TFormMain::MenuItCloseClick() {
  closing_ = true;
  close();
}

void TFormMain::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    QApplication::quit();
    return;
  }
  // The title-bar close sends the utility to the tray.
  event->ignore();
  hide();
}

void TFormMain::changeEvent(QEvent* event) {
  TFormBase::changeEvent(event);
  // With the tray icon shown, a minimised window leaves the task bar.
  if (event->type() == QEvent::WindowStateChange && isMinimized() && trayIcon_->Visible()) {
    QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
  }
}

void TFormMain::keyPressEvent(QKeyEvent* event) {
  // Escape closes dialogs, not the utility's main window.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  TFormBase::keyPressEvent(event);
}
