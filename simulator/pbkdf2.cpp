#include "simulator/pbkdf2.h"

#include <stdexcept>

#include "simulator/libcrypto.h"

namespace orvsim {

HmacSha1::HmacSha1(std::string_view key) : key_(key) {}

HmacSha1::HmacSha1(std::span<const uint8_t> key)
    : key_(reinterpret_cast<const char*>(key.data()), key.size()) {}

Sha1Digest HmacSha1::Mac(std::string_view message) const {
  return Mac(std::span(reinterpret_cast<const uint8_t*>(message.data()), message.size()));
}

Sha1Digest HmacSha1::Mac(std::span<const uint8_t> message) const {
  const Libcrypto& crypto = Crypto();
  Sha1Digest digest{};
  crypto.hmac(crypto.sha1(), key_.data(), static_cast<int>(key_.size()), message.data(),
              message.size(), digest.data(), nullptr);
  return digest;
}

void Pbkdf2HmacSha1(std::string_view password, std::span<const uint8_t> salt, int iterations,
                    std::span<uint8_t> out) {
  if (Crypto().pbkdf2HmacSha1(password.data(), static_cast<int>(password.size()), salt.data(),
                              static_cast<int>(salt.size()), iterations,
                              static_cast<int>(out.size()), out.data()) != 1) {
    throw std::runtime_error("PBKDF2 failed");
  }
}

Psk WpaPsk(std::string_view passphrase, std::string_view ssid) {
  Psk psk;
  Pbkdf2HmacSha1(passphrase, std::span(reinterpret_cast<const uint8_t*>(ssid.data()), ssid.size()),
                 4096, psk);
  return psk;
}

}  // namespace orvsim
