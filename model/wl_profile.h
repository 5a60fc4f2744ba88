#pragma once

#include <cstddef>
#include <cstdint>

#include "model/network_info.h"

inline constexpr int kMacFilterEntries = 16;
inline constexpr char kEditingProfileName[] = "(EditingProfile)";

// A complete wireless configuration, exchanged whole with the library. Field
// names are the INI keys. Value-initialise it ({}): padding must be zero.
struct WLProfile {
  int32_t FuncMode;
  uint8_t APMacFilter[kMacFilterEntries][6];
  int32_t APMacFilterMode;
  int32_t APtxPwrLevel;
  int32_t Channel;
  int32_t AdHocBand;
  int32_t TxRate;
  int32_t NetworkMode;
  int32_t ABGMode;
  char ProfileName[65];
  char Ssid1[33];
  char Ssid2[33];
  char Ssid3[33];
  int32_t ApSSIDHide;
  int32_t WEPEncryptionLevel;
  char PassPhrase[257];
  char WEPKey1[59];
  char WEPKey2[59];
  char WEPKey3[59];
  char WEPKey4[59];
  uint8_t padding793[3];
  int32_t DefaultKey;
  int32_t WEPKeyFormat;
  int32_t AuthenticationMode;
  int32_t EncryptionMethod;
  int32_t WPAEncryptionType;
  char WPAPassphrase[260];
  int32_t FragThreshold;
  int32_t RTSThreshold;
  int32_t PreambleMode;
  int32_t PowerMode;
  int32_t txPwrLevel;
  char LoginName[260];
  char LoginPassword[260];
  char DomainName[260];
  char sCertificate[260];
  char sCertificate_Issuer[260];
  char sCertAuthority[260];
  char sCertAuthority_Issuer[260];
  int32_t ValidateServerCert;
  int32_t MS8021xAuthMode;
  int32_t TTLSEap;
  int32_t PeapEap;
  uint8_t ApplyNetwork;
  uint8_t padding2933;
  ::NetworkInfo NetworkInfo;
  uint8_t padding3970[2];
  int32_t QosEnabled;
};

static_assert(sizeof(WLProfile) == 3976);
static_assert(offsetof(WLProfile, FuncMode) == 0);
static_assert(offsetof(WLProfile, APMacFilter) == 4);
static_assert(offsetof(WLProfile, APMacFilterMode) == 100);
static_assert(offsetof(WLProfile, APtxPwrLevel) == 104);
static_assert(offsetof(WLProfile, Channel) == 108);
static_assert(offsetof(WLProfile, AdHocBand) == 112);
static_assert(offsetof(WLProfile, TxRate) == 116);
static_assert(offsetof(WLProfile, NetworkMode) == 120);
static_assert(offsetof(WLProfile, ABGMode) == 124);
static_assert(offsetof(WLProfile, ProfileName) == 128);
static_assert(offsetof(WLProfile, Ssid1) == 193);
static_assert(offsetof(WLProfile, Ssid2) == 226);
static_assert(offsetof(WLProfile, Ssid3) == 259);
static_assert(offsetof(WLProfile, ApSSIDHide) == 292);
static_assert(offsetof(WLProfile, WEPEncryptionLevel) == 296);
static_assert(offsetof(WLProfile, PassPhrase) == 300);
static_assert(offsetof(WLProfile, WEPKey1) == 557);
static_assert(offsetof(WLProfile, WEPKey2) == 616);
static_assert(offsetof(WLProfile, WEPKey3) == 675);
static_assert(offsetof(WLProfile, WEPKey4) == 734);
static_assert(offsetof(WLProfile, DefaultKey) == 796);
static_assert(offsetof(WLProfile, WEPKeyFormat) == 800);
static_assert(offsetof(WLProfile, AuthenticationMode) == 804);
static_assert(offsetof(WLProfile, EncryptionMethod) == 808);
static_assert(offsetof(WLProfile, WPAEncryptionType) == 812);
static_assert(offsetof(WLProfile, WPAPassphrase) == 816);
static_assert(offsetof(WLProfile, FragThreshold) == 1076);
static_assert(offsetof(WLProfile, RTSThreshold) == 1080);
static_assert(offsetof(WLProfile, PreambleMode) == 1084);
static_assert(offsetof(WLProfile, PowerMode) == 1088);
static_assert(offsetof(WLProfile, txPwrLevel) == 1092);
static_assert(offsetof(WLProfile, LoginName) == 1096);
static_assert(offsetof(WLProfile, LoginPassword) == 1356);
static_assert(offsetof(WLProfile, DomainName) == 1616);
static_assert(offsetof(WLProfile, sCertificate) == 1876);
static_assert(offsetof(WLProfile, sCertificate_Issuer) == 2136);
static_assert(offsetof(WLProfile, sCertAuthority) == 2396);
static_assert(offsetof(WLProfile, sCertAuthority_Issuer) == 2656);
static_assert(offsetof(WLProfile, ValidateServerCert) == 2916);
static_assert(offsetof(WLProfile, MS8021xAuthMode) == 2920);
static_assert(offsetof(WLProfile, TTLSEap) == 2924);
static_assert(offsetof(WLProfile, PeapEap) == 2928);
static_assert(offsetof(WLProfile, ApplyNetwork) == 2932);
static_assert(offsetof(WLProfile, NetworkInfo) == 2934);
static_assert(offsetof(WLProfile, QosEnabled) == 3972);
