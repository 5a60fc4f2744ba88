#include "ui/station/frame_adapter.h"

#include <QComboBox>
#include <array>
#include <string>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "core/utility.h"
#include "model/wl_enums.h"
#include "model/wl_text.h"
#include "platform/debug_log.h"
#include "platform/text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/combo_values.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/main_window_notify.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;
using ComboValues::AddItem;
using ComboValues::SelectByValue;
using ComboValues::SelectedValue;
using ComboValues::SelectFirst;

const QString kSection = QStringLiteral("FrameAdapter");
constexpr int32_t kAutoRate = 15;
// SaveProfile flag of the profile page: replace the listed profile.
constexpr intptr_t kSaveUpdate = 0x100;

// The three rows sit in the middle of the card, captions in one column.
constexpr int kCaptionsLeft = 120;
constexpr int kValuesRight = 464;
constexpr int kFirstRowTop = 72;
constexpr int kRowPitch = 46;
constexpr int kRowHeight = 24;
constexpr int kSaveRight = 527;
constexpr int kButtonTop = G::kButtonBarTop + 7;

QString Local(const std::string& text) { return QString::fromLocal8Bit(text); }

const QImage& Picture(QStringView name) {
  static const QImage none;
  const TFormRes* res = TFormRes::Instance();
  return res != nullptr ? res->Picture(name) : none;
}

QComboBox* NewList(QWidget& page, const char* name) {
  auto* list = new QComboBox(&page);
  list->setObjectName(QString::fromLatin1(name));
  return list;
}

}  // namespace

TFrameAdapter::TFrameAdapter(QWidget* parent)
    : TPropertyPageFrame(parent),
      imgBG_(PageParts::AddBackground(*this)),
      lbTxRate_(PageParts::AddCaption(*this, "LbTxRate", "Transfer Rate:")),
      lbPreamble_(PageParts::AddCaption(*this, "LbPreamble", "Preamble Type:")),
      lbPower_(PageParts::AddCaption(*this, "LbPower", "Power Saving Mode:")),
      cmbTxRate_(NewList(*this, "CmbTxRate")),
      cmbPreamble_(NewList(*this, "CmbPreamble")),
      cmbPower_(NewList(*this, "CmbPower")),
      btnSave_(PageParts::AddButton(*this, "BtnSave")) {
  setObjectName(QStringLiteral("FrameAdapter1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbSetting", "Adapter Setting", G::kCardFull);
  lbTxRate_->setBuddy(cmbTxRate_);
  lbPreamble_->setBuddy(cmbPreamble_);
  lbPower_->setBuddy(cmbPower_);
  connect(btnSave_, &TFABitmapBtn::clicked, this, &TFrameAdapter::BtnSaveClick);
}

void TFrameAdapter::InitPage() {
  LoadStrings(kSection);
  PageParts::ShowPicture(*imgBG_, u"ImgAdapter");
  const QImage& face = Picture(u"ImgBtnSave");
  btnSave_->SetFaces(face);
  btnSave_->SetFacesOver(Picture(u"ImgBtnSaveOn"));
  btnSave_->SetFacesDisable(ArtButtons::DisabledFace(face));
  if (!face.isNull()) btnSave_->resize(face.deviceIndependentSize().toSize());
  SetAccessibleNameFromStrings(*btnSave_, kSection, QStringLiteral("Save"));
  PlaceControls();
  PageParts::MarkCaptions(*this, {lbTxRate_, lbPreamble_, lbPower_});

  AddItem(*cmbPreamble_, DisplayText(kStrPreambleAuto), kPreambleAuto);
  AddItem(*cmbPreamble_, DisplayText(kStrPreambleLong), kPreambleLong);
  AddItem(*cmbPreamble_, DisplayText(kStrPreambleShort), kPreambleShort);
  AddItem(*cmbPower_, DisplayText(kStrPowSaveNo), kPowerSaveNone);
  AddItem(*cmbPower_, DisplayText(kStrPowSaveFast), kPowerSaveFast);
  AddItem(*cmbPower_, DisplayText(kStrPowSaveMax), kPowerSaveMax);
  ResetPage();
}

void TFrameAdapter::PlaceControls() {
  int top = kFirstRowTop;
  for (QComboBox* list : {cmbTxRate_, cmbPreamble_, cmbPower_}) {
    list->setGeometry(0, top, 0, kRowHeight);
    top += kRowPitch;
  }
  PageParts::PlaceRows(
      {{lbTxRate_, cmbTxRate_}, {lbPreamble_, cmbPreamble_}, {lbPower_, cmbPower_}}, kCaptionsLeft,
      kValuesRight);
  btnSave_->move(kSaveRight - btnSave_->width(), kButtonTop);
}

void TFrameAdapter::ResetPage() {
  cmbTxRate_->clear();
  cmbTxRate_->setEnabled(false);
  for (QComboBox* list : {cmbPreamble_, cmbPower_}) {
    list->setCurrentIndex(-1);
    list->setEnabled(false);
  }
  btnSave_->setEnabled(false);
  filledStandard_ = kNotFilled;
}

bool TFrameAdapter::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  if (adapter_ != nullptr && !adapter_->ZeroCfgEnabled()) SelectCurrentValues();
  return TPropertyPageFrame::EnterPage(previous, direction, request);
}

void TFrameAdapter::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached) {
    if (adapter == nullptr || (funcMode & 1) != 0) return;
    adapter_ = adapter;
    if (!adapter_->ZeroCfgEnabled()) EnablePage();
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameAdapter::AdapterNotify(CNICAdapter* /*adapter*/, int code, intptr_t arg) {
  if (adapter_ == nullptr) return;
  if (code == PM_ZEROCFG) {
    if (arg == 1) ResetPage();
    if (arg == 0) EnablePage();
  } else if (code == PM_CONNECT) {
    if ((arg & 1) == 0) SelectCurrentValues();
  } else if (code == PM_STATUS) {
    FollowStandard();
  }
}

void TFrameAdapter::EnablePage() {
  for (QWidget* control : {static_cast<QWidget*>(cmbTxRate_), static_cast<QWidget*>(cmbPreamble_),
                           static_cast<QWidget*>(cmbPower_), static_cast<QWidget*>(btnSave_)}) {
    control->setEnabled(true);
  }
  const int32_t bands = ModeToBandMask(adapter_->SupportMode());
  if (bands & kBand80211g) {
    InitTxRate(kStandardG);
  } else if (bands & kBand80211b) {
    InitTxRate(kStandardB);
  } else if (bands & kBand80211a) {
    InitTxRate(kStandardA);
  }
}

void TFrameAdapter::InitTxRate(int standard) {
  const char* key = standard == kStandardB   ? "TxRateB"
                    : standard == kStandardA ? "TxRateA"
                    : standard == kStandardG ? "TxRateG"
                                             : nullptr;
  if (key == nullptr) {
    DebugLog("TFrameAdapter::InitTxRate NetworkType %d", standard);
    return;
  }
  const std::string setting = adapter_ != nullptr ? adapter_->Settings().ReadSet(key, "") : "";
  std::array<int32_t, kMaxRates> rates{};
  const int count = std::min(ParseIntList(setting, rates.data(), kMaxRates), kMaxRates);
  cmbTxRate_->clear();
  for (int i = 0; i < count && rates[static_cast<std::size_t>(i)] >= 1; ++i) {
    const int32_t rate = rates[static_cast<std::size_t>(i)];
    cmbTxRate_->insertItem(0, Local(RateText(rate, FAGlobal())), QVariant(static_cast<int>(rate)));
  }
  cmbTxRate_->insertItem(0, DisplayText(kStrAuto), QVariant(static_cast<int>(kAutoRate)));
  filledStandard_ = standard;
}

void TFrameAdapter::SelectCurrentValues() {
  WLProfile profile = adapter_->DefaultProfile();
  WLProfile applied{};
  if (adapter_->GetAppliedProfile(applied)) profile = applied;
  if (!SelectByValue(*cmbPower_, profile.PowerMode)) SelectFirst(*cmbPower_);
  if (!SelectByValue(*cmbPreamble_, profile.PreambleMode)) {
    SelectByValue(*cmbPreamble_, kPreambleAuto);
  }
  if (!SelectByValue(*cmbTxRate_, profile.TxRate)) SelectFirst(*cmbTxRate_);
}

void TFrameAdapter::FollowStandard() {
  if (adapter_->ZeroCfgEnabled()) return;
  WLANStatus status{};
  adapter_->GetStatus(status);
  if (status.MediaState != kMediaConnected) return;
  if (status.Radio == filledStandard_) return;
  InitTxRate(status.Radio);
  SelectCurrentValues();
}

void TFrameAdapter::BtnSaveClick() {
  if (adapter_ == nullptr) return;
  WLProfile& working = FAGlobal().StationProfile();
  working = adapter_->DefaultProfile();
  if (!adapter_->GetAppliedProfile(working)) return;
  working.TxRate = SelectedValue(*cmbTxRate_, kAutoRate);
  working.PreambleMode = SelectedValue(*cmbPreamble_, kPreambleAuto);
  working.PowerMode = SelectedValue(*cmbPower_, kPowerSaveNone);
  const std::string name(TextOf(working.ProfileName));
  if (adapter_->ProfileExists(name)) {
    DebugLog("modify profile %s", name.c_str());
    SendToMainWindow(*this, PM_SAVEPROFILE, kSaveUpdate);
  } else {
    DebugLog("profile %s is not exist", name.c_str());
  }
  if (!adapter_->ZeroCfgEnabled()) adapter_->Connect(working);
}
