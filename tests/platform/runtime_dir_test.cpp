#include "platform/runtime_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <future>
#include <optional>

#include "core/instance_check.h"
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

// An instance takes the mutex before it opens its channel: a close sent in
// between must reach it once it listens, and with nobody running it ends at once.
TEST_F(RuntimeFallbackTest, AMessageSentBeforeTheInstanceListensReachesItLater) {
  using std::chrono::milliseconds;
  const std::string channel = RegisterNotifyChannel("Or-Vane_NotifyMsg");
  NamedMutex::Created holder = NamedMutex::Create("Or-Vane_Mutex");
  ASSERT_NE(holder.handle, nullptr);
  ASSERT_EQ(holder.error, 0);
  EXPECT_TRUE(NamedMutex::HeldElsewhere("Or-Vane_Mutex"));
  std::atomic<int> received{0};
  auto sent = std::async(std::launch::async,
                         [&] { return NotifyInstance("Or-Vane_Mutex", channel, PM_CLOSE); });
  // With the lock held and nobody listening yet, the sender keeps trying.
  EXPECT_EQ(sent.wait_for(milliseconds(300)), std::future_status::timeout);
  {
    ChannelListener listener(
        channel, [&](const ChannelMessage& message, Event&) { received = message.code; });
    ASSERT_TRUE(listener.IsListening());
    EXPECT_TRUE(sent.get());
  }
  EXPECT_EQ(received.load(), PM_CLOSE);

  holder.handle.reset();
  EXPECT_FALSE(NamedMutex::HeldElsewhere("Or-Vane_Mutex"));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(NotifyInstance("Or-Vane_Mutex", channel, PM_CLOSE));
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1000));
  // The probe leaves the mutex free for the next instance.
  EXPECT_EQ(NamedMutex::Create("Or-Vane_Mutex").error, 0);
}

}  // namespace
