#include "simulator/sim_adapter.h"

#include <cstring>

#include "core/text.h"

namespace {

std::string Folded(const char* name) {
  std::string out(name);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool SameNoCase(const char* a, const char* b) { return Folded(a) == Folded(b); }

}  // namespace

int32_t SimAdapter::Initial(const char*, int32_t) { return 1; }

int32_t SimAdapter::DevDetect(DeviceEntry* entry) {
  if (entry == nullptr) return 0;
  std::lock_guard lock(mutex_);
  const std::string_view id = TextOf(entry->HardwareId);
  if (!plugged_ || !(id.empty() || SameNoCase(std::string(id).c_str(), kHardwareId))) return 0;
  CopyText(entry->Description, kDescription);
  return 1;
}

int32_t SimAdapter::QueryOID(uint32_t oid, void* buffer, uint32_t length, uint32_t* written) {
  if (buffer == nullptr) return 1;
  std::lock_guard lock(mutex_);
  if (!plugged_) return 1;
  uint32_t size = 0;
  if (oid == kOid8023CurrentAddress && length >= sizeof mac_) {
    std::memcpy(buffer, mac_, sizeof mac_);
    size = sizeof mac_;
  } else if (oid == kOidGenMediaConnectStatus && length >= sizeof(int32_t)) {
    const int32_t state = kMediaDisconnected;
    std::memcpy(buffer, &state, sizeof state);
    size = sizeof state;
  } else {
    return 1;
  }
  if (written != nullptr) *written = size;
  return 0;
}

int32_t SimAdapter::SetOID(uint32_t oid, const void* buffer, uint32_t length) {
  if (buffer == nullptr) return 1;
  std::lock_guard lock(mutex_);
  if (!plugged_) return 1;
  return oid == kOidVendorAntenna && length >= 1 ? 0 : 1;
}

int32_t SimAdapter::GetWLANStatus(int32_t* more, WLANStatus* status) {
  if (status == nullptr) return 0;
  std::lock_guard lock(mutex_);
  if (more != nullptr) *more = 0;
  if (!plugged_) return 0;
  status->MediaState = kMediaDisconnected;
  return 1;
}

int32_t SimAdapter::SetProfileDir(const char* root) {
  if (root == nullptr) return 0;
  std::lock_guard lock(mutex_);
  profileRoot_ = root;
  return 1;
}

int32_t SimAdapter::EnumProfiles(int32_t index, char* name) {
  if (name == nullptr || index < 0) return 0;
  std::lock_guard lock(mutex_);
  if (static_cast<std::size_t>(index) >= profiles_.size()) return 0;
  auto it = profiles_.begin();
  std::advance(it, index);
  CopyText(name, kProfileNameBufferSize, TextOf(it->second.ProfileName));
  return 1;
}

int32_t SimAdapter::GetProfile(const char* name, WLProfile* profile) {
  if (name == nullptr || profile == nullptr) return 0;
  std::lock_guard lock(mutex_);
  auto it = profiles_.find(Folded(name));
  if (it == profiles_.end()) return 0;
  *profile = it->second;
  return 1;
}

int32_t SimAdapter::SetProfile(const char* name, const WLProfile* profile) {
  if (name == nullptr || profile == nullptr) return 0;
  std::lock_guard lock(mutex_);
  WLProfile stored = *profile;
  CopyText(stored.ProfileName, TextOf(name, kProfileNameBufferSize));
  profiles_[Folded(stored.ProfileName)] = stored;
  return 1;
}

int32_t SimAdapter::DeleteProfile(const char* name) {
  if (name == nullptr) return 0;
  std::lock_guard lock(mutex_);
  return profiles_.erase(Folded(name)) > 0 ? 1 : 0;
}

int32_t SimAdapter::GetDriverPath(char* text) {
  if (text == nullptr) return 0;
  CopyText(text, kLibraryTextBufferSize, "ORVWL.DLL");
  return 1;
}

int32_t SimAdapter::GetDomain(char* text) {
  if (text == nullptr) return 0;
  std::lock_guard lock(mutex_);
  CopyText(text, kLibraryTextBufferSize, domain_);
  return 1;
}

int32_t SimAdapter::SetDomain(const char* domain) {
  if (domain == nullptr) return 0;
  std::lock_guard lock(mutex_);
  domain_ = std::string(TextOf(domain, kLibraryTextBufferSize));
  return 1;
}

int32_t SimAdapter::GetWZCService() {
  std::lock_guard lock(mutex_);
  return wzcRunning_ ? kWZCServiceRunning : 0;
}

int32_t SimAdapter::SetWZCService(int32_t enable) {
  std::lock_guard lock(mutex_);
  wzcRunning_ = enable != 0;
  return 1;
}

SimAdapter& Sim() {
  static SimAdapter adapter;
  return adapter;
}
