#include "ui/ap/frame_ap_filter.h"

#include <QComboBox>
#include <algorithm>
#include <string>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "platform/text.h"
#include "ui/ap/mac_address_text.h"
#include "ui/ap/mac_edit.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/main_window_notify.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FrameAPFilter");
const QString kMessage = QStringLiteral("Message");
// PM_SHOWPAGE argument of the access-point information page.
constexpr intptr_t kShowAPInfo = 4;

constexpr int kTextPixelSize = 12;
constexpr int kLeft = G::kCardFull.left() + 26;  // after the mark
constexpr int kTypeTop = 38;
constexpr int kAddrTop = 70;
constexpr int kRowHeight = 22;
constexpr int kTypeListWidth = 180;
// The addresses stand in three columns of six, numbered down each column.
constexpr int kGridLeft = G::kCardFull.left() + 12;
constexpr int kGridTop = 98;
constexpr int kGridRows = 6;
constexpr int kColumnPitch = 186;
constexpr int kRowPitch = 27;
constexpr int kNumberWidth = 22;
constexpr int kEditWidth = 150;
constexpr int kButtonTop = 275;
// BtnCancel ends here; BtnSave stands this far before it.
constexpr int kCancelRight = 541;
constexpr int kButtonGap = 8;

int32_t SelectedValue(const QComboBox& list) {
  return list.currentIndex() < 0 ? 0 : list.currentData().toInt();
}

const QImage& Picture(QStringView name) {
  static const QImage none;
  const TFormRes* res = TFormRes::Instance();
  return res != nullptr ? res->Picture(name) : none;
}

}  // namespace

TFrameAPFilter::TFrameAPFilter(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameAPFilter1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbFilter", "MAC Filter", G::kCardFull);
  lbType_ = NewCaption("LbType", QStringLiteral("Filter Type"));
  cmbType_ = new QComboBox(this);
  cmbType_->setObjectName(QStringLiteral("CmbType"));
  lbType_->setBuddy(cmbType_);
  lbAddr_ = NewCaption("LbAddr", QStringLiteral("Filter MAC Address"));
  for (int i = 0; i < kAddressCount; ++i) {
    const QString number = QString::number(i + 1);
    TEllipsisLabel* label = NewCaption(("Lb" + number.toStdString()).c_str(), number);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new TMacEdit(this);
    edit->setObjectName(QStringLiteral("Edt") + number);
    edit->setFont(ArtKit::PixelFont(kTextPixelSize));
    label->setBuddy(edit);
    connect(edit, &TMacEdit::PasteRefused, this, &TFrameAPFilter::EdtPasteRefused);
    lbNumber_[static_cast<std::size_t>(i)] = label;
    edt_[static_cast<std::size_t>(i)] = edit;
  }
  btnSave_ = NewButton("BtnSave");
  btnCancel_ = NewButton("BtnCancel");
  connect(cmbType_, &QComboBox::activated, this, &TFrameAPFilter::CmbTypeSelect);
  connect(btnSave_, &TFABitmapBtn::clicked, this, &TFrameAPFilter::BtnSaveClick);
  connect(btnCancel_, &TFABitmapBtn::clicked, this, &TFrameAPFilter::BtnCancelClick);
}

TEllipsisLabel* TFrameAPFilter::NewCaption(const char* name, const QString& designText) {
  return PageParts::AddCaption(*this, name, designText);
}

TFABitmapBtn* TFrameAPFilter::NewButton(const char* name) {
  return PageParts::AddButton(*this, name);
}

void TFrameAPFilter::InitPage() {
  LoadStrings(kSection);
  PageParts::ShowPicture(*imgBG_, u"ImgFrAPFilter");
  const struct {
    TFABitmapBtn* button;
    const char16_t* face;
    const char16_t* hover;
    QString word;  // on the face
  } faces[] = {{btnSave_, u"ImgBtnSave", u"ImgBtnSaveOn", QStringLiteral("Save")},
               {btnCancel_, u"ImgBtnCancel", u"ImgBtnCancelOn", QStringLiteral("Cancel")}};
  for (const auto& f : faces) {
    const QImage& face = Picture(f.face);
    f.button->SetFaces(face);
    f.button->SetFacesOver(Picture(f.hover));
    f.button->SetFacesDisable(ArtButtons::DisabledFace(face));
    if (!face.isNull()) f.button->resize(face.deviceIndependentSize().toSize());
    SetAccessibleNameFromStrings(*f.button, kSection, f.word);
  }
  // A number alone tells a screen reader little.
  for (int i = 0; i < kAddressCount; ++i) {
    edt_[static_cast<std::size_t>(i)]->setAccessibleName(lbAddr_->text() + QLatin1Char(' ') +
                                                         QString::number(i + 1));
  }
  PlaceControls();
  // The marks stand before the captions where they are placed.
  const QImage& mark = Picture(u"ImgMark");
  AddMarkImage(lbType_, mark);
  AddMarkImage(lbAddr_, mark);

  cmbType_->clear();
  cmbType_->addItem(StringText(kSection, QStringLiteral("Disable"), QStringLiteral("Disable")), 0);
  cmbType_->addItem(StringText(kSection, QStringLiteral("Accept"), QStringLiteral("Accept")), 1);
  cmbType_->addItem(StringText(kSection, QStringLiteral("Reject"), QStringLiteral("Reject")), 2);
  ResetPage();
}

void TFrameAPFilter::PlaceControls() {
  lbType_->setGeometry(kLeft, kTypeTop, LabelTextWidth(*lbType_) + 6, kRowHeight);
  cmbType_->setGeometry(lbType_->geometry().right() + 1 + 6, kTypeTop, kTypeListWidth, kRowHeight);
  lbAddr_->setGeometry(kLeft, kAddrTop, G::kCardFull.right() - 12 - kLeft, kRowHeight);
  for (int i = 0; i < kAddressCount; ++i) {
    const int left = kGridLeft + (i / kGridRows) * kColumnPitch;
    const int top = kGridTop + (i % kGridRows) * kRowPitch;
    lbNumber_[static_cast<std::size_t>(i)]->setGeometry(left, top, kNumberWidth, kRowHeight);
    edt_[static_cast<std::size_t>(i)]->setGeometry(left + kNumberWidth + 4, top, kEditWidth,
                                                   kRowHeight);
  }
  btnCancel_->move(kCancelRight - btnCancel_->width(), kButtonTop);
  btnSave_->move(btnCancel_->x() - btnSave_->width() - kButtonGap, kButtonTop);
}

void TFrameAPFilter::ResetPage() {
  cmbType_->setCurrentIndex(-1);
  CmbTypeSelect();
  cmbType_->setEnabled(false);
  for (TMacEdit* edit : edt_) edit->clear();
  btnSave_->setEnabled(false);
  btnCancel_->setEnabled(false);
}

bool TFrameAPFilter::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  if (adapter_ != nullptr && !adapter_->ZeroCfgEnabled()) Load();
  return TPropertyPageFrame::EnterPage(previous, direction, request);
}

void TFrameAPFilter::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) != 0) {
    adapter_ = adapter;
    if (!adapter_->ZeroCfgEnabled()) EnableControls();
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameAPFilter::AdapterNotify(CNICAdapter*, int code, intptr_t arg) {
  if (adapter_ == nullptr || code != PM_ZEROCFG) return;
  if (arg == 1) {
    ResetPage();
  } else {
    EnableControls();
  }
}

void TFrameAPFilter::EnableControls() {
  cmbType_->setEnabled(true);
  Load();
  btnSave_->setEnabled(true);
  btnCancel_->setEnabled(true);
}

void TFrameAPFilter::Load() {
  const WLProfile& profile = FAGlobal().APProfile();
  const int index = cmbType_->findData(static_cast<int>(profile.APMacFilterMode));
  cmbType_->setCurrentIndex(index >= 0 ? index : 0);
  CmbTypeSelect();
  for (int i = 0; i < kAddressCount; ++i) {
    edt_[static_cast<std::size_t>(i)]->SetDigits(MacAddressText::Digits(profile.APMacFilter[i]));
  }
}

void TFrameAPFilter::CmbTypeSelect() {
  const bool filtering = SelectedValue(*cmbType_) != 0;
  for (TMacEdit* edit : edt_) edit->setEnabled(filtering);
}

void TFrameAPFilter::EdtPasteRefused() {
  ShowMessage(this,
              StringText(kMessage, QStringLiteral("ErMACAddr"),
                         QStringLiteral("That is not a MAC address. Enter six pairs of "
                                        "hexadecimal digits, such as 00:0E:2E:10:A0:0F.")),
              kMbIconExclamation);
}

void TFrameAPFilter::BtnSaveClick() {
  if (adapter_ == nullptr) return;
  WLProfile profile = FAGlobal().APProfile();
  profile.APMacFilterMode = SelectedValue(*cmbType_);
  for (int i = 0; i < kAddressCount; ++i) {
    const MacAddressText::Mac mac =
        MacAddressText::FromDigits(edt_[static_cast<std::size_t>(i)]->Digits());
    std::copy(mac.begin(), mac.end(), profile.APMacFilter[i]);
  }
  FAGlobal().APProfile() = profile;
  adapter_->UpdateProfile(profile, std::string(TextOf(profile.ProfileName)));
  adapter_->Connect(profile);
  PostToMainWindow(*this, PM_SHOWPAGE, kShowAPInfo);
}

void TFrameAPFilter::BtnCancelClick() {
  if (adapter_ == nullptr) return;
  Load();
}
