#include "platform/named_mutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/runtime_dir.h"

NamedMutex::Created NamedMutex::Create(const std::string& name) {
  const std::string path = RuntimeObjectPath(name, ".lock");
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return {nullptr, errno};
  const int error = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : kErrorAlreadyExists;
  return {std::unique_ptr<NamedMutex>(new NamedMutex(fd)), error};
}

NamedMutex::~NamedMutex() { ::close(fd_); }

bool NamedMutex::HeldElsewhere(const std::string& name) {
  const std::string path = RuntimeObjectPath(name, ".lock");
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);  // also releases the lock when this probe got it
  return held;
}
