#pragma once

#include <optional>
#include <string>

namespace orvsim {

// File helpers of the simulator: whole-file reads with a size limit and an
// advisory lock for read-modify-write.

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit = 1 << 20);
// Creates the folder and its parents (mode 0700 for new ones).
bool MakeFolders(const std::string& path);

// Holds an exclusive flock on a lock file for its lifetime; a lock that is
// not free within about 200 ms is given up rather than waited for forever.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
};

// Identity of a file's current content as the file system reports it.
struct FileStamp {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  long long size = -1;
  long long modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& path);

}  // namespace orvsim
