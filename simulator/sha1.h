#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

using Sha1Digest = std::array<uint8_t, 20>;

// SHA-1 (FIPS 180) for the WPA key derivation; kept copyable so that HMAC can
// start every message from a state that has already absorbed its padded key.
class Sha1 {
 public:
  static constexpr std::size_t kBlockSize = 64;

  Sha1();
  void Update(std::span<const uint8_t> data);
  void Update(std::string_view text);
  Sha1Digest Final();

 private:
  void Compress(const uint8_t* block);

  std::array<uint32_t, 5> state_;
  std::array<uint8_t, kBlockSize> pending_{};
  std::size_t pendingSize_ = 0;
  uint64_t totalBytes_ = 0;
};

Sha1Digest Sha1Of(std::string_view text);
