#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

struct evp_md_ctx_st;

namespace orvsim {

using Sha1Digest = std::array<uint8_t, 20>;

// SHA-1 (FIPS 180) for the WPA key derivation, computed by libcrypto.
class Sha1 {
 public:
  Sha1();
  void Update(std::span<const uint8_t> data);
  void Update(std::string_view text);
  Sha1Digest Final();

 private:
  struct ContextFree {
    void operator()(evp_md_ctx_st* context) const;
  };
  std::unique_ptr<evp_md_ctx_st, ContextFree> context_;
};

Sha1Digest Sha1Of(std::string_view text);

}  // namespace orvsim
