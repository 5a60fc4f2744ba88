// orvane-wlan-ctl: the running utility's state and commands from a terminal.

#include <cstdio>
#include <string>
#include <vector>

#include "core/ctl_client.h"
#include "core/ctl_command_line.h"
#include "core/ctl_message.h"
#include "platform/program_file.h"

int main(int argc, char** argv) {
  const ctl::CommandLine line =
      ctl::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.help) {
    std::fputs(ctl::UsageText(), stdout);
    return ctl::kOk;
  }
  if (!line.error.empty()) {
    std::fprintf(stderr, "orvane-wlan-ctl: %s\nTry 'orvane-wlan-ctl --help'.\n",
                 line.error.c_str());
    return ctl::kUsage;
  }
  std::string out;
  std::string err;
  const int result = CtlClient(RunningProgramPath()).Run(line, out, err);
  std::fputs(out.c_str(), stdout);
  std::fputs(err.c_str(), stderr);
  return result;
}
