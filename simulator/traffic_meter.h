#pragma once

#include <cstdint>

#include "simulator/prng.h"

namespace orvsim {

// Packet and byte counters of a link: a background trickle while the link is
// up, plus bursts the control tool starts. Counters depend on elapsed time,
// not on how often anyone looks; only a little jitter comes from the stream.
class TrafficMeter {
 public:
  struct Counters {
    uint64_t rxPackets = 0;
    uint64_t txPackets = 0;
    uint64_t rxBytes = 0;
    uint64_t txBytes = 0;
  };

  explicit TrafficMeter(Prng prng) : prng_(prng) {}

  void Reset(int64_t nowMs);
  void Burst(int64_t kbps, int64_t untilMs);
  // Adds what flowed since the last call at `idleBytesPerSecond` (received;
  // a third of it sent) plus any burst.
  void Advance(int64_t nowMs, int64_t idleBytesPerSecond);
  const Counters& Totals() const { return totals_; }

 private:
  static constexpr uint64_t kRxPacketSize = 1100;
  static constexpr uint64_t kTxPacketSize = 300;

  Prng prng_;
  Counters totals_;
  uint64_t rxCarry_ = 0;  // bytes not yet counted as a whole packet
  uint64_t txCarry_ = 0;
  int64_t lastMs_ = 0;
  int64_t burstKbps_ = 0;
  int64_t burstUntilMs_ = 0;
};

}  // namespace orvsim
