#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvsim {

// What a network's SecurityCode promises and what a profile's EncryptionMethod
// asks for, reduced to key management, WPA generation and cipher.
enum class KeyManagement { kOpen, kWep, kPsk, kEap };

// WPAEncryptionType values; kAnyCipher where a code leaves the cipher open.
inline constexpr int32_t kAnyCipher = 0;
inline constexpr int32_t kCipherTkip = 1;
inline constexpr int32_t kCipherAes = 2;

// EncryptionMethod values.
inline constexpr int32_t kEncryptNone = 0;
inline constexpr int32_t kEncryptWep = 1;
inline constexpr int32_t kEncryptWpaPsk = 2;
inline constexpr int32_t kEncryptWpa = 3;
inline constexpr int32_t kEncryptWpa2Psk = 6;
inline constexpr int32_t kEncryptWpa2 = 7;

struct SecuritySuite {
  KeyManagement keyManagement = KeyManagement::kOpen;
  bool wpa = false;
  bool wpa2 = false;
  int32_t cipher = kAnyCipher;
};

// Nothing for codes the survey never carries.
std::optional<SecuritySuite> SuiteOfCode(int32_t securityCode);
// Nothing for methods no network here offers (802.1X with dynamic WEP, LEAP).
std::optional<SecuritySuite> SuiteOfProfile(int32_t encryptionMethod, int32_t wpaEncryptionType);
// Whether a station asking for `wanted` can join a network offering `offered`.
bool SuiteAccepts(const SecuritySuite& offered, const SecuritySuite& wanted);

// "WPA2-PSK (123)", "open", "WEP": a network's SecurityCode for people.
std::string SecurityName(int32_t securityCode);
// "WPA2-PSK", "WEP", "none": what a profile's EncryptionMethod asks for.
std::string EncryptionName(int32_t encryptionMethod);

}  // namespace orvsim
