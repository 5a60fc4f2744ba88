// IniFile::WriteStrings must leave exactly the file that writing the same keys
// one by one with WriteString leaves, from any starting file.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "core/ini_file.h"
#include "model/profile_ini.h"
#include "tests/model/random_records.h"
#include "tests/support/temp_dir.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

class BatchWriteTest : public ::testing::Test {
 protected:
  // Writes the entries into two copies of `start`, key by key and as a batch,
  // and expects the same bytes.
  void ExpectSameFile(const std::string& start, const std::string& section, const Entries& entries,
                      bool fileExists = true) {
    const std::string single = dir.File("single-" + std::to_string(round_));
    const std::string batch = dir.File("batch-" + std::to_string(round_));
    ++round_;
    if (fileExists) {
      WriteFile(single, start);
      WriteFile(batch, start);
    }
    IniFile a(single), b(batch);
    for (const auto& [key, value] : entries) ASSERT_TRUE(a.WriteString(section, key, value));
    ASSERT_TRUE(b.WriteStrings(section, entries));
    EXPECT_EQ(ReadFile(single), ReadFile(batch)) << "start:\n" << start;
  }

  TempDir dir;
  int round_ = 0;
};

const Entries kSome = {{"One", "1"},  {"Two", "2"}, {"one", "uno"},
                       {"Three", ""}, {"Two", "2"}, {"Four", "a=b"}};

TEST_F(BatchWriteTest, SameFileFromManyStarts) {
  const std::vector<std::string> starts = {
      "",
      "[S]\r\n",
      "[S]",
      "[s]\r\nTWO=2\r\nother=x\r\n\r\n\r\n[T]\r\nOne=9\r\n",
      "top=1\r\n[T]\r\nOne=1\r\n",
      "[S]\r\nOne=0\r\n[S]\r\nOne=dup\r\n",
      "; comment\r\n[S]\r\n; inside\r\nTwo\r\n\r\n[U]\r\n",
      "[S]\nOne=1\nTwo=2\n",
      "[S]\rThree=3\r\r\rFour=4",
      "[S]\r\nFour = a=b \r\n",
      "[ S ] trailing\r\n  one  =  1  \r\n",
      "[T]\r\nx=1",
  };
  for (const std::string& start : starts) ExpectSameFile(start, "S", kSome);
}

TEST_F(BatchWriteTest, SameFileWhenTheFileDoesNotExist) { ExpectSameFile("", "S", kSome, false); }

TEST_F(BatchWriteTest, NothingToChangeLeavesTheFileAlone) {
  const std::string path = dir.File("same");
  WriteFile(path, "[S]\r\nOne=1\r\n");
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  IniFile ini(path);
  ASSERT_TRUE(ini.WriteStrings("S", Entries{{"One", "1"}, {"one", "1"}}));
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // not replaced
  EXPECT_TRUE(ini.WriteStrings("S", Entries{}));
}

TEST_F(BatchWriteTest, AFileThatCannotBeWrittenStaysAsItWas) {
  IniFile ini(dir.File("missing/X.bin"));
  EXPECT_FALSE(ini.WriteStrings("S", kSome));
}

TEST_F(BatchWriteTest, ProfilesOverOtherProfilesGiveTheSameFile) {
  RandomRecords random(8);
  std::string start = "[Setting]\r\nProfRoot=Home\r\n";
  for (int round = 0; round < 5; ++round) {
    const IniKeyValues keys = ProfileIniKeyValues(random.Profile());
    ExpectSameFile(start, "LastApplyProf", keys);
    start = ReadFile(dir.File("batch-" + std::to_string(round_ - 1)));
  }
}

}  // namespace
