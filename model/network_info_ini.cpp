#include "model/network_info_ini.h"

#include <cstring>
#include <iterator>

#include "model/wl_profile.h"

namespace {

bool SameBytes(const IPData& a, const IPData& b) {
  return std::memcmp(&a, &b, sizeof(IPData)) == 0;
}

#define NI_FIELD(name, kind, defaultValue, defaultText) \
  ORV_INI_FIELD(NetworkInfo, name, kind, defaultValue, defaultText)

const IniField kNetworkInfoFields[] = {
    NI_FIELD(NI_sz_CurProfile, kText, 0, kEditingProfileName),
    NI_FIELD(NI_wFlags, kUInt16, 0, nullptr),
    NI_FIELD(NI_wNetFlags, kUInt16, 0, nullptr),
    NI_FIELD(NI_wPPPFlags, kUInt16, 0, nullptr),
    NI_FIELD(NI_wEthWINSMode, kUInt16, 0, nullptr),
    NI_FIELD(NI_VPI, kUInt8, 0, nullptr),
    NI_FIELD(NI_VCI, kUInt8, 0, nullptr),
    NI_FIELD(NI_wEncapsulation, kUInt16, 0, nullptr),
    NI_FIELD(NI_IpAddr, kBytes, 0, nullptr),
    NI_FIELD(NI_IpMask, kBytes, 0, nullptr),
    NI_FIELD(NI_IpGate1, kBytes, 0, nullptr),
    NI_FIELD(NI_IpGate2, kBytes, 0, nullptr),
    NI_FIELD(NI_IpDNS1, kBytes, 0, nullptr),
    NI_FIELD(NI_IpDNS2, kBytes, 0, nullptr),
    NI_FIELD(NI_IpWINS1, kBytes, 0, nullptr),
    NI_FIELD(NI_IpWINS2, kBytes, 0, nullptr),
    NI_FIELD(NI_strScopeId, kText, 0, ""),
    NI_FIELD(NI_strHostName, kText, 0, ""),
    NI_FIELD(NI_strDomain, kText, 0, ""),
    NI_FIELD(NI_strDomSufSearch, kText, 0, ""),
    NI_FIELD(NI_strLoginUsr, kText, 0, ""),
    NI_FIELD(NI_strLoginPsw, kText, 0, ""),
    NI_FIELD(NI_strLoginDom, kText, 0, ""),
};
static_assert(std::size(kNetworkInfoFields) == 23);

}  // namespace

bool SameIPSettings(const NetworkInfo& a, const NetworkInfo& b) {
  return ((a.NI_wNetFlags ^ b.NI_wNetFlags) & 1) == 0 && SameBytes(a.NI_IpAddr, b.NI_IpAddr) &&
         SameBytes(a.NI_IpMask, b.NI_IpMask) && SameBytes(a.NI_IpGate1, b.NI_IpGate1) &&
         SameBytes(a.NI_IpDNS1, b.NI_IpDNS1) && SameBytes(a.NI_IpDNS2, b.NI_IpDNS2);
}

std::span<const IniField> NetworkInfoIniFields() { return kNetworkInfoFields; }

void AppendNetworkInfoKeys(const NetworkInfo& info, IniKeyValues& out) {
  for (const IniField& field : kNetworkInfoFields) AppendIniField(field, &info, out);
}

void ReadNetworkInfoKeys(const IniFile& ini, std::string_view section, NetworkInfo& info) {
  for (const IniField& field : kNetworkInfoFields) ReadIniField(ini, section, field, &info);
}
