#pragma once

// The vendor wireless-LAN library's ABI. The program resolves these 48 entry
// points by name at run time; the simulated library compiles against this same
// header, so the two cannot drift apart. Frequencies are in kHz.

#include <cstdint>

#include "adapter/wl_records.h"
#include "model/network_info.h"
#include "model/wl_profile.h"

// X(name, parameter list): every entry point returns int32_t.
#define ORVWL_ENTRY_POINTS(X)                                                        \
  X(ORVWL_Initial, (const char* appName, int32_t flags))                             \
  X(ORVWL_DevDetect, (DeviceEntry * entry))                                          \
  X(ORVWL_EnumAvailableDevice, (int32_t index, DeviceEntry* entry))                  \
  X(ORVWL_QueryOID, (uint32_t oid, void* buffer, uint32_t length, uint32_t* written)) \
  X(ORVWL_SetOID, (uint32_t oid, const void* buffer, uint32_t length))               \
  X(ORVWL_SiteSurveyScan, (void))                                                    \
  X(ORVWL_SiteSurveyGet, (void* buffer, uint32_t size))                              \
  X(ORVWL_FrequencyToChannel, (int32_t kHz))                                         \
  X(ORVWL_ChannelToFrequency, (int32_t channel))                                     \
  X(ORVWL_GetWLANStatus, (int32_t * more, WLANStatus* status))                       \
  X(ORVWL_SetWLANStatus, (uint32_t * result, const WLANStatus* status))              \
  X(ORVWL_WLProfileToWLStatus, (const WLProfile* profile, WLANStatus* status))       \
  X(ORVWL_SetWLProfileDir, (const char* root))                                       \
  X(ORVWL_EnumWLProfiles, (int32_t index, char* name))                               \
  X(ORVWL_GetWLProfile, (const char* name, WLProfile* profile))                      \
  X(ORVWL_SetWLProfile, (const char* name, const WLProfile* profile))                \
  X(ORVWL_DeleteWLProfile, (const char* name))                                       \
  X(ORVWL_RegExportProfile, (const char* file))                                      \
  X(ORVWL_RegImportProfile, (const char* file))                                      \
  X(ORVWL_GetNetworkInfo, (NetworkInfo * info))                                      \
  X(ORVWL_SetNetworkInfo, (const NetworkInfo* info))                                 \
  X(ORVWL_IPDataToStr, (const IPData* ip, char* text))                               \
  X(ORVWL_StrToIPData, (const char* text, IPData* ip))                               \
  X(ORVWL_GetWLANDriverPath, (char* text))                                           \
  X(ORVWL_GetWLANDomain, (char* text))                                               \
  X(ORVWL_SetWLANDomain, (const char* domain))                                       \
  X(ORVWL_Get_WZCService, (void))                                                    \
  X(ORVWL_Set_WZCService, (int32_t enable))                                          \
  X(ORVWL_Get_ZeroConfig, (void))                                                    \
  X(ORVWL_Set_ZeroConfig, (int32_t enable))                                          \
  X(ORVWL_PassphraseToWEPKey, (const char* phrase, int32_t level, WEPKeySet* keys))  \
  X(ORVWL_EnumCertificates, (const CertificateEntry** list, int32_t store))          \
  X(ORVWL_GetAllowedChannel,                                                         \
    (int32_t * list, int32_t capacity, int32_t band, const char* domain))            \
  X(ORVWL_GetAPAllowedChannel,                                                       \
    (int32_t * list, int32_t capacity, int32_t band, const char* domain))            \
  X(ORVWL_IPRelease, (void))                                                         \
  X(ORVWL_IPRenew, (void))                                                           \
  X(ORVWL_GetAPStationList, (void* buffer))                                          \
  X(ORVWL_Disconnect, (void))                                                        \
  X(ORVWL_GetUSBType, (void))                                                        \
  X(ORVWL_GetGinUSB11, (void))                                                       \
  X(ORVWL_GetAPFilterMode, (void))                                                   \
  X(ORVWL_GetCurrentProfile, (char* name))                                           \
  X(ORVWL_EnableDevice, (int32_t value))                                             \
  X(ORVWL_SetGinUSB11, (int32_t value))                                              \
  X(ORVWL_SetAPFilterMode, (int32_t value))                                          \
  X(ORVWL_SendUCharToDev, (uint8_t value))                                           \
  X(ORVWL_GetAPFilterList, (void* list))                                             \
  X(ORVWL_SetAPFilterList, (const void* list))

// Buffer sizes the entry points rely on.
inline constexpr int kProfileNameBufferSize = 65;   // EnumWLProfiles, GetCurrentProfile
inline constexpr int kIPTextBufferSize = 260;       // IPDataToStr
inline constexpr int kLibraryTextBufferSize = 256;  // GetWLANDriverPath, GetWLANDomain
inline constexpr int32_t kWZCServiceRunning = 4;
inline constexpr int kAPFilterListSize = 16 * 6;

extern "C" {
#define ORVWL_DECLARE(name, params) int32_t name params;
ORVWL_ENTRY_POINTS(ORVWL_DECLARE)
#undef ORVWL_DECLARE
}

// The function table the loader fills, one pointer per entry point.
struct OrvwlApi {
#define ORVWL_POINTER(name, params) int32_t(*name) params = nullptr;
  ORVWL_ENTRY_POINTS(ORVWL_POINTER)
#undef ORVWL_POINTER
};

inline constexpr int kOrvwlEntryPointCount = 0
#define ORVWL_COUNT(name, params) +1
    ORVWL_ENTRY_POINTS(ORVWL_COUNT)
#undef ORVWL_COUNT
    ;
static_assert(kOrvwlEntryPointCount == 48);
