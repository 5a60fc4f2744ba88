#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "adapter/wl_records.h"

class CFAGlobalVar;

// Settings of one adapter. Reads look in the adapter's own section, then in the
// section of its hardware ID, then in "Setting"; writes go to the adapter's own
// section only.
class AdapterSettings {
 public:
  AdapterSettings(const CFAGlobalVar& global, const AdapterIdent& ident);

  const std::string& Section() const { return section_; }

  int32_t ReadSet(std::string_view key, int32_t defaultValue) const;
  bool ReadSet(std::string_view key, bool defaultValue) const;
  std::string ReadSet(std::string_view key, std::string_view defaultValue) const;
  std::string ReadSet(std::string_view key, const char* defaultValue) const {
    return ReadSet(key, std::string_view(defaultValue));
  }

  void WriteSet(std::string_view key, int32_t value) const;
  void WriteSet(std::string_view key, bool value) const;
  void WriteSet(std::string_view key, std::string_view value) const;
  void WriteSet(std::string_view key, const char* value) const {
    WriteSet(key, std::string_view(value));
  }
  // Several keys as one change of the settings file.
  void WriteSet(std::span<const std::pair<std::string, std::string>> entries) const;
  void SetDeleteKey(std::string_view key) const;

 private:
  const CFAGlobalVar& global_;
  std::string section_;  // "<hardware ID>-<tag>"
  std::string hardwareId_;
};
