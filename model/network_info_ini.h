#pragma once

#include <string_view>

#include "model/ini_fields.h"
#include "model/network_info.h"

class IniFile;

// Whether two records describe the same IP configuration for the purpose of
// applying it again: bit 0 of NI_wNetFlags, then the address, mask, first
// gateway and both DNS servers. Everything else is not compared.
bool SameIPSettings(const NetworkInfo& a, const NetworkInfo& b);

// The "NI_" keys in their order, as they follow a profile's keys.
std::span<const IniField> NetworkInfoIniFields();
void AppendNetworkInfoKeys(const NetworkInfo& info, IniKeyValues& out);
void ReadNetworkInfoKeys(const IniFile& ini, std::string_view section, NetworkInfo& info);
