#include "model/profile_ini.h"

#include <cstring>
#include <exception>
#include <iterator>
#include <stdexcept>

#include "core/ini_file.h"
#include "model/network_info_ini.h"
#include "model/wl_enums.h"
#include "platform/debug_log.h"
#include "platform/text.h"

namespace {

#define PROF_FIELD(name, kind, defaultValue, defaultText) \
  ORV_INI_FIELD(WLProfile, name, kind, defaultValue, defaultText)
#define PROF_INT(name, defaultValue) PROF_FIELD(name, kInt32, defaultValue, nullptr)
#define PROF_TEXT(name, defaultText) PROF_FIELD(name, kText, 0, defaultText)
#define PROF_MAC(i)                                                                         \
  IniField {                                                                                \
    "APMacFilter" #i, IniFieldKind::kBytes, offsetof(WLProfile, APMacFilter) + 6 * i, 6, 0, \
        nullptr                                                                             \
  }

const IniField kProfileFields[] = {
    PROF_INT(FuncMode, kFuncModeStation),
    PROF_MAC(0),
    PROF_MAC(1),
    PROF_MAC(2),
    PROF_MAC(3),
    PROF_MAC(4),
    PROF_MAC(5),
    PROF_MAC(6),
    PROF_MAC(7),
    PROF_MAC(8),
    PROF_MAC(9),
    PROF_MAC(10),
    PROF_MAC(11),
    PROF_MAC(12),
    PROF_MAC(13),
    PROF_MAC(14),
    PROF_MAC(15),
    PROF_INT(APMacFilterMode, 0),
    PROF_INT(APtxPwrLevel, kPowerLevel0),
    PROF_INT(Channel, 0),
    PROF_INT(AdHocBand, 0),
    PROF_INT(TxRate, kTxRateAuto),
    PROF_INT(NetworkMode, kNetworkModeInfrastructure),
    PROF_INT(ABGMode, kModeDefault),
    PROF_TEXT(ProfileName, kEditingProfileName),
    PROF_TEXT(Ssid1, ""),
    PROF_TEXT(Ssid2, ""),
    PROF_TEXT(Ssid3, ""),
    PROF_INT(ApSSIDHide, 0),
    PROF_INT(WEPEncryptionLevel, kWEPLevelNone),
    PROF_TEXT(PassPhrase, ""),
    PROF_TEXT(WEPKey1, ""),
    PROF_TEXT(WEPKey2, ""),
    PROF_TEXT(WEPKey3, ""),
    PROF_TEXT(WEPKey4, ""),
    PROF_INT(DefaultKey, 0),
    PROF_INT(WEPKeyFormat, 0),  // 0, not kWEPKeyHex: the reader's default is 0
    PROF_INT(AuthenticationMode, kAuthAuto),
    PROF_INT(EncryptionMethod, kEncryptNone),
    PROF_INT(WPAEncryptionType, kWPATKIP),
    PROF_TEXT(WPAPassphrase, ""),
    PROF_INT(FragThreshold, 2346),
    PROF_INT(RTSThreshold, 2347),
    PROF_INT(PreambleMode, kPreambleAuto),
    PROF_INT(PowerMode, kPowerSaveNone),
    PROF_INT(txPwrLevel, kPowerLevel0),
    PROF_TEXT(LoginName, ""),
    PROF_TEXT(LoginPassword, ""),
    PROF_TEXT(DomainName, ""),
    PROF_TEXT(sCertificate, ""),
    PROF_TEXT(sCertificate_Issuer, ""),
    PROF_TEXT(sCertAuthority, ""),
    PROF_TEXT(sCertAuthority_Issuer, ""),
    PROF_INT(ValidateServerCert, 0),
    PROF_INT(MS8021xAuthMode, k8021xNone),
    PROF_INT(TTLSEap, 0),
    PROF_INT(PeapEap, 0),
    PROF_FIELD(ApplyNetwork, kBool8, 0, nullptr),
    PROF_INT(QosEnabled, 0),
};
// FuncMode, 16 MAC filter entries and 42 further keys.
static_assert(std::size(kProfileFields) == 59);

}  // namespace

std::span<const IniField> ProfileIniFields() { return kProfileFields; }

IniKeyValues ProfileIniKeyValues(const WLProfile& profile) {
  IniKeyValues keys;
  keys.reserve(std::size(kProfileFields) + NetworkInfoIniFields().size());
  for (const IniField& field : kProfileFields) AppendIniField(field, &profile, keys);
  AppendNetworkInfoKeys(profile.NetworkInfo, keys);
  return keys;
}

void ProfToIniFile(IniFile& ini, const WLProfile& profile, std::string_view section) {
  try {
    // All keys in one replacement of the file: the same file as writing them
    // one by one, but a reader on another thread never sees half a profile.
    const IniKeyValues keys = ProfileIniKeyValues(profile);
    // The private-profile write of the original raised on failure; here a
    // failed write takes the same path. Nothing of the section was written then.
    if (!ini.WriteStrings(section, keys))
      throw std::runtime_error("Unable to write to " + ini.Path());
  } catch (const std::exception& e) {
    DebugLog("ProfToIniFile exception: %s", e.what());
  }
}

bool ProfFromIniFile(const IniFile& ini, WLProfile& profile, std::string_view section) {
  try {
    if (!ini.SectionExists(section)) return false;
    for (const IniField& field : kProfileFields) ReadIniField(ini, section, field, &profile);
    ReadNetworkInfoKeys(ini, section, profile.NetworkInfo);
  } catch (const std::exception& e) {
    DebugLog("ProfFromIniFile exception: %s", e.what());
  }
  return true;
}

void ResetSecurity(WLProfile& profile) {
  profile.EncryptionMethod = kEncryptNone;
  profile.WEPEncryptionLevel = kWEPLevelNone;
  profile.WEPKeyFormat = kWEPKeyHex;
  profile.DefaultKey = 0;
  profile.AuthenticationMode = kAuthAuto;
  profile.WPAEncryptionType = kWPATKIP;
  profile.MS8021xAuthMode = k8021xNone;
  profile.TTLSEap = kTTLSEapMSCHAPv2;
  profile.PeapEap = kPeapEapMSCHAPv2;
  profile.ValidateServerCert = 0;
  // Whole buffers, not just the first byte: an old secret must not linger
  // behind the NUL of a record that goes to the library.
  auto empty = [](auto& text) { std::memset(text, 0, sizeof text); };
  empty(profile.PassPhrase);
  empty(profile.WEPKey1);
  empty(profile.WEPKey2);
  empty(profile.WEPKey3);
  empty(profile.WEPKey4);
  empty(profile.WPAPassphrase);
  empty(profile.LoginName);
  empty(profile.LoginPassword);
  empty(profile.DomainName);
  empty(profile.sCertificate);
  empty(profile.sCertificate_Issuer);
  empty(profile.sCertAuthority);
  empty(profile.sCertAuthority_Issuer);
}
