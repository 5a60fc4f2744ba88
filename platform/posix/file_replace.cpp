#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

bool WriteAll(int fd, std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteDurably(int fd, std::string_view content, const struct stat* old) {
  return (old == nullptr || ::fchmod(fd, old->st_mode & 07777) == 0) && WriteAll(fd, content) &&
         ::fsync(fd) == 0;
}

// The new content goes to a file without a name until it is complete and on
// disk, so a writer killed on the way leaves nothing behind; it gets a
// temporary name only for the rename over the file.
bool ReplaceViaUnnamed(const std::string& target, std::string_view content,
                       const struct stat* old) {
  const int fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool ok = WriteDurably(fd, content, old);
  std::string temp;
  if (ok) {
    const std::string fdPath = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
      temp = target + ".new" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
      if (::linkat(AT_FDCWD, fdPath.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) break;
      temp.clear();
      if (errno != EEXIST) break;
    }
    ok = !temp.empty();
  }
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok && !temp.empty()) ::unlink(temp.c_str());
  return ok;
}

bool ReplaceViaNamed(const std::string& target, std::string_view content, const struct stat* old) {
  std::string temp = target + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);  // created 0600
  if (fd < 0) return false;
  bool ok = WriteDurably(fd, content, old);
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

// After a rename the folder holds the new name only once it is on disk too.
void SyncFolder(const std::string& target) {
  const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFileContent(const std::string& path, std::string_view content) {
  struct stat st {};
  const struct stat* old = ::stat(path.c_str(), &st) == 0 ? &st : nullptr;
  // Not every file system has unnamed files.
  const bool ok = ReplaceViaUnnamed(path, content, old) || ReplaceViaNamed(path, content, old);
  if (ok) SyncFolder(path);
  return ok;
}
