// The simulator's clock: real time plus the control tool's advances, or
// advances only.

#include <gtest/gtest.h>

#include "simulator/sim_clock.h"

using namespace orvsim;

namespace {

TEST(SimClockTest, ManualTimeMovesOnlyByAdvancesAndNeverBack) {
  int64_t steady = 5000;
  SimClock clock(
      true, [&] { return steady; }, [] { return int64_t{1700000000000}; });
  clock.TakeAdvances(700);  // made before this library looked: not its time
  EXPECT_EQ(clock.NowMs(), 0);
  steady += 10000;
  EXPECT_EQ(clock.NowMs(), 0);
  clock.TakeAdvances(950);
  EXPECT_EQ(clock.NowMs(), 250);
  clock.TakeAdvances(0);  // the tool was reset
  EXPECT_EQ(clock.NowMs(), 250);
  clock.TakeAdvances(40);
  EXPECT_EQ(clock.NowMs(), 290);
  EXPECT_EQ(clock.UnixMsAt(290), 1700000000290);
}

TEST(SimClockTest, RealTimeAddsTheAdvances) {
  int64_t steady = 100;
  SimClock clock(
      false, [&] { return steady; }, [] { return int64_t{0}; });
  clock.TakeAdvances(0);
  steady += 30;
  EXPECT_EQ(clock.NowMs(), 30);
  clock.TakeAdvances(1000);
  EXPECT_EQ(clock.NowMs(), 1030);
}

}  // namespace
