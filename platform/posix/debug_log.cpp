#include "platform/debug_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdarg>
#include <filesystem>
#include <new>

#include "platform/program_file.h"
#include "platform/program_files.h"
#include "platform/system_info.h"
#include "platform/text.h"

namespace {

constexpr int kFallbackNames = 100;

// Others may read the log but not write it while we hold it.
bool LockExclusive(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

}  // namespace

std::string DebugLogFile::LogPathFor(const std::string& programPath) {
  std::filesystem::path p(programPath);
  p.replace_extension(".Log");
  return p.string();
}

DebugLogFile::DebugLogFile(const std::string& programPath) {
  const std::string path = LogPathFor(programPath);
  if (::access(path.c_str(), F_OK) != 0) return;
  if (!OpenExisting(path)) {
    std::filesystem::path p(programPath);
    const std::string base = (p.parent_path() / p.stem()).string();
    for (int i = 0; i < kFallbackNames && fd_ < 0; ++i) {
      CreateFresh(FormatText("%s_%03d.Log", base.c_str(), i));
    }
    if (fd_ < 0) return;
  }
  if (::lseek(fd_, 0, SEEK_END) < 0) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  WriteLine("== START LOG ==");
}

DebugLogFile::~DebugLogFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool DebugLogFile::OpenExisting(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  if (!LockExclusive(fd)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  path_ = path;
  return true;
}

bool DebugLogFile::CreateFresh(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  LockExclusive(fd);  // just created under our own name: nobody else can hold it yet
  fd_ = fd;
  path_ = path;
  return true;
}

void DebugLogFile::WriteLine(std::string_view text) const {
  if (fd_ < 0) return;
  std::string line;
  try {
    line.reserve(text.size() + 2);
    line.append(text);
  } catch (const std::bad_alloc&) {
    line.clear();
  }
  line += "\r\n";
  [[maybe_unused]] const ssize_t ignored = ::write(fd_, line.data(), line.size());
}

namespace {

// An installed program cannot write beside itself, so its log is looked for in
// the user's folder first.
std::string LogOwnerPath(const std::string& programPath) {
  const ProgramFiles files = LocateProgramFiles(programPath);
  if (files.Installed()) {
    const std::string inUserDir =
        files.userDir + std::filesystem::path(programPath).filename().string();
    if (::access(DebugLogFile::LogPathFor(inUserDir).c_str(), F_OK) == 0) return inUserDir;
  }
  return programPath;
}

}  // namespace

const DebugLogFile& GlobalDebugLog() {
  static const DebugLogFile log(LogOwnerPath(RunningProgramPath()));
  return log;
}

namespace {

std::string FormatOrEmpty(const char* format, va_list args) {
  try {
    return FormatTextV(format, args);
  } catch (...) {
    return {};
  }
}

std::string ErrorSuffix(int code) {
  return FormatText("ErrCode(%x) %s", static_cast<unsigned>(code), SystemErrorText(code).c_str());
}

}  // namespace

void DebugLog(const char* format, ...) {
  const DebugLogFile& log = GlobalDebugLog();
  if (!log.IsOn()) return;
  va_list args;
  va_start(args, format);
  const std::string text = FormatOrEmpty(format, args);
  va_end(args);
  log.WriteLine(text);
}

void DebugLogError(int code, const char* format, ...) {
  const DebugLogFile& log = GlobalDebugLog();
  if (!log.IsOn()) return;
  std::string text;
  try {
    va_list args;
    va_start(args, format);
    text = FormatTextV(format, args);
    va_end(args);
    text += " " + ErrorSuffix(code);
  } catch (...) {
  }
  log.WriteLine(text);
}

void DebugLogError(int code) {
  const DebugLogFile& log = GlobalDebugLog();
  if (!log.IsOn()) return;
  std::string text;
  try {
    text = ErrorSuffix(code);
  } catch (...) {
  }
  log.WriteLine(text);
}
