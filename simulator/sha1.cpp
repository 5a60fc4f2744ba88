#include "simulator/sha1.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <stdexcept>

namespace orvsim {

void UseLibcrypto() {
  static const bool initialised = OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr) == 1;
  if (!initialised) throw std::runtime_error("libcrypto is not available");
}

void Sha1::ContextFree::operator()(evp_md_ctx_st* context) const { EVP_MD_CTX_free(context); }

Sha1::Sha1() : context_((UseLibcrypto(), EVP_MD_CTX_new())) {
  if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha1(), nullptr) != 1) {
    throw std::runtime_error("SHA-1 is not available");
  }
}

void Sha1::Update(std::string_view text) {
  EVP_DigestUpdate(context_.get(), text.data(), text.size());
}

void Sha1::Update(std::span<const uint8_t> data) {
  EVP_DigestUpdate(context_.get(), data.data(), data.size());
}

Sha1Digest Sha1::Final() {
  Sha1Digest digest{};
  EVP_DigestFinal_ex(context_.get(), digest.data(), nullptr);
  return digest;
}

Sha1Digest Sha1Of(std::string_view text) {
  UseLibcrypto();
  Sha1Digest digest{};
  EVP_Digest(text.data(), text.size(), digest.data(), nullptr, EVP_sha1(), nullptr);
  return digest;
}

}  // namespace orvsim
