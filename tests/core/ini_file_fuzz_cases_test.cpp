// Inputs the IniFile fuzz target found, kept as plain cases.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ini_file.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(IniFileFuzzCases, ValueWithLineBreaksStaysOneLine) {
  TempDir dir;
  const std::string path = dir.File("settings.bin");
  WriteFile(path, "[LastApplyProf]\r\nTxRate=0\r\nSsid1=OrvHome\r\n");
  IniFile ini(path);
  // A scanned network name is 32 arbitrary bytes.
  ASSERT_TRUE(ini.WriteString("LastApplyProf", "Ssid1", "x\r\nEncryptionMethod=0\r\n[Other]\n"));
  ASSERT_TRUE(ini.WriteString("LastApplyProf", "Note", "\r\n"));
  ASSERT_TRUE(ini.WriteString("New", "k", "a\rb"));

  EXPECT_EQ(ini.ReadString("LastApplyProf", "Ssid1", ""), "x  EncryptionMethod=0  [Other] ");
  EXPECT_EQ(ini.ReadString("LastApplyProf", "Note", ""), "  ");
  EXPECT_EQ(ini.ReadString("New", "k", ""), "a b");
  EXPECT_EQ(ini.KeyNames("LastApplyProf"), (std::vector<std::string>{"TxRate", "Ssid1", "Note"}));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"LastApplyProf", "New"}));
  EXPECT_EQ(ReadFile(path),
            "[LastApplyProf]\r\nTxRate=0\r\nSsid1=\"x  EncryptionMethod=0  [Other] \"\r\n"
            "Note=\"  \"\r\n[New]\r\nk=a b\r\n");
}

// "" names the keys before the first section; a header "[]" does not open a
// section of that name, so its keys stay out of reach.
TEST(IniFileFuzzCases, EmptySectionNameIsTheUnnamedPart) {
  TempDir dir;
  const std::string path = dir.File("settings.bin");
  WriteFile(path, "top=1\r\n[]\r\nk=2\r\n[S]\r\nk=3\r\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("", "top", "d"), "1");
  EXPECT_EQ(ini.ReadString("", "k", "d"), "d");
  EXPECT_FALSE(ini.SectionExists(""));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"", "S"}));
  EXPECT_EQ(ini.KeyNames(""), std::vector<std::string>{"top"});
}

}  // namespace
