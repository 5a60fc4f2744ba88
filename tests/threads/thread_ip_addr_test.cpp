#include "adapter/thread_ip_addr.h"

#include <gtest/gtest.h>
#include <net/if.h>
#include <sys/stat.h>

#include <atomic>
#include <mutex>
#include <stdexcept>

#include "platform/ip_helper.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace {

using std::chrono::milliseconds;

// An IP configuration with two adapters that records what is asked of it.
class FakeIpHelper : public IpHelper {
 public:
  uint32_t GetAdaptersInfo(std::span<IpAdapterInfo> buffer, std::size_t& count) override {
    Record("adapters room " + std::to_string(buffer.size()));
    if (throwOnAdapters) throw std::runtime_error("broken");
    count = adapters.size();
    if (buffer.size() < adapters.size()) return kErrorBufferOverflow;
    std::copy(adapters.begin(), adapters.end(), buffer.begin());
    return kNoError;
  }
  uint32_t GetInterfaceInfo(std::span<IpInterfaceEntry> buffer, std::size_t& count) override {
    Record("interfaces room " + std::to_string(buffer.size()));
    count = interfaces.size();
    if (buffer.size() < interfaces.size()) return sizeAnswer;
    std::copy(interfaces.begin(), interfaces.end(), buffer.begin());
    return kNoError;
  }
  uint32_t IpReleaseAddress(const IpInterfaceEntry& entry) override {
    Record("release " + entry.Name);
    return kNoError;
  }
  uint32_t IpRenewAddress(const IpInterfaceEntry& entry) override {
    if (blockRenew) release.Wait();
    Record("renew " + entry.Name);
    return kNoError;
  }

  std::vector<std::string> Calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }

  std::vector<IpAdapterInfo> adapters{{2, "eth0 Onboard Ethernet (e1000e)"},
                                      {7, "wlan1 Or-Vane USB Wireless LAN (orvane)"}};
  std::vector<IpInterfaceEntry> interfaces{{2, "eth0"}, {7, "wlan1"}};
  uint32_t sizeAnswer = kErrorInsufficientBuffer;
  bool throwOnAdapters = false;
  std::atomic<bool> blockRenew{false};
  Event release;

 private:
  void Record(std::string call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
  }
  std::mutex mutex_;
  std::vector<std::string> calls_;
};

// Runs a thread to its end: destroying it waits for it.
std::vector<std::string> RunToEnd(const std::string& name, int flags,
                                  const std::shared_ptr<FakeIpHelper>& helper) {
  { ThreadIPAddr thread(name, flags, helper); }
  return helper->Calls();
}

using Calls = std::vector<std::string>;

TEST(ThreadIPAddrTest, ReleasesThenRenewsTheAdapterWhoseDescriptionContainsTheName) {
  auto helper = std::make_shared<FakeIpHelper>();
  EXPECT_EQ(RunToEnd("OR-VANE usb", ThreadIPAddr::kRelease | ThreadIPAddr::kRenew, helper),
            (Calls{"adapters room 1", "adapters room 2", "interfaces room 0", "interfaces room 2",
                   "release wlan1", "renew wlan1"}));
  helper = std::make_shared<FakeIpHelper>();
  EXPECT_EQ(RunToEnd("Or-Vane", ThreadIPAddr::kRenew, helper).back(), "renew wlan1");
  EXPECT_EQ(helper->Calls().size(), 5u) << "renew only";
}

TEST(ThreadIPAddrTest, ChangesNothingWithoutAMatchingAdapterOrInterface) {
  auto helper = std::make_shared<FakeIpHelper>();
  EXPECT_EQ(RunToEnd("Bluetooth", 3, helper), (Calls{"adapters room 1", "adapters room 2"}));
  helper = std::make_shared<FakeIpHelper>();
  EXPECT_TRUE(RunToEnd("", 3, helper).empty()) << "an empty name would match any adapter";

  helper = std::make_shared<FakeIpHelper>();
  helper->interfaces = {{2, "eth0"}};
  EXPECT_EQ(RunToEnd("wlan1", 3, helper).size(), 4u) << "no interface with the adapter's index";

  helper = std::make_shared<FakeIpHelper>();
  helper->sizeAnswer = IpHelper::kNoError;
  EXPECT_EQ(RunToEnd("wlan1", 3, helper).back(), "interfaces room 0")
      << "a size query that does not ask for room stops";

  helper = std::make_shared<FakeIpHelper>();
  helper->throwOnAdapters = true;
  EXPECT_EQ(RunToEnd("wlan1", 3, helper).size(), 1u);
}

TEST(ThreadIPAddrTest, StoppingDoesNotWaitForASlowClientForever) {
  auto helper = std::make_shared<FakeIpHelper>();
  helper->blockRenew = true;
  const auto start = std::chrono::steady_clock::now();
  {
    ThreadIPAddr thread("wlan1", ThreadIPAddr::kRenew, helper,
                        ThreadIPAddr::Timing{milliseconds(50)});
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1000));
  helper->release.Set();
  ASSERT_TRUE(WaitUntil([&] { return helper.use_count() == 1; }));
  EXPECT_EQ(helper->Calls().back(), "renew wlan1");
}

TEST(SystemIpHelperTest, ListsTheInterfacesWithTheirIndexesBehindTheSizeProtocol) {
  std::shared_ptr<IpHelper> helper = MakeSystemIpHelper();
  std::size_t count = 0;
  const uint32_t sized = helper->GetAdaptersInfo({}, count);
  if (sized == IpHelper::kErrorNoData) GTEST_SKIP() << "no network interface besides loopback";
  ASSERT_EQ(sized, IpHelper::kErrorBufferOverflow);
  std::vector<IpAdapterInfo> adapters(count);
  ASSERT_EQ(helper->GetAdaptersInfo(adapters, count), IpHelper::kNoError);

  ASSERT_EQ(helper->GetInterfaceInfo({}, count), IpHelper::kErrorInsufficientBuffer);
  std::vector<IpInterfaceEntry> table(count);
  ASSERT_EQ(helper->GetInterfaceInfo(table, count), IpHelper::kNoError);
  ASSERT_EQ(table.size(), adapters.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_NE(table[i].Name, "lo");
    EXPECT_EQ(table[i].Index, if_nametoindex(table[i].Name.c_str()));
    EXPECT_EQ(adapters[i].Index, table[i].Index);
    EXPECT_EQ(adapters[i].Description.rfind(table[i].Name, 0), 0u) << adapters[i].Description;
  }
}

TEST(SystemIpHelperTest, RunsTheInstalledDhcpClientWithTheInterfaceAsOneArgument) {
  TempDir dir;
  auto install = [&](const std::string& program, int exitCode) {
    const std::string path = dir.File(program);
    WriteFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\" >> '" + dir.File("calls") +
                        "'; done\necho >> '" + dir.File("calls") + "'\nexit " +
                        std::to_string(exitCode) + "\n");
    ::chmod(path.c_str(), 0755);
  };
  const IpInterfaceEntry entry{9, "wl an;0"};
  EXPECT_EQ(MakeSystemIpHelper({dir.Path()})->IpRenewAddress(entry), IpHelper::kErrorNotSupported);

  install("dhcpcd", 0);
  std::shared_ptr<IpHelper> helper = MakeSystemIpHelper({dir.Path()});
  EXPECT_EQ(helper->IpReleaseAddress(entry), IpHelper::kNoError);
  EXPECT_EQ(helper->IpRenewAddress(entry), IpHelper::kNoError);
  EXPECT_EQ(ReadFile(dir.File("calls")), "[-k][wl an;0]\n[-n][wl an;0]\n");

  install("dhclient", 2);  // preferred when both are there
  WriteFile(dir.File("calls"), "");
  EXPECT_EQ(helper->IpReleaseAddress(entry), IpHelper::kErrorGenFailure);
  EXPECT_EQ(helper->IpRenewAddress(entry), IpHelper::kErrorGenFailure);
  EXPECT_EQ(ReadFile(dir.File("calls")), "[-r][wl an;0]\n[wl an;0]\n");
  EXPECT_EQ(helper->IpRenewAddress({9, "-x"}), IpHelper::kErrorInvalidParameter);
}

}  // namespace
