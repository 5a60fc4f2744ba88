#pragma once

#include <cstdint>
#include <functional>

namespace orvsim {

// The simulator's time, which every delay (scan, association, station
// comings and goings, traffic) is measured on: the steady time since the
// library started, plus what the control tool advanced it by. A manual clock
// (a scenario's "clock = manual") moves only by those advances, so a test
// steps time instead of sleeping and sees the same run every time.
class SimClock {
 public:
  using Source = std::function<int64_t()>;  // milliseconds, never going back

  explicit SimClock(bool manual, Source steady = SteadyMs, Source wall = WallMs);

  int64_t NowMs() const;
  // Wall-clock milliseconds of a moment on this clock.
  int64_t UnixMsAt(int64_t nowMs) const { return startUnixMs_ + nowMs; }

  // The control file's running total of advances. A smaller total (the tool
  // was reset) starts a new count; time never goes back.
  void TakeAdvances(int64_t totalMs);

  static int64_t SteadyMs();
  static int64_t WallMs();

 private:
  bool manual_;
  Source steady_;
  int64_t startMs_;
  int64_t startUnixMs_;
  bool seenAny_ = false;
  int64_t seenTotal_ = 0;
  int64_t advancedMs_ = 0;
};

}  // namespace orvsim
