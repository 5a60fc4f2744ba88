#include "ui/profile/frame_wl_mode.h"

#include <QComboBox>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "model/wl_enums.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/profile/ad_hoc_channels.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

constexpr int kLeft = 48;
constexpr int kRight = 360;
constexpr int kRowHeight = 24;

}  // namespace

TFrameWlMode::TFrameWlMode(QWidget* parent) : TWizardPage("FrameWlMode1", "FrameWlMode", parent) {
  PageParts::AddHeading(*this, "LbWlSet", "Wireless Settings", G::kCardFull);
  lbMode_ = NewCaption(*this, "LbMode", "Wireless Mode");
  cmbAdHocMode_ = new QComboBox(this);
  cmbAdHocMode_->setObjectName(QStringLiteral("CmbAdHocMode"));
  lbChannel_ = NewCaption(*this, "LbChannel", "Channel");
  cmbChannel_ = new QComboBox(this);
  cmbChannel_->setObjectName(QStringLiteral("CmbChannel"));
  lbMode_->setBuddy(cmbAdHocMode_);
  lbChannel_->setBuddy(cmbChannel_);
  connect(cmbAdHocMode_, &QComboBox::activated, this, &TFrameWlMode::CmbAdHocModeSelect);
  AddWizardButtons(Bit(kBack) | Bit(kNext) | Bit(kExit));
}

void TFrameWlMode::InitPage() {
  TWizardPage::InitPage();
  cmbAdHocMode_->setGeometry(0, 56, 0, kRowHeight);
  cmbChannel_->setGeometry(0, 96, 0, kRowHeight);
  PlaceRows({{lbMode_, cmbAdHocMode_}, {lbChannel_, cmbChannel_}}, kLeft, kRight);
  MarkCaptions(*this, {lbMode_, lbChannel_});
  ResetPage();
}

void TFrameWlMode::ResetPage() {
  cmbAdHocMode_->clear();
  cmbChannel_->clear();
}

bool TFrameWlMode::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  ResetPage();
  if (Adapter() != nullptr) {
    FillRadios();
    const WLProfile& working = FAGlobal().StationProfile();
    if (!SelectByValue(*cmbAdHocMode_, working.AdHocBand) &&
        !SelectByValue(*cmbAdHocMode_, Adapter()->DefBand())) {
      SelectFirst(*cmbAdHocMode_);
    }
    CmbAdHocModeSelect();
  }
  return TWizardPage::EnterPage(previous, direction, request);
}

void TFrameWlMode::FillRadios() {
  const int32_t usable = Adapter()->GetUsableAdHocBand(FAGlobal().StationProfile().ABGMode);
  if (Adapter()->Settings().ReadSet("EnableAdHocG", true)) {
    if (usable & kBand80211b) AddItem(*cmbAdHocMode_, Display(kStr802B), kRadio80211b);
    if (usable & kBand80211g) AddItem(*cmbAdHocMode_, Display(kStr802G), kRadio80211g);
    if (usable & kBand80211a) AddItem(*cmbAdHocMode_, Display(kStr802A), kRadio80211a);
  } else {
    const QString ghz = Display(kStrGHz);
    if (usable & kBand80211b) AddItem(*cmbAdHocMode_, QStringLiteral("2.4 ") + ghz, kRadio80211b);
    if (usable & kBand80211a) AddItem(*cmbAdHocMode_, QStringLiteral("5 ") + ghz, kRadio80211a);
  }
}

void TFrameWlMode::CmbAdHocModeSelect() {
  cmbChannel_->clear();
  if (Adapter() == nullptr) return;
  int32_t fallback = 0;
  switch (SelectedValue(*cmbAdHocMode_, 0)) {
    case kRadio80211b:
      FillChannels(kBand80211b, "AdHocChB");
      fallback = Adapter()->DefChB();
      break;
    case kRadio80211a:
      FillChannels(kBand80211a, "AdHocChA");
      fallback = Adapter()->DefChA();
      break;
    case kRadio80211g:
      FillChannels(kBand80211g, "AdHocChG");
      fallback = Adapter()->DefChB();
      break;
    default:
      return;
  }
  if (!SelectByValue(*cmbChannel_, FAGlobal().StationProfile().Channel) &&
      !SelectByValue(*cmbChannel_, fallback)) {
    SelectFirst(*cmbChannel_);
  }
}

void TFrameWlMode::FillChannels(int32_t mask, const char* key) {
  for (int32_t channel : AdHocChannels(*Adapter(), key, mask)) {
    AddItem(*cmbChannel_, channel == 0 ? Display(kStrAuto) : QString::number(channel), channel);
  }
}

bool TFrameWlMode::LeavePage(TPropertyPageFrame* next, int direction, int request) {
  if (direction == kDirNext && Adapter() != nullptr) {
    WLProfile& working = FAGlobal().StationProfile();
    const WLProfile& defaults = Adapter()->DefaultProfile();
    working.AdHocBand = SelectedValue(*cmbAdHocMode_, defaults.AdHocBand);
    working.Channel = SelectedValue(*cmbChannel_, defaults.Channel);
  }
  return TWizardPage::LeavePage(next, direction, request);
}
