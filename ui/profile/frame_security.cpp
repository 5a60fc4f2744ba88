#include "ui/profile/frame_security.h"

#include <QComboBox>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "model/profile_ini.h"
#include "model/wl_enums.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

constexpr int kLeft = 48;
constexpr int kRight = 360;
constexpr int kTop = 56;
constexpr int kRowHeight = 24;

struct SecurityItem {
  int text;
  int32_t type;
  const char* setting;
  bool adHoc;
};

// In the order of the list.
constexpr SecurityItem kItems[] = {
    {kStrEncrypt_None, kEncryptNone, "EnableNone", true},
    {kStrEncrypt_WEP, kEncryptWEP, "EnableWEP", true},
    {kStrEncrypt_WPA, kEncryptWPA, "EnableWPA", false},
    {kStrEncrypt_WPA2, kEncryptWPA2, "EnableWPA2", false},
    {kStrEncrypt_WPA_PSK, kEncryptWPA_PSK, "EnableWPA_PSK", false},
    {kStrEncrypt_WPA2_PSK, kEncryptWPA2_PSK, "EnableWPA2_PSK", false},
    {kStrEncrypt_Radius, kEncryptRadius, "EnableRADIUS", false},
};

// The WPA and WPA2 variants of a type stand in for each other when one is not offered.
int32_t StandIn(int32_t type) {
  switch (type) {
    case kEncryptWPA:
      return kEncryptWPA2;
    case kEncryptWPA2:
      return kEncryptWPA;
    case kEncryptWPA_PSK:
      return kEncryptWPA2_PSK;
    case kEncryptWPA2_PSK:
      return kEncryptWPA_PSK;
    default:
      return -1;
  }
}

}  // namespace

TFrameSecurity::TFrameSecurity(QWidget* parent)
    : TWizardPage("FrameSecurity1", "FrameSecurity", parent) {
  PageParts::AddHeading(*this, "LbSecuritySet", "Security Settings", G::kCardFull);
  lbSecurity_ = NewCaption(*this, "LbSecurity", "Encryption Type");
  cmbSecurity_ = new QComboBox(this);
  cmbSecurity_->setObjectName(QStringLiteral("CmbSecurity"));
  lbSecurity_->setBuddy(cmbSecurity_);
  AddWizardButtons(Bit(kBack) | Bit(kNext) | Bit(kExit));
}

void TFrameSecurity::InitPage() {
  TWizardPage::InitPage();
  cmbSecurity_->setGeometry(0, kTop, 0, kRowHeight);
  PlaceRows({{lbSecurity_, cmbSecurity_}}, kLeft, kRight);
  MarkCaptions(*this, {lbSecurity_});
  ResetPage();
}

void TFrameSecurity::ResetPage() { cmbSecurity_->clear(); }

bool TFrameSecurity::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  FillTypes();
  SelectType(FAGlobal().StationProfile().EncryptionMethod);
  return TWizardPage::EnterPage(previous, direction, request);
}

void TFrameSecurity::FillTypes() {
  cmbSecurity_->clear();
  if (Adapter() == nullptr) return;
  const AdapterSettings& settings = Adapter()->Settings();
  const bool infrastructure = FAGlobal().StationProfile().NetworkMode == kNetworkModeInfrastructure;
  for (const SecurityItem& item : kItems) {
    if ((infrastructure || item.adHoc) && settings.ReadSet(item.setting, true)) {
      AddItem(*cmbSecurity_, Display(item.text), item.type);
    }
  }
}

void TFrameSecurity::SelectType(int32_t type) {
  if (SelectByValue(*cmbSecurity_, type)) return;
  const int32_t standIn = StandIn(type);
  if (standIn >= 0 && SelectByValue(*cmbSecurity_, standIn)) return;
  SelectFirst(*cmbSecurity_);
}

bool TFrameSecurity::LeavePage(TPropertyPageFrame* next, int direction, int request) {
  if (direction == kDirNext) {
    WLProfile& working = FAGlobal().StationProfile();
    const int32_t type = SelectedValue(*cmbSecurity_, kEncryptNone);
    if (type != working.EncryptionMethod) {
      ResetSecurity(working);
      working.EncryptionMethod = type;
    }
  }
  return TWizardPage::LeavePage(next, direction, request);
}
