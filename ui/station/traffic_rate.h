#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// Where the station pages take the millisecond tick their traffic samples are
// stamped with; 0 stands for "no sample yet", so a source never answers 0.
using TickSource = std::function<uint64_t()>;

inline uint64_t SystemTickMs() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(
             std::chrono::duration_cast<std::chrono::milliseconds>(since).count()) +
         1;
}

// Kilobits per second (1 kbit = 1024 bits) between two readings of a byte
// counter. A counter that went backwards (an adapter or driver reset) or no
// time between the readings gives 0. The link page computes in single and the
// chart in double precision, as they always have.
template <typename Real>
Real TrafficKbps(uint64_t elapsedMs, uint64_t newBytes, uint64_t oldBytes) {
  if (oldBytes > newBytes || elapsedMs == 0) return Real{0};
  const uint64_t units = (newBytes - oldBytes) / 128;
  return static_cast<Real>(units) / static_cast<Real>(elapsedMs) * Real{1000};
}
