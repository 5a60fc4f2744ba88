#include "core/fa_global_var.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "adapter/wl_library.h"
#include "adapter/wl_records.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class GlobalVarTest : public ::testing::Test {
 protected:
  void InstallLibrary() {
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir.File("ORVWL.DLL"));
  }
  bool Start(uint32_t flags = 0) { return global.Startup(flags, program, library); }

  TempDir dir;
  std::string program = dir.File("X");
  WLLibrary library;
  CFAGlobalVar global;
};

TEST_F(GlobalVarTest, WithoutSettingsFileEverythingIsDefault) {
  InstallLibrary();
  ASSERT_TRUE(Start());
  EXPECT_EQ(global.SettingsPath(), dir.File("X.bin"));
  EXPECT_EQ(global.StringFilePath(), dir.File("X.ini"));
  EXPECT_EQ(global.StringFile(), nullptr);
  EXPECT_EQ(global.ProgramDir(), dir.Path() + "/");
  EXPECT_EQ(global.AppTitle(), "X");
  EXPECT_EQ(global.MsgTitle(), "X Message");
  EXPECT_EQ(global.ProfRoot(), "Or-Vane");
  EXPECT_EQ(global.MutexName(), "Or-Vane_Mutex");
  EXPECT_EQ(global.NotifyMsgName(), "Or-Vane_NotifyMsg");
  EXPECT_EQ(global.OSLevel(), 7);
  EXPECT_EQ(global.DisplayString(0), "N/A");
  EXPECT_EQ(global.InfoRead("Setting", "Anything", "d"), "d");
  EXPECT_TRUE(library.IsLoaded());
}

TEST_F(GlobalVarTest, StringFileNamedBySettingsTranslates) {
  InstallLibrary();
  WriteFile(dir.File("X.bin"), "[Setting]\r\nStringFile=lang/de.txt\r\nProfRoot=Home\r\n");
  fs::create_directory(dir.File("lang"));
  WriteFile(dir.File("lang/de.txt"),
            "[Utility]\r\nAppTitle=Funk\r\n[Common]\r\nEncrypt_None=Off\r\nMbps=%s%n\r\n");
  WriteFile(dir.File("X.ini"), "[Utility]\r\nAppTitle=Wrong file\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(global.AppTitle(), "Funk");
  EXPECT_EQ(global.MsgTitle(), "X Message");
  EXPECT_EQ(global.DisplayString(28), "Off");
  EXPECT_EQ(global.DisplayString(3), "%s%n");  // held as text, never used as a format
  EXPECT_EQ(global.DisplayString(29), "WEP");
  EXPECT_EQ(global.MutexName(), "Home_Mutex");
  EXPECT_EQ(global.NotifyMsgName(), "Home_NotifyMsg");
}

TEST_F(GlobalVarTest, StringFileIsUsedOnlyWithASettingsFile) {
  InstallLibrary();
  WriteFile(dir.File("X.ini"), "[Utility]\r\nAppTitle=Ignored\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(global.AppTitle(), "X");
}

TEST_F(GlobalVarTest, HardwareIdListStopsAtTheFirstEmptyKey) {
  InstallLibrary();
  DeviceEntry entries[CFAGlobalVar::kHWIDListCapacity];

  WriteFile(dir.File("X.bin"), "[Setting]\r\nHWID0=\r\nHWID1=USB\\B\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(global.ReadHWIDList(entries, 16), 0);

  std::string all = "[Setting]\r\n";
  for (int i = 0; i < 18; ++i) all += "HWID" + std::to_string(i) + "=ID" + std::to_string(i) + "\r\n";
  all += "HWID3=" + std::string(300, 'L') + "\r\n";
  WriteFile(dir.File("X.bin"), all);
  ASSERT_EQ(global.ReadHWIDList(entries, 16), 16);
  EXPECT_STREQ(entries[15].HardwareId, "ID15");
  EXPECT_EQ(global.ReadHWIDList(entries, 2), 2);

  WriteFile(dir.File("X.bin"), "[Setting]\r\nHWID0=" + std::string(300, 'L') + "\r\n");
  ASSERT_EQ(global.ReadHWIDList(entries, 16), 1);
  EXPECT_EQ(std::string(entries[0].HardwareId), std::string(127, 'L'));
}

TEST_F(GlobalVarTest, BooleanSettingsAreIntegers) {
  InstallLibrary();
  WriteFile(dir.File("X.bin"), "[Setting]\r\nOn=2\r\nOff=0\r\nWord=yes\r\n");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(global.InfoRead("Setting", "On", false));
  EXPECT_FALSE(global.InfoRead("Setting", "Off", true));
  EXPECT_TRUE(global.InfoRead("Setting", "Word", true));
  EXPECT_FALSE(global.InfoRead("Setting", "Missing", false));
}

TEST_F(GlobalVarTest, DriverPathFallsBackToTheDriversFolder) {
  InstallLibrary();
  ASSERT_TRUE(Start());
  fs::create_directories(dir.File("System32/Drivers"));
  WriteFile(dir.File("System32/Drivers/orvwl.sys"), "driver");
  EXPECT_EQ(global.ResolveDriverPath("elsewhere\\orvwl.sys"), dir.File("System32/Drivers/orvwl.sys"));
  WriteFile(dir.File("direct.sys"), "driver");
  EXPECT_EQ(global.ResolveDriverPath("direct.sys"), dir.File("direct.sys"));
  EXPECT_EQ(global.ResolveDriverPath("missing.sys"), "");
}

class EnvironmentGuard {
 public:
  EnvironmentGuard(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~EnvironmentGuard() {
    if (had_) {
      ::setenv(name_, old_.c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

TEST_F(GlobalVarTest, MissingLibraryIsShownOnlyWhenSomeoneCanSeeIt) {
  std::vector<std::string> shown;
  global.SetLoadErrorHandler([&](const std::string& text) { shown.push_back(text); });
  {
    EnvironmentGuard display("DISPLAY", nullptr);
    EnvironmentGuard wayland("WAYLAND_DISPLAY", nullptr);
    EXPECT_FALSE(Start());
    EXPECT_TRUE(shown.empty());
  }
  {
    EnvironmentGuard display("DISPLAY", ":42");
    EXPECT_FALSE(Start());
    EXPECT_EQ(shown, std::vector<std::string>{"Failed to load ORVWL.DLL library file."});
  }
  EXPECT_FALSE(library.IsLoaded());
}

TEST_F(GlobalVarTest, LibraryWithoutAllEntryPointsIsRefused) {
  fs::copy_file(std::string(ORV_TEST_BIN_DIR) + "/orvwl_incomplete.DLL", dir.File("ORVWL.DLL"));
  EnvironmentGuard display("DISPLAY", nullptr);
  EnvironmentGuard wayland("WAYLAND_DISPLAY", nullptr);
  EXPECT_FALSE(Start());
  EXPECT_FALSE(library.IsLoaded());
}

}  // namespace
