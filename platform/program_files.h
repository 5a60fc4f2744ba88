#pragma once

#include <string>

// Where the program's files are. The shipped ones (library, string files, help)
// always sit beside the program. The ones it writes (settings, debug log) sit
// there too while it may write there; an installed program keeps them in the
// user's configuration folder instead.
struct ProgramFiles {
  std::string programDir;  // ends with '/'
  std::string userDir;     // ends with '/'; the program directory when writable
  std::string baseName;    // the program file's name without extension

  bool Installed() const { return userDir != programDir; }
};

// A program directory under /usr belongs to the package manager: even root
// must not write there, so only the folder's permissions do not decide.
bool IsPackageManagedDir(const std::string& programDir);

ProgramFiles LocateProgramFiles(const std::string& programPath);

// The settings file to use. Installed, the shipped one is copied into the user
// folder on the first start; when that copy cannot be made the shipped one is
// read as it is, so the program still starts with its settings.
std::string PrepareSettingsFile(const ProgramFiles& files);
