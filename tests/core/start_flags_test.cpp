#include "core/start_flags.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

uint32_t Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "/path/orvane-wlan");
  return ParseStartFlags(static_cast<int>(args.size()), args.data());
}

TEST(StartFlagsTest, SwitchesMatchWholeAndWithoutCase) {
  EXPECT_EQ(Parse({}), 0u);
  EXPECT_EQ(Parse({"/ui"}), kStartUI);
  EXPECT_EQ(Parse({"/UI", "/uI"}), kStartUI);
  EXPECT_EQ(Parse({"/close", "/SERVICE", "/TrayIcon"}),
            kStartClose | kStartService | kStartTrayIcon);
  EXPECT_EQ(Parse({"/UI:1", "-UI", "/U", "UI", "/UI=", " /UI", "/TrayIconX"}), 0u);
}

TEST(StartFlagsTest, ProgramPathIsNotASwitch) {
  const char* args[] = {"/UI"};
  EXPECT_EQ(ParseStartFlags(1, args), 0u);
}

}  // namespace
