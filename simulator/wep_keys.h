#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvsim {

// WEPEncryptionLevel values.
inline constexpr int kWepLevel64 = 1;
inline constexpr int kWepLevel128 = 2;
inline constexpr int kWepLevel256 = 4;

using WepKey = std::vector<uint8_t>;

// The four keys the widespread pass-phrase generators make: 40-bit keys from
// a linear congruential generator, or one 104-bit key from MD5 in every slot.
// Nothing for an empty phrase or a level without a common algorithm.
std::optional<std::array<WepKey, 4>> WepKeysFromPhrase(std::string_view phrase, int level);

// A key as entered: 10, 26 or 58 hexadecimal digits, or 5, 13 or 29 ASCII
// characters. The lengths never overlap, so the text alone tells the format.
std::optional<WepKey> WepKeyFromText(std::string_view text);

}  // namespace orvsim
