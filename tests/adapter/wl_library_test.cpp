#include "adapter/wl_library.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using std::chrono::milliseconds;

class WLLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(library.Load(std::string(ORV_BIN_DIR) + "/ORVWL.DLL")); }
  WLLibrary library;
  Event stop;
};

TEST_F(WLLibraryTest, ResolvesEveryEntryPointAndAnswersThroughThem) {
  const OrvwlApi& api = library.Api();
  EXPECT_EQ(api.ORVWL_FrequencyToChannel(2437000), 6);
  DeviceEntry entry{};
  EXPECT_EQ(api.ORVWL_DevDetect(&entry), 1);
  EXPECT_STRNE(entry.Description, "");
}

TEST_F(WLLibraryTest, LockIsExclusiveAndStopEndsTheWait) {
  ASSERT_TRUE(library.Lock(stop));
  std::atomic<int> result{-1};
  Event otherStop;
  std::thread waiter([&] { result = library.Lock(otherStop) ? 1 : 0; });
  std::this_thread::sleep_for(milliseconds(30));
  EXPECT_EQ(result, -1);
  otherStop.Set();
  waiter.join();
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(otherStop.IsSet()) << "the stop stays visible to the owner's other waits";
  library.Unlock();
  WLLibraryLock scoped(library, stop);
  EXPECT_TRUE(scoped);
}

TEST_F(WLLibraryTest, QueryStatusOfAnIdleAdapterIsNotConnected) {
  ASSERT_TRUE(library.Lock(stop));
  WLANStatus status{};
  EXPECT_EQ(library.QueryStatus(status), WLLibrary::kStatusNotConnected);
  EXPECT_EQ(status.MediaState, kMediaDisconnected);
  library.Unlock();
}

TEST(WLLibraryLoadTest, MissingFileOrEntryPointFails) {
  WLLibrary library;
  EXPECT_FALSE(library.Load("/nonexistent/ORVWL.DLL"));
  EXPECT_FALSE(library.Load(std::string(ORV_TEST_BIN_DIR) + "/orvwl_incomplete.DLL"));
  EXPECT_FALSE(library.IsLoaded());
}

TEST_F(WLLibraryTest, AFailedSecondLoadLeavesTheFirstLibraryInUse) {
  EXPECT_FALSE(library.Load(std::string(ORV_TEST_BIN_DIR) + "/orvwl_incomplete.DLL"));
  EXPECT_FALSE(library.Load("/nonexistent/ORVWL.DLL"));
  ASSERT_TRUE(library.IsLoaded());
  EXPECT_EQ(library.Api().ORVWL_FrequencyToChannel(2412000), 1);
  EXPECT_TRUE(library.Load(std::string(ORV_BIN_DIR) + "/ORVWL.DLL"));
  EXPECT_EQ(library.Api().ORVWL_FrequencyToChannel(2437000), 6);
}

}  // namespace
