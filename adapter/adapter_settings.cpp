#include "adapter/adapter_settings.h"

#include <exception>
#include <optional>

#include "core/fa_global_var.h"
#include "platform/debug_log.h"
#include "platform/text.h"

namespace {

std::string KeyText(std::string_view key) { return std::string(key); }

}  // namespace

AdapterSettings::AdapterSettings(const CFAGlobalVar& global, const AdapterIdent& ident)
    : global_(global),
      section_(FormatText("%s-%s", std::string(TextOf(ident.HardwareId)).c_str(),
                          std::string(TextOf(ident.Tag)).c_str())),
      hardwareId_(TextOf(ident.HardwareId)) {}

namespace {

std::optional<std::string> Lookup(const IniFile& ini, const std::string& own,
                                  const std::string& hardwareId, std::string_view key) {
  for (const std::string* section : {&own, &hardwareId}) {
    if (auto value = ini.Find(*section, key)) return value;
  }
  return ini.Find("Setting", key);
}

}  // namespace

int32_t AdapterSettings::ReadSet(std::string_view key, int32_t defaultValue) const {
  const IniFile* ini = global_.SettingsFile();
  if (ini == nullptr) return defaultValue;
  try {
    int32_t value = defaultValue;
    const auto text = Lookup(*ini, section_, hardwareId_, key);
    return text && IniFile::ParseInteger(*text, value) ? value : defaultValue;
  } catch (const std::exception& e) {
    DebugLog("Exception(CNICAdapter::ReadSet): int<%s> => %s", KeyText(key).c_str(), e.what());
  } catch (...) {
    DebugLog("Exception(CNICAdapter::ReadSet) int<%s>", KeyText(key).c_str());
  }
  return defaultValue;
}

bool AdapterSettings::ReadSet(std::string_view key, bool defaultValue) const {
  const IniFile* ini = global_.SettingsFile();
  if (ini == nullptr) return defaultValue;
  try {
    int32_t value = defaultValue ? 1 : 0;
    const auto text = Lookup(*ini, section_, hardwareId_, key);
    return text && IniFile::ParseInteger(*text, value) ? value != 0 : defaultValue;
  } catch (const std::exception& e) {
    DebugLog("Exception(CNICAdapter::ReadSet): bool<%s> => %s", KeyText(key).c_str(), e.what());
  } catch (...) {
    DebugLog("Exception(CNICAdapter::ReadSet) bool<%s>", KeyText(key).c_str());
  }
  return defaultValue;
}

std::string AdapterSettings::ReadSet(std::string_view key, std::string_view defaultValue) const {
  const IniFile* ini = global_.SettingsFile();
  if (ini == nullptr) return std::string(defaultValue);
  try {
    const auto text = Lookup(*ini, section_, hardwareId_, key);
    return text ? *text : std::string(defaultValue);
  } catch (const std::exception& e) {
    DebugLog("Exception(CNICAdapter::ReadSet): string<%s> => %s", KeyText(key).c_str(), e.what());
  } catch (...) {
    DebugLog("Exception(CNICAdapter::ReadSet) string<%s>", KeyText(key).c_str());
  }
  return std::string(defaultValue);
}

void AdapterSettings::WriteSet(std::string_view key, int32_t value) const {
  IniFile* ini = global_.SettingsFile();
  if (ini == nullptr) return;
  try {
    ini->WriteInteger(section_, key, value);
  } catch (const std::exception& e) {
    DebugLog("WriteSet(int) %s exception: %s", KeyText(key).c_str(), e.what());
  } catch (...) {
    DebugLog("WriteSet(int) %s exception", KeyText(key).c_str());
  }
}

void AdapterSettings::WriteSet(std::string_view key, bool value) const {
  IniFile* ini = global_.SettingsFile();
  if (ini == nullptr) return;
  try {
    ini->WriteInteger(section_, key, value ? 1 : 0);
  } catch (const std::exception& e) {
    DebugLog("WriteSet(bool) %s exception: %s", KeyText(key).c_str(), e.what());
  } catch (...) {
    DebugLog("WriteSet(bool) %s exception", KeyText(key).c_str());
  }
}

void AdapterSettings::WriteSet(std::string_view key, std::string_view value) const {
  IniFile* ini = global_.SettingsFile();
  if (ini == nullptr) return;
  try {
    ini->WriteString(section_, key, value);
  } catch (const std::exception& e) {
    DebugLog("WriteSet(string) %s exception: %s", KeyText(key).c_str(), e.what());
  }
}

void AdapterSettings::WriteSet(std::span<const std::pair<std::string, std::string>> entries) const {
  IniFile* ini = global_.SettingsFile();
  if (ini == nullptr || entries.empty()) return;
  try {
    ini->WriteStrings(section_, entries);
  } catch (const std::exception& e) {
    DebugLog("WriteSet(string) %s exception: %s", entries.front().first.c_str(), e.what());
  }
}

void AdapterSettings::SetDeleteKey(std::string_view key) const {
  IniFile* ini = global_.SettingsFile();
  if (ini == nullptr) return;
  try {
    ini->DeleteKey(section_, key);
  } catch (const std::exception& e) {
    DebugLog("SetDeleteKey <%s> exception: %s", KeyText(key).c_str(), e.what());
  }
}
