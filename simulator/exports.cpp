// The library's C entry points. Each one runs behind Guard: injected faults
// first, and no exception ever crosses into the host.

#include <chrono>
#include <cstring>
#include <thread>

#include "adapter/orvwl.h"
#include "platform/text.h"
#include "simulator/association.h"
#include "simulator/entry_points.h"
#include "simulator/ip_config.h"
#include "simulator/radio.h"
#include "simulator/sim_adapter.h"
#include "simulator/text_codec.h"
#include "simulator/wep_keys.h"

using namespace orvsim;

#define ORVWL_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Pass phrases longer than any profile holds are cut here.
constexpr std::size_t kLongestPhrase = 256;

template <typename Body>
int32_t Faulted(EntryPoint entry, Body& body) {
  const std::optional<FaultRequest> fault = Sim().TakeFault(entry);
  if (!fault) return body(nullptr);
  switch (fault->kind) {
    case FaultKind::kFail:
      return FailureResult(entry);
    case FaultKind::kHang:
      std::this_thread::sleep_for(std::chrono::milliseconds(fault->value));
      return body(nullptr);
    case FaultKind::kStuck:
      while (Sim().FaultArmed(fault->id))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      return body(nullptr);
    case FaultKind::kCount:
    case FaultKind::kGarbage:
      return body(&*fault);
  }
  return FailureResult(entry);
}

template <typename Body>
int32_t Guard(EntryPoint entry, Body&& body) noexcept {
  try {
    const int32_t result = Faulted(entry, body);
    // Every change of state comes through a call, so here is where it shows.
    Sim().PublishLive();
    return result;
  } catch (...) {
    return FailureResult(entry);
  }
}

#define GUARD(entry, expression) \
  Guard(EntryPoint::entry, [&]([[maybe_unused]] const FaultRequest* fault) { return expression; })

int32_t WepKeys(const char* phrase, int32_t level, WEPKeySet* keys) {
  if (phrase == nullptr || keys == nullptr) return 0;
  const auto generated = WepKeysFromPhrase(TextOf(phrase, kLongestPhrase), level);
  if (!generated) return 0;
  keys->reserved0 = 0;
  for (std::size_t i = 0; i < generated->size(); ++i) {
    CopyText(keys->Keys[i], HexUpper((*generated)[i]));
  }
  return 1;
}

int32_t IpToText(const IPData* ip, char* text) {
  if (ip == nullptr || text == nullptr) return 0;
  CopyText(text, kIPTextBufferSize, IpText(*ip));
  return 1;
}

int32_t TextToIp(const char* text, IPData* ip) {
  if (text == nullptr || ip == nullptr) return 0;
  const auto parsed = ParseIp(TextOf(text, kIPTextBufferSize));
  if (!parsed) return 0;
  *ip = *parsed;
  return 1;
}

int32_t ProfileToStatus(const WLProfile* profile, WLANStatus* status) {
  if (profile == nullptr || status == nullptr) return 0;
  PackRequest(*profile, *status);
  return 1;
}

}  // namespace

ORVWL_EXPORT int32_t ORVWL_Initial(const char*, int32_t) {
  return GUARD(ORVWL_Initial, Sim().Initial());
}
ORVWL_EXPORT int32_t ORVWL_DevDetect(DeviceEntry* entry) {
  return GUARD(ORVWL_DevDetect, Sim().DevDetect(entry));
}
ORVWL_EXPORT int32_t ORVWL_EnumAvailableDevice(int32_t index, DeviceEntry* entry) {
  return GUARD(ORVWL_EnumAvailableDevice, Sim().EnumAvailableDevice(index, entry));
}
ORVWL_EXPORT int32_t ORVWL_QueryOID(uint32_t oid, void* buffer, uint32_t length,
                                    uint32_t* written) {
  return GUARD(ORVWL_QueryOID, Sim().QueryOID(oid, buffer, length, written, fault));
}
ORVWL_EXPORT int32_t ORVWL_SetOID(uint32_t oid, const void* buffer, uint32_t length) {
  return GUARD(ORVWL_SetOID, Sim().SetOID(oid, buffer, length));
}
ORVWL_EXPORT int32_t ORVWL_SiteSurveyScan(void) {
  return GUARD(ORVWL_SiteSurveyScan, Sim().SiteSurveyScan());
}
ORVWL_EXPORT int32_t ORVWL_SiteSurveyGet(void* buffer, uint32_t size) {
  return GUARD(ORVWL_SiteSurveyGet, Sim().SiteSurveyGet(buffer, size, fault));
}
ORVWL_EXPORT int32_t ORVWL_FrequencyToChannel(int32_t kHz) {
  return GUARD(ORVWL_FrequencyToChannel, FrequencyKHzToChannel(kHz));
}
ORVWL_EXPORT int32_t ORVWL_ChannelToFrequency(int32_t channel) {
  return GUARD(ORVWL_ChannelToFrequency, ChannelToFrequencyKHz(channel));
}
ORVWL_EXPORT int32_t ORVWL_GetWLANStatus(int32_t* more, WLANStatus* status) {
  return GUARD(ORVWL_GetWLANStatus, Sim().GetWLANStatus(more, status, fault));
}
ORVWL_EXPORT int32_t ORVWL_SetWLANStatus(uint32_t* result, const WLANStatus* status) {
  return GUARD(ORVWL_SetWLANStatus, Sim().SetWLANStatus(result, status));
}
ORVWL_EXPORT int32_t ORVWL_WLProfileToWLStatus(const WLProfile* profile, WLANStatus* status) {
  return GUARD(ORVWL_WLProfileToWLStatus, ProfileToStatus(profile, status));
}
ORVWL_EXPORT int32_t ORVWL_SetWLProfileDir(const char* root) {
  return GUARD(ORVWL_SetWLProfileDir, Sim().SetProfileDir(root));
}
ORVWL_EXPORT int32_t ORVWL_EnumWLProfiles(int32_t index, char* name) {
  return GUARD(ORVWL_EnumWLProfiles, Sim().EnumProfiles(index, name));
}
ORVWL_EXPORT int32_t ORVWL_GetWLProfile(const char* name, WLProfile* profile) {
  return GUARD(ORVWL_GetWLProfile, Sim().GetProfile(name, profile));
}
ORVWL_EXPORT int32_t ORVWL_SetWLProfile(const char* name, const WLProfile* profile) {
  return GUARD(ORVWL_SetWLProfile, Sim().SetProfile(name, profile));
}
ORVWL_EXPORT int32_t ORVWL_DeleteWLProfile(const char* name) {
  return GUARD(ORVWL_DeleteWLProfile, Sim().DeleteProfile(name));
}
ORVWL_EXPORT int32_t ORVWL_RegExportProfile(const char* file) {
  return GUARD(ORVWL_RegExportProfile, Sim().ExportProfiles(file));
}
ORVWL_EXPORT int32_t ORVWL_RegImportProfile(const char* file) {
  return GUARD(ORVWL_RegImportProfile, Sim().ImportProfiles(file));
}
ORVWL_EXPORT int32_t ORVWL_GetNetworkInfo(NetworkInfo* info) {
  return GUARD(ORVWL_GetNetworkInfo, Sim().GetNetworkInfo(info, fault));
}
ORVWL_EXPORT int32_t ORVWL_SetNetworkInfo(const NetworkInfo* info) {
  return GUARD(ORVWL_SetNetworkInfo, Sim().SetNetworkInfo(info));
}
ORVWL_EXPORT int32_t ORVWL_IPDataToStr(const IPData* ip, char* text) {
  return GUARD(ORVWL_IPDataToStr, IpToText(ip, text));
}
ORVWL_EXPORT int32_t ORVWL_StrToIPData(const char* text, IPData* ip) {
  return GUARD(ORVWL_StrToIPData, TextToIp(text, ip));
}
ORVWL_EXPORT int32_t ORVWL_GetWLANDriverPath(char* text) {
  return GUARD(ORVWL_GetWLANDriverPath, Sim().GetDriverPath(text));
}
ORVWL_EXPORT int32_t ORVWL_GetWLANDomain(char* text) {
  return GUARD(ORVWL_GetWLANDomain, Sim().GetDomain(text));
}
ORVWL_EXPORT int32_t ORVWL_SetWLANDomain(const char* domain) {
  return GUARD(ORVWL_SetWLANDomain, Sim().SetDomain(domain));
}
ORVWL_EXPORT int32_t ORVWL_Get_WZCService(void) {
  return GUARD(ORVWL_Get_WZCService, Sim().GetWZCService());
}
ORVWL_EXPORT int32_t ORVWL_Set_WZCService(int32_t enable) {
  return GUARD(ORVWL_Set_WZCService, Sim().SetWZCService(enable));
}
ORVWL_EXPORT int32_t ORVWL_Get_ZeroConfig(void) {
  return GUARD(ORVWL_Get_ZeroConfig, Sim().GetZeroConfig());
}
ORVWL_EXPORT int32_t ORVWL_Set_ZeroConfig(int32_t enable) {
  return GUARD(ORVWL_Set_ZeroConfig, Sim().SetZeroConfig(enable));
}
ORVWL_EXPORT int32_t ORVWL_PassphraseToWEPKey(const char* phrase, int32_t level, WEPKeySet* keys) {
  return GUARD(ORVWL_PassphraseToWEPKey, WepKeys(phrase, level, keys));
}
ORVWL_EXPORT int32_t ORVWL_EnumCertificates(const CertificateEntry** list, int32_t store) {
  return GUARD(ORVWL_EnumCertificates, Sim().EnumCertificates(list, store));
}
ORVWL_EXPORT int32_t ORVWL_GetAllowedChannel(int32_t* list, int32_t capacity, int32_t band,
                                             const char* domain) {
  return GUARD(ORVWL_GetAllowedChannel, Sim().AllowedChannels(list, capacity, band, domain, false));
}
ORVWL_EXPORT int32_t ORVWL_GetAPAllowedChannel(int32_t* list, int32_t capacity, int32_t band,
                                               const char* domain) {
  return GUARD(ORVWL_GetAPAllowedChannel,
               Sim().AllowedChannels(list, capacity, band, domain, true));
}
ORVWL_EXPORT int32_t ORVWL_IPRelease(void) { return GUARD(ORVWL_IPRelease, Sim().IPRelease()); }
ORVWL_EXPORT int32_t ORVWL_IPRenew(void) { return GUARD(ORVWL_IPRenew, Sim().IPRenew()); }
ORVWL_EXPORT int32_t ORVWL_GetAPStationList(void* buffer) {
  return GUARD(ORVWL_GetAPStationList, Sim().GetAPStationList(buffer, fault));
}
ORVWL_EXPORT int32_t ORVWL_Disconnect(void) { return GUARD(ORVWL_Disconnect, Sim().Disconnect()); }
ORVWL_EXPORT int32_t ORVWL_GetUSBType(void) { return GUARD(ORVWL_GetUSBType, Sim().GetUSBType()); }
ORVWL_EXPORT int32_t ORVWL_GetGinUSB11(void) {
  return GUARD(ORVWL_GetGinUSB11, Sim().GetGinUSB11());
}
ORVWL_EXPORT int32_t ORVWL_GetAPFilterMode(void) {
  return GUARD(ORVWL_GetAPFilterMode, Sim().GetAPFilterMode());
}
ORVWL_EXPORT int32_t ORVWL_GetCurrentProfile(char* name) {
  return GUARD(ORVWL_GetCurrentProfile, Sim().GetCurrentProfile(name));
}
ORVWL_EXPORT int32_t ORVWL_EnableDevice(int32_t value) {
  return GUARD(ORVWL_EnableDevice, Sim().EnableDevice(value));
}
ORVWL_EXPORT int32_t ORVWL_SetGinUSB11(int32_t value) {
  return GUARD(ORVWL_SetGinUSB11, Sim().SetGinUSB11(value));
}
ORVWL_EXPORT int32_t ORVWL_SetAPFilterMode(int32_t value) {
  return GUARD(ORVWL_SetAPFilterMode, Sim().SetAPFilterMode(value));
}
ORVWL_EXPORT int32_t ORVWL_SendUCharToDev(uint8_t value) {
  return GUARD(ORVWL_SendUCharToDev, Sim().SendUCharToDev(value));
}
ORVWL_EXPORT int32_t ORVWL_GetAPFilterList(void* list) {
  return GUARD(ORVWL_GetAPFilterList, Sim().GetAPFilterList(list));
}
ORVWL_EXPORT int32_t ORVWL_SetAPFilterList(const void* list) {
  return GUARD(ORVWL_SetAPFilterList, Sim().SetAPFilterList(list));
}
