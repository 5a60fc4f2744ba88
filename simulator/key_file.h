#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvsim {

// The simulator's text files (scenario, control state, stored profiles):
// "[section]" lines and "key = value" lines; '#' or ';' starts a comment line.
// A value may be quoted ("...") to keep blanks or carry any byte through the
// escapes \\ \" \n \r \t and \xHH. Writers quote whatever is not plain
// printable ASCII, so the files stay ASCII text.
struct KeyEntry {
  std::string key;
  std::string value;
  int line = 0;
};

struct KeySection {
  std::string name;  // lower case; empty for lines before the first section
  int line = 0;
  std::vector<KeyEntry> entries;

  // The last value of a key (later lines override earlier ones).
  const KeyEntry* Find(std::string_view key) const;
  void Add(std::string key, std::string value);
};

struct KeyFile {
  std::vector<KeySection> sections;
  std::vector<std::string> warnings;  // "line N: ..." for lines that were skipped

  static KeyFile Parse(std::string_view text);
  std::string Write(std::string_view headerComment) const;
  KeySection& AddSection(std::string name);
};

std::string QuoteValue(std::string_view value);

}  // namespace orvsim
