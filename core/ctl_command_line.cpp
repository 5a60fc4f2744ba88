#include "core/ctl_command_line.h"

#include <cstdlib>

namespace ctl {

namespace {

constexpr long kMaxTimeoutSeconds = 3600;
// Room for the instance's own work around the wait: a scan reads its results
// after three seconds, a connect applies the profile first.
constexpr std::chrono::seconds kAnswerMargin{15};

bool ParseSeconds(const std::string& text, std::chrono::seconds& out) {
  if (text.empty() || text.size() > 4) return false;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || value < 1 || value > kMaxTimeoutSeconds) return false;
  out = std::chrono::seconds(value);
  return true;
}

std::string CheckWords(const std::vector<std::string>& words) {
  if (words.empty()) return "no command given";
  const std::string& command = words.front();
  if (command == "status" || command == "scan" || command == "profiles" ||
      command == "disconnect") {
    return words.size() == 1 ? "" : "'" + command + "' takes no arguments";
  }
  if (command == "connect") {
    if (words.size() != 2 || words[1].empty()) return "'connect' takes one profile name";
    return "";
  }
  if (command == "ap") {
    return words.size() == 2 && words[1] == "status" ? "" : "'ap' knows only 'ap status'";
  }
  return "unknown command '" + command + "'";
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::vector<std::string> words;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      words.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (arg == "--json") {
      line.json = true;
    } else if (arg == "--timeout" || arg.rfind("--timeout=", 0) == 0) {
      std::string value;
      if (arg == "--timeout") {
        if (i + 1 == args.size()) {
          line.error = "--timeout needs a number of seconds";
          return line;
        }
        value = args[++i];
      } else {
        value = arg.substr(10);
      }
      if (!ParseSeconds(value, line.timeout)) {
        line.error = "--timeout takes whole seconds from 1 to 3600, not '" + value + "'";
        return line;
      }
    } else {
      line.error = "unknown option '" + arg + "'";
      return line;
    }
  }
  if (line.help) return line;
  line.error = CheckWords(words);
  if (!line.error.empty()) return line;
  line.request = words;
  if (words.front() == "connect") {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(line.timeout);
    line.request.push_back(std::to_string(ms.count()));
  }
  return line;
}

std::chrono::milliseconds AnswerTimeout(const CommandLine& line) {
  const bool connect = !line.request.empty() && line.request.front() == "connect";
  return connect ? line.timeout + kAnswerMargin : std::chrono::milliseconds(kAnswerMargin);
}

const char* UsageText() {
  return "Usage: orvane-wlan-ctl [--json] [--timeout SECONDS] COMMAND\n"
         "Controls the wireless LAN utility running for this user.\n"
         "\n"
         "Commands:\n"
         "  status        mode, adapter, network, signal, rate, IP address, traffic\n"
         "  scan          start a site survey and list the networks found\n"
         "  profiles      list the station profiles\n"
         "  connect NAME  connect the profile NAME and wait until associated\n"
         "  disconnect    leave the current network\n"
         "  ap status     the access point and its stations\n"
         "\n"
         "Options:\n"
         "  --json             print one JSON object instead of text\n"
         "  --timeout SECONDS  how long connect waits for the link (default 20)\n"
         "  -h, --help         show this help\n"
         "\n"
         "Exit status:\n"
         "  0 success            4 no adapter bound\n"
         "  1 failed             5 no such profile\n"
         "  2 usage error        6 not associated within the time-out\n"
         "  3 no instance runs   7 adapter in the other mode\n";
}

}  // namespace ctl
