// IniFile over arbitrary file contents, read and then written through its
// public interface. The last bytes of the input choose the writes (the data
// provider takes integers from the end), the rest is the file; written values
// are slices of the file, so they carry whatever bytes it holds. After every
// write the file must say exactly what it said before plus what was written,
// and in the end a fresh object must read what the writing one reads.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ini_file.h"
#include "fuzz/temp_file.h"
#include "platform/text.h"

namespace {

// Names the broken rule, so a crash report says which one without a debugger.
#define CHECK(condition)                                                          \
  do {                                                                            \
    if (!(condition)) {                                                           \
      std::fprintf(stderr, "check failed: %s (line %d)\n", #condition, __LINE__); \
      std::abort();                                                               \
    }                                                                             \
  } while (false)

using Name = std::pair<std::string, std::string>;  // section and key, lower case
using Snapshot = std::map<Name, std::optional<std::string>>;

// What a written value reads back as: a line break inside it is written as a
// blank, and a read ends at the first NUL and after kMaxValueLength characters.
std::string ReadBack(std::string_view written) {
  std::string value(written);
  std::replace_if(
      value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return value.substr(0, std::min(value.find('\0'), IniFile::kMaxValueLength));
}

// The other reads of a key agree with Find.
void CheckReads(const IniFile& ini, const std::string& section, const std::string& key,
                const std::optional<std::string>& value) {
  if (value) {
    CHECK(ini.ReadString(section, key, "default") == *value);
  } else {
    CHECK(ini.ReadString(section, key, "a") == "a" && ini.ReadString(section, key, "b") == "b");
  }
  int32_t number = 7;
  const bool isNumber = IniFile::ParseInteger(value.value_or(""), number);
  CHECK(ini.ReadInteger(section, key, 7) == (isNumber ? number : 7));
  CHECK(ini.ReadBool(section, key, true) == (isNumber ? number != 0 : true));
}

// Every key the file shows, the keys before the first section under "". Each
// read costs a look at the file, so the other reads are compared only when
// `allReads` is set.
Snapshot Take(const IniFile& ini, bool allReads) {
  Snapshot all;
  std::vector<std::string> sections = ini.SectionNames();
  std::vector<std::string> seen{std::string()};
  for (const std::string& section : sections) {
    // "" names the keys before the first section, so a header "[]" is listed
    // but its section is not one that exists.
    CHECK(!allReads || section.empty() || ini.SectionExists(section));
    if (std::find(seen.begin(), seen.end(), LowerAscii(section)) == seen.end()) {
      seen.push_back(LowerAscii(section));
    }
  }
  for (const std::string& section : seen) {
    for (const std::string& key : ini.KeyNames(section)) {
      const std::optional<std::string> value = ini.Find(section, key);
      CHECK(!value ||
            (value->size() <= IniFile::kMaxValueLength && value->find('\0') == std::string::npos));
      if (allReads) CheckReads(ini, section, key, value);
      all.emplace(Name{section, LowerAscii(key)}, value);
    }
  }
  return all;
}

// Keys a program names: the parser trims names and stops a key name at the
// first '=', and a key line starting with '[' may read as a section header.
bool Writable(const Name& name) {
  return !name.first.empty() && !name.second.empty() && name.second.front() != '[';
}

template <typename Pred>
void EraseIf(Snapshot& snapshot, Pred pred) {
  std::erase_if(snapshot, [&](const auto& entry) { return pred(entry.first); });
}

struct Op {
  int kind;
  uint16_t pick;
  uint16_t offset;
  uint8_t length;
  bool longValue;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzTempFile file("ini");
  FuzzedDataProvider provider(data, size);
  std::vector<Op> ops(provider.ConsumeIntegralInRange<std::size_t>(0, 4));
  for (Op& op : ops) {
    op.kind = provider.ConsumeIntegralInRange<int>(0, 6);
    op.pick = provider.ConsumeIntegral<uint16_t>();
    op.offset = provider.ConsumeIntegral<uint16_t>();
    op.length = provider.ConsumeIntegral<uint8_t>();
    op.longValue = provider.ConsumeBool();
  }
  const std::string text = provider.ConsumeRemainingBytesAsString();
  file.Write(reinterpret_cast<const uint8_t*>(text.data()), text.size());

  IniFile ini(file.Path());
  Snapshot expected = Take(ini, true);
  for (const Op& op : ops) {
    std::vector<Name> keys;
    std::vector<std::string> sections;
    for (const auto& [name, value] : expected) {
      if (Writable(name)) keys.push_back(name);
      if (!name.first.empty() && (sections.empty() || sections.back() != name.first)) {
        sections.push_back(name.first);
      }
    }
    std::string value = text.substr(op.offset % (text.size() + 1), op.length);
    if (op.longValue && !value.empty()) {
      while (value.size() < IniFile::kMaxValueLength + op.length) value += value;
    }
    const Name existing = keys.empty() ? Name{"orv-fuzz", "key"} : keys[op.pick % keys.size()];
    const std::string section = sections.empty() ? "orv-fuzz" : sections[op.pick % sections.size()];
    const Name added{op.kind % 2 == 0 ? section : "orv-fuzz-new",
                     "orv-fuzz-" + std::to_string(op.pick % 3)};
    switch (op.kind) {
      case 0:
        CHECK(ini.WriteString(existing.first, existing.second, value));
        expected[existing] = ReadBack(value);
        break;
      case 1:
      case 2:
        CHECK(ini.WriteString(added.first, added.second, value));
        expected[added] = ReadBack(value);
        break;
      case 3: {
        // A key given twice ends with its last value, whatever its case.
        std::string reversed(value.rbegin(), value.rend());
        std::string again = existing.second;
        std::transform(again.begin(), again.end(), again.begin(), [](char c) {
          return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        });
        const std::pair<std::string, std::string> entries[] = {
            {existing.second, value}, {added.second, reversed}, {again, value + "!"}};
        CHECK(ini.WriteStrings(existing.first, entries));
        expected[Name{existing.first, added.second}] = ReadBack(reversed);
        expected[existing] = ReadBack(value + "!");
        break;
      }
      case 4: {
        const int32_t number = static_cast<int32_t>((uint32_t{op.pick} << 16) | op.offset);
        CHECK(ini.WriteInteger(existing.first, existing.second, number));
        CHECK(ini.ReadInteger(existing.first, existing.second, 0) == number);
        expected[existing] = std::to_string(number);
        break;
      }
      case 5:
        // A later key of the same name may come to light: only others are compared.
        CHECK(ini.DeleteKey(existing.first, existing.second));
        expected.erase(existing);
        break;
      default:
        CHECK(ini.EraseSection(section));
        EraseIf(expected, [&](const Name& name) { return name.first == section; });
        break;
    }
    Snapshot now = Take(ini, false);
    Snapshot compared = now;
    if (op.kind == 5) compared.erase(existing);
    if (op.kind == 6) EraseIf(compared, [&](const Name& name) { return name.first == section; });
    CHECK(compared == expected);
    expected = std::move(now);
  }
  // The object that wrote sees what a fresh one sees.
  if (!ops.empty()) CHECK(Take(ini, true) == Take(IniFile(file.Path()), false));
  return 0;
}
