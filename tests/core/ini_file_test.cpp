#include "core/ini_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/temp_dir.h"

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& content) {
    WriteFile(path, content);
    return path;
  }
  std::string Read(const std::string& section, const std::string& key) {
    return IniFile(path).ReadString(section, key, "<default>");
  }

  TempDir dir;
  std::string path = dir.File("settings.bin");
};

TEST_F(IniFileTest, ReadsWithPrivateProfileRules) {
  Write(
      "top=unnamed\r\n"
      "  [ Main ]  trailing text\r\n"
      "\tKey One \t=  spaced value \t\r\n"
      "noequals\r\n"
      "#hash=counts\r\n"
      ";comment=ignored\r\n"
      "[broken\r\n"
      "a=b=c\r\n"
      "quoted=\"in quotes\"\r\n"
      "single='x'\r\n"
      "mismatched=\"x'\r\n"
      "empty=\r\n"
      "dup=first\r\n"
      "DUP=second\r\n"
      "[main]\r\n"
      "later=hidden by the first section\r\n"
      "[Name]With]Brackets]\r\n"
      "k=v\r\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("", "top", "d"), "unnamed");
  EXPECT_EQ(ini.ReadString("MAIN", "key one", "d"), "spaced value");
  EXPECT_EQ(ini.ReadString("Main", "noequals", "d"), "d");
  EXPECT_EQ(ini.ReadString("Main", "#hash", "d"), "counts");
  EXPECT_EQ(ini.ReadString("Main", ";comment", "d"), "d");
  EXPECT_EQ(ini.ReadString("Main", "[broken", "d"), "d");
  EXPECT_EQ(ini.ReadString("Main", "a", "d"), "b=c");
  EXPECT_EQ(ini.ReadString("Main", "quoted", "d"), "in quotes");
  EXPECT_EQ(ini.ReadString("Main", "single", "d"), "x");
  EXPECT_EQ(ini.ReadString("Main", "mismatched", "d"), "\"x'");
  EXPECT_EQ(ini.ReadString("Main", "empty", "d"), "");
  EXPECT_EQ(ini.ReadString("Main", "dup", "d"), "first");
  EXPECT_EQ(ini.ReadString("Main", "later", "d"), "d");
  EXPECT_EQ(ini.ReadString("Name]With]Brackets", "k", "d"), "v");
  EXPECT_EQ(ini.ReadString("Name]With", "k", "d"), "d");
  EXPECT_EQ(ini.ReadString("Missing", "k", "d"), "d");
  EXPECT_TRUE(ini.SectionExists("main"));
  EXPECT_FALSE(ini.SectionExists("broken"));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Main", "main", "Name]With]Brackets"}));
}

TEST_F(IniFileTest, AnyRunOfCrAndLfEndsALine) {
  Write("[s]\ra=1\r\r\nb=2\n\n\nc=3");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("s", "a", 0), 1);
  EXPECT_EQ(ini.ReadInteger("s", "b", 0), 2);
  EXPECT_EQ(ini.ReadInteger("s", "c", 0), 3);
}

TEST_F(IniFileTest, IntegersAreParsedWhole) {
  Write(
      "[n]\r\ndec=42\r\nneg=-7\r\nplus=+5\r\nhex=0x22\r\nHEX=0XfF\r\nbig=0xFFFFFFFF\r\n"
      "trail=42A\r\nfrac=1.5\r\nbare=0x\r\nempty=\r\nover=2147483648\r\nmin=-2147483648\r\n"
      "neghex=-0x10\r\nspaced= 12 \r\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("n", "dec", 9), 42);
  EXPECT_EQ(ini.ReadInteger("n", "neg", 9), -7);
  EXPECT_EQ(ini.ReadInteger("n", "plus", 9), 5);
  EXPECT_EQ(ini.ReadInteger("n", "hex", 9), 34);
  EXPECT_EQ(ini.ReadInteger("n", "big", 9), -1);
  EXPECT_EQ(ini.ReadInteger("n", "min", 9), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("n", "spaced", 9), 12);
  for (const char* bad : {"trail", "frac", "bare", "empty", "over", "neghex", "missing"}) {
    EXPECT_EQ(ini.ReadInteger("n", bad, 9), 9) << bad;
  }
  EXPECT_TRUE(ini.ReadBool("n", "dec", false));
  EXPECT_TRUE(ini.ReadBool("n", "trail", true));
}

TEST_F(IniFileTest, ValuesAreLimitedLikeThePlatformRead) {
  Write("[s]\r\nlong=" + std::string(5000, 'x') + "\r\nnul=ab" + std::string(1, '\0') + "cd\r\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("s", "long", "").size(), IniFile::kMaxValueLength);
  EXPECT_EQ(ini.ReadString("s", "nul", ""), "ab");
}

TEST_F(IniFileTest, BadFilesGiveDefaultsOrWhatTheyHold) {
  IniFile missing(dir.File("absent.bin"));
  EXPECT_FALSE(missing.FileExists());
  EXPECT_EQ(missing.ReadString("s", "k", "d"), "d");
  EXPECT_FALSE(missing.SectionExists("s"));

  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37);
  Write(binary + "\n[s]\nk=v");
  EXPECT_EQ(Read("s", "k"), "v");

  Write("[s]\r\nhuge=" + std::string(10 * 1024 * 1024, 'y') + "\r\nafter=1");
  EXPECT_EQ(IniFile(path).ReadInteger("s", "after", 0), 1);
}

TEST_F(IniFileTest, WritesKeepTheRestOfTheFile) {
  Write("; settings\r\n[A]\r\nx = 1\r\n\r\n\r\n[B]\r\n  y=2\r\n; note\r\n\r\n[C]\r\nz=3");
  IniFile ini(path);
  ASSERT_TRUE(ini.WriteString("a", "X", "10"));
  ASSERT_TRUE(ini.WriteString("A", "new", "n"));
  ASSERT_TRUE(ini.WriteString("B", "w", "4"));
  ASSERT_TRUE(ini.WriteString("C", "q", "5"));
  ASSERT_TRUE(ini.WriteString("D", "k", "v"));
  EXPECT_EQ(ReadFile(path),
            "; settings\r\n[A]\r\nx=10\r\nnew=n\r\n\r\n\r\n[B]\r\n  y=2\r\n; note\r\nw=4\r\n\r\n"
            "[C]\r\nz=3\r\nq=5\r\n[D]\r\nk=v\r\n");
}

TEST_F(IniFileTest, ValuesReadBackAsWrittenWhateverTheirEdges) {
  IniFile ini(path);
  const std::string values[] = {" Home", "Office\t",   "\"Cafe\"", "'x'",  "\" a\"\"",
                                "\"",    "say \"hi\"", "a = b",    "plain"};
  for (std::size_t i = 0; i < std::size(values); ++i) {
    ASSERT_TRUE(ini.WriteString("S", "k" + std::to_string(i), values[i]));
  }
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(Read("S", "k" + std::to_string(i)), values[i]) << i;
  }
  // Only values that need them get quotes; writing the same again changes nothing.
  EXPECT_NE(ReadFile(path).find("k8=plain\r\n"), std::string::npos);
  EXPECT_NE(ReadFile(path).find("k0=\" Home\"\r\n"), std::string::npos);
  const std::string before = ReadFile(path);
  ASSERT_TRUE(ini.WriteString("S", "k2", "\"Cafe\""));
  EXPECT_EQ(ReadFile(path), before);
}

TEST_F(IniFileTest, DeletesKeysAndSections) {
  Write("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n\r\n[C]\r\nw=4\r\n");
  IniFile ini(path);
  ASSERT_TRUE(ini.DeleteKey("a", "X"));
  ASSERT_TRUE(ini.EraseSection("b"));
  ASSERT_TRUE(ini.DeleteKey("nope", "x"));
  EXPECT_EQ(ReadFile(path), "[A]\r\ny=2\r\n[C]\r\nw=4\r\n");
  EXPECT_FALSE(ini.SectionExists("B"));
}

TEST_F(IniFileTest, DuplicatesFirstWinsForWritesToo) {
  Write("[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\n");
  IniFile ini(path);
  ASSERT_TRUE(ini.WriteString("s", "k", "9"));
  EXPECT_EQ(ReadFile(path), "[S]\r\nk=9\r\nK=2\r\n[s]\r\nk=3\r\n");
}

TEST_F(IniFileTest, WritingTheSameValueChangesNothing) {
  Write("[S]\r\nk = same\r\n");
  struct stat before {};
  ::stat(path.c_str(), &before);
  ASSERT_TRUE(IniFile(path).WriteString("s", "K", "same"));
  struct stat after {};
  ::stat(path.c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);
  EXPECT_EQ(ReadFile(path), "[S]\r\nk = same\r\n");
}

TEST_F(IniFileTest, NewFilesArePrivateAndExistingModesKept) {
  IniFile created(path);
  ASSERT_TRUE(created.WriteString("s", "secret", "pass"));
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(created.WriteString("s", "secret", "other"));
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  IniFile nowhere(dir.File("no/such/dir.bin"));
  EXPECT_FALSE(nowhere.WriteString("s", "k", "v"));
}

TEST_F(IniFileTest, SeesChangesOfOtherWritersBetweenReads) {
  Write("[s]\r\nk=1\r\n");
  IniFile reader(path);
  EXPECT_EQ(reader.ReadInteger("s", "k", 0), 1);
  WriteFile(path, "[s]\r\nk=2\r\n");  // same size, written in place
  EXPECT_EQ(reader.ReadInteger("s", "k", 0), 2);
  IniFile(path).WriteString("s", "k", "3");
  EXPECT_EQ(reader.ReadInteger("s", "k", 0), 3);
  ::unlink(path.c_str());
  EXPECT_EQ(reader.ReadInteger("s", "k", 0), 0);
}

TEST_F(IniFileTest, WritesThroughALinkToItsTarget) {
  Write("[s]\r\nk=1\r\n");
  const std::string link = dir.File("link.bin");
  ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
  ASSERT_TRUE(IniFile(link).WriteString("s", "k", "2"));
  struct stat st {};
  ::lstat(link.c_str(), &st);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(IniFile(path).ReadInteger("s", "k", 0), 2);
}

TEST_F(IniFileTest, SameSizeRewriteWithinOneTimeStampTickIsSeen) {
  Write("[s]\r\nk=1\r\n");
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  IniFile reader(path);
  EXPECT_EQ(reader.ReadInteger("s", "k", 0), 1);
  // A coarse clock: the rewrite keeps inode, size and time stamp.
  WriteFile(path, "[s]\r\nk=2\r\n");
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  EXPECT_EQ(reader.ReadInteger("s", "k", 0), 2);
  WriteFile(path, "[s]\r\nk=3\r\n");
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  EXPECT_EQ(reader.ReadInteger("s", "k", 0), 3) << "still within the window after a confirmation";
}

TEST_F(IniFileTest, LineBreaksInAValueNeverAddALine) {
  Write("[LastApplyProf]\r\nEncryptionMethod=2\r\n");
  IniFile ini(path);
  ASSERT_TRUE(ini.WriteString("LastApplyProf", "Ssid1", "x\r\nEncryptionMethod=0"));
  ASSERT_TRUE(ini.WriteString("LastApplyProf", "Name", "\n[Other]\r"));
  EXPECT_EQ(ini.KeyNames("LastApplyProf"),
            (std::vector<std::string>{"EncryptionMethod", "Ssid1", "Name"}));
  EXPECT_FALSE(ini.SectionExists("Other"));
  EXPECT_EQ(ini.ReadInteger("LastApplyProf", "EncryptionMethod", -1), 2);
  EXPECT_EQ(Read("LastApplyProf", "Ssid1"), "x  EncryptionMethod=0");
  EXPECT_EQ(Read("LastApplyProf", "Name"), " [Other] ") << "blank edges are kept by quotes";
}

}  // namespace
