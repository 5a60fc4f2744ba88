#include "core/string_file_choice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/ini_file.h"
#include "tests/support/temp_dir.h"

namespace {

EnvReader Env(std::map<std::string, std::string> values) {
  return [values = std::move(values)](const char* name) -> const char* {
    const auto found = values.find(name);
    return found == values.end() ? nullptr : found->second.c_str();
  };
}

TEST(UserLanguage, FirstSetVariableDecidesInPosixOrder) {
  EXPECT_EQ(UserLanguage(Env({{"LANG", "de_DE.UTF-8"}})), "de");
  EXPECT_EQ(UserLanguage(Env({{"LC_ALL", "fr_FR"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "it"}})),
            "fr");
  EXPECT_EQ(UserLanguage(Env({{"LC_ALL", ""}, {"LC_MESSAGES", "de_AT@euro"}, {"LANG", "fr"}})),
            "de");
  // A set C locale means English even when LANG says otherwise.
  EXPECT_EQ(UserLanguage(Env({{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}})), "");
  EXPECT_EQ(UserLanguage(Env({{"LANG", "POSIX"}})), "");
  EXPECT_EQ(UserLanguage(Env({{"LANG", "C.UTF-8"}})), "");
  EXPECT_EQ(UserLanguage(Env({})), "");
  EXPECT_EQ(UserLanguage(Env({{"LANG", "DE_de"}})), "de");
}

TEST(UserLanguage, LocaleValuesThatAreNoLanguageCodeGiveNone) {
  EXPECT_EQ(UserLanguage(Env({{"LANG", "../../etc/passwd"}})), "");
  EXPECT_EQ(UserLanguage(Env({{"LANG", "de/x_DE"}})), "");
  EXPECT_EQ(UserLanguage(Env({{"LANG", "/tmp/de"}})), "");
}

// Sets LC_ALL for one test and puts the old value back.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* value) {
    if (const char* old = std::getenv("LC_ALL")) old_ = old;
    setenv("LC_ALL", value, 1);
  }
  ~ScopedLocale() {
    if (old_) {
      setenv("LC_ALL", old_->c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
  }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  std::optional<std::string> old_;
};

class LocaleStringFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir.File("X.ini"), "[Utility]\r\nAppTitle=English\r\n");
    WriteFile(dir.File("X.de.ini"), "[Utility]\r\nAppTitle=Deutsch\r\n");
  }
  std::string StartedTitle() {
    WLLibrary library;  // not found in the folder; the titles are read before
    CFAGlobalVar global;
    global.SetLoadErrorHandler(nullptr);
    global.Startup(0, dir.File("X"), library);
    return global.AppTitle();
  }

  TempDir dir;
};

TEST_F(LocaleStringFileTest, TheUsersLanguageFileIsChosenWhenTheSettingsNameNone) {
  WriteFile(dir.File("X.bin"), "[Setting]\r\nProfRoot=Home\r\n");
  {
    ScopedLocale locale("de_DE.UTF-8");
    EXPECT_EQ(StartedTitle(), "Deutsch");
  }
  {
    ScopedLocale locale("fr_FR.UTF-8");  // no French file: the English one
    EXPECT_EQ(StartedTitle(), "English");
  }
  {
    ScopedLocale locale("C");
    EXPECT_EQ(StartedTitle(), "English");
  }
}

TEST_F(LocaleStringFileTest, AStringFileNamedInTheSettingsWinsOverTheLocale) {
  WriteFile(dir.File("X.bin"), "[Setting]\r\nStringFile=X.ini\r\n");
  ScopedLocale locale("de_DE.UTF-8");
  EXPECT_EQ(StartedTitle(), "English");
}

std::vector<std::string> Placeholders(const std::string& text) {
  static const std::regex placeholder("%[sd]");
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
       it != std::sregex_iterator(); ++it) {
    found.push_back(it->str());
  }
  return found;
}

TEST(ShippedTranslation, GermanHasEveryEnglishKeyWithTheSamePlaceholders) {
  const IniFile english(std::string(ORV_BIN_DIR) + "/orvane-wlan.ini");
  const IniFile german(std::string(ORV_BIN_DIR) + "/orvane-wlan.de.ini");
  ASSERT_TRUE(english.FileExists());
  ASSERT_TRUE(german.FileExists());
  int keys = 0;
  for (const std::string& section : english.SectionNames()) {
    for (const std::string& key : english.KeyNames(section)) {
      ++keys;
      const std::optional<std::string> translated = german.Find(section, key);
      if (!translated) {
        ADD_FAILURE() << "[" << section << "] " << key << " is missing in German";
        continue;
      }
      const std::string original = english.ReadString(section, key, "");
      EXPECT_EQ(Placeholders(*translated), Placeholders(original))
          << "[" << section << "] " << key << ": " << *translated;
    }
  }
  EXPECT_GT(keys, 200);
}

}  // namespace
