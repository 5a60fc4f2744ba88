#include "simulator/security.h"

namespace orvsim {

namespace {

int32_t CipherOfDigit(int32_t code) {
  const int32_t digit = code % 10;
  return digit == 3 || digit == 4 ? kCipherAes : kCipherTkip;
}

}  // namespace

std::optional<SecuritySuite> SuiteOfCode(int32_t code) {
  if (code == 0) return SecuritySuite{};
  if (code == 1) return SecuritySuite{KeyManagement::kWep, false, false, kAnyCipher};
  if (code == 99) return SecuritySuite{KeyManagement::kPsk, true, false, kAnyCipher};
  if (code == 199) return SecuritySuite{KeyManagement::kPsk, false, true, kAnyCipher};
  if (code == 1099) return SecuritySuite{KeyManagement::kPsk, true, true, kAnyCipher};
  const int32_t family = code / 10;
  if (code % 10 > 5) return std::nullopt;
  switch (family) {
    case 1:
      return SecuritySuite{KeyManagement::kEap, true, false, CipherOfDigit(code)};
    case 2:
      return SecuritySuite{KeyManagement::kPsk, true, false, CipherOfDigit(code)};
    case 11:
      return SecuritySuite{KeyManagement::kEap, false, true, CipherOfDigit(code)};
    case 12:
      return SecuritySuite{KeyManagement::kPsk, false, true, CipherOfDigit(code)};
    case 101:
      return SecuritySuite{KeyManagement::kEap, true, true, CipherOfDigit(code)};
    case 102:
      return SecuritySuite{KeyManagement::kPsk, true, true, CipherOfDigit(code)};
    default:
      return std::nullopt;
  }
}

std::optional<SecuritySuite> SuiteOfProfile(int32_t method, int32_t wpaType) {
  const int32_t cipher = wpaType == kCipherAes ? kCipherAes : kCipherTkip;
  switch (method) {
    case kEncryptNone:
      return SecuritySuite{};
    case kEncryptWep:
      return SecuritySuite{KeyManagement::kWep, false, false, kAnyCipher};
    case kEncryptWpaPsk:
      return SecuritySuite{KeyManagement::kPsk, true, false, cipher};
    case kEncryptWpa:
      return SecuritySuite{KeyManagement::kEap, true, false, cipher};
    case kEncryptWpa2Psk:
      return SecuritySuite{KeyManagement::kPsk, false, true, cipher};
    case kEncryptWpa2:
      return SecuritySuite{KeyManagement::kEap, false, true, cipher};
    default:
      return std::nullopt;
  }
}

bool SuiteAccepts(const SecuritySuite& offered, const SecuritySuite& wanted) {
  if (offered.keyManagement != wanted.keyManagement) return false;
  if (wanted.wpa && !offered.wpa) return false;
  if (wanted.wpa2 && !offered.wpa2) return false;
  return offered.cipher == kAnyCipher || wanted.cipher == kAnyCipher ||
         offered.cipher == wanted.cipher;
}

std::string SecurityName(int32_t code) {
  const auto suite = SuiteOfCode(code);
  if (!suite) return std::to_string(code);
  std::string name;
  switch (suite->keyManagement) {
    case KeyManagement::kOpen:
      return "open";
    case KeyManagement::kWep:
      return "WEP";
    case KeyManagement::kPsk:
      name = suite->wpa && suite->wpa2 ? "WPA/WPA2-PSK" : suite->wpa2 ? "WPA2-PSK" : "WPA-PSK";
      break;
    case KeyManagement::kEap:
      name = suite->wpa && suite->wpa2 ? "WPA/WPA2-802.1X"
             : suite->wpa2             ? "WPA2-802.1X"
                                       : "WPA-802.1X";
      break;
  }
  return name + " (" + std::to_string(code) + ")";
}

std::string EncryptionName(int32_t method) {
  switch (method) {
    case kEncryptNone:
      return "none";
    case kEncryptWep:
      return "WEP";
    case kEncryptWpaPsk:
      return "WPA-PSK";
    case kEncryptWpa:
      return "WPA-802.1X";
    case kEncryptWpa2Psk:
      return "WPA2-PSK";
    case kEncryptWpa2:
      return "WPA2-802.1X";
  }
  return "method " + std::to_string(method);
}

}  // namespace orvsim
