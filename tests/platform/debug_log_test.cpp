#include "platform/debug_log.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <thread>
#include <vector>

#include "platform/text.h"
#include "tests/support/temp_dir.h"

namespace {

class DebugLogTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string program = dir.File("X");
  std::string log = dir.File("X.Log");
};

TEST_F(DebugLogTest, PathReplacesTheProgramExtension) {
  EXPECT_EQ(DebugLogFile::LogPathFor("/opt/app/X.exe"), "/opt/app/X.Log");
  EXPECT_EQ(DebugLogFile::LogPathFor("/opt/app.d/orvane-wlan"), "/opt/app.d/orvane-wlan.Log");
}

TEST_F(DebugLogTest, NoFileMeansNoLogging) {
  DebugLogFile file(program);
  EXPECT_FALSE(file.IsOn());
  file.WriteLine("nothing");
  EXPECT_FALSE(FileExists(log));
}

TEST_F(DebugLogTest, AppendsAfterEarlierRunsWithCrLf) {
  WriteFile(log, "old line\r\n");
  {
    DebugLogFile file(program);
    ASSERT_TRUE(file.IsOn());
    file.WriteLine("first");
    file.WriteLine("");
  }
  EXPECT_EQ(ReadFile(log), "old line\r\n== START LOG ==\r\nfirst\r\n\r\n");
}

TEST_F(DebugLogTest, SecondHolderMovesToTheNextFreeNumberedFile) {
  WriteFile(log, "");
  WriteFile(dir.File("X_000.Log"), "left from before\r\n");
  DebugLogFile first(program);
  DebugLogFile second(program);
  ASSERT_TRUE(first.IsOn());
  ASSERT_TRUE(second.IsOn());
  EXPECT_EQ(second.Path(), dir.File("X_001.Log"));
  second.WriteLine("from the second");
  EXPECT_EQ(ReadFile(dir.File("X_001.Log")), "== START LOG ==\r\nfrom the second\r\n");
  EXPECT_EQ(ReadFile(dir.File("X_000.Log")), "left from before\r\n");
  EXPECT_EQ(ReadFile(log), "== START LOG ==\r\n");
}

TEST_F(DebugLogTest, AllFallbackNamesTakenTurnsLoggingOff) {
  WriteFile(log, "");
  for (int i = 0; i < 100; ++i) WriteFile(dir.File(FormatText("X_%03d.Log", i)), "");
  DebugLogFile holder(program);
  DebugLogFile other(program);
  EXPECT_TRUE(holder.IsOn());
  EXPECT_FALSE(other.IsOn());
  EXPECT_FALSE(FileExists(dir.File("X_100.Log")));
}

TEST_F(DebugLogTest, LinesOfManyThreadsNeverMix) {
  WriteFile(log, "");
  {
    DebugLogFile file(program);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([&file, t] {
        const std::string line(200, static_cast<char>('a' + t));
        for (int i = 0; i < 500; ++i) file.WriteLine(line);
      });
    }
    for (auto& t : threads) t.join();
  }
  const std::string content = ReadFile(log);
  std::size_t pos = content.find("\r\n") + 2;
  int lines = 0;
  while (pos < content.size()) {
    const std::size_t end = content.find("\r\n", pos);
    ASSERT_NE(end, std::string::npos);
    const std::string line = content.substr(pos, end - pos);
    ASSERT_EQ(line, std::string(200, line[0]));
    ++lines;
    pos = end + 2;
  }
  EXPECT_EQ(lines, 2000);
}

}  // namespace
