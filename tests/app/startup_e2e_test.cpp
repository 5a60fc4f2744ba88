// The real executable, started from a temporary program folder as a user would.

#include <gtest/gtest.h>

#include <filesystem>

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
  }

  // Each test gets its own per-user runtime folder, so a utility running on
  // this machine is never reached.
  std::vector<std::string> Env() const {
    return {"XDG_RUNTIME_DIR=" + runtime.Path() + "/run", "QT_QPA_PLATFORM=offscreen",
            "DISPLAY=", "WAYLAND_DISPLAY="};
  }
  std::unique_ptr<ChildProcess> Start(std::vector<std::string> args) {
    return std::make_unique<ChildProcess>(program, std::move(args), Env());
  }
  int Run(std::vector<std::string> args) { return RunProgram(program, std::move(args), Env()); }
  bool LogHas(const std::string& file, const std::string& line) {
    return ReadFile(dir.File(file)).find(line + "\r\n") != std::string::npos;
  }

  TempDir dir;
  TempDir runtime;
  std::string program = dir.File("orvane-wlan");
};

TEST_F(StartupTest, SingleInstanceAndCloseBetweenRealProcesses) {
  WriteFile(dir.File("orvane-wlan.Log"), "");
  auto first = Start({"/UI", "/ui:1"});
  ASSERT_TRUE(WaitUntil([&] { return fs::exists(runtime.Path() + "/run/Or-Vane_NotifyMsg.sock"); }));
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

}  // namespace
