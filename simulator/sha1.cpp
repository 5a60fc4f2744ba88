#include "simulator/sha1.h"

#include <stdexcept>

#include "simulator/libcrypto.h"

namespace orvsim {

void Sha1::ContextFree::operator()(evp_md_ctx_st* context) const { Crypto().freeContext(context); }

Sha1::Sha1() : context_(Crypto().newContext()) {
  if (!context_ || Crypto().digestInit(context_.get(), Crypto().sha1(), nullptr) != 1) {
    throw std::runtime_error("SHA-1 is not available");
  }
}

void Sha1::Update(std::string_view text) {
  Crypto().digestUpdate(context_.get(), text.data(), text.size());
}

void Sha1::Update(std::span<const uint8_t> data) {
  Crypto().digestUpdate(context_.get(), data.data(), data.size());
}

Sha1Digest Sha1::Final() {
  Sha1Digest digest{};
  Crypto().digestFinal(context_.get(), digest.data(), nullptr);
  return digest;
}

Sha1Digest Sha1Of(std::string_view text) {
  const Libcrypto& crypto = Crypto();
  Sha1Digest digest{};
  crypto.digest(text.data(), text.size(), digest.data(), nullptr, crypto.sha1(), nullptr);
  return digest;
}

}  // namespace orvsim
