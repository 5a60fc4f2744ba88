#include "simulator/sim_home.h"

#include <dlfcn.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "simulator/file_util.h"

namespace orvsim {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string UserHome() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  if (const passwd* user = ::getpwuid(::getuid())) return user->pw_dir;
  return "/tmp/orvwl-sim-" + std::to_string(::getuid());
}

}  // namespace

std::string SimHome() {
  const std::string explicitHome = Environment("ORVWL_SIM_HOME");
  if (!explicitHome.empty()) return explicitHome;
  const std::string data = Environment("XDG_DATA_HOME");
  if (!data.empty() && data.front() == '/') return data + "/orvwl-sim";
  return UserHome() + "/.local/share/orvwl-sim";
}

std::string ControlFilePath(const std::string& home) { return home + "/control.state"; }

Scenario LoadScenario(const std::string& besideFolder) {
  std::string path = Environment("ORVWL_SIM_SCENARIO");
  if (path.empty()) {
    const std::string beside = besideFolder + "/ORVWL.sim";
    if (::access(beside.c_str(), F_OK) != 0) return DefaultScenario();
    path = beside;
  }
  if (const auto text = ReadWholeFile(path)) return ParseScenario(*text, path);
  Scenario fallback = DefaultScenario();
  fallback.warnings.push_back("cannot read " + path + ", using the built-in scenario");
  return fallback;
}

std::string ModuleFolder() {
  static const char marker = 0;  // any address inside this module
  Dl_info info{};
  if (::dladdr(&marker, &info) == 0 || info.dli_fname == nullptr) {
    return ".";
  }
  const std::string file = info.dli_fname;
  const std::size_t slash = file.rfind('/');
  return slash == std::string::npos ? "." : file.substr(0, slash);
}

}  // namespace orvsim
