// ProfFromIniFile over arbitrary INI text. Every text field must come back
// NUL-terminated inside its buffer, whatever the file holds; the profile read
// is then written out again and read back, which must succeed.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/ini_file.h"
#include "fuzz/temp_file.h"
#include "model/profile_ini.h"

namespace {

template <size_t N>
void CheckText(const char (&text)[N]) {
  if (std::memchr(text, '\0', N) == nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzTempFile input("profile-in");
  static const FuzzTempFile output("profile-out");
  input.Write(data, size);
  IniFile ini(input.Path());
  WLProfile profile{};
  if (!ProfFromIniFile(ini, profile, "P")) return 0;

  CheckText(profile.ProfileName);
  CheckText(profile.Ssid1);
  CheckText(profile.PassPhrase);
  CheckText(profile.WEPKey4);
  CheckText(profile.WPAPassphrase);
  CheckText(profile.sCertAuthority_Issuer);
  CheckText(profile.NetworkInfo.NI_sz_CurProfile);
  CheckText(profile.NetworkInfo.NI_strLoginDom);
  if (profile.ApplyNetwork > 1 || profile.padding793[0] != 0 || profile.padding3970[1] != 0) {
    std::abort();
  }

  output.Write(nullptr, 0);
  IniFile out(output.Path());
  ProfToIniFile(out, profile, "P");
  WLProfile again{};
  if (!ProfFromIniFile(out, again, "P")) std::abort();
  // Integers, flags and bytes survive exactly; texts may lose blanks and quotes
  // at their ends, as every INI value does.
  if (again.FuncMode != profile.FuncMode || again.TxRate != profile.TxRate ||
      again.QosEnabled != profile.QosEnabled ||
      std::memcmp(again.APMacFilter, profile.APMacFilter, sizeof profile.APMacFilter) != 0 ||
      std::memcmp(&again.NetworkInfo.NI_wFlags, &profile.NetworkInfo.NI_wFlags,
                  offsetof(NetworkInfo, NI_strScopeId) - offsetof(NetworkInfo, NI_wFlags)) != 0) {
    std::abort();
  }
  return 0;
}
