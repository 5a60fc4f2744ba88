#include "simulator/sha1.h"

#include <bit>
#include <cstring>

namespace {

uint32_t LoadBigEndian(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}

}  // namespace

Sha1::Sha1() : state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0} {}

void Sha1::Update(std::string_view text) {
  Update(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void Sha1::Update(std::span<const uint8_t> data) {
  totalBytes_ += data.size();
  std::size_t used = 0;
  if (pendingSize_ > 0) {
    used = std::min(kBlockSize - pendingSize_, data.size());
    std::memcpy(pending_.data() + pendingSize_, data.data(), used);
    pendingSize_ += used;
    if (pendingSize_ < kBlockSize) return;
    Compress(pending_.data());
    pendingSize_ = 0;
  }
  for (; data.size() - used >= kBlockSize; used += kBlockSize) Compress(data.data() + used);
  pendingSize_ = data.size() - used;
  if (pendingSize_ > 0) std::memcpy(pending_.data(), data.data() + used, pendingSize_);
}

Sha1Digest Sha1::Final() {
  const uint64_t bits = totalBytes_ * 8;
  static constexpr uint8_t kPad[kBlockSize] = {0x80};
  const std::size_t padSize =
      pendingSize_ < 56 ? 56 - pendingSize_ : kBlockSize + 56 - pendingSize_;
  Update(std::span(kPad, padSize));
  uint8_t length[8];
  for (int i = 0; i < 8; ++i) length[i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
  Update(std::span(length, 8));
  Sha1Digest digest;
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<uint8_t>(state_[i] >> (24 - 8 * j));
  }
  return digest;
}

void Sha1::Compress(const uint8_t* block) {
  uint32_t w[80];
  for (int i = 0; i < 16; ++i) w[i] = LoadBigEndian(block + 4 * i);
  for (int i = 16; i < 80; ++i) w[i] = std::rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
  uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
  for (int i = 0; i < 80; ++i) {
    uint32_t f, k;
    if (i < 20) {
      f = (b & c) | (~b & d);
      k = 0x5A827999;
    } else if (i < 40) {
      f = b ^ c ^ d;
      k = 0x6ED9EBA1;
    } else if (i < 60) {
      f = (b & c) | (b & d) | (c & d);
      k = 0x8F1BBCDC;
    } else {
      f = b ^ c ^ d;
      k = 0xCA62C1D6;
    }
    const uint32_t t = std::rotl(a, 5) + f + e + k + w[i];
    e = d;
    d = c;
    c = std::rotl(b, 30);
    b = a;
    a = t;
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
  state_[4] += e;
}

Sha1Digest Sha1Of(std::string_view text) {
  Sha1 sha;
  sha.Update(text);
  return sha.Final();
}
