#pragma once

#include <cstdint>

namespace orvsim {

// The simulator's only source of chance: SplitMix64, seeded from the scenario,
// so every run of a scenario behaves alike. Each concern draws from its own
// stream, so calling one entry point more often never changes what another sees.
class Prng {
 public:
  Prng(uint64_t seed, uint64_t stream) : state_(seed ^ (stream * 0xD1B54A32D192ED03ULL)) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // Uniform in [lo, hi]; lo when the range is empty.
  int64_t Between(int64_t lo, int64_t hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int64_t>(Next() % static_cast<uint64_t>(hi - lo + 1));
  }

 private:
  uint64_t state_;
};

// Stream numbers, one per concern.
enum class PrngStream : uint64_t {
  kScanSignal = 1,
  kLinkSignal,
  kAssociationDelay,
  kTraffic,
  kStations,
  kAddresses,
  kGarbage,
  kBssids,
};

inline Prng MakePrng(uint64_t seed, PrngStream stream, uint64_t salt = 0) {
  return Prng(seed ^ salt, static_cast<uint64_t>(stream));
}

}  // namespace orvsim
