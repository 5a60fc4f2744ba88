// The adapter manager's two profile lists. The library stores the profiles;
// the adapter's settings section keeps only their display order.

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "adapter/nic_adapter.h"
#include "adapter/nic_adapter_shared.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "model/profile_ini.h"
#include "model/wl_enums.h"
#include "platform/debug_log.h"
#include "platform/text.h"

namespace {

// A library that keeps answering "one more" must not hang the program.
constexpr int kMaxEnumeratedProfiles = 100000;

const char* CountKey(int32_t kind) { return kind == 0 ? "ProfCount" : "APProfCount"; }

std::string NameKey(int32_t kind, int position) {
  return (kind == 0 ? "Prof" : "APProf") + std::to_string(position);
}

bool SameName(const WLProfile& profile, std::string_view name) {
  return EqualsNoCase(TextOf(profile.ProfileName), name);
}

int FindName(const std::vector<WLProfile>& list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (SameName(list[i], name)) return static_cast<int>(i);
  }
  return -1;
}

struct SecurityRow {
  std::initializer_list<int32_t> codes;
  int32_t encryption;
  int32_t wpaType;  // 0: unchanged
};

// Profile security for the security codes a scan reports.
constexpr int32_t kTkip = 1;
constexpr int32_t kAes = 2;
const SecurityRow kSecurityRows[] = {
    {{10, 11, 12, 15, 1010, 1011, 1012, 1015}, 3, kTkip},
    {{13, 14, 1013, 1014}, 3, kAes},
    {{20, 21, 22, 25, 99, 1020, 1021, 1022, 1025, 1099}, 2, kTkip},
    {{23, 24, 1023, 1024}, 2, kAes},
    {{110, 111, 112, 115}, 7, kTkip},
    {{113, 114}, 7, kAes},
    {{120, 121, 122, 125, 199}, 6, kTkip},
    {{123, 124}, 6, kAes},
};

void ApplySecurityCode(int32_t code, WLProfile& out) {
  if (code == 1) {
    out.EncryptionMethod = 1;
    out.WEPEncryptionLevel = 1;
    return;
  }
  for (const SecurityRow& row : kSecurityRows) {
    if (std::find(row.codes.begin(), row.codes.end(), code) != row.codes.end()) {
      out.EncryptionMethod = row.encryption;
      out.WPAEncryptionType = row.wpaType;
      return;
    }
  }
  out.EncryptionMethod = 0;
  out.WEPEncryptionLevel = 0;
}

}  // namespace

std::vector<WLProfile>& CNICAdapter::ListOf(int32_t kind) {
  return kind == 0 ? stationList_ : apList_;
}

const std::vector<WLProfile>& CNICAdapter::ListOf(int32_t kind) const {
  return kind == 0 ? stationList_ : apList_;
}

void CNICAdapter::ReadProfileList(int32_t kind, std::vector<WLProfile>& list) {
  DebugLog("CNICAdapter::ReadProfileList()");
  std::vector<WLProfile> scratch;
  {
    const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
    if (!lock) return;
    const OrvwlApi& api = shared_->library.Api();
    const WLProfile& base = kind == 0 ? defaultProfile_ : defaultAPProfile_;
    char name[kProfileNameBufferSize] = {};
    for (int i = 0; i < kMaxEnumeratedProfiles && api.ORVWL_EnumWLProfiles(i, name) == 1; ++i) {
      name[sizeof name - 1] = '\0';
      WLProfile profile = base;
      if (api.ORVWL_GetWLProfile(name, &profile) == 1 && profile.FuncMode == kind) {
        CopyText(profile.NetworkInfo.NI_sz_CurProfile, TextOf(profile.ProfileName));
        scratch.push_back(profile);
      }
      std::memset(name, 0, sizeof name);
    }
  }

  const AdapterSettings& set = shared_->settings;
  const int oldCount = set.ReadSet(CountKey(kind), int32_t{0});
  list.clear();
  for (int position = 0; position < oldCount && !scratch.empty(); ++position) {
    const int found = FindName(scratch, set.ReadSet(NameKey(kind, position), ""));
    if (found < 0) continue;
    list.push_back(scratch[static_cast<std::size_t>(found)]);
    scratch.erase(scratch.begin() + found);
  }
  list.insert(list.end(), scratch.begin(), scratch.end());
  WriteOrder(kind, list, 0, static_cast<int>(list.size()));
  // Only keys that exist are deleted, so a damaged count cannot make this loop long.
  const std::string prefix = kind == 0 ? "Prof" : "APProf";
  if (IniFile* ini = shared_->global.SettingsFile()) {
    for (const std::string& key : ini->KeyNames(set.Section())) {
      int32_t position = -1;
      if (key.size() > prefix.size() && EqualsNoCase(key.substr(0, prefix.size()), prefix) &&
          IniFile::ParseInteger(key.substr(prefix.size()), position) &&
          EqualsNoCase(key, NameKey(kind, position)) &&
          position >= static_cast<int32_t>(list.size()) && position < oldCount) {
        set.SetDeleteKey(key);
      }
    }
  }
}

// Writes the count and the name keys of positions [from, to).
void CNICAdapter::WriteOrder(int32_t kind, const std::vector<WLProfile>& list, int from,
                             int to) const {
  std::vector<std::pair<std::string, std::string>> entries;
  entries.emplace_back(CountKey(kind), std::to_string(list.size()));
  for (int i = from; i < to; ++i) {
    entries.emplace_back(NameKey(kind, i), TextOf(list[static_cast<std::size_t>(i)].ProfileName));
  }
  shared_->settings.WriteSet(entries);
}

void CNICAdapter::GetProfileList(int32_t kind, std::vector<WLProfile>& list) const {
  DebugLog("CNICAdapter::GetProfileList()");
  const std::vector<WLProfile>& source = ListOf(kind);
  list.insert(list.end(), source.begin(), source.end());
}

int CNICAdapter::AddProfile(const WLProfile& profile) {
  DebugLog("CNICAdapter::AddProfile()");
  const std::string name(TextOf(profile.ProfileName));
  if (ProfileExists(name)) return UpdateProfile(profile, name);
  {
    const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
    if (!lock) return 0;
    shared_->library.Api().ORVWL_SetWLProfile(name.c_str(), &profile);
  }
  const int32_t kind = profile.FuncMode == 0 ? 0 : 1;
  std::vector<WLProfile>& list = ListOf(kind);
  list.push_back(profile);
  const int last = static_cast<int>(list.size()) - 1;
  WriteOrder(kind, list, last, last + 1);
  shared_->notifier->Post(PM_PROFILELIST, profile.FuncMode);
  return 1;
}

int CNICAdapter::DeleteProfile(int32_t kind, const std::string& name) {
  DebugLog("CNICAdapter::DeleteProfile()");
  const int32_t listKind = kind == 0 ? 0 : 1;
  std::vector<WLProfile>& list = ListOf(listKind);
  const int position = FindName(list, name);
  if (position < 0) return 0;
  {
    const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
    if (!lock) return 0;
    shared_->library.Api().ORVWL_DeleteWLProfile(name.c_str());
  }
  list.erase(list.begin() + position);
  shared_->settings.SetDeleteKey(NameKey(listKind, static_cast<int>(list.size())));
  WriteOrder(listKind, list, position, static_cast<int>(list.size()));
  shared_->notifier->Post(PM_PROFILELIST, kind);
  return 1;
}

int CNICAdapter::UpdateProfile(const WLProfile& profile, const std::string& oldName) {
  DebugLog("CNICAdapter::UpdateProfile()");
  const int32_t kind = profile.FuncMode == 0 ? 0 : 1;
  std::vector<WLProfile>& list = ListOf(kind);
  const int position = FindName(list, oldName);
  if (position < 0) return 0;
  const std::string name(TextOf(profile.ProfileName));
  {
    const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
    if (!lock) return 0;
    const OrvwlApi& api = shared_->library.Api();
    api.ORVWL_DeleteWLProfile(oldName.c_str());
    api.ORVWL_SetWLProfile(name.c_str(), &profile);
  }
  list[static_cast<std::size_t>(position)] = profile;
  shared_->settings.WriteSet(NameKey(kind, position), name);
  shared_->notifier->Post(PM_PROFILELIST, profile.FuncMode);
  return 1;
}

bool CNICAdapter::ProfileExists(const std::string& name) const {
  return FindName(stationList_, name) >= 0 || FindName(apList_, name) >= 0;
}

std::string CNICAdapter::GetLastProfileName(int32_t kind) const {
  const int32_t listKind = kind == 0 ? 0 : 1;
  const std::string name = shared_->settings.ReadSet(listKind == 0 ? "LastProf" : "LastAPProf", "");
  return FindName(ListOf(listKind), name) >= 0 ? name : std::string();
}

void CNICAdapter::GetLastApplyProfile(WLProfile& out) const {
  IniFile* ini = shared_->global.SettingsFile();
  if (ini == nullptr || !ProfFromIniFile(*ini, out, "LastApplyProf")) out = defaultProfile_;
}

void CNICAdapter::ProfileFromSite(const SiteSurveyEntry& entry, WLProfile& out) {
  out = defaultProfile_;
  const std::size_t length =
      static_cast<std::size_t>(std::clamp<int32_t>(entry.SsidLength, 0, sizeof entry.Ssid));
  std::memset(out.Ssid1, 0, sizeof out.Ssid1);
  std::memcpy(out.Ssid1, entry.Ssid, length);
  out.NetworkMode = entry.InfrastructureMode;
  out.Channel = shared_->library.Api().ORVWL_FrequencyToChannel(entry.Frequency);
  out.ABGMode = supportMode_;
  if (out.NetworkMode != 1) {
    const int32_t usable = GetUsableAdHocBand(supportMode_);
    if (entry.Radio == 1 && (usable & kBand80211b)) {
      out.AdHocBand = 1;
    } else if (entry.Radio == 2 && (usable & kBand80211a)) {
      out.AdHocBand = 2;
    } else if (entry.Radio == 3) {
      if (usable & kBand80211g) {
        out.AdHocBand = 3;
      } else if (usable & kBand80211b) {
        out.AdHocBand = 1;
      }
    }
  }
  ApplySecurityCode(entry.SecurityCode, out);
}
