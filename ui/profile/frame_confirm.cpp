#include "ui/profile/frame_confirm.h"

#include "core/fa_global_var.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/profile/profile_summary.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/ssid_text.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

constexpr int kLeft = 48;
constexpr int kRight = 528;
constexpr int kTop = 52;
constexpr int kRowStep = 34;
constexpr int kRowHeight = 22;

struct RowNames {
  const char* caption;
  const char* value;
  const char* designText;
};

constexpr RowNames kRowNames[] = {
    {"LbSSID", "LblSSID", "Network Name(SSID)"}, {"LbNetType", "LblNetType", "Network Type"},
    {"LbWlMode", "LblWlMode", "Network Mode"},   {"LbChannel", "LblChannel", "Channel"},
    {"LbSecurity", "LblSecurity", "Security"},
};

}  // namespace

TFrameConfirm::TFrameConfirm(QWidget* parent)
    : TWizardPage("FrameConfirm1", "FrameConfirm", parent) {
  PageParts::AddHeading(*this, "LbConfirm", "Security Settings", G::kCardFull);
  for (int i = 0; i < kRows; ++i) {
    const RowNames& names = kRowNames[i];
    TEllipsisLabel* caption = NewCaption(*this, names.caption, names.designText);
    auto* value = new TEllipsisLabel(this);
    value->setObjectName(QString::fromLatin1(names.value));
    value->SetEllipsisEnd(true);
    value->setGeometry(0, kTop + i * kRowStep, 0, kRowHeight);
    // Screen readers name each value by its caption.
    caption->setBuddy(value);
    captions_[static_cast<std::size_t>(i)] = caption;
    values_[static_cast<std::size_t>(i)] = value;
  }
  AddWizardButtons(Bit(kBack) | Bit(kSave) | Bit(kExit));
}

void TFrameConfirm::InitPage() {
  TWizardPage::InitPage();
  PlaceRows({{captions_[kSSID], values_[kSSID]},
             {captions_[kNetType], values_[kNetType]},
             {captions_[kWlMode], values_[kWlMode]},
             {captions_[kChannel], values_[kChannel]},
             {captions_[kSecurity], values_[kSecurity]}},
            kLeft, kRight);
  MarkCaptions(*this, {captions_[kSSID], captions_[kNetType], captions_[kWlMode],
                       captions_[kChannel], captions_[kSecurity]});
}

bool TFrameConfirm::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  const WLProfile& working = FAGlobal().StationProfile();
  values_[kSSID]->setText(SsidDisplayText(working.Ssid1, sizeof working.Ssid1));
  values_[kNetType]->setText(ProfileSummary::NetTypeText(working));
  values_[kWlMode]->setText(ProfileSummary::WlModeText(working, Adapter()));
  values_[kChannel]->setText(ProfileSummary::ChannelText(working));
  values_[kSecurity]->setText(ProfileSummary::SecurityText(working));
  for (TEllipsisLabel* value : values_) value->setToolTip(value->text());
  return TWizardPage::EnterPage(previous, direction, request);
}
