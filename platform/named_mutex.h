#pragma once

#include <memory>
#include <string>

// A system-wide named mutex for the single-instance check. Creating it reports,
// like the system call it stands in for, whether another process holds it.
class NamedMutex {
 public:
  static constexpr int kErrorAlreadyExists = 183;

  struct Created {
    std::unique_ptr<NamedMutex> handle;  // none when the mutex could not be made
    int error = 0;                       // kErrorAlreadyExists or a system error code
  };

  static Created Create(const std::string& name);
  // Whether another process holds the mutex now; asks without creating it.
  static bool HeldElsewhere(const std::string& name);
  ~NamedMutex();
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;

 private:
  explicit NamedMutex(int fd) : fd_(fd) {}
  int fd_;
};
