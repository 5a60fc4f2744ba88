#include "simulator/wep_keys.h"

#include "simulator/md5.h"
#include "simulator/text_codec.h"

namespace orvsim {

namespace {

std::array<WepKey, 4> Keys64(std::string_view phrase) {
  uint8_t seed[4] = {};
  for (std::size_t i = 0; i < phrase.size(); ++i) seed[i % 4] ^= static_cast<uint8_t>(phrase[i]);
  uint32_t x = seed[0] | seed[1] << 8 | seed[2] << 16 | static_cast<uint32_t>(seed[3]) << 24;
  std::array<WepKey, 4> keys;
  for (WepKey& key : keys) {
    for (int j = 0; j < 5; ++j) {
      x = x * 0x343FD + 0x269EC3;
      key.push_back(static_cast<uint8_t>(x >> 16));
    }
  }
  return keys;
}

std::array<WepKey, 4> Keys128(std::string_view phrase) {
  uint8_t stretched[64];
  for (std::size_t i = 0; i < sizeof stretched; ++i) {
    stretched[i] = static_cast<uint8_t>(phrase[i % phrase.size()]);
  }
  const Md5Digest digest = Md5Of(stretched);
  const WepKey key(digest.begin(), digest.begin() + 13);
  return {key, key, key, key};
}

}  // namespace

std::optional<std::array<WepKey, 4>> WepKeysFromPhrase(std::string_view phrase, int level) {
  if (phrase.empty()) return std::nullopt;
  if (level == kWepLevel64) return Keys64(phrase);
  if (level == kWepLevel128) return Keys128(phrase);
  return std::nullopt;
}

std::optional<WepKey> WepKeyFromText(std::string_view text) {
  switch (text.size()) {
    case 5:
    case 13:
    case 29:
      return WepKey(text.begin(), text.end());
    case 10:
    case 26:
    case 58:
      return ParseHex(text);
    default:
      return std::nullopt;
  }
}

}  // namespace orvsim
