#include "simulator/pbkdf2.h"

#include <algorithm>
#include <vector>

HmacSha1::HmacSha1(std::string_view key)
    : HmacSha1(std::span(reinterpret_cast<const uint8_t*>(key.data()), key.size())) {}

HmacSha1::HmacSha1(std::span<const uint8_t> key) {
  std::array<uint8_t, Sha1::kBlockSize> block{};
  if (key.size() > block.size()) {
    Sha1 hash;
    hash.Update(key);
    const Sha1Digest digest = hash.Final();
    std::copy(digest.begin(), digest.end(), block.begin());
  } else {
    std::copy(key.begin(), key.end(), block.begin());
  }
  std::array<uint8_t, Sha1::kBlockSize> pad;
  for (std::size_t i = 0; i < pad.size(); ++i) pad[i] = block[i] ^ 0x36;
  inner_.Update(pad);
  for (std::size_t i = 0; i < pad.size(); ++i) pad[i] = block[i] ^ 0x5C;
  outer_.Update(pad);
}

Sha1Digest HmacSha1::Mac(std::string_view message) const {
  return Mac(std::span(reinterpret_cast<const uint8_t*>(message.data()), message.size()));
}

Sha1Digest HmacSha1::Mac(std::span<const uint8_t> message) const {
  Sha1 inner = inner_;
  inner.Update(message);
  const Sha1Digest innerDigest = inner.Final();
  Sha1 outer = outer_;
  outer.Update(innerDigest);
  return outer.Final();
}

void Pbkdf2HmacSha1(std::string_view password, std::span<const uint8_t> salt, int iterations,
                    std::span<uint8_t> out) {
  const HmacSha1 hmac(password);
  std::vector<uint8_t> first(salt.begin(), salt.end());
  first.resize(salt.size() + 4);
  for (uint32_t blockIndex = 1; !out.empty(); ++blockIndex) {
    for (int i = 0; i < 4; ++i) {
      first[salt.size() + i] = static_cast<uint8_t>(blockIndex >> (24 - 8 * i));
    }
    Sha1Digest u = hmac.Mac(first);
    Sha1Digest block = u;
    for (int round = 1; round < iterations; ++round) {
      u = hmac.Mac(u);
      for (std::size_t i = 0; i < block.size(); ++i) block[i] ^= u[i];
    }
    const std::size_t n = std::min(block.size(), out.size());
    std::copy_n(block.begin(), n, out.begin());
    out = out.subspan(n);
  }
}

Psk WpaPsk(std::string_view passphrase, std::string_view ssid) {
  Psk psk;
  Pbkdf2HmacSha1(passphrase, std::span(reinterpret_cast<const uint8_t*>(ssid.data()), ssid.size()),
                 4096, psk);
  return psk;
}
