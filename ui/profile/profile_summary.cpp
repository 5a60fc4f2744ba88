#include "ui/profile/profile_summary.h"

#include <string>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "model/wl_enums.h"
#include "model/wl_profile.h"
#include "model/wl_text.h"
#include "ui/shell/control_texts.h"

namespace ProfileSummary {

namespace {

QString Local(const std::string& text) { return QString::fromLocal8Bit(text); }

bool Infrastructure(const WLProfile& profile) {
  return profile.NetworkMode == kNetworkModeInfrastructure;
}

}  // namespace

QString NetTypeText(const WLProfile& profile) {
  return DisplayText(Infrastructure(profile) ? kStrInfrastructure : kStrAdHoc);
}

QString WlModeText(const WLProfile& profile, const CNICAdapter* adapter) {
  if (Infrastructure(profile)) return Local(BandText(profile.ABGMode, FAGlobal()));
  if (adapter == nullptr) return DisplayText(kStrAuto);
  const bool standard = adapter->Settings().ReadSet("EnableAdHocG", true);
  return Local(BandName(profile.AdHocBand, standard, FAGlobal()));
}

QString ChannelText(const WLProfile& profile) {
  if (profile.Channel == 0 || Infrastructure(profile)) return DisplayText(kStrAuto);
  return QString::number(profile.Channel);
}

QString SecurityText(const WLProfile& profile) {
  return Local(EncryptionText(profile.EncryptionMethod, FAGlobal()));
}

}  // namespace ProfileSummary
