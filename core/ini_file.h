#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct ParsedIni;

// An INI text file with the private-profile semantics the settings and string
// files have always had: names compare without case, the first section and the
// first key win, blanks around names and values are trimmed, every read sees
// the file as it is on disk now. Writes keep every other byte of the file and
// replace it atomically, so a crash never leaves half a settings file.
class IniFile {
 public:
  // The platform's string read returns at most this many characters.
  static constexpr std::size_t kMaxValueLength = 2047;

  explicit IniFile(std::string path);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::string& Path() const { return path_; }
  bool FileExists() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The value of a key that is present with a value; nothing otherwise.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Decimal with an optional sign, or "0x" and hexadecimal digits; anything
  // else (empty, "42A", "1.5", out of range) gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // False when the file could not be written; the file is then unchanged.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int32_t value);
  // Writes the keys of one section in order, with the same result as writing
  // them one by one, but as one replacement of the file: a reader sees all of
  // them or none. False when the file could not be written; it is then unchanged.
  bool WriteStrings(std::string_view section,
                    std::span<const std::pair<std::string, std::string>> entries);
  bool DeleteKey(std::string_view section, std::string_view key);
  bool EraseSection(std::string_view section);

  bool SectionExists(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;

  // The strict integer parse the reads use, exposed for callers that hold text.
  static bool ParseInteger(std::string_view text, int32_t& value);

 private:
  std::shared_ptr<const ParsedIni> Current() const;
  bool Replace(const std::string& text);

  std::string path_;
  mutable std::mutex cacheMutex_;  // guards cache_
  mutable std::shared_ptr<const ParsedIni> cache_;
};
