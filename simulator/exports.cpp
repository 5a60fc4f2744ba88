// The library's C entry points. Each one only checks its arguments and hands
// the call to the simulated adapter or to the radio arithmetic.

#include <cstdio>
#include <cstring>

#include "adapter/orvwl.h"
#include "core/text.h"
#include "simulator/radio.h"
#include "simulator/sim_adapter.h"

#define ORVWL_EXPORT extern "C" __attribute__((visibility("default")))

ORVWL_EXPORT int32_t ORVWL_Initial(const char* appName, int32_t flags) {
  return Sim().Initial(appName, flags);
}
ORVWL_EXPORT int32_t ORVWL_DevDetect(DeviceEntry* entry) { return Sim().DevDetect(entry); }
ORVWL_EXPORT int32_t ORVWL_EnumAvailableDevice(int32_t index, DeviceEntry* entry) {
  if (index != 0 || entry == nullptr) return 0;
  *entry = DeviceEntry{};
  CopyText(entry->HardwareId, SimAdapter::kHardwareId);
  return Sim().DevDetect(entry);
}
ORVWL_EXPORT int32_t ORVWL_QueryOID(uint32_t oid, void* buffer, uint32_t length,
                                    uint32_t* written) {
  return Sim().QueryOID(oid, buffer, length, written);
}
ORVWL_EXPORT int32_t ORVWL_SetOID(uint32_t oid, const void* buffer, uint32_t length) {
  return Sim().SetOID(oid, buffer, length);
}
ORVWL_EXPORT int32_t ORVWL_SiteSurveyScan(void) { return 1; }
ORVWL_EXPORT int32_t ORVWL_SiteSurveyGet(void* buffer, uint32_t size) {
  if (buffer == nullptr || size < sizeof(int32_t)) return 0;
  const int32_t count = 0;
  std::memcpy(buffer, &count, sizeof count);
  return count;
}
ORVWL_EXPORT int32_t ORVWL_FrequencyToChannel(int32_t kHz) { return FrequencyKHzToChannel(kHz); }
ORVWL_EXPORT int32_t ORVWL_ChannelToFrequency(int32_t channel) {
  return ChannelToFrequencyKHz(channel);
}
ORVWL_EXPORT int32_t ORVWL_GetWLANStatus(int32_t* more, WLANStatus* status) {
  return Sim().GetWLANStatus(more, status);
}
ORVWL_EXPORT int32_t ORVWL_SetWLANStatus(uint32_t* result, const WLANStatus* status) {
  if (status == nullptr) return 0;
  if (result != nullptr) *result = 0;
  return 0;
}
ORVWL_EXPORT int32_t ORVWL_WLProfileToWLStatus(const WLProfile* profile, WLANStatus* status) {
  return profile != nullptr && status != nullptr ? 1 : 0;
}
ORVWL_EXPORT int32_t ORVWL_SetWLProfileDir(const char* root) { return Sim().SetProfileDir(root); }
ORVWL_EXPORT int32_t ORVWL_EnumWLProfiles(int32_t index, char* name) {
  return Sim().EnumProfiles(index, name);
}
ORVWL_EXPORT int32_t ORVWL_GetWLProfile(const char* name, WLProfile* profile) {
  return Sim().GetProfile(name, profile);
}
ORVWL_EXPORT int32_t ORVWL_SetWLProfile(const char* name, const WLProfile* profile) {
  return Sim().SetProfile(name, profile);
}
ORVWL_EXPORT int32_t ORVWL_DeleteWLProfile(const char* name) { return Sim().DeleteProfile(name); }
ORVWL_EXPORT int32_t ORVWL_RegExportProfile(const char*) { return 0; }
ORVWL_EXPORT int32_t ORVWL_RegImportProfile(const char*) { return 0; }
ORVWL_EXPORT int32_t ORVWL_GetNetworkInfo(NetworkInfo* info) {
  if (info == nullptr) return 0;
  *info = NetworkInfo{};
  return 1;
}
ORVWL_EXPORT int32_t ORVWL_SetNetworkInfo(const NetworkInfo* info) { return info != nullptr; }
ORVWL_EXPORT int32_t ORVWL_IPDataToStr(const IPData* ip, char* text) {
  if (ip == nullptr || text == nullptr) return 0;
  std::snprintf(text, kIPTextBufferSize, "%u.%u.%u.%u", ip->bytes[0], ip->bytes[1], ip->bytes[2],
                ip->bytes[3]);
  return 1;
}
ORVWL_EXPORT int32_t ORVWL_StrToIPData(const char* text, IPData* ip) {
  if (text == nullptr || ip == nullptr) return 0;
  unsigned a, b, c, d;
  char tail;
  if (std::sscanf(text, "%3u.%3u.%3u.%3u%c", &a, &b, &c, &d, &tail) != 4 || a > 255 || b > 255 ||
      c > 255 || d > 255) {
    return 0;
  }
  *ip = IPData{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c),
                static_cast<uint8_t>(d)}};
  return 1;
}
ORVWL_EXPORT int32_t ORVWL_GetWLANDriverPath(char* text) { return Sim().GetDriverPath(text); }
ORVWL_EXPORT int32_t ORVWL_GetWLANDomain(char* text) { return Sim().GetDomain(text); }
ORVWL_EXPORT int32_t ORVWL_SetWLANDomain(const char* domain) { return Sim().SetDomain(domain); }
ORVWL_EXPORT int32_t ORVWL_Get_WZCService(void) { return Sim().GetWZCService(); }
ORVWL_EXPORT int32_t ORVWL_Set_WZCService(int32_t enable) { return Sim().SetWZCService(enable); }
ORVWL_EXPORT int32_t ORVWL_Get_ZeroConfig(void) { return 0; }
ORVWL_EXPORT int32_t ORVWL_Set_ZeroConfig(int32_t) { return 0; }
ORVWL_EXPORT int32_t ORVWL_PassphraseToWEPKey(const char*, int32_t, WEPKeySet*) { return 0; }
ORVWL_EXPORT int32_t ORVWL_EnumCertificates(const CertificateEntry** list, int32_t) {
  if (list != nullptr) *list = nullptr;
  return 0;
}
ORVWL_EXPORT int32_t ORVWL_GetAllowedChannel(int32_t*, int32_t, int32_t, const char*) { return 0; }
ORVWL_EXPORT int32_t ORVWL_GetAPAllowedChannel(int32_t*, int32_t, int32_t, const char*) {
  return 0;
}
ORVWL_EXPORT int32_t ORVWL_IPRelease(void) { return 0; }
ORVWL_EXPORT int32_t ORVWL_IPRenew(void) { return 0; }
ORVWL_EXPORT int32_t ORVWL_GetAPStationList(void* buffer) {
  if (buffer != nullptr) std::memset(buffer, 0, sizeof(StationBuffer));
  return 0;
}
ORVWL_EXPORT int32_t ORVWL_Disconnect(void) { return 0; }
ORVWL_EXPORT int32_t ORVWL_GetUSBType(void) { return 2; }
ORVWL_EXPORT int32_t ORVWL_GetGinUSB11(void) { return 0; }
ORVWL_EXPORT int32_t ORVWL_GetAPFilterMode(void) { return 0; }
ORVWL_EXPORT int32_t ORVWL_GetCurrentProfile(char* name) {
  if (name != nullptr) name[0] = '\0';
  return 0;
}
ORVWL_EXPORT int32_t ORVWL_EnableDevice(int32_t) { return 1; }
ORVWL_EXPORT int32_t ORVWL_SetGinUSB11(int32_t) { return 0; }
ORVWL_EXPORT int32_t ORVWL_SetAPFilterMode(int32_t) { return 0; }
ORVWL_EXPORT int32_t ORVWL_SendUCharToDev(uint8_t) { return 0; }
ORVWL_EXPORT int32_t ORVWL_GetAPFilterList(void* list) {
  if (list != nullptr) std::memset(list, 0, kAPFilterListSize);
  return 0;
}
ORVWL_EXPORT int32_t ORVWL_SetAPFilterList(const void*) { return 0; }
