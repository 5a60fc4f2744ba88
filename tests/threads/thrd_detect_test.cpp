#include "adapter/thrd_detect.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <thread>

#include "adapter/device_event_feed.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "platform/notify_channel.h"
#include "platform/text.h"
#include "tests/adapter/fake_library.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr char kDescription[] = "Or-Vane USB Wireless LAN Adapter";

// The adapters the fake library's DevDetect answers for.
struct FakeDevices {
  std::mutex mutex;
  std::vector<std::string> askedIds;  // hardware ID of every call, in order
  std::vector<Clock::time_point> callTimes;
  bool present = true;
  std::string acceptedId;  // empty: any
  std::atomic<bool> block{false};
  std::atomic<bool> blocked{false};
  Event release;
};
FakeDevices* g = nullptr;

int32_t FakeDevDetect(DeviceEntry* entry) {
  if (g->block) {
    g->blocked = true;
    g->release.Wait();
  }
  std::lock_guard lock(g->mutex);
  const std::string id(TextOf(entry->HardwareId));
  g->askedIds.push_back(id);
  g->callTimes.push_back(Clock::now());
  if (!g->present || (!g->acceptedId.empty() && id != g->acceptedId)) return 0;
  CopyText(entry->Description, kDescription);
  return 1;
}

class RecordingNotifier : public Notifier {
 public:
  void Post(int code, intptr_t arg) override {
    std::lock_guard lock(mutex_);
    posts_.emplace_back(code, arg);
  }
  intptr_t Send(int code, intptr_t arg, Event&) override {
    Post(code, arg);
    return 0;
  }
  int Count(int code, intptr_t arg) {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count(posts_.begin(), posts_.end(), std::make_pair(code, arg)));
  }
  int Total() {
    std::lock_guard lock(mutex_);
    return static_cast<int>(posts_.size());
  }

 private:
  std::mutex mutex_;
  std::vector<std::pair<int, intptr_t>> posts_;
};

class DetectTest : public ::testing::Test {
 protected:
  DetectTest() {
    g = &fake;
    std::filesystem::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir.File("ORVWL.DLL"));
    table = MakeCountingTable();
    table.ORVWL_DevDetect = &FakeDevDetect;
  }
  ~DetectTest() override { g = nullptr; }

  void Prepare(const std::string& settings) {
    WriteFile(dir.File("X.bin"), settings);
    WLLibrary startupLibrary;
    ASSERT_TRUE(global.Startup(0, dir.File("X"), startupLibrary));
    ASSERT_TRUE(library.Use(table));
  }
  std::unique_ptr<CThrdDetect> Make() {
    return std::make_unique<CThrdDetect>(notifier,
                                         CThrdDetect::Dependencies{&global, &library, timing});
  }
  std::unique_ptr<CThrdDetect> Start(
      const std::string& settings = "[Setting]\r\nHWID0=USB\\VID_1\r\n") {
    Prepare(settings);
    return Make();
  }

  int Calls() {
    std::lock_guard lock(fake.mutex);
    return static_cast<int>(fake.askedIds.size());
  }
  Clock::time_point LastCallTime() {
    std::lock_guard lock(fake.mutex);
    return fake.callTimes.back();
  }
  void SetPresent(bool present) {
    std::lock_guard lock(fake.mutex);
    fake.present = present;
  }
  static std::vector<AdapterIdent> DeviceList(const CThrdDetect& detect) {
    std::vector<AdapterIdent> list;
    detect.GetDeviceList(list);
    return list;
  }
  int Changed() { return notifier->Count(PM_DEVICE, CThrdDetect::kDeviceListChanged); }
  int Emptied() { return notifier->Count(PM_DEVICE, CThrdDetect::kDeviceListEmptied); }

  FakeDevices fake;
  TempDir dir;
  OrvwlApi table;
  CFAGlobalVar global;
  WLLibrary library;
  std::shared_ptr<RecordingNotifier> notifier = std::make_shared<RecordingNotifier>();
  CThrdDetect::Timing timing{milliseconds(150), milliseconds(500)};
};

TEST_F(DetectTest, ReportsAChangedListOnlyAndRemovalAsAnEmptyList) {
  auto detect = Start();
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 1; }));
  std::vector<AdapterIdent> list = DeviceList(*detect);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_STREQ(list[0].Description, kDescription);
  EXPECT_STREQ(list[0].HardwareId, "USB\\VID_1");
  EXPECT_STREQ(list[0].Tag, "9999");

  detect->OnDeviceNodesChanged();
  ASSERT_TRUE(WaitUntil([&] { return Calls() == 2; }));
  std::this_thread::sleep_for(milliseconds(50));
  EXPECT_EQ(Changed(), 1) << "the same adapter found again";

  SetPresent(false);
  detect->OnDeviceNodesChanged();
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 2; }));
  EXPECT_TRUE(DeviceList(*detect).empty());
}

TEST_F(DetectTest, SeveralDeviceChangesCauseOneDetectionAfterTheLast) {
  timing.detectDelay = milliseconds(400);
  auto detect = Start();
  ASSERT_TRUE(WaitUntil([&] { return Calls() == 1; }));
  Clock::time_point lastEvent;
  for (int i = 0; i < 4; ++i) {
    lastEvent = Clock::now();
    detect->OnDeviceNodesChanged();
    std::this_thread::sleep_for(milliseconds(30));
  }
  ASSERT_TRUE(WaitUntil([&] { return Calls() == 2; }));
  EXPECT_GE(LastCallTime() - lastEvent, timing.detectDelay);
  std::this_thread::sleep_for(timing.detectDelay + milliseconds(100));
  EXPECT_EQ(Calls(), 2);
}

TEST_F(DetectTest, ResumeEmptiesTheListAndDetectsAgainLater) {
  auto detect = Start();
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 1; }));
  detect->OnResume();
  EXPECT_TRUE(DeviceList(*detect).empty());
  EXPECT_EQ(Emptied(), 1);
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 2; }));
  EXPECT_EQ(DeviceList(*detect).size(), 1u);
}

TEST_F(DetectTest, WithoutHardwareIdsTheLibraryIsAskedOnceWithAnEmptyId) {
  auto detect = Start("[Setting]\r\n");
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 1; }));
  std::lock_guard lock(fake.mutex);
  EXPECT_EQ(fake.askedIds, std::vector<std::string>{""});
}

TEST_F(DetectTest, HardwareIdsAreTriedInSettingsOrderUpToSixteen) {
  std::string settings = "[Setting]\r\n";
  std::vector<std::string> ids;
  for (int i = 0; i <= 16; ++i) {
    ids.push_back("USB\\VID_" + std::to_string(i));
    settings += "HWID" + std::to_string(i) + "=" + ids.back() + "\r\n";
  }
  ids.pop_back();
  SetPresent(false);
  auto detect = Start(settings);
  ASSERT_TRUE(WaitUntil([&] { return Calls() == 16; }));
  std::this_thread::sleep_for(milliseconds(50));
  {
    std::lock_guard lock(fake.mutex);
    EXPECT_EQ(fake.askedIds, ids);
    fake.askedIds.clear();
    fake.present = true;
    fake.acceptedId = ids[5];
  }
  EXPECT_EQ(Changed(), 0) << "nothing found at start: the list stays empty";

  detect->OnDeviceNodesChanged();
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 1; }));
  EXPECT_EQ(Calls(), 6) << "the first adapter found ends the search";
  std::vector<AdapterIdent> list = DeviceList(*detect);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].HardwareId, ids[5]);
}

TEST_F(DetectTest, DeviceChangesWhileSkippingAreIgnoredAndClearingCatchesUp) {
  auto detect = Start();
  ASSERT_TRUE(WaitUntil([&] { return Calls() == 1; }));
  std::shared_ptr<DeviceEventGate> gate = detect->Gate();
  gate->SetSkip(true);
  SetPresent(false);
  detect->OnDeviceNodesChanged();
  std::this_thread::sleep_for(timing.detectDelay * 2);
  EXPECT_EQ(Calls(), 1);

  const Clock::time_point cleared = Clock::now();
  gate->SetSkip(false);
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 2; }));
  EXPECT_GE(LastCallTime() - cleared, timing.detectDelay);

  detect.reset();
  gate->SetSkip(false);  // the adapter manager may outlive the detector
  std::this_thread::sleep_for(timing.detectDelay * 2);
  EXPECT_EQ(Calls(), 2);
}

TEST_F(DetectTest, DestructionNeverWaitsLongForTheLibrary) {
  Prepare("[Setting]\r\n");
  {
    Event testStop;
    ASSERT_TRUE(library.Lock(testStop));
    auto detect = Make();  // its first detection now waits for the lock
    std::this_thread::sleep_for(milliseconds(50));
    const Clock::time_point start = Clock::now();
    detect.reset();
    EXPECT_LT(Clock::now() - start, timing.join);
    library.Unlock();
  }
  EXPECT_EQ(Calls(), 0);

  // The detector's state goes with its last owner, the detached thread.
  std::mutex goneMutex;
  bool gone = false;       // guarded by goneMutex
  int postsAtTheEnd = -1;  // guarded by goneMutex
  std::shared_ptr<RecordingNotifier> lastNotifier(new RecordingNotifier, [&](RecordingNotifier* n) {
    std::lock_guard lock(goneMutex);
    postsAtTheEnd = n->Total();
    delete n;
    gone = true;
  });
  auto stateGone = [&] {
    std::lock_guard lock(goneMutex);
    return gone;
  };
  fake.block = true;
  auto detect = std::make_unique<CThrdDetect>(std::move(lastNotifier),
                                              CThrdDetect::Dependencies{&global, &library, timing});
  ASSERT_TRUE(WaitUntil([&] { return fake.blocked.load(); }));
  const Clock::time_point start = Clock::now();
  detect.reset();
  EXPECT_LT(Clock::now() - start, timing.join + milliseconds(500));
  EXPECT_FALSE(stateGone());
  fake.release.Set();
  ASSERT_TRUE(WaitUntil(stateGone));
  std::lock_guard lock(goneMutex);
  EXPECT_EQ(postsAtTheEnd, 0) << "a thread that outlived its detector reports nothing";
}

TEST_F(DetectTest, ChannelDeviceEventsReachTheDetector) {
  auto detect = Start();
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 1; }));
  DeviceEventFeed feed(*detect);
  const std::string channel = dir.File("events.sock");
  ChannelListener listener(channel, [&](const ChannelMessage& m, Event&) { feed.Deliver(m); });
  ASSERT_TRUE(listener.IsListening());

  ASSERT_TRUE(
      SendChannelMessage(channel, {ChannelMessage::kDeviceEvent, DeviceEventFeed::kResumed, 0}));
  EXPECT_EQ(Emptied(), 1);
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 2; }));

  SetPresent(false);
  ASSERT_TRUE(SendChannelMessage(
      channel, {ChannelMessage::kDeviceEvent, DeviceEventFeed::kDeviceNodesChanged, 0}));
  ASSERT_TRUE(WaitUntil([&] { return Changed() == 3; }));
  EXPECT_TRUE(DeviceList(*detect).empty());

  EXPECT_FALSE(feed.Deliver({ChannelMessage::kNotify, DeviceEventFeed::kResumed, 0}));
  EXPECT_FALSE(feed.Deliver({ChannelMessage::kDeviceEvent, 99, 0}));
  EXPECT_EQ(Emptied(), 1);
  EXPECT_TRUE(feed.WatchSystemEvents());
}

// The simulated adapter pulled out and put back with its control tool, which
// announces each change on the channel the running utility listens on.
TEST(DetectionEndToEndTest, SimulatorUnplugAndPlugReachAListeningDetector) {
  const std::string tool = std::string(ORV_BIN_DIR) + "/orvwl-sim";
  if (!FileExists(tool)) GTEST_SKIP() << "the simulator's control tool is not built";
  TempDir dir;
  const std::string home = dir.File("sim");
  ::setenv("ORVWL_SIM_HOME", home.c_str(), 1);  // read when the library starts
  const std::string root = "OrvDetectTest" + std::to_string(::getpid());
  std::filesystem::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir.File("ORVWL.DLL"));
  WriteFile(dir.File("X.bin"), "[Setting]\r\nProfRoot=" + root + "\r\n");
  CFAGlobalVar global;
  WLLibrary library;
  ASSERT_TRUE(global.Startup(0, dir.File("X"), library));
  auto notifier = std::make_shared<RecordingNotifier>();
  CThrdDetect detect(notifier, {&global, &library, {milliseconds(300), milliseconds(2000)}});
  DeviceEventFeed feed(detect);
  ChannelListener listener(global.NotifyChannel(),
                           [&](const ChannelMessage& m, Event&) { feed.Deliver(m); });
  ASSERT_TRUE(listener.IsListening());
  auto devices = [&] {
    std::vector<AdapterIdent> list;
    detect.GetDeviceList(list);
    return list;
  };
  ASSERT_TRUE(WaitUntil([&] { return devices().size() == 1; }));
  const AdapterIdent plugged = devices()[0];
  EXPECT_STRNE(plugged.Description, "");

  const std::vector<std::string> env{"ORVWL_SIM_HOME=" + home};
  ASSERT_EQ(RunProgram(tool, {"--root", root, "unplug"}, env), 0);
  ASSERT_TRUE(WaitUntil([&] { return devices().empty(); }, milliseconds(3000)));
  EXPECT_EQ(notifier->Count(PM_DEVICE, CThrdDetect::kDeviceListChanged), 2);

  ASSERT_EQ(RunProgram(tool, {"--root", root, "plug"}, env), 0);
  ASSERT_TRUE(WaitUntil([&] { return devices().size() == 1; }, milliseconds(3000)));
  EXPECT_EQ(std::memcmp(&devices()[0], &plugged, sizeof plugged), 0);
}

}  // namespace
