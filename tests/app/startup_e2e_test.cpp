// The real executable, started from a temporary program folder as a user would.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/ini_file.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"orvane-wlan", "ORVWL.DLL", "orvane-wlan.bin", "orvane-wlan.ini"}) {
      fs::copy_file(std::string(ORV_BIN_DIR) + "/" + file, dir.File(file));
    }
    fs::create_directory(runtime.Path() + "/run");
    fs::permissions(runtime.Path() + "/run", fs::perms::owner_all);
  }

  // Each test gets its own per-user runtime folder and simulator home, so a
  // utility running on this machine is never reached and no other test's
  // adapter is pulled out.
  std::vector<std::string> Env() const {
    return {"XDG_RUNTIME_DIR=" + runtime.Path() + "/run",
            "XDG_CONFIG_HOME=" + runtime.Path() + "/config",
            "ORVWL_SIM_HOME=" + runtime.Path() + "/sim",
            "QT_QPA_PLATFORM=offscreen",
            "DISPLAY=",
            "WAYLAND_DISPLAY="};
  }
  std::unique_ptr<ChildProcess> Start(std::vector<std::string> args) {
    return std::make_unique<ChildProcess>(program, std::move(args), Env());
  }
  int Run(std::vector<std::string> args) { return RunProgram(program, std::move(args), Env()); }
  bool LogHas(const std::string& file, const std::string& line) {
    return ReadFile(dir.File(file)).find(line + "\r\n") != std::string::npos;
  }
  int LogCount(const std::string& line) {
    const std::string log = ReadFile(dir.File("orvane-wlan.Log"));
    int count = 0;
    for (auto at = log.find(line); at != std::string::npos; at = log.find(line, at + 1)) ++count;
    return count;
  }
  std::string UserSettingsFolder() const { return runtime.Path() + "/config/orvane-wlan"; }
  // The simulator's control tool, as a user runs it beside the utility.
  int Simulator(const std::string& command) {
    return RunProgram(std::string(ORV_BIN_DIR) + "/orvwl-sim", {command}, Env());
  }

  TempDir dir;
  TempDir runtime;
  std::string program = dir.File("orvane-wlan");
};

TEST_F(StartupTest, SingleInstanceAndCloseBetweenRealProcesses) {
  WriteFile(dir.File("orvane-wlan.Log"), "");
  auto first = Start({"/UI", "/ui:1"});
  ASSERT_TRUE(
      WaitUntil([&] { return fs::exists(runtime.Path() + "/run/Or-Vane_NotifyMsg.sock"); }));
  EXPECT_TRUE(LogHas("orvane-wlan.Log", "== START LOG =="));
  EXPECT_TRUE(LogHas("orvane-wlan.Log", "Param(1) /UI"));
  EXPECT_TRUE(LogHas("orvane-wlan.Log", "Param(2) /ui:1"));

  EXPECT_EQ(Run({}), 0);
  EXPECT_TRUE(LogHas("orvane-wlan_000.Log", "Instance mutex already exists"));
  EXPECT_TRUE(first->Running());

  EXPECT_EQ(Run({"/CLOSE"}), 0);
  EXPECT_TRUE(LogHas("orvane-wlan_001.Log", "PM_CLOSE"));
  EXPECT_EQ(first->Wait(milliseconds(5000)), 0);
}

// Twenty starts at once leave exactly one running; a close racing a start
// never leaves two running, nor a start that no close can end.
TEST_F(StartupTest, SimultaneousStartsLeaveOneAndACloseRacingAStartStrandsNone) {
  std::vector<std::unique_ptr<ChildProcess>> starts;
  for (int i = 0; i < 20; ++i) starts.push_back(Start({}));
  const auto running = [&] {
    return std::count_if(starts.begin(), starts.end(), [](auto& p) { return p->Running(); });
  };
  ASSERT_TRUE(WaitUntil([&] { return running() <= 1; }, milliseconds(60000)));
  EXPECT_EQ(running(), 1);
  EXPECT_EQ(Run({"/Close"}), 0);
  EXPECT_TRUE(WaitUntil([&] { return running() == 0; }));
  for (auto& start : starts) EXPECT_EQ(start->Wait(milliseconds(1000)), 0);

  for (int round = 0; round < 5; ++round) {
    auto start = Start({});
    auto close = Start({"/Close"});
    EXPECT_EQ(close->Wait(milliseconds(20000)), 0) << "round " << round;
    // The start either took the close or runs alone and takes the next one.
    EXPECT_TRUE(WaitUntil([&] {
      return !start->Running() || fs::exists(runtime.Path() + "/run/Or-Vane_NotifyMsg.sock");
    }));
    EXPECT_EQ(Run({"/Close"}), 0) << "round " << round;
    EXPECT_EQ(start->Wait(milliseconds(20000)), 0) << "round " << round;
  }
}

TEST_F(StartupTest, CloseWithNobodyRunningEndsAtOnce) {
  EXPECT_EQ(Run({"/Close", "/UI"}), 0);
  EXPECT_FALSE(fs::exists(runtime.Path() + "/run/Or-Vane_Mutex.lock"));
  EXPECT_FALSE(fs::exists(dir.File("orvane-wlan.Log")));
}

TEST_F(StartupTest, MissingLibraryEndsWithExitCodeZero) {
  fs::remove(dir.File("ORVWL.DLL"));
  WriteFile(dir.File("orvane-wlan.Log"), "");
  EXPECT_EQ(Run({"/UI"}), 0);
  EXPECT_EQ(Run({"/Close"}), 0);
  EXPECT_FALSE(fs::exists(runtime.Path() + "/run/Or-Vane_Mutex.lock"));
  EXPECT_EQ(ReadFile(dir.File("orvane-wlan.Log")),
            "== START LOG ==\r\nParam(1) /UI\r\n== START LOG ==\r\nParam(1) /Close\r\n");
}

constexpr char kSelectDev[] =
    "Select Dev: <Or-Vane Simulated Wireless LAN Adapter><SIM\\ORVWL_0001><9999>";

TEST_F(StartupTest, FollowsTheAdapterOutAndBackInUntilClosed) {
  WriteFile(dir.File("orvane-wlan.Log"), "");
  auto utility = Start({"/UI", "/TrayIcon"});
  ASSERT_TRUE(WaitUntil([&] { return LogHas("orvane-wlan.Log", kSelectDev); }));
  EXPECT_TRUE(WaitUntil([&] { return LogHas("orvane-wlan.Log", "Connect last => Default"); }));

  EXPECT_EQ(Simulator("unplug"), 0);
  EXPECT_TRUE(WaitUntil([&] { return LogHas("orvane-wlan.Log", "CNICAdapter::~CNICAdapter()"); }));
  EXPECT_TRUE(utility->Running());

  EXPECT_EQ(Simulator("plug"), 0);
  EXPECT_TRUE(WaitUntil([&] { return LogCount(kSelectDev) == 2; }));

  EXPECT_EQ(Run({"/Close"}), 0);
  EXPECT_EQ(utility->Wait(milliseconds(5000)), 0);
}

TEST_F(StartupTest, ServiceStartAppliesTheLastAppliedProfileAtAttach) {
  WLProfile last{};
  ResetSecurity(last);
  last.NetworkMode = 1;
  last.TxRate = 15;
  CopyText(last.ProfileName, "Corner");
  CopyText(last.Ssid1, "OrvOpen");
  IniFile settings(dir.File("orvane-wlan.bin"));
  ProfToIniFile(settings, last, "LastApplyProf");
  WriteFile(dir.File("orvane-wlan.Log"), "");

  auto utility = Start({"/Service"});
  ASSERT_TRUE(WaitUntil([&] { return LogHas("orvane-wlan.Log", kSelectDev); }));
  // The library took the profile: the utility records it as the last one used.
  EXPECT_TRUE(WaitUntil(
      [&] { return settings.ReadString("SIM\\ORVWL_0001-9999", "LastProf", "") == "Corner"; }));
  EXPECT_FALSE(LogHas("orvane-wlan.Log", "Connect last => Default"));

  EXPECT_EQ(Run({"/Close"}), 0);
  EXPECT_EQ(utility->Wait(milliseconds(5000)), 0);
}

TEST_F(StartupTest, ServiceWithoutAnyDisplayRunsAttachesAndClosesWithZero) {
  WriteFile(dir.File("orvane-wlan.Log"), "");
  std::vector<std::string> env = Env();
  std::replace(env.begin(), env.end(), std::string("QT_QPA_PLATFORM=offscreen"),
               std::string("QT_QPA_PLATFORM="));  // nothing chosen: the program copes alone
  ChildProcess utility(program, {"/Service"}, env);
  ASSERT_TRUE(WaitUntil([&] { return LogHas("orvane-wlan.Log", kSelectDev); }));
  EXPECT_TRUE(utility.Running());
  EXPECT_EQ(Run({"/Close"}), 0);
  EXPECT_EQ(utility.Wait(milliseconds(5000)), 0);
}

// An installed copy: a program directory the user cannot write to. Root may
// write anywhere, so as root the program runs as an unprivileged user.
class InstalledStartupTest : public StartupTest {
 protected:
  void SetUp() override {
    StartupTest::SetUp();
    // A log beside a read-only program stays unused.
    WriteFile(dir.File("orvane-wlan.Log"), "");
    fs::permissions(dir.File("orvane-wlan.Log"), fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    if (::geteuid() == 0) {
      fs::permissions(runtime.Path(), fs::perms::owner_all | fs::perms::others_exec);
      for (const auto& entry : fs::recursive_directory_iterator(runtime.Path())) {
        ASSERT_EQ(::chown(entry.path().c_str(), kNobody, kNobody), 0);
      }
      ASSERT_EQ(::chown(runtime.Path().c_str(), kNobody, kNobody), 0);
    }
    shipped = ReadFile(dir.File("orvane-wlan.bin"));
  }
  void TearDown() override { fs::permissions(dir.Path(), fs::perms::owner_all); }

  std::unique_ptr<ChildProcess> StartAsUser(std::vector<std::string> args) {
    return std::make_unique<ChildProcess>(Command(), AsUser(std::move(args)), Env());
  }
  int RunAsUser(std::vector<std::string> args) {
    return RunProgram(Command(), AsUser(std::move(args)), Env());
  }
  std::string Command() const { return ::geteuid() == 0 ? "/usr/bin/setpriv" : program; }
  std::vector<std::string> AsUser(std::vector<std::string> args) const {
    if (::geteuid() != 0) return args;
    std::vector<std::string> all{"--reuid=65534", "--regid=65534", "--clear-groups", "--", program};
    all.insert(all.end(), args.begin(), args.end());
    return all;
  }

  static constexpr uid_t kNobody = 65534;
  std::string shipped;
};

TEST_F(InstalledStartupTest, SettingsAndLogLiveInTheUserFolder) {
  auto utility = StartAsUser({"/UI"});
  const std::string settingsPath = UserSettingsFolder() + "/orvane-wlan.bin";
  // The first start copies the shipped settings and works on the copy.
  ASSERT_TRUE(WaitUntil([&] {
    return IniFile(settingsPath).ReadString("SIM\\ORVWL_0001-9999", "LastProf", "") == "Default";
  }));
  EXPECT_EQ(RunAsUser({"/Close"}), 0);
  EXPECT_EQ(utility->Wait(milliseconds(5000)), 0);
  EXPECT_EQ(ReadFile(dir.File("orvane-wlan.bin")), shipped);
  EXPECT_EQ(ReadFile(dir.File("orvane-wlan.Log")), "");

  // Later starts keep the user's settings; a log there is found and written.
  IniFile(settingsPath).WriteString("Setting", "Mine", "kept");
  WriteFile(UserSettingsFolder() + "/orvane-wlan.Log", "");
  if (::geteuid() == 0) {
    for (const char* file : {"/orvane-wlan.Log", "/orvane-wlan.bin"}) {
      ASSERT_EQ(::chown((UserSettingsFolder() + file).c_str(), kNobody, kNobody), 0);
    }
  }
  auto again = StartAsUser({"/UI"});
  ASSERT_TRUE(WaitUntil([&] {
    return ReadFile(UserSettingsFolder() + "/orvane-wlan.Log").find(kSelectDev) !=
           std::string::npos;
  }));
  EXPECT_EQ(IniFile(settingsPath).ReadString("Setting", "Mine", ""), "kept");
  EXPECT_EQ(RunAsUser({"/Close"}), 0);
  EXPECT_EQ(again->Wait(milliseconds(5000)), 0);
}

TEST_F(StartupTest, PortableCopyKeepsEverythingBesideItself) {
  WriteFile(dir.File("orvane-wlan.Log"), "");
  auto utility = Start({"/UI"});
  ASSERT_TRUE(WaitUntil([&] {
    return IniFile(dir.File("orvane-wlan.bin"))
               .ReadString("SIM\\ORVWL_0001-9999", "LastProf", "") == "Default";
  }));
  // The settings write can be seen before the log line that came first reaches the file.
  EXPECT_TRUE(WaitUntil([&] { return LogHas("orvane-wlan.Log", kSelectDev); }));
  EXPECT_FALSE(fs::exists(UserSettingsFolder()));
  EXPECT_EQ(Run({"/Close"}), 0);
  EXPECT_EQ(utility->Wait(milliseconds(5000)), 0);
}

}  // namespace
