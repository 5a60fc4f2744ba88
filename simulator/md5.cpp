#include "simulator/md5.h"

#include "simulator/sha1.h"

#include <openssl/evp.h>

namespace orvsim {

Md5Digest Md5Of(std::span<const uint8_t> data) {
  UseLibcrypto();
  Md5Digest digest{};
  EVP_Digest(data.data(), data.size(), digest.data(), nullptr, EVP_md5(), nullptr);
  return digest;
}

Md5Digest Md5Of(std::string_view text) {
  return Md5Of(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace orvsim
