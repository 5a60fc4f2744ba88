#include "simulator/key_file.h"

#include <optional>

#include "simulator/text_codec.h"

namespace orvsim {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The text of a quoted value starting at its opening quote; nothing when the
// quotes or escapes are broken or something follows the closing quote.
std::optional<std::string> Unquote(std::string_view text) {
  std::string out;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      if (!Trim(text.substr(i + 1)).empty()) return std::nullopt;
      return out;
    }
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (++i >= text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        out.push_back('\\');
        break;
      case '"':
        out.push_back('"');
        break;
      case 'n':
        out.push_back('\n');
        break;
      case 'r':
        out.push_back('\r');
        break;
      case 't':
        out.push_back('\t');
        break;
      case 'x': {
        if (i + 2 >= text.size()) return std::nullopt;
        const int hi = HexValue(text[i + 1]);
        const int lo = HexValue(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out.push_back(static_cast<char>(hi << 4 | lo));
        i += 2;
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

bool NeedsQuotes(std::string_view value) {
  if (value.empty()) return false;
  if (value.front() == ' ' || value.back() == ' ' || value.front() == '"') return true;
  for (char ch : value) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c >= 0x7F) return true;
  }
  return false;
}

}  // namespace

const KeyEntry* KeySection::Find(std::string_view key) const {
  const std::string folded = FoldAscii(key);
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (it->key == folded) return &*it;
  }
  return nullptr;
}

void KeySection::Add(std::string key, std::string value) {
  entries.push_back({FoldAscii(key), std::move(value), 0});
}

KeySection& KeyFile::AddSection(std::string name) {
  sections.push_back({FoldAscii(name), 0, {}});
  return sections.back();
}

KeyFile KeyFile::Parse(std::string_view text) {
  KeyFile file;
  int lineNo = 0;
  const auto warn = [&](const std::string& what) {
    file.warnings.push_back("line " + std::to_string(lineNo) + ": " + what);
  };
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNo;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#' || line.front() == ';') continue;
    if (line.front() == '[') {
      if (line.back() != ']') {
        warn("section header without ']'");
        continue;
      }
      file.sections.push_back({FoldAscii(Trim(line.substr(1, line.size() - 2))), lineNo, {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      warn("expected 'key = value'");
      continue;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view rawValue = Trim(line.substr(equals + 1));
    if (key.empty()) {
      warn("missing key before '='");
      continue;
    }
    std::string value(rawValue);
    if (!rawValue.empty() && rawValue.front() == '"') {
      auto unquoted = Unquote(rawValue);
      if (!unquoted) {
        warn("broken quoted value");
        continue;
      }
      value = std::move(*unquoted);
    }
    if (file.sections.empty()) file.sections.push_back({"", 0, {}});
    file.sections.back().entries.push_back({FoldAscii(key), std::move(value), lineNo});
  }
  return file;
}

std::string QuoteValue(std::string_view value) {
  if (!NeedsQuotes(value)) return std::string(value);
  std::string out = "\"";
  for (char ch : value) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out.push_back('\\');
      out.push_back(ch);
    } else if (c < 0x20 || c >= 0x7F) {
      out += "\\x";
      out.push_back(kHexDigits[c >> 4]);
      out.push_back(kHexDigits[c & 0x0F]);
    } else {
      out.push_back(ch);
    }
  }
  out.push_back('"');
  return out;
}

std::string KeyFile::Write(std::string_view headerComment) const {
  std::string out;
  if (!headerComment.empty()) out += "# " + std::string(headerComment) + "\n";
  for (const KeySection& section : sections) {
    if (!section.name.empty()) out += "\n[" + section.name + "]\n";
    for (const KeyEntry& entry : section.entries) {
      out += entry.key + " = " + QuoteValue(entry.value) + "\n";
    }
  }
  return out;
}

}  // namespace orvsim
