#include "ui/profile/frame_profile.h"

#include <QHeaderView>
#include <QPixmap>
#include <cstring>
#include <tuple>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "model/wl_text.h"
#include "platform/debug_log.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/grid_line_delegate.h"
#include "ui/controls/sort_lv.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/free_profile_name.h"
#include "ui/profile/profile_row.h"
#include "ui/profile/profile_summary.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/art_icons.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_base.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/main_window_notify.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FrameProfile");
constexpr int kShowLinkInfo = 1;
constexpr int kInfoRightEdge = 577;
constexpr int kButtonsRightEdge = 317;
constexpr int kButtonGap = 6;
constexpr int kInfoLeft = G::kCardRight.left() + 14;
constexpr int kInfoTop = G::kCardRight.top() + G::kHeadingHeight + 14;
constexpr int kInfoRowStep = 30;
constexpr int kInfoRowHeight = 20;
constexpr int kTextPixelSize = 12;
const QRect kListRect(G::kCardLeft.left() + 8, G::kCardLeft.top() + G::kHeadingHeight + 8,
                      G::kCardLeft.width() - 16, G::kButtonBarTop - 8 - 38);
constexpr int kImageColumnWidth = 52;
constexpr int kNameColumnWidth = 132;
const QColor kGridLine(226, 233, 239);

QString Local(const std::string& text) { return QString::fromLocal8Bit(text); }

QString UiText(const QLabel* label) { return label != nullptr ? label->text() : QString(); }

std::string NameOf(const WLProfile& profile) { return std::string(TextOf(profile.ProfileName)); }

bool SameBytes(const WLProfile& a, const WLProfile& b) {
  return std::memcmp(&a, &b, sizeof(WLProfile)) == 0;
}

void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}

// The adapter-change mode the page follows the adapter in (funcMode 0).
constexpr int kStationMode = 0;

QString TxRateText(const WLProfile& profile) {
  if (profile.TxRate == 0 || profile.TxRate == kTxRateAuto) return DisplayText(kStrAuto);
  return Local(RateText(profile.TxRate, FAGlobal()));
}

}  // namespace

TFrameProfile::TFrameProfile(QWidget* parent)
    : TPropertyPageFrame(parent), plProfile_(new QFrame(this)) {
  setObjectName(QStringLiteral("FrameProfile1"));
  resize(G::kPageSize);
  plProfile_->setObjectName(QStringLiteral("PlProfile"));
  plProfile_->setFrameShape(QFrame::NoFrame);
  plProfile_->setGeometry(rect());
  CreateControls();
}

void TFrameProfile::CreateControls() {
  // The shared page parts are made for a page; on this page they belong to
  // the panel that the wizard replaces. The panel covers the page exactly.
  imgBG_ = PageParts::AddBackground(*this);
  imgBG_->setParent(plProfile_);
  for (auto [name, text, card] : {std::tuple{"LbList", "Profile List", G::kCardLeft},
                                  std::tuple{"LbInfo", "Profile Info", G::kCardRight}}) {
    PageParts::AddHeading(*this, name, text, card)->setParent(plProfile_);
  }

  lvProf_ = new TSortLv(plProfile_);
  lvProf_->setObjectName(QStringLiteral("LvProf"));
  lvProf_->setGeometry(kListRect);
  lvProf_->setFont(ArtKit::PixelFont(kTextPixelSize));
  lvProf_->setColumnCount(3);
  lvProf_->setHeaderLabels({QString(), QStringLiteral("Profile Name"), QStringLiteral("SSID")});
  lvProf_->setColumnWidth(ProfileRow::kColImage, kImageColumnWidth);
  lvProf_->setColumnWidth(ProfileRow::kColName, kNameColumnWidth);
  lvProf_->header()->setStretchLastSection(true);
  lvProf_->header()->setSectionResizeMode(ProfileRow::kColImage, QHeaderView::Fixed);
  lvProf_->header()->setFont(ArtKit::PixelFont(kTextPixelSize, QFont::DemiBold));
  lvProf_->setSelectionMode(QAbstractItemView::SingleSelection);
  lvProf_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvProf_->setAllColumnsShowFocus(true);
  lvProf_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvProf_->setUniformRowHeights(true);
  lvProf_->setItemDelegate(new TGridLineDelegate(kGridLine, lvProf_));
  // The selected row stays marked while the buttons have the focus.
  QPalette palette = lvProf_->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Highlight, ArtKit::kTeal);
    palette.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  lvProf_->setPalette(palette);
  lvProf_->SetSkipSort1(ProfileRow::kColImage);
  lvProf_->SetSortColumn(ProfileRow::kColName);
  lvProf_->SetOnCompare(
      [this](const QTreeWidgetItem& a, const QTreeWidgetItem& b) { return LvProfCompare(a, b); });
  connect(lvProf_, &TSortLv::ColumnClick, this, &TFrameProfile::LvProfColumnClick);
  connect(lvProf_, &QTreeWidget::itemSelectionChanged, this, &TFrameProfile::ShowSelection);
  connect(lvProf_, &QTreeWidget::itemDoubleClicked, this, &TFrameProfile::BtnActivateClick);

  CreateInfoRow(0, "LbNetType", "Network Type:", "LblNetType");
  CreateInfoRow(1, "LbWlMode", "Network Mode:", "LblWlMode");
  CreateInfoRow(2, "LbChannel", "Channel:", "LblChannel");
  CreateInfoRow(3, "LbSecurity", "Security:", "LblSecurity");
  CreateInfoRow(4, "LbTxRate", "Transfer Rate:", "LblTxRate");
  lblNetType_ = values_[0];
  lblWlMode_ = values_[1];
  lblChannel_ = values_[2];
  lblSecurity_ = values_[3];
  lblTxRate_ = values_[4];

  btnActivate_ = NewButton("BtnActivate");
  btnAdd_ = NewButton("BtnAdd");
  btnDelete_ = NewButton("BtnDelete");
  btnEdit_ = NewButton("BtnEdit");
  connect(btnActivate_, &TFABitmapBtn::clicked, this, &TFrameProfile::BtnActivateClick);
  connect(btnAdd_, &TFABitmapBtn::clicked, this, &TFrameProfile::BtnAddClick);
  connect(btnDelete_, &TFABitmapBtn::clicked, this, &TFrameProfile::BtnDeleteClick);
  connect(btnEdit_, &TFABitmapBtn::clicked, this, &TFrameProfile::BtnEditClick);
}

void TFrameProfile::CreateInfoRow(int row, const char* caption, const char* captionText,
                                  const char* value) {
  const int top = kInfoTop + row * kInfoRowStep;
  auto* label = new QLabel(QString::fromLatin1(captionText), plProfile_);
  label->setObjectName(QString::fromLatin1(caption));
  label->setFont(ArtKit::PixelFont(kTextPixelSize));
  label->setGeometry(kInfoLeft, top, 0, kInfoRowHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetColour(*label, QPalette::WindowText, ArtKit::kSlate);
  auto* shown = new TEllipsisLabel(plProfile_);
  shown->setObjectName(QString::fromLatin1(value));
  shown->setFont(ArtKit::PixelFont(kTextPixelSize, QFont::DemiBold));
  shown->setGeometry(kInfoLeft, top, 0, kInfoRowHeight);
  shown->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  shown->SetEllipsisEnd(true);
  SetColour(*shown, QPalette::WindowText, ArtKit::kInk);
  label->setBuddy(shown);
  captions_.append(label);
  values_.append(shown);
}

TFABitmapBtn* TFrameProfile::NewButton(const char* name) {
  auto* button = new TFABitmapBtn(plProfile_);
  button->setObjectName(QString::fromLatin1(name));
  button->setCursor(Qt::PointingHandCursor);
  button->setAutoDefault(false);
  return button;
}

void TFrameProfile::SetFaces(TFABitmapBtn& button, QStringView picture) {
  const TFormRes* res = TFormRes::Instance();
  if (res == nullptr) return;
  const QImage& face = res->Picture(picture);
  button.SetFaces(face);
  button.SetFacesDown(face);
  button.SetFacesOver(res->Picture(picture.toString() + QStringLiteral("On")));
  button.SetFacesDisable(ArtButtons::DisabledFace(face));
  if (!face.isNull()) button.resize(face.deviceIndependentSize().toSize());
}

void TFrameProfile::PlaceButtons() {
  const int top =
      G::kButtonBarTop + (G::kCardLeft.bottom() + 1 - G::kButtonBarTop - G::kPageButtonHeight) / 2;
  int right = kButtonsRightEdge;
  for (TFABitmapBtn* button : {btnEdit_, btnDelete_, btnAdd_, btnActivate_}) {
    const int width = button->width();
    button->move(right - width, top);
    right -= width + kButtonGap;
  }
}

void TFrameProfile::InitPage() {
  LoadStrings(kSection);
  PageParts::ShowPicture(*imgBG_, u"ImgFrProfile");
  const struct {
    TFABitmapBtn* button;
    const char16_t* picture;
    const char* faceWord;
  } faces[] = {{btnActivate_, u"ImgBtnAct", "Activate"},
               {btnAdd_, u"ImgBtnAdd", "Add"},
               {btnDelete_, u"ImgBtnDelete", "Delete"},
               {btnEdit_, u"ImgBtnEdit", "Edit"}};
  for (const auto& face : faces) {
    SetFaces(*face.button, QStringView(face.picture));
    SetAccessibleNameFromStrings(*face.button, kSection, QString::fromLatin1(face.faceWord));
  }
  for (qsizetype i = 0; i < captions_.size(); ++i) {
    FitLabel(captions_[i], values_[i], kInfoRightEdge);
  }
  lvProf_->setAccessibleName(UiText(plProfile_->findChild<QLabel*>(QStringLiteral("LbList"))));
  PlaceButtons();
  const qreal ratio = devicePixelRatioF();
  lvProf_->SetIncBMP(ArtIcons::SortMark(true, ratio));
  lvProf_->SetDecBMP(ArtIcons::SortMark(false, ratio));
  rowIcons_.clear();
  if (const TFormRes* res = TFormRes::Instance()) {
    const TImageList& types = res->ImgsType();
    lvProf_->setIconSize(types.Size());
    for (int i = 0; i < types.Count(); ++i) {
      // A selected row keeps its picture as it is rather than tinted.
      const QPixmap picture = QPixmap::fromImage(types.Image(i));
      QIcon icon(picture);
      icon.addPixmap(picture, QIcon::Selected);
      rowIcons_.append(icon);
    }
  }
  ResetPage();
}

void TFrameProfile::DonePage() {
  if (frameProfSet1_ != nullptr) frameProfSet1_->DonePage();
  ClearList();
}

void TFrameProfile::ResetPage() {
  if (frameProfSet1_ != nullptr) frameProfSet1_->hide();
  plProfile_->show();
  ClearList();
  for (TFABitmapBtn* button : {btnActivate_, btnAdd_, btnDelete_, btnEdit_}) {
    button->setEnabled(false);
  }
  applied_ = WLProfile{};
}

bool TFrameProfile::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  if ((request & TFrameProfSet::kRequestSecurityOnly) == 0) {
    if (frameProfSet1_ != nullptr) frameProfSet1_->hide();
    plProfile_->show();
  } else if (!OpenWizard(kReturnSurvey, request)) {
    return false;
  }
  return TPropertyPageFrame::EnterPage(previous, direction, request);
}

void TFrameProfile::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (frameProfSet1_ != nullptr) frameProfSet1_->AdapterChanged(adapter, event, funcMode);
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
    zeroCfg_ = adapter->ZeroCfgEnabled();
    if (!zeroCfg_) LoadProfileList();
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameProfile::AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) {
  if (adapter_ == nullptr) return;
  if (frameProfSet1_ != nullptr) frameProfSet1_->AdapterNotify(adapter, code, arg);
  if (code == PM_ZEROCFG) {
    zeroCfg_ = arg == 1;
    if (zeroCfg_) {
      ResetPage();
    } else {
      LoadProfileList();
    }
  } else if (code == PM_CONNECT && (arg & 1) == 0) {
    adapter_->GetAppliedProfile(applied_);
    RefreshApplied();
  }
}

bool TFrameProfile::OpenWizard(int returnPage, int request) {
  if (adapter_ == nullptr) return false;
  TFrameProfSet& wizard = Wizard();
  if (!wizard.EnterPage(nullptr, returnPage, request)) return false;
  wizard.setGeometry(rect());
  wizard.show();
  wizard.raise();
  plProfile_->hide();
  wizard.FocusCurrentPage();
  return true;
}

TFrameProfSet& TFrameProfile::Wizard() {
  if (frameProfSet1_ != nullptr) return *frameProfSet1_;
  // Built on first use: its ten pages are most of what a start-up would
  // otherwise spend on pages nobody opens. It catches up with the adapter the
  // way it would have followed it from the start.
  frameProfSet1_ = new TFrameProfSet(this);
  frameProfSet1_->setGeometry(rect());
  frameProfSet1_->hide();
  if (auto* form = qobject_cast<TFormBase*>(window())) form->ApplyLateLayout(frameProfSet1_);
  frameProfSet1_->InitPage();
  if (adapter_ != nullptr) frameProfSet1_->AdapterChanged(adapter_, kAdapterAttached, kStationMode);
  return *frameProfSet1_;
}

void TFrameProfile::LoadProfileList() {
  ClearList();
  std::vector<WLProfile> profiles;
  adapter_->GetProfileList(0, profiles);
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(profiles.size()));
  for (const WLProfile& profile : profiles) {
    auto* row = new ProfileRow(profile);
    row->setIcon(ProfileRow::kColImage, rowIcons_.value(row->ImageIndex()));
    row->SetApplied(SameBytes(profile, applied_));
    rows.append(row);
  }
  lvProf_->addTopLevelItems(rows);
  lvProf_->Sort();
  if (RowCount() > 0) SelectRow(RowAt(0));
  btnAdd_->setEnabled(true);
}

void TFrameProfile::ClearList() {
  // Quiet: a cleared list is not a deselection for the panel to follow.
  const QSignalBlocker quiet(lvProf_);
  lvProf_->clear();
  ClearInfo();
}

int TFrameProfile::RowCount() const { return lvProf_->topLevelItemCount(); }

ProfileRow* TFrameProfile::RowAt(int index) const {
  return static_cast<ProfileRow*>(lvProf_->topLevelItem(index));
}

ProfileRow* TFrameProfile::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = lvProf_->selectedItems();
  return selected.isEmpty() ? nullptr : static_cast<ProfileRow*>(selected.front());
}

ProfileRow* TFrameProfile::FindRow(std::string_view name, bool ignoreCase) const {
  for (int i = 0; i < RowCount(); ++i) {
    ProfileRow* row = RowAt(i);
    const std::string_view rowName = TextOf(row->Profile().ProfileName);
    if (ignoreCase ? EqualsNoCase(rowName, name) : rowName == name) return row;
  }
  return nullptr;
}

std::vector<WLProfile> TFrameProfile::Profiles() const {
  std::vector<WLProfile> profiles;
  profiles.reserve(static_cast<std::size_t>(RowCount()));
  for (int i = 0; i < RowCount(); ++i) profiles.push_back(RowAt(i)->Profile());
  return profiles;
}

void TFrameProfile::SelectRow(QTreeWidgetItem* row) {
  lvProf_->clearSelection();
  lvProf_->setCurrentItem(row);
  row->setSelected(true);
  lvProf_->scrollToItem(row);
  FocusList();
}

void TFrameProfile::FocusList() {
  if (lvProf_->isVisible() && lvProf_->isEnabled()) lvProf_->setFocus();
}

void TFrameProfile::ShowSelection() {
  const ProfileRow* row = SelectedRow();
  if (row == nullptr) {
    ClearInfo();
    return;
  }
  ShowInfo(row->Profile());
}

void TFrameProfile::ShowInfo(const WLProfile& profile) {
  lblNetType_->setText(ProfileSummary::NetTypeText(profile));
  lblWlMode_->setText(ProfileSummary::WlModeText(profile, adapter_));
  lblChannel_->setText(ProfileSummary::ChannelText(profile));
  lblSecurity_->setText(ProfileSummary::SecurityText(profile));
  lblTxRate_->setText(TxRateText(profile));
  btnDelete_->setEnabled(true);
  btnEdit_->setEnabled(true);
  btnActivate_->setEnabled(!zeroCfg_);
}

void TFrameProfile::ClearInfo() {
  for (TEllipsisLabel* value : std::as_const(values_)) value->clear();
  for (TFABitmapBtn* button : {btnActivate_, btnDelete_, btnEdit_}) button->setEnabled(false);
}

void TFrameProfile::RefreshApplied() {
  for (int i = 0; i < RowCount(); ++i) {
    ProfileRow* row = RowAt(i);
    row->SetApplied(SameBytes(row->Profile(), applied_));
  }
  lvProf_->viewport()->update();
}

int TFrameProfile::LvProfCompare(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const {
  const int column = lvProf_->SortColunm();
  const int order = a.text(column).compare(b.text(column), Qt::CaseInsensitive);
  return lvProf_->Increase() ? order : -order;
}

void TFrameProfile::LvProfColumnClick(int column) {
  if (column > ProfileRow::kColImage) lvProf_->Sort();
}

void TFrameProfile::BtnActivateClick() {
  FocusList();
  const ProfileRow* row = SelectedRow();
  if (adapter_ == nullptr || row == nullptr || zeroCfg_) return;
  adapter_->Connect(row->Profile());
  PostToMainWindow(*this, PM_SHOWPAGE, kShowLinkInfo);
}

void TFrameProfile::BtnAddClick() {
  if (adapter_ == nullptr) return;
  WLProfile& working = FAGlobal().StationProfile();
  working = adapter_->DefaultProfile();
  const std::string name = NameOf(working);
  if (!name.empty() && adapter_->ProfileExists(name)) {
    const std::string free = FreeProfileName(
        name, [this](const std::string& candidate) { return adapter_->ProfileExists(candidate); });
    CopyText(working.ProfileName, free);
    CopyText(working.NetworkInfo.NI_sz_CurProfile, free);
  }
  OpenWizard(kReturnProfile, TFrameProfSet::kRequestAdd);
}

void TFrameProfile::BtnEditClick() {
  const ProfileRow* row = SelectedRow();
  if (row == nullptr) return;
  FAGlobal().StationProfile() = row->Profile();
  nameBeforeEdit_ = NameOf(row->Profile());
  OpenWizard(kReturnProfile, TFrameProfSet::kRequestEdit);
}

void TFrameProfile::BtnDeleteClick() {
  ProfileRow* row = SelectedRow();
  if (adapter_ == nullptr || row == nullptr) return;
  const std::string name = NameOf(row->Profile());
  const QString question = StringText(QStringLiteral("Message"), QStringLiteral("RemoveProf"),
                                      QStringLiteral("Really remove '%s'?"));
  const QString text = FillInText(question, row->text(ProfileRow::kColName));
  if (ShowMessage(this, text, kMbOkCancel | kMbIconInformation) != kIdOk) {
    FocusList();
    return;
  }
  // The row may have gone while the question was open.
  row = FindRow(name, false);
  if (row != nullptr && adapter_ != nullptr && adapter_->DeleteProfile(0, name)) {
    lvProf_->setUpdatesEnabled(false);
    int index = lvProf_->indexOfTopLevelItem(row);
    delete row;
    if (index >= RowCount()) index = RowCount() - 1;
    if (index >= 0) SelectRow(RowAt(index));
    lvProf_->setUpdatesEnabled(true);
    ShowSelection();
  }
  FocusList();
}

bool TFrameProfile::SaveProfile(int flags) {
  if (adapter_ == nullptr) return false;
  const WLProfile& working = FAGlobal().StationProfile();
  const std::string name = NameOf(working);
  ProfileRow* row = FindRow(name, false);
  if (flags & kSaveUpdate) {
    if (row == nullptr) row = FindRow(nameBeforeEdit_, false);
    if (row == nullptr) {
      DebugLog("SaveProfile: not found selected profile");
      return false;
    }
    if (!adapter_->UpdateProfile(working, NameOf(row->Profile()))) return false;
  } else {
    if (!adapter_->AddProfile(working)) return false;
    // The manager matches names without case: a name it found is updated there,
    // and must be here too rather than listed twice.
    if (row == nullptr) row = FindRow(name, true);
    if (row == nullptr) {
      row = new ProfileRow(working);
      lvProf_->insertTopLevelItem(0, row);
    }
  }
  row->SetProfile(working);
  row->setIcon(ProfileRow::kColImage, rowIcons_.value(row->ImageIndex()));
  row->SetApplied(SameBytes(working, applied_));
  SelectRow(row);
  return true;
}

void TFrameProfile::ConnectLast() {
  if (adapter_ == nullptr || zeroCfg_ || RowCount() == 0 ||
      !adapter_->Settings().ReadSet("InitConnect", true)) {
    return;
  }
  const ProfileRow* chosen = FindRow(adapter_->GetLastProfileName(0), false);
  if (chosen == nullptr) chosen = RowAt(0);
  DebugLog("Connect last => %s", NameOf(chosen->Profile()).c_str());
  adapter_->Connect(chosen->Profile());
}
