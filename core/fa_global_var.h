#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/ini_file.h"
#include "model/display_strings.h"
#include "model/wl_profile.h"

struct DeviceEntry;
class WLLibrary;

// The program's files, names and display texts, consulted by every other part.
// Start-up fills it once on the main thread; afterwards it is only read, except
// for the two working profiles, which only the main thread touches.
class CFAGlobalVar : public DisplayStringTable {
 public:
  static constexpr int kHWIDListCapacity = 16;

  CFAGlobalVar();
  ~CFAGlobalVar();
  CFAGlobalVar(const CFAGlobalVar&) = delete;
  CFAGlobalVar& operator=(const CFAGlobalVar&) = delete;

  // Start-up of the running program with its own library object.
  bool Startup(uint32_t startFlags);
  // Start-up as if the program file were programPath.
  bool Startup(uint32_t startFlags, const std::string& programPath, WLLibrary& library);

  std::string InfoRead(std::string_view section, std::string_view key,
                       std::string_view defaultValue) const;
  std::string InfoRead(std::string_view section, std::string_view key,
                       const char* defaultValue) const {
    return InfoRead(section, key, std::string_view(defaultValue));
  }
  bool InfoRead(std::string_view section, std::string_view key, bool defaultValue) const;
  std::string TextRead(std::string_view section, std::string_view key,
                       std::string_view defaultValue) const;

  // Fills entries from the "HWID%d" settings; stops at the first empty one.
  int ReadHWIDList(DeviceEntry* entries, int capacity) const;
  // The existing file a library-reported driver path names, or empty text.
  std::string ResolveDriverPath(const std::string& path) const;

  int OSLevel() const { return osLevel_; }
  void SetOSLevel(int level) { osLevel_ = level; }

  IniFile* SettingsFile() const { return settings_.get(); }
  IniFile* StringFile() const { return strings_.get(); }
  const std::string& ProgramDir() const { return programDir_; }
  const std::string& SettingsPath() const { return settingsPath_; }
  const std::string& StringFilePath() const { return stringFilePath_; }
  const std::string& AppTitle() const { return appTitle_; }
  const std::string& MsgTitle() const { return msgTitle_; }
  const std::string& ProfRoot() const { return profRoot_; }
  const std::string& MutexName() const { return mutexName_; }
  const std::string& NotifyMsgName() const { return notifyMsgName_; }
  // Where the registered notification message is delivered.
  const std::string& NotifyChannel() const { return notifyChannel_; }

  WLProfile& StationProfile() { return *stationProfile_; }
  WLProfile& APProfile() { return *apProfile_; }

  // Shows the library load failure to the user; the GUI installs a system box.
  void SetLoadErrorHandler(std::function<void(const std::string&)> handler) {
    loadErrorHandler_ = std::move(handler);
  }

 private:
  int osLevel_ = 0;
  std::unique_ptr<IniFile> settings_;
  std::unique_ptr<IniFile> strings_;
  std::string programDir_;
  std::string settingsPath_;
  std::string stringFilePath_;
  std::string appTitle_;
  std::string msgTitle_;
  std::string profRoot_;
  std::string mutexName_;
  std::string notifyMsgName_;
  std::string notifyChannel_;
  std::unique_ptr<WLProfile> stationProfile_;
  std::unique_ptr<WLProfile> apProfile_;
  std::function<void(const std::string&)> loadErrorHandler_;
};

// The one global object of the program.
CFAGlobalVar& FAGlobal();

inline constexpr char kLoadFailureMessage[] = "Failed to load ORVWL.DLL library file.";
