#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "simulator/sha1.h"

namespace orvsim {

// HMAC-SHA1 (RFC 2104) by libcrypto.
class HmacSha1 {
 public:
  explicit HmacSha1(std::span<const uint8_t> key);
  explicit HmacSha1(std::string_view key);
  Sha1Digest Mac(std::span<const uint8_t> message) const;
  Sha1Digest Mac(std::string_view message) const;

 private:
  std::string key_;
};

// PBKDF2 (RFC 8018) with HMAC-SHA1.
void Pbkdf2HmacSha1(std::string_view password, std::span<const uint8_t> salt, int iterations,
                    std::span<uint8_t> out);

using Psk = std::array<uint8_t, 32>;

// The WPA pre-shared key: PBKDF2 over the pass phrase, salted with the SSID
// bytes, 4096 rounds, 32 bytes.
Psk WpaPsk(std::string_view passphrase, std::string_view ssid);

}  // namespace orvsim
