#include "platform/runtime_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "platform/named_mutex.h"
#include "platform/notify_channel.h"
#include "tests/support/temp_dir.h"

namespace {

// The fall-back folder, with the temporary directory moved into a test folder.
class RuntimeFallbackTest : public ::testing::Test {
 protected:
  RuntimeFallbackTest() {
    Keep("XDG_RUNTIME_DIR", xdg_);
    Keep("TMPDIR", tmp_);
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", dir.Path().c_str(), 1);
  }
  ~RuntimeFallbackTest() override {
    Restore("XDG_RUNTIME_DIR", xdg_);
    Restore("TMPDIR", tmp_);
  }

  TempDir dir;
  const std::string folder = dir.File("orvane-" + std::to_string(::getuid()));

 private:
  static void Keep(const char* name, std::optional<std::string>& value) {
    if (const char* v = std::getenv(name)) value = v;
  }
  static void Restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  std::optional<std::string> xdg_, tmp_;
};

TEST_F(RuntimeFallbackTest, CreatesAPrivateFolderAndUsesIt) {
  EXPECT_EQ(RuntimeObjectPath("Or-Vane_Mutex", ".lock"), folder + "/Or-Vane_Mutex.lock");
  struct stat st {};
  ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_NE(NamedMutex::Create("Or-Vane_Mutex").handle, nullptr);
}

TEST_F(RuntimeFallbackTest, RefusesAFolderOthersCanEnterOrALink) {
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
  EXPECT_EQ(RuntimeObjectPath("Or-Vane_Mutex", ".lock"), "");
  EXPECT_EQ(NamedMutex::Create("Or-Vane_Mutex").handle, nullptr);
  ChannelListener listener(RegisterNotifyChannel("Or-Vane_NotifyMsg"),
                           [](const ChannelMessage&, Event&) {});
  EXPECT_FALSE(listener.IsListening());

  ASSERT_EQ(::rmdir(folder.c_str()), 0);
  const std::string elsewhere = dir.File("elsewhere");
  ASSERT_EQ(::mkdir(elsewhere.c_str(), 0700), 0);
  ASSERT_EQ(::symlink(elsewhere.c_str(), folder.c_str()), 0);
  EXPECT_EQ(RuntimeObjectPath("Or-Vane_Mutex", ".lock"), "");
}

}  // namespace
