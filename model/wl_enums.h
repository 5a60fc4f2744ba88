#pragma once

#include <cstdint>

#include "model/display_strings.h"

// The numbered enumerations of the wireless records.
// They are plain enums with a fixed underlying type because the records hold
// them as 32-bit integers and compare them against these names directly; any
// value outside a list is still a legal record value (see each comment).

// Profile kind. Lists and pages treat every non-zero value as access point.
enum FuncMode : int32_t {
  kFuncModeStation = 0,
  kFuncModeAP = 1,
};

// Profile, status and survey network type: 1 is infrastructure, every other
// value is ad hoc. kNetworkModeAdHoc is the value the program itself writes.
enum NetworkMode : int32_t {
  kNetworkModeAdHoc = 0,
  kNetworkModeInfrastructure = 1,
};

// Radio of a profile (AdHocBand), of the status and of a survey entry. Other
// values show no radio text.
enum Radio : int32_t {
  kRadio80211b = 1,
  kRadio80211a = 2,
  kRadio80211g = 3,
};

// BandMask: a bit set of radios.
enum BandMaskBits : int32_t {
  kBand80211b = 0x001,
  kBand80211a = 0x002,
  kBand80211g = 0x004,
  kBandExtA = 0x100,  // accompanies 802.11a in the extended wireless modes
  kBandExtG = 0x200,  // accompanies 802.11g in the extended wireless modes
  kBand24GHz = kBand80211b | kBand80211g,
  kBand5GHz = kBand80211a,
};

// Wireless mode code (ABGMode, and the adapter settings "SupportMode" and
// "DefAPBand"): which radios may be used. Every value not listed means 34.
enum WirelessMode : int32_t {
  kModeB = 1,
  kModeA = 2,
  kModeG = 3,
  kModeBG = 11,
  kModeAG = 12,
  kModeBA = 13,
  kModeBAG = 14,
  kModeB2 = 21,  // b again; BandMaskToMode gives 1 for its mask
  kModeAExt = 22,
  kModeGExt = 23,
  kModeBGExt = 31,
  kModeAGExt = 32,
  kModeBAExt = 33,
  kModeBAGExt = 34,
  kModeDefault = kModeBAGExt,
};

// Profile security type; the status record's security mode uses the same values.
enum EncryptionMethod : int32_t {
  kEncryptNone = 0,
  kEncryptWEP = 1,
  kEncryptWPA_PSK = 2,
  kEncryptWPA = 3,
  kEncryptRadius = 4,
  kEncryptLEAP = 5,
  kEncryptWPA2_PSK = 6,
  kEncryptWPA2 = 7,
};

// WEP key length. 0 is offered by the access-point page only; the "WEP_152"
// text has no value in use.
enum WEPEncryptionLevel : int32_t {
  kWEPLevelNone = 0,
  kWEPLevel64 = 1,
  kWEPLevel128 = 2,
  kWEPLevel256 = 4,
};

// A profile without WEP keeps kWEPKeyHex.
enum WEPKeyFormat : int32_t {
  kWEPKeyHex = 1,
  kWEPKeyAscii = 2,
};

// 802.11 authentication for WEP; also the status record's authentication
// field, where every value other than 1 and 2 shows the open text.
enum AuthenticationMode : int32_t {
  kAuthOpen = 0,
  kAuthShared = 1,
  kAuthAuto = 2,
};

// WPA cipher.
enum WPAEncryptionType : int32_t {
  kWPATKIP = 1,
  kWPAAES = 2,
};

// 802.1X method; 0 = none chosen (no text).
enum MS8021xAuthMode : int32_t {
  k8021xNone = 0,
  k8021xTLS = 1,
  k8021xTTLS = 2,
  k8021xPEAP = 3,
  k8021xLEAP = 4,
  k8021xMD5 = 5,
};

// Inner method under TTLS.
enum TTLSEap : int32_t {
  kTTLSEapPAP = 0,
  kTTLSEapCHAP = 1,
  kTTLSEapMSCHAP = 2,
  kTTLSEapMSCHAPv2 = 3,
};

// Inner method under PEAP.
enum PeapEap : int32_t {
  kPeapEapGTC = 1,
  kPeapEapMSCHAPv2 = 2,
};

enum PreambleMode : int32_t {
  kPreambleLong = 0,
  kPreambleShort = 1,
  kPreambleAuto = 2,
};

// Power saving.
enum PowerMode : int32_t {
  kPowerSaveNone = 0,
  kPowerSaveMax = 1,
  kPowerSaveFast = 2,
};

// Transmit power (txPwrLevel, APtxPwrLevel, the status record's output power).
enum PowerLevel : int32_t {
  kPowerLevel0 = 0,  // maximum power
  kPowerLevel1 = 1,
  kPowerLevel2 = 2,
  kPowerLevel3 = 3,  // minimum power
};

// TxRate counts 500 kbit/s steps (2 = 1 Mbit/s, 11 = 5.5, 108 = 54); this value
// means automatic rate selection.
inline constexpr int32_t kTxRateAuto = 15;

// SecurityCode of a site-survey entry: single values and ranges.
enum SecurityCode : int32_t {
  kSecurityOpen = 0,
  kSecurityWEP = 1,
  kSecurityWPAFirst = 10,
  kSecurityWPALast = 15,
  kSecurityWPA_PSKFirst = 20,
  kSecurityWPA_PSKLast = 25,
  kSecurityWPA_PSKOther = 99,
  kSecurityWPA2First = 110,
  kSecurityWPA2Last = 115,
  kSecurityWPA2_PSKFirst = 120,
  kSecurityWPA2_PSKLast = 125,
  kSecurityWPA2_PSKOther = 199,
  kSecurityWPA_WPA2First = 1010,
  kSecurityWPA_WPA2Last = 1015,
  kSecurityWPA_WPA2_PSKFirst = 1020,
  kSecurityWPA_WPA2_PSKLast = 1025,
  kSecurityWPA_WPA2_PSKOther = 1099,
};

// The family a SecurityCode belongs to; each family has one display text.
enum class SecurityClass {
  kOpen,
  kWEP,
  kWPA,
  kWPA_PSK,
  kWPA2,
  kWPA2_PSK,
  kWPA_WPA2,
  kWPA_WPA2_PSK,
  kUnknown,
};

constexpr SecurityClass SecurityClassOf(int32_t code) {
  auto in = [code](int32_t first, int32_t last) { return code >= first && code <= last; };
  if (code == kSecurityOpen) return SecurityClass::kOpen;
  if (code == kSecurityWEP) return SecurityClass::kWEP;
  if (in(kSecurityWPAFirst, kSecurityWPALast)) return SecurityClass::kWPA;
  if (in(kSecurityWPA_PSKFirst, kSecurityWPA_PSKLast) || code == kSecurityWPA_PSKOther) {
    return SecurityClass::kWPA_PSK;
  }
  if (in(kSecurityWPA2First, kSecurityWPA2Last)) return SecurityClass::kWPA2;
  if (in(kSecurityWPA2_PSKFirst, kSecurityWPA2_PSKLast) || code == kSecurityWPA2_PSKOther) {
    return SecurityClass::kWPA2_PSK;
  }
  if (in(kSecurityWPA_WPA2First, kSecurityWPA_WPA2Last)) return SecurityClass::kWPA_WPA2;
  if (in(kSecurityWPA_WPA2_PSKFirst, kSecurityWPA_WPA2_PSKLast) ||
      code == kSecurityWPA_WPA2_PSKOther) {
    return SecurityClass::kWPA_WPA2_PSK;
  }
  return SecurityClass::kUnknown;
}

// Indices into the display-string table, named after their keys in section
// "Common" of the string file: DisplayString(kStrEncrypt_None).
enum DisplayStringIndex : int {
  kStrUnknow = 0,
  kStrdBm,
  kStrKbps,
  kStrMbps,
  kStrGHz,
  kStrAuto,
  kStrScanning,
  kStrTrustAny,
  kStrNone,
  kStrNotUse,
  kStrEnabled,  // 10
  kStrDisabled,
  kStrSignal,
  kStrQuality,
  kStrConnecting,
  kStrConnected,
  kStrDisConnected,
  kStrSignalNull,
  kStrSignalPoor,
  kStrSignalGood,
  kStrSignalVeryGood,  // 20
  kStrSignalExcellent,
  kStrAuthenticating,
  kStrAuthenRetry,
  kStrAuthenFail,
  kStrAuthenticated,
  kStrInfrastructure,
  kStrAdHoc,
  kStrEncrypt_None,
  kStrEncrypt_WEP,
  kStrEncrypt_WPA_PSK,  // 30
  kStrEncrypt_WPA,
  kStrEncrypt_Radius,
  kStrEncrypt_LEAP,
  kStrEncrypt_WPA2_PSK,
  kStrEncrypt_WPA2,
  kStrEncrypt_WPA_WPA2_PSK,
  kStrEncrypt_WPA_WPA2,
  kStrAuthen_None,
  kStrAuthen_MD5,
  kStrAuthen_LEAP,  // 40
  kStrAuthen_TLS,
  kStrAuthen_TTLS,
  kStrAuthen_PEAP,
  kStrWEP_64,
  kStrWEP_128,
  kStrWEP_152,
  kStrWEP_256,
  kStrWPA_TKIP,
  kStrWPA_AES,
  kStrAuthModeOpen,  // 50
  kStrAuthModeShare,
  kStrAuthModeAuto,
  kStrAuthModeWPA,
  kStrEAP_GTC,
  kStrEAP_PAP,
  kStrEAP_CHAP,
  kStrEAP_MSCHAP,
  kStrEAP_MSCHAP_2,
  kStrDrv_Encrypt_None,
  kStrDrv_Encrypt_WEP,  // 60
  kStrDrv_Encrypt_AES,
  kStrDrv_Encrypt_CKIP,
  kStrDrv_Encrypt_TKIP,
  kStr802B,
  kStr802G,
  kStr802A,
  kStr802G_Trb,
  kStr802A_Trb,
  kStrPowSaveNo,
  kStrPowSaveMax,  // 70
  kStrPowSaveFast,
  kStrPreambleLong,
  kStrPreambleShort,
  kStrPreambleAuto,
  kStrRoamNo,
  kStrRoamDef,
  kStrRoamOpt,
  kStrPowerLv0,
  kStrPowerLv1,
  kStrPowerLv2,  // 80
  kStrPowerLv3,
  kStrCount,
};
static_assert(kStrCount == kDisplayStringCount, "one name per display string");
static_assert(kStrEncrypt_None == 28 && kStr802B == 64 && kStrPowerLv3 == 81);
