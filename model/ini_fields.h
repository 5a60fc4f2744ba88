#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class IniFile;

// The INI form of a fixed-layout record, described once as a table of fields
// in key order, so that writing and reading cannot drift apart. Used by the
// profile and network-information sections.

enum class IniFieldKind {
  kInt32,   // decimal; read as an integer, default when not a number
  kUInt16,  // read as an integer, low 16 bits kept
  kUInt8,   // read as an integer, low 8 bits kept
  kBool8,   // "1" / "0"; read as an integer, non-zero is 1
  kText,    // the characters up to the NUL; read cut to size - 1 characters
  kBytes,   // two upper-case hex digits per byte; read as many whole pairs as
            // given (at most size); missing or empty leaves the field unchanged
};

struct IniField {
  const char* key;
  IniFieldKind kind;
  std::size_t offset;  // within the record
  std::size_t size;    // of the field in bytes
  int32_t defaultValue;
  const char* defaultText;
};

using IniKeyValues = std::vector<std::pair<std::string, std::string>>;

// The key and text value of one field of a record.
void AppendIniField(const IniField& field, const void* record, IniKeyValues& out);
// Reads one field from the section into the record.
void ReadIniField(const IniFile& ini, std::string_view section, const IniField& field,
                  void* record);

// Two upper-case hexadecimal digits per byte.
std::string BytesToHex(const uint8_t* bytes, std::size_t count);

// Describes field `name` of `Record`; the key is the field's name.
#define ORV_INI_FIELD(Record, name, kind, defaultValue, defaultText)                       \
  IniField {                                                                               \
#name, IniFieldKind::kind, offsetof(Record, name), sizeof(Record::name), defaultValue, \
        defaultText                                                                        \
  }
