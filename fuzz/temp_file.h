#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

// One scratch file per fuzzing process, rewritten with each input.
class FuzzTempFile {
 public:
  explicit FuzzTempFile(const char* tag) {
    const char* dir = std::getenv("TMPDIR");
    path_ = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/orv-fuzz-" + tag + "-" +
            std::to_string(::getpid());
  }
  ~FuzzTempFile() { ::unlink(path_.c_str()); }

  const std::string& Path() const { return path_; }

  void Write(const uint8_t* data, size_t size) const {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) std::abort();
    size_t done = 0;
    while (done < size) {
      const ssize_t n = ::write(fd, data + done, size - done);
      if (n <= 0) std::abort();
      done += static_cast<size_t>(n);
    }
    ::close(fd);
  }

 private:
  std::string path_;
};
