#pragma once

#include <string>
#include <utility>

// A shared library loaded by path at run time.
class DynamicLibrary {
 public:
  DynamicLibrary() = default;
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  bool Open(const std::string& path);
  void* Symbol(const char* name) const;
  bool IsOpen() const { return handle_ != nullptr; }
  const std::string& LastError() const { return lastError_; }
  // Leaves the library mapped for the rest of the process: a detached thread
  // may still be running inside it when its owner goes away.
  void Abandon() { handle_ = nullptr; }
  void Close();
  void Swap(DynamicLibrary& other) noexcept {
    std::swap(handle_, other.handle_);
    lastError_.swap(other.lastError_);
  }

 private:
  void* handle_ = nullptr;
  std::string lastError_;
};
