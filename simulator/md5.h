#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace orvsim {

using Md5Digest = std::array<uint8_t, 16>;

// MD5 (RFC 1321) by libcrypto, needed only by the 128-bit WEP pass-phrase algorithm.
Md5Digest Md5Of(std::span<const uint8_t> data);
Md5Digest Md5Of(std::string_view text);

}  // namespace orvsim
