#include "platform/notify_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/runtime_dir.h"

namespace {

bool FillAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

bool WaitReadable(int fd, int timeoutMs) {
  pollfd p{fd, POLLIN, 0};
  int r;
  do {
    r = ::poll(&p, 1, timeoutMs);
  } while (r < 0 && errno == EINTR);
  return r > 0;
}

bool ReadAll(int fd, void* data, std::size_t size, int timeoutMs) {
  auto* bytes = static_cast<char*>(data);
  std::size_t done = 0;
  while (done < size) {
    if (!WaitReadable(fd, timeoutMs)) return false;
    const ssize_t n = ::recv(fd, bytes + done, size - done, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool SendAll(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::send(fd, bytes + done, size - done, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

constexpr int kPeerReadTimeoutMs = 1000;

}  // namespace

std::string RegisterNotifyChannel(const std::string& messageName) {
  return RuntimeObjectPath(messageName, ".sock");
}

bool SendChannelMessage(const std::string& channel, const ChannelMessage& message, int timeoutMs) {
  sockaddr_un address;
  if (!FillAddress(channel, address)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            SendAll(fd, &message, sizeof message);
  char ack = 0;
  if (ok) ok = ReadAll(fd, &ack, 1, timeoutMs);
  ::close(fd);
  return ok;
}

ChannelListener::ChannelListener(std::string channel, Handler handler)
    : channel_(std::move(channel)), handler_(std::move(handler)) {
  sockaddr_un address;
  if (!FillAddress(channel_, address) || ::pipe2(wakeFd_, O_CLOEXEC) != 0) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  // Only the instance that holds the instance lock listens, so a socket file
  // left here is stale.
  ::unlink(channel_.c_str());
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd, 8) != 0) {
    ::close(fd);
    return;
  }
  listenFd_ = fd;
  thread_ = std::thread([this] { Run(); });
}

ChannelListener::~ChannelListener() {
  stop_.Set();
  if (wakeFd_[1] >= 0) {
    const char wake = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_[1], &wake, 1);
  }
  if (thread_.joinable()) thread_.join();
  if (listenFd_ >= 0) {
    ::close(listenFd_);
    ::unlink(channel_.c_str());
  }
  for (int fd : wakeFd_) {
    if (fd >= 0) ::close(fd);
  }
}

void ChannelListener::Run() {
  for (;;) {
    pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakeFd_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents != 0) return;
    const int peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer < 0) continue;
    ChannelMessage message;
    if (ReadAll(peer, &message, sizeof message, kPeerReadTimeoutMs)) {
      handler_(message, stop_);
      const char ack = 1;
      SendAll(peer, &ack, 1);
    }
    ::close(peer);
    if (stop_.IsSet()) return;
  }
}
