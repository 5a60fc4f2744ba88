#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "core/utility.h"
#include "orv_version.h"
#include "platform/text.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, std::size_t at, uint16_t v) {
  if (b.size() < at + 2) b.resize(at + 2);
  b[at] = v & 0xFF;
  b[at + 1] = v >> 8;
}
void Put32(Bytes& b, std::size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

// VS_VERSIONINFO with only its fixed part: header, L"VS_VERSION_INFO", padding,
// VS_FIXEDFILEINFO.
Bytes VersionInfo(uint32_t ms, uint32_t ls) {
  Bytes b(92, 0);
  Put16(b, 0, 92);
  Put16(b, 2, 52);
  const char key[] = "VS_VERSION_INFO";
  for (std::size_t i = 0; i < sizeof key; ++i) Put16(b, 6 + 2 * i, static_cast<uint8_t>(key[i]));
  Put32(b, 40, 0xFEEF04BD);
  Put32(b, 44, 0x00010000);
  Put32(b, 48, ms);
  Put32(b, 52, ls);
  return b;
}

struct PeOptions {
  bool pe32plus = false;
  bool withVersion = true;
  uint32_t ms = (5u << 16) | 1;
  uint32_t ls = (2600u << 16) | 2180;
};

// A minimal PE image: DOS header, PE header, one ".rsrc" section whose data
// (file offset 0x200, RVA 0x1000) holds the resource tree
//   type 16 (RT_VERSION) -> name 1 -> language 0x409 -> VS_VERSIONINFO.
Bytes MakePe(const PeOptions& o = {}) {
  Bytes b(0x200, 0);
  b[0] = 'M';
  b[1] = 'Z';
  Put32(b, 0x3C, 0x40);
  std::memcpy(&b[0x40], "PE\0\0", 4);
  const std::size_t coff = 0x44;
  const uint16_t optionalSize = o.pe32plus ? 240 : 224;
  Put16(b, coff, o.pe32plus ? 0x8664 : 0x14C);
  Put16(b, coff + 2, 1);  // sections
  Put16(b, coff + 16, optionalSize);
  const std::size_t opt = coff + 20;
  Put16(b, opt, o.pe32plus ? 0x20B : 0x10B);
  const std::size_t count = o.pe32plus ? 108 : 92;
  const std::size_t dirs = o.pe32plus ? 112 : 96;
  Put32(b, opt + count, 16);

  // The resource section's data.
  Bytes r(0x58, 0);
  const uint32_t type = o.withVersion ? 16 : 3;  // RT_VERSION, or RT_ICON only
  Put16(r, 0x00 + 14, 1);
  Put32(r, 0x10, type);
  Put32(r, 0x14, 0x80000000u | 0x18);
  Put16(r, 0x18 + 14, 1);
  Put32(r, 0x28, 1);
  Put32(r, 0x2C, 0x80000000u | 0x30);
  Put16(r, 0x30 + 14, 1);
  Put32(r, 0x40, 0x409);
  Put32(r, 0x44, 0x48);
  const Bytes info = VersionInfo(o.ms, o.ls);
  Put32(r, 0x48, 0x1000 + 0x58);
  Put32(r, 0x4C, static_cast<uint32_t>(info.size()));
  r.insert(r.end(), info.begin(), info.end());

  Put32(b, opt + dirs + 2 * 8, 0x1000);
  Put32(b, opt + dirs + 2 * 8 + 4, static_cast<uint32_t>(r.size()));
  const std::size_t section = opt + optionalSize;
  std::memcpy(&b[section], ".rsrc\0\0\0", 8);
  Put32(b, section + 8, static_cast<uint32_t>(r.size()));
  Put32(b, section + 12, 0x1000);
  Put32(b, section + 16, static_cast<uint32_t>(r.size()));
  Put32(b, section + 20, 0x200);
  b.insert(b.end(), r.begin(), r.end());
  return b;
}

class FileVersionTest : public ::testing::Test {
 protected:
  std::string Write(const Bytes& bytes, const std::string& name = "f.dll") {
    WriteBytes(dir.File(name), bytes);
    return dir.File(name);
  }
  TempDir dir;
};

TEST_F(FileVersionTest, PeVersionInEveryNumberOfParts) {
  const std::string path = Write(MakePe());
  EXPECT_EQ(FileVersionText(path, 1), "5");
  EXPECT_EQ(FileVersionText(path, 2), "5.1");
  EXPECT_EQ(FileVersionText(path, 3), "5.1.2600");
  EXPECT_EQ(FileVersionText(path, 4), "5.1.2600.2180");
  EXPECT_EQ(FileVersionText(path, 0), "5.1.2600.2180");
  EXPECT_EQ(FileVersionText(path, 5), "5.1.2600.2180");
}

TEST_F(FileVersionTest, Pe32PlusAndFullSixteenBitParts) {
  PeOptions o;
  o.pe32plus = true;
  o.ms = 0xFFFF0000u;
  o.ls = 0x0001FFFFu;
  EXPECT_EQ(FileVersionText(Write(MakePe(o)), 4), "65535.0.1.65535");
}

TEST_F(FileVersionTest, PeWithoutVersionResourceGivesEmptyText) {
  PeOptions o;
  o.withVersion = false;
  EXPECT_EQ(FileVersionText(Write(MakePe(o)), 3), "");
}

TEST_F(FileVersionTest, MissingOddAndForeignFilesGiveEmptyText) {
  EXPECT_EQ(FileVersionText(dir.File("none.dll"), 3), "");
  EXPECT_EQ(FileVersionText("", 3), "");
  EXPECT_EQ(FileVersionText(dir.Path(), 3), "");
  EXPECT_EQ(FileVersionText(Write({}, "empty"), 3), "");
  EXPECT_EQ(FileVersionText(Write(Bytes(10000, 0), "zeros"), 3), "");
  // A pipe without a writer must not block the caller.
  ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
  EXPECT_EQ(FileVersionText(dir.File("fifo"), 3), "");
}

TEST_F(FileVersionTest, EveryTruncatedPeGivesEmptyText) {
  const Bytes pe = MakePe();
  for (std::size_t length = 0; length < pe.size(); ++length) {
    ASSERT_EQ(FileVersionText(Write(Bytes(pe.begin(), pe.begin() + length)), 4), "") << length;
  }
}

TEST_F(FileVersionTest, CorruptedPeNeverCrashes) {
  const Bytes pe = MakePe();
  std::mt19937 rng(20240611);
  for (int round = 0; round < 500; ++round) {
    Bytes bad = pe;
    const int flips = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < flips; ++i) {
      // Aim at the headers and the resource tree, where the offsets live.
      const std::size_t at = rng() % 2 ? rng() % 0x160 : 0x200 + rng() % 0x58;
      bad[at] = static_cast<uint8_t>(rng() % 2 ? rng() : 0xFF);
    }
    const std::string text = FileVersionText(Write(bad), 4);
    // Either nothing or four numbers; never anything else.
    ASSERT_TRUE(text.empty() || std::count(text.begin(), text.end(), '.') == 3) << text;
  }
}

std::string ProjectVersion(int parts) {
  const unsigned v[] = {ORV_VERSION_MAJOR, ORV_VERSION_MINOR, ORV_VERSION_PATCH, ORV_VERSION_BUILD};
  std::string text = std::to_string(v[0]);
  for (int i = 1; i < parts; ++i) text += "." + std::to_string(v[i]);
  return text;
}

const std::string kOurLibrary = std::string(ORV_BIN_DIR) + "/ORVWL.DLL";

TEST_F(FileVersionTest, OurLibraryCarriesTheProjectVersion) {
  EXPECT_EQ(ProjectVersion(3), ORV_VERSION_TEXT);
  EXPECT_EQ(FileVersionText(kOurLibrary, 3), ORV_VERSION_TEXT);
  for (int parts = 1; parts <= 4; ++parts) {
    EXPECT_EQ(FileVersionText(kOurLibrary, parts), ProjectVersion(parts)) << parts;
  }
}

TEST_F(FileVersionTest, OurProgramCarriesTheProjectVersionWhenBuilt) {
  const std::string program = std::string(ORV_BIN_DIR) + "/orvane-wlan";
  if (!fs::exists(program)) GTEST_SKIP() << "built without the GUI";
  EXPECT_EQ(FileVersionText(program, 3), ORV_VERSION_TEXT);
}

TEST_F(FileVersionTest, AnElfWithoutTheBlockGivesEmptyText) {
  // This test program does not compile the version block in.
  EXPECT_EQ(FileVersionText("/proc/self/exe", 4), "");
}

TEST_F(FileVersionTest, TruncatedCopiesOfOurLibraryNeverCrash) {
  const std::string whole = ReadFile(kOurLibrary);
  ASSERT_FALSE(whole.empty());
  std::vector<std::size_t> lengths = {
      0, 3, 4, 5, 16, 51, 52, 63, 64, 65, whole.size() / 2, whole.size() - 64, whole.size() - 1};
  for (std::size_t i = 1; i < 40; ++i) lengths.push_back(whole.size() * i / 40);
  for (std::size_t length : lengths) {
    WriteFile(dir.File("cut"), whole.substr(0, length));
    const std::string text = FileVersionText(dir.File("cut"), 4);
    ASSERT_TRUE(text.empty() || text == ProjectVersion(4)) << length << ": " << text;
  }
}

TEST_F(FileVersionTest, CorruptedCopiesOfOurLibraryNeverCrash) {
  const std::string whole = ReadFile(kOurLibrary);
  ASSERT_GT(whole.size(), 64u);
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    std::string bad = whole;
    for (int i = 0; i < 6; ++i) {
      // The ELF header and the section header table at the end hold the offsets.
      const std::size_t at = rng() % 2 ? rng() % 64 : bad.size() - 1 - rng() % 2048;
      bad[at] = static_cast<char>(rng());
    }
    WriteFile(dir.File("bad"), bad);
    FileVersionText(dir.File("bad"), 4);
  }
}

// A 32-bit big-endian ELF: header, one version section, a name table and the
// section header table [null, .orv_version, .shstrtab].
Bytes MakeElf32BigEndian(uint32_t ms, uint32_t ls) {
  Bytes b(52, 0);
  auto be16 = [&b](std::size_t at, uint16_t v) {
    b[at] = v >> 8;
    b[at + 1] = v & 0xFF;
  };
  auto be32 = [&](std::size_t at, uint32_t v) {
    be16(at, v >> 16);
    be16(at + 2, v & 0xFFFF);
  };
  std::memcpy(b.data(),
              "\x7f"
              "ELF\x01\x02\x01",
              7);
  const std::size_t block = b.size();
  b.resize(block + 52, 0);
  be32(block, 0xFEEF04BD);
  be32(block + 8, ms);
  be32(block + 12, ls);
  const std::size_t names = b.size();
  const char nameTable[] = "\0.orv_version\0.shstrtab";
  b.insert(b.end(), nameTable, nameTable + sizeof nameTable);
  while (b.size() % 4) b.push_back(0);
  const std::size_t table = b.size();
  b.resize(table + 3 * 40, 0);
  be32(0x20, static_cast<uint32_t>(table));
  be16(0x2E, 40);
  be16(0x30, 3);
  be16(0x32, 2);
  be32(table + 40 + 0, 1);  // name ".orv_version"
  be32(table + 40 + 4, 1);  // PROGBITS
  be32(table + 40 + 16, static_cast<uint32_t>(block));
  be32(table + 40 + 20, 52);
  be32(table + 80 + 0, 14);  // name ".shstrtab"
  be32(table + 80 + 4, 3);   // STRTAB
  be32(table + 80 + 16, static_cast<uint32_t>(names));
  be32(table + 80 + 20, sizeof nameTable);
  return b;
}

TEST_F(FileVersionTest, ElfOfTheOtherClassAndByteOrder) {
  const Bytes elf = MakeElf32BigEndian((2u << 16) | 3, (4u << 16) | 5);
  EXPECT_EQ(FileVersionText(Write(elf, "be.so"), 4), "2.3.4.5");
  Bytes noName = elf;
  noName[noName.size() - 120 + 40 + 3] = 50;  // the block's name points past the name table
  EXPECT_EQ(FileVersionText(Write(noName, "be2.so"), 4), "");
  Bytes badSignature = elf;
  badSignature[52] = 0;
  EXPECT_EQ(FileVersionText(Write(badSignature, "be3.so"), 4), "");
}

}  // namespace
