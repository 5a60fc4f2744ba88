#include "platform/program_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "tests/support/temp_dir.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ProgramFilesTest, WritableFolderKeepsEverythingBesideTheProgram) {
  TempDir dir;
  const ProgramFiles files = LocateProgramFiles(dir.File("orvane-wlan"));
  EXPECT_FALSE(files.Installed());
  EXPECT_EQ(files.userDir, dir.Path() + "/");
  EXPECT_EQ(PrepareSettingsFile(files), dir.File("orvane-wlan.bin"));
}

TEST(ProgramFilesTest, PackagedProgramUsesTheUserConfigurationFolder) {
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/home/ann/cfg");
    const ProgramFiles files = LocateProgramFiles("/usr/lib/orvane-wlan/orvane-wlan");
    EXPECT_TRUE(files.Installed());
    EXPECT_EQ(files.programDir, "/usr/lib/orvane-wlan/");
    EXPECT_EQ(files.userDir, "/home/ann/cfg/orvane-wlan/");
  }
  // A relative XDG_CONFIG_HOME is not to be used: ~/.config instead.
  ScopedEnv config("XDG_CONFIG_HOME", "cfg");
  ScopedEnv home("HOME", "/home/bob");
  EXPECT_EQ(LocateProgramFiles("/usr/lib/orvane-wlan/orvane-wlan").userDir,
            "/home/bob/.config/orvane-wlan/");
}

TEST(ProgramFilesTest, FirstStartCopiesTheShippedSettingsOnce) {
  TempDir program, config;
  WriteFile(program.File("orvane-wlan.bin"), "[Setting]\r\nProfRoot=Or-Vane\r\n");
  const ProgramFiles files{program.Path() + "/", config.Path() + "/a/orvane-wlan/", "orvane-wlan"};
  const std::string own = config.Path() + "/a/orvane-wlan/orvane-wlan.bin";
  EXPECT_EQ(PrepareSettingsFile(files), own);
  EXPECT_EQ(ReadFile(own), "[Setting]\r\nProfRoot=Or-Vane\r\n");

  WriteFile(own, "[Setting]\r\nProfRoot=Mine\r\n");
  EXPECT_EQ(PrepareSettingsFile(files), own);
  EXPECT_EQ(ReadFile(own), "[Setting]\r\nProfRoot=Mine\r\n");
}

TEST(ProgramFilesTest, ShippedSettingsAreReadWhenNoCopyCanBeMade) {
  TempDir program, config;
  WriteFile(program.File("orvane-wlan.bin"), "[Setting]\r\n");
  WriteFile(config.File("blocked"), "a file where the folder should be");
  const ProgramFiles files{program.Path() + "/", config.File("blocked") + "/orvane-wlan/",
                           "orvane-wlan"};
  EXPECT_EQ(PrepareSettingsFile(files), program.File("orvane-wlan.bin"));
}

}  // namespace
