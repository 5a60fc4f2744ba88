#pragma once

#include <cstdint>
#include <functional>
#include <thread>

// What the system itself reports to the detection thread: device nodes added
// or removed, and resumes from suspend. Both handlers run on this object's own
// thread.
class SystemDeviceEvents {
 public:
  SystemDeviceEvents(std::function<void()> onDeviceNodesChanged, std::function<void()> onResume);
  ~SystemDeviceEvents();
  SystemDeviceEvents(const SystemDeviceEvents&) = delete;
  SystemDeviceEvents& operator=(const SystemDeviceEvents&) = delete;

  // False when this system offers neither report.
  bool IsWatching() const { return thread_.joinable(); }

 private:
  void Run();
  bool DrainDeviceEvents();
  bool ResumedSinceLastLook();
  void ArmClockWatch();

  const std::function<void()> onDeviceNodesChanged_;
  const std::function<void()> onResume_;
  int deviceFd_ = -1;
  int clockFd_ = -1;
  int wakeFd_[2] = {-1, -1};
  int64_t suspendedMs_ = 0;  // time spent suspended since boot, at the last look
  std::thread thread_;
};
