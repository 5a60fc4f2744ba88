#include "simulator/traffic_meter.h"

#include <algorithm>

namespace orvsim {

void TrafficMeter::Reset(int64_t nowMs) {
  totals_ = {};
  rxCarry_ = txCarry_ = 0;
  lastMs_ = nowMs;
}

void TrafficMeter::Burst(int64_t kbps, int64_t untilMs) {
  burstKbps_ = kbps;
  burstUntilMs_ = untilMs;
}

void TrafficMeter::Advance(int64_t nowMs, int64_t idleBytesPerSecond) {
  const int64_t elapsed = nowMs - lastMs_;
  if (elapsed <= 0) return;
  const int64_t burstMs = std::clamp<int64_t>(burstUntilMs_ - lastMs_, 0, elapsed);
  lastMs_ = nowMs;
  const int64_t jitterPercent = prng_.Between(80, 120);
  const auto idle = static_cast<uint64_t>(idleBytesPerSecond * elapsed * jitterPercent / 100000);
  const auto burst = static_cast<uint64_t>(burstKbps_ * 125 * burstMs / 1000);
  const uint64_t rx = idle + burst;
  const uint64_t tx = idle / 3 + burst / 10;
  totals_.rxBytes += rx;
  totals_.txBytes += tx;
  rxCarry_ += rx;
  txCarry_ += tx;
  totals_.rxPackets += rxCarry_ / kRxPacketSize;
  totals_.txPackets += txCarry_ / kTxPacketSize;
  rxCarry_ %= kRxPacketSize;
  txCarry_ %= kTxPacketSize;
}

}  // namespace orvsim
