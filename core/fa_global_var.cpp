#include "core/fa_global_var.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "adapter/wl_library.h"
#include "adapter/wl_records.h"
#include "core/start_flags.h"
#include "core/string_file_choice.h"
#include "platform/debug_log.h"
#include "platform/notify_channel.h"
#include "platform/program_file.h"
#include "platform/program_files.h"
#include "platform/system_info.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// Paths the library reports use backslashes as delimiters.
std::string WithSlashes(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace

CFAGlobalVar::CFAGlobalVar()
    : stationProfile_(std::make_unique<WLProfile>()), apProfile_(std::make_unique<WLProfile>()) {}

CFAGlobalVar::~CFAGlobalVar() = default;

bool CFAGlobalVar::Startup(uint32_t startFlags) {
  return Startup(startFlags, RunningProgramPath(), WLLib());
}

bool CFAGlobalVar::Startup(uint32_t startFlags, const std::string& programPath,
                           WLLibrary& library) {
  osLevel_ = DetectOSLevel();
  const fs::path program(programPath);
  const ProgramFiles files = LocateProgramFiles(programPath);
  programDir_ = files.programDir;
  settingsPath_ = PrepareSettingsFile(files);
  settings_ = std::make_unique<IniFile>(settingsPath_);

  const std::string defaultStringFile = DefaultStringFileName(
      programPath, UserLanguage([](const char* name) { return std::getenv(name); }));
  stringFilePath_ = programDir_ + InfoRead("Setting", "StringFile", defaultStringFile);
  if (IsRegularFile(settingsPath_)) strings_ = std::make_unique<IniFile>(stringFilePath_);

  const std::string baseName = program.stem().string();
  appTitle_ = TextRead("Utility", "AppTitle", baseName);
  msgTitle_ = TextRead("Utility", "MsgTitle", baseName + " Message");
  if (strings_) {
    for (int i = 0; i < kDisplayStringCount; ++i) {
      SetDisplayString(i, TextRead("Common", kDisplayStrings[i].key, DisplayString(i)));
    }
  }
  profRoot_ = InfoRead("Setting", "ProfRoot", "Or-Vane");
  mutexName_ = profRoot_ + "_Mutex";
  notifyMsgName_ = profRoot_ + "_NotifyMsg";
  notifyChannel_ = RegisterNotifyChannel(notifyMsgName_);

  if (library.Load(programDir_ + "ORVWL.DLL")) {
    if ((startFlags & kStartService) == 0) library.Api().ORVWL_SetWLProfileDir(profRoot_.c_str());
    return true;
  }
  if (TaskBarPresent() && loadErrorHandler_) loadErrorHandler_(kLoadFailureMessage);
  return false;
}

std::string CFAGlobalVar::InfoRead(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  if (!settings_) return std::string(defaultValue);
  try {
    return settings_->ReadString(section, key, defaultValue);
  } catch (...) {
    DebugLog("Exception(CFAGlobalVar::InfoRead) string<%.*s>", static_cast<int>(key.size()),
             key.data());
    return std::string(defaultValue);
  }
}

bool CFAGlobalVar::InfoRead(std::string_view section, std::string_view key,
                            bool defaultValue) const {
  if (!settings_) return defaultValue;
  try {
    return settings_->ReadBool(section, key, defaultValue);
  } catch (...) {
    DebugLog("Exception(CFAGlobalVar::InfoRead) bool<%.*s>", static_cast<int>(key.size()),
             key.data());
    return defaultValue;
  }
}

std::string CFAGlobalVar::TextRead(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  if (!strings_) return std::string(defaultValue);
  return strings_->ReadString(section, key, defaultValue);
}

int CFAGlobalVar::ReadHWIDList(DeviceEntry* entries, int capacity) const {
  int count = 0;
  for (int i = 0; i < kHWIDListCapacity && i < capacity; ++i) {
    const std::string id = InfoRead("Setting", "HWID" + std::to_string(i), "");
    if (id.empty()) break;
    entries[i] = DeviceEntry{};
    CopyText(entries[i].HardwareId, id);
    ++count;
  }
  return count;
}

std::string CFAGlobalVar::ResolveDriverPath(const std::string& path) const {
  const std::string candidate = programDir_ + WithSlashes(path);
  if (IsRegularFile(candidate)) return candidate;
  const std::string inDrivers =
      programDir_ + "System32/Drivers/" + fs::path(candidate).filename().string();
  if (IsRegularFile(inDrivers)) return inDrivers;
  return {};
}

CFAGlobalVar& FAGlobal() {
  static CFAGlobalVar global;
  return global;
}
