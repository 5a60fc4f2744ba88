#pragma once

#include <memory>
#include <string>

#include "core/ctl_command_line.h"

class IniFile;

// The terminal command's side of the channel. It finds the instance the way the
// utility beside it names its channel (profile root from the settings file), so
// the command talks to the utility it was installed with.
class CtlClient {
 public:
  explicit CtlClient(const std::string& programPath);
  ~CtlClient();
  CtlClient(const CtlClient&) = delete;
  CtlClient& operator=(const CtlClient&) = delete;

  // Asks the instance and fills what to print; returns the exit code.
  int Run(const ctl::CommandLine& line, std::string& out, std::string& err) const;

 private:
  std::string Text(const char* key, const char* english) const;

  std::unique_ptr<IniFile> settings_;
  std::unique_ptr<IniFile> strings_;
  std::string channel_;
};
