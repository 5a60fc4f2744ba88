#pragma once

#include <QString>

struct WLProfile;
class CNICAdapter;

// The texts that sum up a profile, the same on the profile list's details and
// the wizard's confirmation.
namespace ProfileSummary {

QString NetTypeText(const WLProfile& profile);
// Infrastructure: the bands of its wireless mode; ad hoc: its radio, or
// "Auto" without an adapter to say how radios are named.
QString WlModeText(const WLProfile& profile, const CNICAdapter* adapter);
// An ad hoc network's fixed channel; infrastructure follows the access point.
QString ChannelText(const WLProfile& profile);
QString SecurityText(const WLProfile& profile);

}  // namespace ProfileSummary
