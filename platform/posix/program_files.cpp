#include "platform/program_files.h"

#include <filesystem>

#include "platform/debug_log.h"
#include "platform/user_dirs.h"

namespace fs = std::filesystem;

bool IsPackageManagedDir(const std::string& programDir) { return programDir.starts_with("/usr/"); }

ProgramFiles LocateProgramFiles(const std::string& programPath) {
  const fs::path program(programPath);
  ProgramFiles files;
  files.programDir = program.parent_path().string() + "/";
  files.baseName = program.stem().string();
  files.userDir = files.programDir;
  if (FolderWritable(files.programDir) && !IsPackageManagedDir(files.programDir)) return files;
  const std::string configHome = UserConfigHome();
  if (!configHome.empty()) files.userDir = configHome + "/" + files.baseName + "/";
  return files;
}

std::string PrepareSettingsFile(const ProgramFiles& files) {
  const std::string name = files.baseName + ".bin";
  const std::string shipped = files.programDir + name;
  if (!files.Installed()) return shipped;
  const std::string own = files.userDir + name;
  std::error_code ec;
  if (fs::exists(own, ec)) return own;
  if (!fs::is_regular_file(shipped, ec)) return own;
  if (fs::create_directories(files.userDir, ec)) {
    fs::permissions(files.userDir, fs::perms::owner_all, ec);
  }
  // Copied under a passing name and renamed, so an interrupted first start
  // never leaves a cut settings file that later starts would take as the user's.
  const std::string passing = own + ".new";
  if (fs::copy_file(shipped, passing, fs::copy_options::overwrite_existing, ec)) {
    fs::permissions(passing, fs::perms::owner_read | fs::perms::owner_write, ec);
    fs::rename(passing, own, ec);
    if (!ec) return own;
    fs::remove(passing);
  }
  DebugLog("Can't copy %s to %s: %s", shipped.c_str(), own.c_str(), ec.message().c_str());
  return shipped;
}
