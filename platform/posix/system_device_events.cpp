#include "platform/system_device_events.h"

#include <fcntl.h>
#include <linux/netlink.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string_view>

namespace {

constexpr unsigned kKernelEventGroup = 1;
constexpr std::size_t kEventBufferSize = 8192;
// Below this, a gap between the boot and monotonic clocks is read jitter.
constexpr int64_t kMinSuspendMs = 500;
constexpr time_t kClockWatchHorizon = 24 * 60 * 60;

int64_t ClockMs(clockid_t clock) {
  timespec t{};
  ::clock_gettime(clock, &t);
  return static_cast<int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// The monotonic clock stands still while the system sleeps; the boot clock does not.
int64_t SuspendedMs() { return ClockMs(CLOCK_BOOTTIME) - ClockMs(CLOCK_MONOTONIC); }

// A kernel event message starts with "action@devpath"; only nodes that come or
// go count, as with the device-node change broadcast.
bool IsNodeAddedOrRemoved(std::string_view message) {
  const std::size_t at = message.find('@');
  if (at == std::string_view::npos) return false;
  const std::string_view action = message.substr(0, at);
  return action == "add" || action == "remove";
}

int OpenDeviceEvents() {
  const int fd =
      ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_KOBJECT_UEVENT);
  if (fd < 0) return -1;
  sockaddr_nl address{};
  address.nl_family = AF_NETLINK;
  address.nl_groups = kKernelEventGroup;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

SystemDeviceEvents::SystemDeviceEvents(std::function<void()> onDeviceNodesChanged,
                                       std::function<void()> onResume)
    : onDeviceNodesChanged_(std::move(onDeviceNodesChanged)), onResume_(std::move(onResume)) {
  deviceFd_ = OpenDeviceEvents();
  // A resume resets the realtime clock, which cancels a timer armed to notice that.
  clockFd_ = ::timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK);
  if (clockFd_ >= 0) ArmClockWatch();
  suspendedMs_ = SuspendedMs();
  if ((deviceFd_ < 0 && clockFd_ < 0) || ::pipe2(wakeFd_, O_CLOEXEC) != 0) return;
  thread_ = std::thread([this] { Run(); });
}

SystemDeviceEvents::~SystemDeviceEvents() {
  if (thread_.joinable()) {
    const char wake = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_[1], &wake, 1);
    thread_.join();
  }
  for (int fd : {deviceFd_, clockFd_, wakeFd_[0], wakeFd_[1]}) {
    if (fd >= 0) ::close(fd);
  }
}

void SystemDeviceEvents::ArmClockWatch() {
  itimerspec when{};
  ::clock_gettime(CLOCK_REALTIME, &when.it_value);
  when.it_value.tv_sec += kClockWatchHorizon;
  if (::timerfd_settime(clockFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr) !=
      0) {
    ::close(clockFd_);
    clockFd_ = -1;
  }
}

void SystemDeviceEvents::Run() {
  for (;;) {
    pollfd fds[3] = {{wakeFd_[0], POLLIN, 0}, {deviceFd_, POLLIN, 0}, {clockFd_, POLLIN, 0}};
    if (::poll(fds, 3, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[0].revents != 0) return;
    if (fds[1].revents != 0 && DrainDeviceEvents()) onDeviceNodesChanged_();
    if (fds[2].revents != 0) {
      uint64_t expirations = 0;
      // Fails with ECANCELED after a clock change; either way the watch is re-armed.
      [[maybe_unused]] const ssize_t n = ::read(clockFd_, &expirations, sizeof expirations);
      ArmClockWatch();
      if (ResumedSinceLastLook()) onResume_();
      if (clockFd_ < 0 && deviceFd_ < 0) return;
    }
  }
}

bool SystemDeviceEvents::DrainDeviceEvents() {
  bool changed = false;
  char buffer[kEventBufferSize];
  for (;;) {
    sockaddr_nl sender{};
    socklen_t senderSize = sizeof sender;
    const ssize_t n = ::recvfrom(deviceFd_, buffer, sizeof buffer, 0,
                                 reinterpret_cast<sockaddr*>(&sender), &senderSize);
    if (n < 0) {
      if (errno == EINTR) continue;
      // Events were lost: something may have changed.
      if (errno == ENOBUFS) changed = true;
      return changed;
    }
    // Only the kernel's own messages count.
    if (sender.nl_pid != 0) continue;
    if (IsNodeAddedOrRemoved(std::string_view(buffer, static_cast<std::size_t>(n)))) {
      changed = true;
    }
  }
}

bool SystemDeviceEvents::ResumedSinceLastLook() {
  const int64_t now = SuspendedMs();
  const bool resumed = now - suspendedMs_ >= kMinSuspendMs;
  suspendedMs_ = now;
  return resumed;
}
