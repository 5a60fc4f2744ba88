#include "platform/runtime_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/debug_log.h"

namespace {

std::string SafeFileName(const std::string& name) {
  std::string out = name.empty() ? std::string("_") : name;
  for (char& c : out) {
    if (c == '/' || c == '\0') c = '_';
  }
  return out;
}

// Any local user can create a folder in the temporary directory first; the
// lock and the socket in it are ours only when the folder is.
bool IsPrivateFolder(const std::string& dir) {
  struct stat st {};
  return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

std::string RuntimeDirectory() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  if (xdg != nullptr && *xdg == '/') return xdg;
  std::error_code ec;
  std::string dir =
      (std::filesystem::temp_directory_path(ec) / ("orvane-" + std::to_string(::getuid())))
          .string();
  if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
    DebugLogError(errno, "can't create runtime folder %s", dir.c_str());
    return {};
  }
  if (!IsPrivateFolder(dir)) {
    DebugLog("runtime folder %s refused: not a private folder of this user", dir.c_str());
    return {};
  }
  return dir;
}

}  // namespace

std::string RuntimeObjectPath(const std::string& name, const std::string& suffix) {
  const std::string dir = RuntimeDirectory();
  if (dir.empty()) return {};
  return dir + "/" + SafeFileName(name) + suffix;
}
