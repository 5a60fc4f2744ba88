#pragma once

#include "adapter/wl_records.h"
#include "core/ctl_message.h"
#include "model/wl_profile.h"

class WLLibrary;

// The adapter's records as the terminal command reports them, with the same
// conversions the pages show. Network names stay bytes; the command escapes
// them for the terminal.
namespace ctl {

// Link values (empty of them while not associated); traffic as totals.
Record LinkRecord(const WLANStatus& status, const NetworkInfo& info, const WLLibrary& library);
Record SiteRecord(const SiteSurveyEntry& entry, const WLLibrary& library);
Record ProfileRecord(const WLProfile& profile, bool applied);
Record StationRecord(const APStation& station);

std::string MacAddressText(const uint8_t (&mac)[6]);

}  // namespace ctl
