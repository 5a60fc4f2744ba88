#pragma once

#include <span>
#include <string_view>

#include "model/ini_fields.h"
#include "model/network_info_ini.h"
#include "model/wl_profile.h"

class IniFile;

// The INI form of a WLProfile: one section, one key per field in a fixed
// order, followed by the "NI_" keys of its NetworkInfo.

// Writes every key of the profile into the section, as one replacement of the
// file. A write that fails is logged as "ProfToIniFile exception: ..."; the
// file then stays as it was.
void ProfToIniFile(IniFile& ini, const WLProfile& profile, std::string_view section);

// Reads the profile from the section: false when the section does not exist
// (the profile is untouched), true otherwise, also after an error (logged as
// "ProfFromIniFile exception: ..."; fields read so far keep their new values).
// Missing keys and values that are not numbers give the defaults of the data
// model; byte fields (MAC filter, IP addresses) take as many whole hex pairs as
// the value supplies and stay unchanged when it supplies none.
bool ProfFromIniFile(const IniFile& ini, WLProfile& profile, std::string_view section);

// Sets every security field to its neutral value; all other fields stay.
void ResetSecurity(WLProfile& profile);

// The profile's own keys (without the "NI_" keys), in writing order.
std::span<const IniField> ProfileIniFields();
// Every key and value ProfToIniFile writes, in order.
IniKeyValues ProfileIniKeyValues(const WLProfile& profile);
