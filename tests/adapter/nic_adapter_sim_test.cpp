// The adapter manager against the simulated library, loaded by path as the
// program loads it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/ini_file.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

class CountingNotifier : public Notifier {
 public:
  void Post(int code, intptr_t) override {
    if (code == PM_STATUS) ++statusPosts;
  }
  intptr_t Send(int, intptr_t, Event&) override { return 0; }
  std::atomic<int> statusPosts{0};
};

TEST(NicAdapterSimulatorTest, AttachesConnectsToASecuredNetworkAndReportsTheLink) {
  TempDir dir;
  fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir.File("ORVWL.DLL"));
  WriteFile(dir.File("ORVWL.sim"),
            "[adapter]\nseed = 3\nscan_ms = 10\nassociate_ms = 10-20\n"
            "[network]\nssid = OrvHome\nchannel = 36\nradio = a\nmode = infrastructure\n"
            "security = 123\nsignal = -52\npassphrase = correct horse battery\n");
  ::setenv("ORVWL_SIM_HOME", dir.File("home").c_str(), 1);
  CFAGlobalVar global;
  WLLibrary library;
  ASSERT_TRUE(global.Startup(0, dir.File("X"), library));

  AdapterIdent ident{};
  CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
  CopyText(ident.Tag, kAdapterIdentTag);
  auto notifier = std::make_shared<CountingNotifier>();
  CNICAdapter::Dependencies deps;
  deps.global = &global;
  deps.library = &library;
  deps.timing = {milliseconds(20), milliseconds(40), milliseconds(2000),
                 milliseconds(1),  milliseconds(1),  milliseconds(1)};
  auto adapter = std::make_unique<CNICAdapter>(notifier, 0, ident, deps);

  EXPECT_EQ(adapter->MacText(), "00:0E:2E:5A:10:01");
  std::vector<WLProfile> stations;
  adapter->GetProfileList(0, stations);
  ASSERT_EQ(stations.size(), 1u);
  EXPECT_STREQ(stations[0].ProfileName, "Default");

  std::vector<SiteSurveyEntry> sites;
  ASSERT_TRUE(WaitUntil([&] {
    adapter->GetSiteList(sites);
    return !sites.empty();
  }));
  WLProfile profile{};
  adapter->ProfileFromSite(sites[0], profile);
  EXPECT_STREQ(profile.Ssid1, "OrvHome");
  EXPECT_EQ(profile.EncryptionMethod, 6);
  EXPECT_EQ(profile.WPAEncryptionType, 2);
  CopyText(profile.ProfileName, "Home");
  CopyText(profile.WPAPassphrase, "correct horse battery");
  adapter->Connect(profile);

  WLANStatus status{};
  ASSERT_TRUE(WaitUntil([&] {
    adapter->GetStatus(status);
    return status.MediaState == kMediaConnected;
  }));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(status.Ssid),
                        static_cast<std::size_t>(status.SsidLength)),
            "OrvHome");
  // What orvwl-sim status shows of this process: the manager's connect.
  const std::string live =
      ReadFile(dir.File("home") + "/live/" + std::to_string(::getpid()) + ".state");
  EXPECT_NE(live.find("profile = Home\n"), std::string::npos) << live;
  EXPECT_NE(live.find("[association]\nssid = OrvHome\n"), std::string::npos) << live;
  const int posts = notifier->statusPosts;
  ASSERT_TRUE(WaitUntil([&] { return notifier->statusPosts >= posts + 2; }));
  EXPECT_EQ(adapter->Settings().ReadSet("LastProf", ""), "Home");
  adapter.reset();
}

// A scanned name is any 32 bytes: one with CR LF is joined, and what is kept of
// the connection still reads back as the keys that were written.
TEST(NicAdapterSimulatorTest, ANetworkNameWithALineBreakIsJoinedAndKeptOnOneLine) {
  TempDir dir;
  fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir.File("ORVWL.DLL"));
  WriteFile(dir.File("ORVWL.sim"), "[adapter]\nseed = 5\nscan_ms = 10\nassociate_ms = 10-20\n");
  const std::string home = dir.File("home");
  ::setenv("ORVWL_SIM_HOME", home.c_str(), 1);
  ASSERT_EQ(RunProgram(std::string(ORV_BIN_DIR) + "/orvwl-sim",
                       {"add-network", "Cafe\\x0D\\x0AEncryptionMethod=2", "channel=6", "radio=g",
                        "security=0"},
                       {"ORVWL_SIM_HOME=" + home}),
            0);
  CFAGlobalVar global;
  WLLibrary library;
  ASSERT_TRUE(global.Startup(0, dir.File("X"), library));
  AdapterIdent ident{};
  CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
  CopyText(ident.Tag, kAdapterIdentTag);
  CNICAdapter::Dependencies deps;
  deps.global = &global;
  deps.library = &library;
  deps.timing = {milliseconds(20), milliseconds(40), milliseconds(2000),
                 milliseconds(1),  milliseconds(1),  milliseconds(1)};
  auto adapter =
      std::make_unique<CNICAdapter>(std::make_shared<CountingNotifier>(), 0, ident, deps);

  const std::string ssid = "Cafe\r\nEncryptionMethod=2";
  WLProfile cafe = adapter->DefaultProfile();
  CopyText(cafe.ProfileName, "Cafe");
  CopyText(cafe.Ssid1, ssid);
  adapter->Connect(cafe);
  WLANStatus status{};
  ASSERT_TRUE(WaitUntil([&] {
    adapter->GetStatus(status);
    return status.MediaState == kMediaConnected;
  }));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(status.Ssid),
                        static_cast<std::size_t>(status.SsidLength)),
            ssid);
  ASSERT_TRUE(WaitUntil([&] { return adapter->Settings().ReadSet("LastProf", "") == "Cafe"; }));
  IniFile settings(dir.File("X.bin"));
  WLProfile kept{};
  ASSERT_TRUE(ProfFromIniFile(settings, kept, "LastApplyProf"));
  EXPECT_EQ(kept.EncryptionMethod, cafe.EncryptionMethod);
  EXPECT_STREQ(kept.Ssid1, "Cafe  EncryptionMethod=2");
  EXPECT_EQ(settings.KeyNames("LastApplyProf").size(), ProfileIniKeyValues(cafe).size());
  adapter.reset();
}

}  // namespace

namespace {

// A long run for the leak checker (campaign/leak-soak.sh runs it under
// AddressSanitizer): 1000 scans read and 10 000 status ticks on a link with
// traffic. Skipped unless ORV_LEAK_SOAK is set.
TEST(NicAdapterSimulatorTest, ThousandScansAndTenThousandStatusTicks) {
  if (std::getenv("ORV_LEAK_SOAK") == nullptr) GTEST_SKIP() << "ORV_LEAK_SOAK is not set";
  TempDir dir;
  fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir.File("ORVWL.DLL"));
  WriteFile(dir.File("ORVWL.sim"),
            "[adapter]\nseed = 7\nscan_ms = 1\nassociate_ms = 10\n"
            "[network]\nssid = OrvOpen\nchannel = 6\nradio = g\nsecurity = 0\nsignal = -50\n");
  const std::string home = dir.File("home");
  ::setenv("ORVWL_SIM_HOME", home.c_str(), 1);
  CFAGlobalVar global;
  WLLibrary library;
  ASSERT_TRUE(global.Startup(0, dir.File("X"), library));
  AdapterIdent ident{};
  CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
  CopyText(ident.Tag, kAdapterIdentTag);
  auto notifier = std::make_shared<CountingNotifier>();
  CNICAdapter::Dependencies deps;
  deps.global = &global;
  deps.library = &library;
  deps.timing = {milliseconds(1), milliseconds(1), milliseconds(2000),
                 milliseconds(1), milliseconds(1), milliseconds(1)};
  auto adapter = std::make_unique<CNICAdapter>(notifier, 0, ident, deps);
  WLProfile profile = adapter->DefaultProfile();
  CopyText(profile.ProfileName, "Open");
  CopyText(profile.Ssid1, "OrvOpen");
  adapter->Connect(profile);
  ASSERT_EQ(RunProgram(std::string(ORV_BIN_DIR) + "/orvwl-sim", {"traffic", "8000", "3600"},
                       {"ORVWL_SIM_HOME=" + home}),
            0);
  int scans = 0;
  for (; scans < 1000; ++scans) {
    adapter->StartSiteSurvey();
    std::vector<SiteSurveyEntry> sites;
    ASSERT_TRUE(WaitUntil([&] {
      adapter->GetSiteList(sites);
      return !sites.empty();
    })) << "scan "
        << scans;
  }
  ASSERT_TRUE(WaitUntil([&] { return notifier->statusPosts >= 10000; }, std::chrono::minutes(10)));
  WLANStatus status{};
  adapter->GetStatus(status);
  EXPECT_EQ(status.MediaState, kMediaConnected);
  std::printf("leak soak: %d scans, %d status ticks\n", scans, notifier->statusPosts.load());
  adapter.reset();
}

}  // namespace
