#include "simulator/md5.h"

#include "simulator/libcrypto.h"

namespace orvsim {

Md5Digest Md5Of(std::span<const uint8_t> data) {
  const Libcrypto& crypto = Crypto();
  Md5Digest digest{};
  crypto.digest(data.data(), data.size(), digest.data(), nullptr, crypto.md5(), nullptr);
  return digest;
}

Md5Digest Md5Of(std::string_view text) {
  return Md5Of(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace orvsim
