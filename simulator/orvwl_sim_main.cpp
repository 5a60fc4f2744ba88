// orvwl-sim: the control tool of the simulated adapter. It rewrites the
// control file that every loaded copy of ORVWL.DLL watches, and tells a
// running utility about device changes over the per-user channel.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_replace.h"
#include "platform/notify_channel.h"
#include "platform/program_file.h"
#include "simulator/control_state.h"
#include "simulator/file_util.h"
#include "simulator/live_state.h"
#include "simulator/sim_home.h"
#include "simulator/sim_tool.h"

using namespace orvsim;

namespace {

constexpr char kDefaultRoot[] = "Or-Vane";
constexpr int kListenerTimeoutMs = 5000;

struct Options {
  std::string home;
  std::string root = kDefaultRoot;
  std::vector<std::string> command;
  std::string error;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  options.home = SimHome();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--home" || arg == "--root") && options.command.empty()) {
      if (i + 1 >= argc || std::string(argv[i + 1]).empty()) {
        options.error = arg + " needs a value";
        return options;
      }
      (arg == "--home" ? options.home : options.root) = argv[++i];
    } else {
      options.command.push_back(arg);
    }
  }
  return options;
}

ControlState ReadState(const std::string& path) {
  std::vector<std::string> warnings;
  return ParseControlState(ReadWholeFile(path).value_or(""), warnings);
}

std::string ProgramFolder() {
  const std::string path = RunningProgramPath();
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

int64_t UnixMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (!options.error.empty()) {
    std::fprintf(stderr, "orvwl-sim: %s\n", options.error.c_str());
    return 2;
  }
  const std::vector<std::string>& command = options.command;
  if (command.empty() || command[0] == "help" || command[0] == "--help" || command[0] == "-h") {
    std::fputs(ToolHelp().c_str(), command.empty() ? stderr : stdout);
    return command.empty() ? 2 : 0;
  }
  const std::string path = ControlFilePath(options.home);
  if (command[0] == "status") {
    const std::vector<LiveEntry> live = CollectLiveRecords(options.home);
    std::printf("home:      %s\n%s%s", EscapeBytes(options.home).c_str(),
                DescribeState(ReadState(path), LoadScenario(ProgramFolder()), UnixMs()).c_str(),
                DescribeLive(live).c_str());
    // Told once; a process that ended without unloading the library leaves nothing behind.
    for (const LiveEntry& entry : live) RemoveStaleRecord(options.home, entry);
    return 0;
  }
  if (!MakeFolders(options.home)) {
    std::fprintf(stderr, "orvwl-sim: cannot create %s\n", options.home.c_str());
    return 1;
  }
  ToolResult result;
  {
    // Read, change and write under the lock, so that two commands at once
    // never lose one another's change.
    FileLock lock(options.home + "/control.lock");
    ControlState state = ReadState(path);
    result = RunToolCommand(command, state, UnixMs());
    if (result.ok && result.writesState && !ReplaceFileContent(path, WriteControlState(state))) {
      std::fprintf(stderr, "orvwl-sim: cannot write %s\n", path.c_str());
      return 1;
    }
    if (result.ok && result.removesState) ::unlink(path.c_str());
  }
  if (!result.ok) {
    std::fprintf(stderr, "orvwl-sim: %s\n", result.message.c_str());
    return 2;
  }
  std::printf("%s\n", result.message.c_str());
  if (result.deviceEvent != 0) {
    const ChannelMessage message{ChannelMessage::kDeviceEvent, result.deviceEvent, 0};
    // Nobody listening just means no utility is running.
    if (!SendChannelMessage(RegisterNotifyChannel(options.root + "_NotifyMsg"), message,
                            kListenerTimeoutMs)) {
      std::printf("(no running utility heard it)\n");
    }
  }
  return 0;
}
