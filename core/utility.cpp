#include "core/utility.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "core/ini_file.h"
#include "platform/text.h"

namespace {

bool IsListBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

int ParseIntList(std::string_view text, int32_t* buffer, int capacity) {
  // The split of a comma list: items end at a comma or a blank (space or
  // control character); a double-quoted item runs to its closing quote, with
  // "" standing for one quote inside it.
  int count = 0;
  auto take = [&](std::string_view item) {
    int32_t value = 0;
    if (!IniFile::ParseInteger(item, value)) return;
    if (count < capacity && buffer != nullptr) buffer[count] = value;
    ++count;
  };
  std::size_t pos = 0;
  const std::size_t n = text.size();
  while (pos < n) {
    if (IsListBlank(text[pos]) || text[pos] == ',') {
      ++pos;
      continue;
    }
    if (text[pos] == '"') {
      std::string item;
      ++pos;
      while (pos < n) {
        if (text[pos] == '"') {
          if (pos + 1 < n && text[pos + 1] == '"') {
            item += '"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        item += text[pos++];
      }
      take(item);
      continue;
    }
    const std::size_t start = pos;
    while (pos < n && !IsListBlank(text[pos]) && text[pos] != ',') ++pos;
    take(text.substr(start, pos - start));
  }
  return count;
}

// ---------------------------------------------------------------------------
// File versions. Every offset and size below comes from the file, so every
// read is checked against the file's size and nothing is trusted to be sane.

namespace {

constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr uint64_t kMaxSections = 65536;

struct FixedVersion {
  uint32_t ms = 0;
  uint32_t ls = 0;
};

// Random access to a regular file by pread; reads outside the file fail.
class FileBytes {
 public:
  explicit FileBytes(const std::string& path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
      ::close(fd_);
      fd_ = -1;
      return;
    }
    size_ = static_cast<uint64_t>(st.st_size);
  }
  ~FileBytes() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  bool Read(uint64_t offset, void* out, std::size_t count) const {
    if (fd_ < 0 || offset > size_ || count > size_ - offset) return false;
    auto* dst = static_cast<unsigned char*>(out);
    std::size_t done = 0;
    while (done < count) {
      const ssize_t n = ::pread(fd_, dst + done, count - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return true;
  }

  bool Read(uint64_t offset, std::vector<uint8_t>& out, std::size_t count) const {
    if (fd_ < 0 || offset > size_ || count > size_ - offset) return false;
    out.resize(count);
    return count == 0 || Read(offset, out.data(), count);
  }

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// --- PE: resource directory -> RT_VERSION -> VS_VERSIONINFO -> VS_FIXEDFILEINFO

struct PeSection {
  uint32_t virtualAddress;
  uint32_t rawSize;
  uint32_t rawPointer;
};

class PeImage {
 public:
  explicit PeImage(const FileBytes& file) : file_(file) {}

  std::optional<FixedVersion> Version() {
    uint32_t resourceRva = 0;
    if (!ReadHeaders(resourceRva)) return std::nullopt;
    return ResourceVersion(resourceRva);
  }

 private:
  static constexpr uint32_t kRtVersion = 16;
  static constexpr uint32_t kSubdirectory = 0x80000000u;

  struct DirEntry {
    uint32_t name;
    uint32_t offset;
  };

  bool ReadHeaders(uint32_t& resourceRva) {
    uint8_t dos[64];
    if (!file_.Read(0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return false;
    const uint64_t peOffset = Le32(dos + 0x3C);
    uint8_t coff[24];
    if (!file_.Read(peOffset, coff, sizeof coff) || std::memcmp(coff, "PE\0\0", 4) != 0) {
      return false;
    }
    const uint16_t sectionCount = Le16(coff + 4 + 2);
    const uint16_t optionalSize = Le16(coff + 4 + 16);
    const uint64_t optionalOffset = peOffset + sizeof coff;
    std::vector<uint8_t> opt;
    if (optionalSize < 2 || !file_.Read(optionalOffset, opt, optionalSize)) return false;
    std::size_t countOffset = 0;
    std::size_t directoryOffset = 0;
    switch (Le16(opt.data())) {
      case 0x10B:
        countOffset = 92, directoryOffset = 96;
        break;  // PE32
      case 0x20B:
        countOffset = 108, directoryOffset = 112;
        break;  // PE32+
      default:
        return false;
    }
    constexpr std::size_t kResourceDirectory = 2;
    const std::size_t resourceEntry = directoryOffset + kResourceDirectory * 8;
    if (opt.size() < countOffset + 4 || opt.size() < resourceEntry + 8) return false;
    if (Le32(opt.data() + countOffset) <= kResourceDirectory) return false;
    resourceRva = Le32(opt.data() + resourceEntry);
    if (resourceRva == 0 || Le32(opt.data() + resourceEntry + 4) == 0) return false;

    std::vector<uint8_t> table;
    if (!file_.Read(optionalOffset + optionalSize, table, std::size_t{sectionCount} * 40)) {
      return false;
    }
    for (std::size_t i = 0; i < sectionCount; ++i) {
      const uint8_t* s = table.data() + i * 40;
      sections_.push_back(PeSection{Le32(s + 12), Le32(s + 16), Le32(s + 20)});
    }
    return true;
  }

  // File offset of [rva, rva + size), which must lie in one section's file data.
  std::optional<uint64_t> FileOffset(uint64_t rva, uint64_t size) const {
    for (const PeSection& s : sections_) {
      if (rva < s.virtualAddress) continue;
      const uint64_t delta = rva - s.virtualAddress;
      if (delta >= s.rawSize || size > s.rawSize - delta) continue;
      return uint64_t{s.rawPointer} + delta;
    }
    return std::nullopt;
  }

  bool ReadRva(uint64_t rva, void* out, std::size_t size) const {
    const auto offset = FileOffset(rva, size);
    return offset && file_.Read(*offset, out, size);
  }

  std::optional<std::vector<DirEntry>> Directory(uint64_t rva) const {
    uint8_t header[16];
    if (!ReadRva(rva, header, sizeof header)) return std::nullopt;
    const std::size_t count = std::size_t{Le16(header + 12)} + Le16(header + 14);
    // Checked before anything is allocated for a count the file may only claim.
    if (count != 0 && !FileOffset(rva + sizeof header, count * 8)) return std::nullopt;
    std::vector<uint8_t> raw(count * 8);
    if (count != 0 && !ReadRva(rva + sizeof header, raw.data(), raw.size())) return std::nullopt;
    std::vector<DirEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
      entries.push_back(DirEntry{Le32(raw.data() + i * 8), Le32(raw.data() + i * 8 + 4)});
    }
    return entries;
  }

  static bool IsId(const DirEntry& e, uint32_t id) {
    return (e.name & kSubdirectory) == 0 && e.name == id;
  }
  static bool IsDir(const DirEntry& e) { return (e.offset & kSubdirectory) != 0; }
  static uint32_t Target(const DirEntry& e) { return e.offset & ~kSubdirectory; }

  std::optional<FixedVersion> ResourceVersion(uint32_t root) const {
    // Type level: RT_VERSION. Name level: VS_VERSION_INFO (1) when present, as
    // the system's version functions look for it, else the first one. Language
    // level: the first one. Three fixed levels, so a cyclic tree cannot loop.
    const auto types = Directory(root);
    if (!types) return std::nullopt;
    const DirEntry* type = nullptr;
    for (const DirEntry& e : *types) {
      if (IsId(e, kRtVersion) && IsDir(e)) {
        type = &e;
        break;
      }
    }
    if (type == nullptr) return std::nullopt;
    const auto names = Directory(uint64_t{root} + Target(*type));
    if (!names) return std::nullopt;
    const DirEntry* name = nullptr;
    for (const DirEntry& e : *names) {
      if (!IsDir(e)) continue;
      if (name == nullptr || IsId(e, 1)) name = &e;
      if (IsId(e, 1)) break;
    }
    if (name == nullptr) return std::nullopt;
    const auto languages = Directory(uint64_t{root} + Target(*name));
    if (!languages) return std::nullopt;
    for (const DirEntry& e : *languages) {
      if (IsDir(e)) continue;
      uint8_t data[16];  // IMAGE_RESOURCE_DATA_ENTRY: data RVA, size, code page, reserved
      if (!ReadRva(uint64_t{root} + e.offset, data, sizeof data)) return std::nullopt;
      const uint32_t size = Le32(data + 4);
      std::vector<uint8_t> block(size < 0xFFFF ? size : 0xFFFF);  // wLength is 16-bit
      if (!ReadRva(Le32(data), block.data(), block.size())) return std::nullopt;
      return VersionInfoBlock(block);
    }
    return std::nullopt;
  }

  // VS_VERSIONINFO: wLength, wValueLength, wType, L"VS_VERSION_INFO", padding
  // to 32 bits, then VS_FIXEDFILEINFO.
  static std::optional<FixedVersion> VersionInfoBlock(const std::vector<uint8_t>& block) {
    static constexpr char kKey[] = "VS_VERSION_INFO";
    constexpr std::size_t kKeyOffset = 6;
    constexpr std::size_t kKeyChars = sizeof kKey;  // with the NUL
    constexpr std::size_t kValueOffset = (kKeyOffset + kKeyChars * 2 + 3) & ~std::size_t{3};
    constexpr std::size_t kFixedInfoSize = 52;
    std::size_t length = block.size();
    if (length < kValueOffset + kFixedInfoSize) return std::nullopt;
    const uint16_t declared = Le16(block.data());
    if (declared < length) length = declared;
    if (length < kValueOffset + kFixedInfoSize || Le16(block.data() + 2) < kFixedInfoSize) {
      return std::nullopt;
    }
    for (std::size_t i = 0; i < kKeyChars; ++i) {
      if (Le16(block.data() + kKeyOffset + 2 * i) != static_cast<unsigned char>(kKey[i])) {
        return std::nullopt;
      }
    }
    const uint8_t* fixed = block.data() + kValueOffset;
    if (Le32(fixed) != kFixedFileInfoSignature) return std::nullopt;
    return FixedVersion{Le32(fixed + 8), Le32(fixed + 12)};
  }

  const FileBytes& file_;
  std::vector<PeSection> sections_;
};

// --- ELF: the section named ".orv_version" holds a VS_FIXEDFILEINFO-shaped block.

class ElfImage {
 public:
  explicit ElfImage(const FileBytes& file) : file_(file) {}

  std::optional<FixedVersion> Version() const {
    uint8_t h[64];
    if (!file_.Read(0, h, 52) || std::memcmp(h,
                                             "\x7f"
                                             "ELF",
                                             4) != 0)
      return std::nullopt;
    const bool is64 = h[4] == 2;
    if ((h[4] != 1 && h[4] != 2) || (h[5] != 1 && h[5] != 2)) return std::nullopt;
    big_ = h[5] == 2;
    if (is64 && !file_.Read(0, h, 64)) return std::nullopt;

    const uint64_t tableOffset = is64 ? U64(h + 0x28) : U32(h + 0x20);
    const uint16_t entrySize = U16(h + (is64 ? 0x3A : 0x2E));
    uint64_t count = U16(h + (is64 ? 0x3C : 0x30));
    uint32_t namesIndex = U16(h + (is64 ? 0x3E : 0x32));
    const std::size_t minEntry = is64 ? 64 : 40;
    if (tableOffset == 0 || entrySize < minEntry) return std::nullopt;
    // Offsets near the top of the 64-bit range would wrap around when added to.
    if (tableOffset > UINT64_MAX / 2) return std::nullopt;

    auto section = [&](uint64_t index, Section& out) {
      uint8_t s[64];
      if (index >= kMaxSections || !file_.Read(tableOffset + index * entrySize, s, minEntry)) {
        return false;
      }
      out.name = U32(s);
      out.type = U32(s + 4);
      out.offset = is64 ? U64(s + 24) : U32(s + 16);
      out.size = is64 ? U64(s + 32) : U32(s + 20);
      out.link = U32(s + (is64 ? 40 : 24));
      return true;
    };

    // Extended numbering: the real count and name-table index live in section 0.
    Section first;
    if (!section(0, first)) return std::nullopt;
    if (count == 0) count = first.size;
    if (namesIndex == 0xFFFF) namesIndex = first.link;
    if (count > kMaxSections || namesIndex >= count) return std::nullopt;
    Section names;
    if (!section(namesIndex, names) || names.type == kNoBits || names.offset > UINT64_MAX / 2) {
      return std::nullopt;
    }

    static constexpr char kName[] = ".orv_version";  // compared with its NUL
    for (uint64_t i = 1; i < count; ++i) {
      Section s;
      if (!section(i, s)) return std::nullopt;
      if (s.type == kNoBits || s.size < 16 || s.name >= names.size ||
          names.size - s.name < sizeof kName) {
        continue;
      }
      char name[sizeof kName];
      if (!file_.Read(names.offset + s.name, name, sizeof name) ||
          std::memcmp(name, kName, sizeof kName) != 0) {
        continue;
      }
      uint8_t fixed[16];
      if (!file_.Read(s.offset, fixed, sizeof fixed) || U32(fixed) != kFixedFileInfoSignature) {
        return std::nullopt;
      }
      return FixedVersion{U32(fixed + 8), U32(fixed + 12)};
    }
    return std::nullopt;
  }

 private:
  static constexpr uint32_t kNoBits = 8;  // SHT_NOBITS: no bytes in the file

  struct Section {
    uint32_t name = 0;
    uint32_t type = 0;
    uint64_t offset = 0;
    uint64_t size = 0;
    uint32_t link = 0;
  };

  uint64_t Uint(const uint8_t* p, int bytes) const {
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) {
      const int shift = big_ ? (bytes - 1 - i) * 8 : i * 8;
      v |= uint64_t{p[i]} << shift;
    }
    return v;
  }
  uint16_t U16(const uint8_t* p) const { return static_cast<uint16_t>(Uint(p, 2)); }
  uint32_t U32(const uint8_t* p) const { return static_cast<uint32_t>(Uint(p, 4)); }
  uint64_t U64(const uint8_t* p) const { return Uint(p, 8); }

  const FileBytes& file_;
  mutable bool big_ = false;
};

}  // namespace

std::string FileVersionText(const std::string& path, int parts) {
  const FileBytes file(path);
  if (!file.IsOpen()) return {};
  std::optional<FixedVersion> version = PeImage(file).Version();
  if (!version) version = ElfImage(file).Version();
  if (!version) return {};
  const unsigned major = version->ms >> 16;
  const unsigned minor = version->ms & 0xFFFF;
  const unsigned release = version->ls >> 16;
  const unsigned build = version->ls & 0xFFFF;
  switch (parts) {
    case 1:
      return FormatText("%u", major);
    case 2:
      return FormatText("%u.%u", major, minor);
    case 3:
      return FormatText("%u.%u.%u", major, minor, release);
    default:
      return FormatText("%u.%u.%u.%u", major, minor, release, build);
  }
}

// ---------------------------------------------------------------------------

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// strtol(pair, nullptr, 16) of exactly these two characters. A "0x" prefix
// needs a digit after it, which two characters cannot hold, so it reads as 0.
uint8_t PairValue(char first, char second) {
  const char s[2] = {first, second};
  std::size_t i = 0;
  while (i < 2 && IsCSpace(s[i])) ++i;
  bool negative = false;
  if (i < 2 && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int value = 0;
  for (; i < 2 && HexDigit(s[i]) >= 0; ++i) value = value * 16 + HexDigit(s[i]);
  if (negative) value = -value;
  return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

bool IsHexText(std::string_view text) {
  for (char c : text) {
    if (HexDigit(c) < 0) return false;
  }
  return true;
}

std::size_t HexToBytes(std::string_view text, uint8_t* buffer, std::size_t capacity) {
  const std::size_t pairs = text.size() / 2;
  const std::size_t count = pairs < capacity ? pairs : capacity;
  for (std::size_t i = 0; i < count; ++i) buffer[i] = PairValue(text[2 * i], text[2 * i + 1]);
  return count;
}

std::string ExpandLineBreaks(std::string_view text) {
  // Replacing the first "\n" pair again and again never creates a new pair (a
  // line feed is neither a backslash nor an n), so one left-to-right pass
  // gives the same text.
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += '\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}
