#include "platform/event.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using std::chrono::milliseconds;

TEST(EventTest, AutoResetWakesOneWait) {
  Event e;
  EXPECT_FALSE(e.Wait(milliseconds(0)));
  e.Set();
  e.Set();
  EXPECT_TRUE(e.Wait(milliseconds(0)));
  EXPECT_FALSE(e.Wait(milliseconds(0)));
}

TEST(EventTest, WaitAnyReportsWhichEventEndedTheWait) {
  Event lock, stop;
  EXPECT_EQ(Event::WaitAny({&lock, &stop}, milliseconds(10)), Event::kTimeout);
  stop.Set();
  EXPECT_EQ(Event::WaitAny({&lock, &stop}), 1);
  std::thread setter([&] {
    std::this_thread::sleep_for(milliseconds(20));
    lock.Set();
  });
  EXPECT_EQ(Event::WaitAny({&lock, &stop}), 0);
  setter.join();
  EXPECT_FALSE(lock.IsSet());
}

}  // namespace
