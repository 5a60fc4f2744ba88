#include "core/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <unordered_map>

#include "platform/file_replace.h"
#include "platform/text.h"

namespace {

bool IsBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x1A;
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  timespec modified{};

  bool operator==(const FileStamp& o) const {
    return device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
  }
};

FileStamp StampOf(const struct stat& st) {
  return FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

// Time stamps can be coarser than writes come: a file changed this short a
// time before it was read may change again with the very same stamp.
constexpr time_t kRacyWindowSeconds = 2;

bool ModifiedRecently(const timespec& modified) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return modified.tv_sec + kRacyWindowSeconds >= now.tv_sec;
}

// Writes go to the file a link points at, so the link itself survives.
std::string WriteTarget(const std::string& path) {
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
  return path;
}

}  // namespace

enum class LineKind { Blank, Comment, Section, Key };

namespace {

// Names are looked up without case and without copying them.
struct FoldedHash {
  std::size_t operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : name) {
      const char folded = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
      hash = (hash ^ static_cast<unsigned char>(folded)) * 1099511628211ull;
    }
    return hash;
  }
};

struct FoldedEqual {
  bool operator()(std::string_view a, std::string_view b) const { return EqualsNoCase(a, b); }
};

using NameIndex = std::unordered_map<std::string_view, std::size_t, FoldedHash, FoldedEqual>;

}  // namespace

struct IniLine {
  std::size_t start = 0;       // first byte of the line
  std::size_t contentEnd = 0;  // end of the line's text, before its line break
  std::size_t breakEnd = 0;    // after the first line break (== contentEnd at end of file)
  LineKind kind = LineKind::Blank;
  std::string_view name;  // section or key name, trimmed; views into ParsedIni::text
  std::string_view value;
  bool hasValue = false;
};

struct IniSection {
  std::string_view name;
  std::size_t headerLine = SIZE_MAX;  // SIZE_MAX: the unnamed part before the first header
  std::size_t firstLine = 0;          // body lines [firstLine, endLine)
  std::size_t endLine = 0;
  NameIndex keys;  // name -> first line
};

// Lines and sections view into `text`, so a parsed file is never copied or moved.
struct ParsedIni {
  ParsedIni() = default;
  ParsedIni(const ParsedIni&) = delete;
  ParsedIni& operator=(const ParsedIni&) = delete;

  FileStamp stamp;
  // Read within the racy window after a change; confirmed by content before
  // the next read trusts it. Guarded by the owning IniFile's cache mutex.
  mutable bool racy = false;
  bool exists = false;
  std::string text;
  std::vector<IniLine> lines;
  std::vector<IniSection> sections;
  NameIndex sectionIndex;  // name -> first section

  const IniSection* Find(std::string_view section) const {
    auto it = sectionIndex.find(section);
    return it == sectionIndex.end() ? nullptr : &sections[it->second];
  }

  const IniLine* FindKey(std::string_view section, std::string_view key) const {
    const IniSection* s = Find(section);
    if (s == nullptr) return nullptr;
    auto it = s->keys.find(key);
    return it == s->keys.end() ? nullptr : &lines[it->second];
  }
};

namespace {

void AddSection(ParsedIni& ini, std::string_view name, std::size_t headerLine,
                std::size_t firstLine) {
  if (!ini.sections.empty()) ini.sections.back().endLine = headerLine;
  IniSection section;
  section.name = name;
  section.headerLine = headerLine;
  section.firstLine = firstLine;
  ini.sectionIndex.emplace(section.name, ini.sections.size());
  ini.sections.push_back(std::move(section));
}

void Parse(ParsedIni& ini) {
  const std::string& t = ini.text;
  AddSection(ini, std::string_view(), SIZE_MAX, 0);
  std::size_t pos = 0;
  while (pos < t.size()) {
    IniLine line;
    line.start = pos;
    while (pos < t.size() && !IsLineBreak(t[pos])) ++pos;
    line.contentEnd = pos;
    if (pos < t.size()) pos += (t[pos] == '\r' && pos + 1 < t.size() && t[pos + 1] == '\n') ? 2 : 1;
    line.breakEnd = pos;
    // Any run of CR and LF ends one line: the rest of the run is part of the break.
    while (pos < t.size() && IsLineBreak(t[pos])) ++pos;

    std::string_view content =
        Trim(std::string_view(t).substr(line.start, line.contentEnd - line.start));
    const std::size_t index = ini.lines.size();
    if (content.empty()) {
      line.kind = LineKind::Blank;
    } else if (content.front() == '[' && content.find(']', 1) != std::string_view::npos) {
      line.kind = LineKind::Section;
      const std::size_t close = content.rfind(']');
      line.name = Trim(content.substr(1, close - 1));
      ini.lines.push_back(std::move(line));
      AddSection(ini, ini.lines.back().name, index, index + 1);
      continue;
    } else if (content.front() == ';') {
      line.kind = LineKind::Comment;
    } else {
      line.kind = LineKind::Key;
      const std::size_t eq = content.find('=');
      if (eq == std::string_view::npos) {
        line.name = content;
      } else {
        line.name = Trim(content.substr(0, eq));
        line.value = Trim(content.substr(eq + 1));
        line.hasValue = true;
      }
      ini.sections.back().keys.emplace(line.name, index);
    }
    ini.lines.push_back(std::move(line));
  }
  ini.sections.back().endLine = ini.lines.size();
}

std::shared_ptr<ParsedIni> Load(const std::string& path, const ParsedIni* cached) {
  auto parsed = std::make_shared<ParsedIni>();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    Parse(*parsed);
    return parsed;
  }
  struct stat st {};
  bool sameStamp = false;
  if (::fstat(fd, &st) == 0) {
    parsed->stamp = StampOf(st);
    parsed->racy = ModifiedRecently(st.st_mtim);
    sameStamp = cached != nullptr && cached->exists && cached->stamp == parsed->stamp;
    if (sameStamp && !cached->racy) {
      ::close(fd);
      return nullptr;  // unchanged since the cached read
    }
    if (st.st_size > 0) parsed->text.reserve(static_cast<std::size_t>(st.st_size));
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      parsed->text.append(buffer, static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  ::close(fd);
  if (sameStamp && cached->text == parsed->text) {
    cached->racy = parsed->racy;
    return nullptr;
  }
  parsed->exists = true;
  Parse(*parsed);
  return parsed;
}

std::string StripQuotes(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  // Values are C strings to every reader: they end at an embedded NUL.
  value = value.substr(0, std::min(value.find('\0'), IniFile::kMaxValueLength));
  return std::string(value);
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}
IniFile::~IniFile() = default;

std::shared_ptr<const ParsedIni> IniFile::Current() const {
  std::lock_guard lock(cacheMutex_);
  std::shared_ptr<ParsedIni> fresh = Load(path_, cache_.get());
  if (fresh) cache_ = std::move(fresh);
  return cache_;
}

bool IniFile::FileExists() const {
  struct stat st {};
  return ::stat(path_.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  const auto ini = Current();
  const IniLine* line = ini->FindKey(section, key);
  if (line == nullptr || !line->hasValue) return std::string(defaultValue);
  return StripQuotes(line->value);
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const auto ini = Current();
  const IniLine* line = ini->FindKey(section, key);
  if (line == nullptr || !line->hasValue) return std::nullopt;
  return StripQuotes(line->value);
}

bool IniFile::ParseInteger(std::string_view text, int32_t& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    uint64_t v = 0;
    for (char c : text.substr(2)) {
      int digit;
      if (c >= '0' && c <= '9') {
        digit = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else {
        return false;
      }
      v = v * 16 + static_cast<uint64_t>(digit);
      if (v > 0xFFFFFFFFull) return false;
    }
    value = static_cast<int32_t>(static_cast<uint32_t>(v));
    return true;
  }
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > static_cast<int64_t>(INT32_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return false;
  value = static_cast<int32_t>(v);
  return true;
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t defaultValue) const {
  int32_t value = defaultValue;
  return ParseInteger(ReadString(section, key, {}), value) ? value : defaultValue;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::SectionExists(std::string_view section) const {
  const IniSection* s = Current()->Find(section);
  return s != nullptr && s->headerLine != SIZE_MAX;
}

std::vector<std::string> IniFile::SectionNames() const {
  const auto ini = Current();
  std::vector<std::string> names;
  for (const IniSection& s : ini->sections) {
    if (s.headerLine != SIZE_MAX) names.emplace_back(s.name);
  }
  return names;
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
  const auto ini = Current();
  std::vector<std::string> names;
  const IniSection* s = ini->Find(section);
  if (s == nullptr) return names;
  for (std::size_t i = s->firstLine; i < s->endLine; ++i) {
    const IniLine& line = ini->lines[i];
    if (line.kind == LineKind::Key && s->keys.at(line.name) == i) {
      names.emplace_back(line.name);
    }
  }
  return names;
}

namespace {

// Only one writer at a time in this process, so read-modify-replace cycles
// of different IniFile objects on one file cannot lose each other's keys.
std::mutex& WriteMutex() {
  static std::mutex m;
  return m;
}

}  // namespace

namespace {

// The edit that writing one key makes to the file's text `text`, parsed as
// `ini`. False when the key already holds the value: the text is unchanged.
// Adds "key=value" lines (each ending in CRLF) to a section: after its last
// entry, before any blank lines; a missing section goes at the end of the file.
void InsertEntries(const ParsedIni& ini, std::string& text, std::string_view section,
                   const std::string& lines) {
  const IniSection* s = ini.Find(section);
  if (s == nullptr || s->headerLine == SIZE_MAX) {
    if (!text.empty() && !IsLineBreak(text.back())) text += "\r\n";
    text += "[" + std::string(section) + "]\r\n" + lines;
    return;
  }
  std::size_t after = s->headerLine;
  for (std::size_t i = s->firstLine; i < s->endLine; ++i) {
    if (ini.lines[i].kind != LineKind::Blank) after = i;
  }
  const IniLine& last = ini.lines[after];
  if (last.breakEnd == last.contentEnd) {
    text.insert(last.contentEnd, "\r\n" + lines);
  } else {
    text.insert(last.breakEnd, lines);
  }
}

// A value never adds a line: CR and LF are written as blanks (a scanned name
// is any 32 bytes), every other byte as it is. Reading trims blanks and strips
// one pair of surrounding quotes; a value that would lose either goes into the
// file inside quotes, so it reads back as written.
std::string StorableValue(std::string_view value) {
  std::string stored(value);
  std::replace_if(stored.begin(), stored.end(), IsLineBreak, ' ');
  const bool blankEdge = !stored.empty() && (IsBlank(stored.front()) || IsBlank(stored.back()));
  const bool quoted = stored.size() > 1 && (stored.front() == '"' || stored.front() == '\'') &&
                      stored.back() == stored.front();
  if (!blankEdge && !quoted) return stored;
  return "\"" + stored + "\"";
}

// Rewrites the value of a key line in place; false when it already holds it.
bool ReplaceValue(std::string& text, const IniLine& line, std::string_view value) {
  if (line.hasValue && line.value == value) return false;
  text.replace(line.start, line.contentEnd - line.start,
               std::string(line.name) + "=" + std::string(value));
  return true;
}

}  // namespace

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::pair<std::string, std::string> entry{std::string(key), std::string(value)};
  return WriteStrings(section, std::span(&entry, 1));
}

bool IniFile::WriteStrings(std::string_view section,
                           std::span<const std::pair<std::string, std::string>> entries) {
  std::lock_guard lock(WriteMutex());
  const auto ini = Load(path_, nullptr);
  // Keys the section has are rewritten in place, the last line first, so the
  // offsets of the lines before stay valid; new keys are added in one go, in
  // the order they first appear. A key given twice ends with its last value.
  struct InPlace {
    const IniLine* line;
    std::string_view value;
  };
  std::vector<InPlace> inPlace;
  std::vector<std::pair<std::string_view, std::string_view>> added;
  std::unordered_map<std::string, std::size_t> seen;
  std::vector<std::string> values;
  values.reserve(entries.size());
  for (const auto& entry : entries) values.push_back(StorableValue(entry.second));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& key = entries[i].first;
    const std::string_view value = values[i];
    const IniLine* line = ini->FindKey(section, key);
    auto [it, first] = seen.emplace(LowerAscii(key), line ? inPlace.size() : added.size());
    if (line != nullptr) {
      if (first) inPlace.push_back({line, value});
      inPlace[it->second].value = value;
    } else {
      if (first) added.emplace_back(key, value);
      added[it->second].second = value;
    }
  }
  std::sort(inPlace.begin(), inPlace.end(),
            [](const InPlace& a, const InPlace& b) { return a.line->start > b.line->start; });
  std::string text = ini->text;
  bool changed = false;
  for (const InPlace& change : inPlace)
    changed = ReplaceValue(text, *change.line, change.value) || changed;
  if (!added.empty()) {
    std::string lines;
    for (const auto& [key, value] : added) {
      lines.append(key).append("=").append(value).append("\r\n");
    }
    if (changed) {
      ParsedIni edited;
      edited.exists = true;
      edited.text = text;
      Parse(edited);
      InsertEntries(edited, text, section, lines);
    } else {
      InsertEntries(*ini, text, section, lines);
    }
    changed = true;
  }
  return !changed || Replace(text);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
  std::lock_guard lock(WriteMutex());
  const auto ini = Load(path_, nullptr);
  const IniLine* line = ini->FindKey(section, key);
  if (line == nullptr) return true;
  std::string text = ini->text;
  text.erase(line->start, line->breakEnd - line->start);
  return Replace(text);
}

bool IniFile::EraseSection(std::string_view section) {
  std::lock_guard lock(WriteMutex());
  const auto ini = Load(path_, nullptr);
  const IniSection* s = ini->Find(section);
  if (s == nullptr || s->headerLine == SIZE_MAX) return true;
  const std::size_t begin = ini->lines[s->headerLine].start;
  const std::size_t end =
      s->endLine < ini->lines.size() ? ini->lines[s->endLine].start : ini->text.size();
  std::string text = ini->text;
  text.erase(begin, end - begin);
  return Replace(text);
}

bool IniFile::Replace(const std::string& text) {
  return ReplaceFileContent(WriteTarget(path_), text);
}
