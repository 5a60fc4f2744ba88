#include "simulator/sim_clock.h"

#include <chrono>
#include <utility>

namespace orvsim {

SimClock::SimClock(bool manual, Source steady, Source wall)
    : manual_(manual), steady_(std::move(steady)), startMs_(steady_()), startUnixMs_(wall()) {}

int64_t SimClock::NowMs() const { return (manual_ ? 0 : steady_() - startMs_) + advancedMs_; }

void SimClock::TakeAdvances(int64_t totalMs) {
  // What was advanced before this library started is not its time.
  if (seenAny_ && totalMs > seenTotal_) advancedMs_ += totalMs - seenTotal_;
  seenAny_ = true;
  seenTotal_ = totalMs;
}

int64_t SimClock::SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int64_t SimClock::WallMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace orvsim
