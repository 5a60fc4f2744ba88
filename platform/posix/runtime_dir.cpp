#include "platform/runtime_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

std::string SafeFileName(const std::string& name) {
  std::string out = name.empty() ? std::string("_") : name;
  for (char& c : out) {
    if (c == '/' || c == '\0') c = '_';
  }
  return out;
}

std::string RuntimeDirectory() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  if (xdg != nullptr && *xdg == '/') return xdg;
  std::error_code ec;
  std::string dir = (std::filesystem::temp_directory_path(ec) /
                     ("orvane-" + std::to_string(::getuid())))
                        .string();
  ::mkdir(dir.c_str(), 0700);
  return dir;
}

}  // namespace

std::string RuntimeObjectPath(const std::string& name, const std::string& suffix) {
  return RuntimeDirectory() + "/" + SafeFileName(name) + suffix;
}
