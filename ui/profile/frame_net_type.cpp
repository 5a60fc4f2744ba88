#include "ui/profile/frame_net_type.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <cstring>
#include <tuple>
#include <vector>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/profile/free_profile_name.h"
#include "ui/profile/profile_name_text.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"
#include "ui/shell/ssid_text.h"
#include "ui/station/site_list.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

const QString kMessage = QStringLiteral("Message");
const QColor kAssociated(234, 245, 247);
constexpr int kTypedLength = 32;
constexpr std::size_t kSsidBytes = 32;

// The fields on the left, the scan on the right of the card.
constexpr int kFieldsLeft = 30;
constexpr int kFieldsRight = 321;
constexpr int kRowHeight = 24;
constexpr int kChoiceLeft = 36;
constexpr int kRadioSize = 20;
// Room for a note of two lines.
constexpr int kNoteHeight = 30;
constexpr int kListLeft = 333;
constexpr int kListRight = G::kCardFull.right() + 1 - 12;
constexpr int kListTop = 56;
constexpr int kListBottom = 224;
constexpr int kScanButtonsTop = 232;

const QImage& Picture(QStringView name) {
  static const QImage none;
  const TFormRes* res = TFormRes::Instance();
  return res != nullptr ? res->Picture(name) : none;
}

std::string Bytes(const QString& text, std::size_t limit) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(CutAtCharacter(std::string_view(utf8.constData(), utf8.size()), limit));
}

}  // namespace

TFrameNetType::TFrameNetType(QWidget* parent)
    : TWizardPage("FrameNetType1", "FrameNetType", parent),
      lbEdtMode_(PageParts::AddHeading(*this, "LbEdtMode", "Add New Profile", G::kCardFull)),
      lbName_(NewCaption(*this, "LbName", "Profile Name")),
      edtName_(new QLineEdit(this)),
      lbSSID_(NewCaption(*this, "LbSSID", "SSID")),
      edtSSID_(new QLineEdit(this)),
      lbNetType_(NewCaption(*this, "LbNetType", "Network Type")) {
  // Created in reading order, which is the tab order.
  rBtnInfra_ = NewChoice("RBtnInfra", "LbInfra", "Infrastructure", "LblInfra",
                         "-- Connect to an Access Point", lbInfra_, lblInfra_);
  rBtnAdHoc_ = NewChoice("RBtnAdHoc", "LbAdHoc", "Ad-Hoc", "LblAdHoc",
                         "-- Connect directly to other computers", lbAdHoc_, lblAdHoc_);
  lbScan_ = NewCaption(*this, "LbScan", "Scan Info");
  lvSite_ = new SiteList(SiteList::Columns::kSsidOnly, this);
  plSearch_ = new QLabel(QStringLiteral("Search"), this);
  btnScan_ = NewButton("BtnScan");
  btnSelect_ = NewButton("BtnSelect");
  timerSurvey_ = new QTimer(this);
  edtName_->setObjectName(QStringLiteral("EdtName"));
  edtName_->setMaxLength(kTypedLength);
  edtSSID_->setObjectName(QStringLiteral("EdtSSID"));
  edtSSID_->setMaxLength(kTypedLength);
  lbName_->setBuddy(edtName_);
  lbSSID_->setBuddy(edtSSID_);
  lbNetType_->setBuddy(rBtnInfra_);
  lvSite_->setObjectName(QStringLiteral("LvSite"));
  lvSite_->SetHighlightColour(kAssociated);
  plSearch_->setObjectName(QStringLiteral("PlSearch"));
  plSearch_->setAlignment(Qt::AlignCenter);
  plSearch_->setFrameShape(QFrame::StyledPanel);
  plSearch_->setAutoFillBackground(true);
  plSearch_->setFont(ArtKit::PixelFont(12, QFont::DemiBold));
  timerSurvey_->setObjectName(QStringLiteral("TimerSurvey"));
  timerSurvey_->setSingleShot(true);
  timerSurvey_->setInterval(kSurveyDelayMs);

  connect(btnScan_, &TFABitmapBtn::clicked, this, &TFrameNetType::BtnScanClick);
  connect(btnSelect_, &TFABitmapBtn::clicked, this, &TFrameNetType::BtnSelectClick);
  connect(timerSurvey_, &QTimer::timeout, this, &TFrameNetType::TimerSurveyTimer);
  connect(lvSite_, &QTreeWidget::itemSelectionChanged, this, &TFrameNetType::LvSiteSelectItem);
  connect(lvSite_, &SiteList::RowActivated, this, &TFrameNetType::BtnSelectClick);
  AddWizardButtons(Bit(kNext) | Bit(kExit));
}

QRadioButton* TFrameNetType::NewChoice(const char* radio, const char* caption,
                                       const char* captionText, const char* note,
                                       const char* noteText, QLabel*& captionOut,
                                       QLabel*& noteOut) {
  auto* button = new QRadioButton(this);
  button->setObjectName(QString::fromLatin1(radio));
  captionOut = NewCaption(*this, caption, captionText);
  captionOut->setBuddy(button);
  captionOut->installEventFilter(this);
  noteOut = NewNote(*this, note, noteText);
  return button;
}

TFABitmapBtn* TFrameNetType::NewButton(const char* name) {
  auto* button = new TFABitmapBtn(this);
  button->setObjectName(QString::fromLatin1(name));
  button->SetNoFocusRect(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setAutoDefault(false);
  return button;
}

void TFrameNetType::InitPage() {
  TWizardPage::InitPage();
  const struct {
    TFABitmapBtn* button;
    const char16_t* face;
    const char16_t* hover;
    const char* word;
  } faces[] = {{btnScan_, u"ImgBtnScan", u"ImgBtnScanOn", "Scan"},
               {btnSelect_, u"ImgBtnSelect", u"ImgBtnSelectOn", "Select"}};
  for (const auto& f : faces) {
    const QImage& face = Picture(f.face);
    f.button->SetFaces(face);
    f.button->SetFacesOver(Picture(f.hover));
    f.button->SetFacesDisable(ArtButtons::DisabledFace(face));
    if (!face.isNull()) f.button->resize(face.deviceIndependentSize().toSize());
    SetAccessibleNameFromStrings(*f.button, Section(), QString::fromLatin1(f.word));
  }
  lvSite_->LoadPictures();
  PlaceControls();
  MarkCaptions(*this, {lbName_, lbSSID_, lbNetType_});
  ResetPage();
}

void TFrameNetType::PlaceControls() {
  edtName_->setGeometry(0, 44, 0, kRowHeight);
  edtSSID_->setGeometry(0, 78, 0, kRowHeight);
  PlaceRows({{lbName_, edtName_}, {lbSSID_, edtSSID_}}, kFieldsLeft, kFieldsRight);
  lbNetType_->setGeometry(kFieldsLeft, 116, kFieldsRight - kFieldsLeft, kRowHeight);
  int top = 146;
  for (auto [radio, caption, note] :
       {std::tuple{rBtnInfra_, lbInfra_, lblInfra_}, std::tuple{rBtnAdHoc_, lbAdHoc_, lblAdHoc_}}) {
    radio->setGeometry(kChoiceLeft, top + (kRowHeight - kRadioSize) / 2, kRadioSize, kRadioSize);
    caption->setGeometry(kChoiceLeft + kRadioSize + 2, top, 0, kRowHeight);
    note->setGeometry(0, top - (kNoteHeight - kRowHeight) / 2, 0, kNoteHeight);
    FitLabel(caption, note, kFieldsRight);
    radio->setAccessibleName(caption->text());
    radio->setAccessibleDescription(note->text());
    top += kNoteHeight + 6;
  }

  lbScan_->setGeometry(kListLeft, 32, kListRight - kListLeft, kRowHeight);
  lvSite_->setGeometry(kListLeft, kListTop, kListRight - kListLeft, kListBottom - kListTop);
  lvSite_->setAccessibleName(lbScan_->text());
  plSearch_->setGeometry(kListLeft + 40, kListTop + 60, kListRight - kListLeft - 80, 40);
  btnSelect_->move(kListRight - btnSelect_->width(), kScanButtonsTop);
  btnScan_->move(btnSelect_->x() - 8 - btnScan_->width(), kScanButtonsTop);
}

void TFrameNetType::DonePage() { lvSite_->clear(); }

void TFrameNetType::ResetPage() {
  timerSurvey_->stop();
  status_ = WLANStatus{};
  lvSite_->SetAssociated(status_.Bssid);
  lvSite_->clear();
  btnScan_->setEnabled(false);
  btnSelect_->setEnabled(false);
  plSearch_->hide();
  edtName_->clear();
  edtSSID_->clear();
  adapter_ = nullptr;
}

bool TFrameNetType::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  if (direction == kDirNext && adapter_ != nullptr && btnScan_->isEnabled()) BtnScanClick();
  request_ = request;
  lbEdtMode_->setText(
      (request & 0x100) != 0
          ? StringText(Section(), QStringLiteral("LbEdt"), QStringLiteral("Edit Profile"))
          : StringText(Section(), QStringLiteral("LbAdd"), QStringLiteral("Add New Profile")));
  const WLProfile& working = FAGlobal().StationProfile();
  loadedNameBytes_ = std::string(TextOf(working.ProfileName));
  edtName_->setText(ProfileNameText(loadedNameBytes_));
  loadedName_ = edtName_->text();
  ShowSsid(working);
  ShowNetworkMode(working.NetworkMode);
  return TWizardPage::EnterPage(previous, direction, request);
}

void TFrameNetType::ShowSsid(const WLProfile& profile) {
  loadedSsidBytes_ = std::string(TextOf(profile.Ssid1));
  edtSSID_->setText(SsidDisplayText(loadedSsidBytes_));
  loadedSsid_ = edtSSID_->text();
}

void TFrameNetType::ShowNetworkMode(int32_t networkMode) {
  if (networkMode == kNetworkModeInfrastructure) {
    rBtnInfra_->setChecked(true);
  } else {
    rBtnAdHoc_->setChecked(true);
  }
}

std::string TFrameNetType::NameBytes() const {
  return edtName_->text() == loadedName_ ? loadedNameBytes_ : ProfileNameBytes(edtName_->text());
}

std::string TFrameNetType::SsidBytes() const {
  return edtSSID_->text() == loadedSsid_ ? loadedSsidBytes_ : Bytes(edtSSID_->text(), kSsidBytes);
}

void TFrameNetType::Refuse(const char* key, const QString& designText, QLineEdit& edit) {
  ShowMessage(this, StringText(kMessage, QString::fromLatin1(key), designText), kMbIconExclamation);
  edit.setFocus();
}

bool TFrameNetType::ValidateProfileName(const std::string& name) {
  if (name.empty()) {
    Refuse("ErEmyProfName", QStringLiteral("Profile Name can't be empty!"), *edtName_);
    return false;
  }
  const std::string reserved = adapter_ != nullptr ? adapter_->DefProfName() : "Default";
  if (name == kEditingProfileName || name == reserved) {
    Refuse("ErSysProfName",
           QStringLiteral("This profile name is used by the system. Please enter a different "
                          "name."),
           *edtName_);
    return false;
  }
  if (adapter_ != nullptr && adapter_->ProfileExists(name)) {
    if ((request_ & 0x100) != 0 && name == nameBeforeEdit_) return true;
    const QString text =
        StringText(kMessage, QStringLiteral("ErSamProfName"),
                   QStringLiteral("%s already exists. Please enter another name."));
    ShowMessage(this,
                FillInText(text, QLatin1Char('\'') + ProfileNameText(name) + QLatin1Char('\'')),
                kMbIconExclamation);
    edtName_->setFocus();
    return false;
  }
  return true;
}

bool TFrameNetType::LeavePage(TPropertyPageFrame* next, int direction, int request) {
  if (direction == kDirNext) {
    const std::string name = NameBytes();
    if (!ValidateProfileName(name)) return false;
    const std::string ssid = SsidBytes();
    if (ssid.empty()) {
      Refuse("ErEmySSID", QStringLiteral("SSID can't be empty!"), *edtSSID_);
      return false;
    }
    WLProfile& working = FAGlobal().StationProfile();
    CopyText(working.ProfileName, name);
    CopyText(working.NetworkInfo.NI_sz_CurProfile, name);
    CopyText(working.Ssid1, ssid);
    working.NetworkMode = rBtnInfra_->isChecked() ? kNetworkModeInfrastructure : kNetworkModeAdHoc;
    if (adapter_ != nullptr) {
      if (working.NetworkMode == kNetworkModeInfrastructure) {
        working.Channel = adapter_->DefaultProfile().Channel;
        working.AdHocBand = adapter_->DefaultProfile().AdHocBand;
      } else {
        working.ABGMode = adapter_->SupportMode();
      }
    }
  }
  return TWizardPage::LeavePage(next, direction, request);
}

void TFrameNetType::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
    // The manager scanned when it started: its results are read in a while.
    plSearch_->show();
    plSearch_->raise();
    timerSurvey_->start();
  } else if (event == kAdapterDetached) {
    ResetPage();
  }
}

void TFrameNetType::AdapterNotify(CNICAdapter*, int code, intptr_t) {
  if (adapter_ == nullptr || code != PM_STATUS) return;
  WLANStatus status{};
  adapter_->GetStatus(status);
  if (status.MediaState == kMediaDisconnected) status = WLANStatus{};
  if (std::memcmp(status.Bssid, status_.Bssid, sizeof status.Bssid) != 0) {
    status_ = status;
    lvSite_->SetAssociated(status_.Bssid);
  }
}

void TFrameNetType::BtnScanClick() {
  if (adapter_ == nullptr) return;
  btnScan_->setEnabled(false);
  lvSite_->clear();
  plSearch_->show();
  plSearch_->raise();
  adapter_->StartSiteSurvey();
  timerSurvey_->start();
}

void TFrameNetType::TimerSurveyTimer() {
  timerSurvey_->stop();
  if (adapter_ != nullptr) {
    std::vector<SiteSurveyEntry> entries;
    adapter_->GetSiteList(entries);
    lvSite_->Fill(entries);
  }
  plSearch_->hide();
  btnScan_->setEnabled(adapter_ != nullptr);
}

void TFrameNetType::LvSiteSelectItem() { btnSelect_->setEnabled(lvSite_->Selected() != nullptr); }

void TFrameNetType::BtnSelectClick() {
  const SiteSurveyEntry* entry = lvSite_->Selected();
  if (adapter_ == nullptr || entry == nullptr) return;
  WLProfile& working = FAGlobal().StationProfile();
  adapter_->ProfileFromSite(*entry, working);
  ShowSsid(working);
  ShowNetworkMode(working.NetworkMode);
}

bool TFrameNetType::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == lbInfra_) rBtnInfra_->setChecked(true);
    if (watched == lbAdHoc_) rBtnAdHoc_->setChecked(true);
  }
  return TWizardPage::eventFilter(watched, event);
}
