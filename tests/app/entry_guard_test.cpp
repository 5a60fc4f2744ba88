#include "app/entry_guard.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "platform/debug_log.h"
#include "platform/program_file.h"
#include "tests/support/temp_dir.h"

namespace {

// The guard's log lines land in this test program's own trace file.
class EntryGuardTest : public ::testing::Test {
 protected:
  EntryGuardTest() { WriteFile(logPath, ""); }
  ~EntryGuardTest() override { std::remove(logPath.c_str()); }

  std::string Log() const { return ReadFile(logPath); }

  const std::string logPath = DebugLogFile::LogPathFor(RunningProgramPath());
  std::vector<std::string> shown;
  std::function<void(const std::string&)> box = [this](const std::string& m) {
    shown.push_back(m);
  };
};

TEST_F(EntryGuardTest, AStandardExceptionIsShownThenLoggedWithItsMessage) {
  RunGuarded([] { throw std::runtime_error("settings unreadable"); }, box);
  EXPECT_EQ(shown, std::vector<std::string>{"settings unreadable"});
  EXPECT_NE(Log().find("Exception(WinMain): settings unreadable\r\n"), std::string::npos);
}

TEST_F(EntryGuardTest, AnyOtherExceptionIsLoggedThenShownEmpty) {
  RunGuarded([] { throw 42; }, box);
  EXPECT_EQ(shown, std::vector<std::string>{""});
  EXPECT_NE(Log().find("Exception(WinMain)\r\n"), std::string::npos);
}

TEST_F(EntryGuardTest, NoExceptionShowsNothing) {
  bool ran = false;
  RunGuarded([&] { ran = true; }, box);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(shown.empty());
}

}  // namespace
