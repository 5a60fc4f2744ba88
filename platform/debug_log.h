#pragma once

#include <string>
#include <string_view>

// The trace file beside the program. It is written only when a file of its name
// exists at start, so tracing is switched on by creating that empty file.
class DebugLogFile {
 public:
  // Opens the log that belongs to the program file at programPath (X -> X.Log).
  explicit DebugLogFile(const std::string& programPath);
  ~DebugLogFile();
  DebugLogFile(const DebugLogFile&) = delete;
  DebugLogFile& operator=(const DebugLogFile&) = delete;

  bool IsOn() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }
  // One write call per line, so lines of different threads never mix.
  void WriteLine(std::string_view text) const;

  static std::string LogPathFor(const std::string& programPath);

 private:
  bool OpenExisting(const std::string& path);
  bool CreateFresh(const std::string& path);

  int fd_ = -1;
  std::string path_;
};

// The process-wide log of the running program, opened on first use.
const DebugLogFile& GlobalDebugLog();

void DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The caller's text, then " ErrCode(%x) %s" with the system's text for the code.
void DebugLogError(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));
// "ErrCode(%x) %s" alone.
void DebugLogError(int code);
