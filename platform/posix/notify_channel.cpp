#include "platform/notify_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/debug_log.h"
#include "platform/peer_credentials.h"
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
// A request is a command and a few words; anything longer is not one.
constexpr int32_t kMaxRequestBytes = 4096;
constexpr uint32_t kMaxAnswerBytes = 16u << 20;

int ConnectTo(const std::string& channel) {
  sockaddr_un address;
  if (!FillAddress(channel, address)) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool SendAnswer(int fd, const std::string& answer) {
  const char ack = 1;
  uint8_t size[4];
  for (int i = 0; i < 4; ++i) size[i] = static_cast<uint8_t>(answer.size() >> (8 * i));
  return SendAll(fd, &ack, 1) && SendAll(fd, size, sizeof size) &&
         SendAll(fd, answer.data(), answer.size());
}

bool ReadAnswer(int fd, std::string& answer, int timeoutMs) {
  char ack = 0;
  uint8_t size[4];
  if (!ReadAll(fd, &ack, 1, timeoutMs) || !ReadAll(fd, size, sizeof size, kPeerReadTimeoutMs)) {
    return false;
  }
  uint32_t length = 0;
  for (int i = 0; i < 4; ++i) length |= static_cast<uint32_t>(size[i]) << (8 * i);
  if (length > kMaxAnswerBytes) return false;
  answer.assign(length, '\0');
  return length == 0 || ReadAll(fd, answer.data(), length, kPeerReadTimeoutMs);
}

}  // namespace

std::string RegisterNotifyChannel(const std::string& messageName) {
  return RuntimeObjectPath(messageName, ".sock");
}

bool SendChannelMessage(const std::string& channel, const ChannelMessage& message, int timeoutMs) {
  const int fd = ConnectTo(channel);
  if (fd < 0) return false;
  bool ok = SendAll(fd, &message, sizeof message);
  char ack = 0;
  if (ok) ok = ReadAll(fd, &ack, 1, timeoutMs);
  ::close(fd);
  return ok;
}

ChannelAnswer SendChannelRequest(const std::string& channel, const std::string& request,
                                 std::string& answer, int timeoutMs) {
  struct stat st {};
  if (channel.empty() || ::lstat(channel.c_str(), &st) != 0) return ChannelAnswer::kNoListener;
  if (!SocketFileIsThisUsers(channel.c_str())) return ChannelAnswer::kNotThisUser;
  const int fd = ConnectTo(channel);
  if (fd < 0) return ChannelAnswer::kNoListener;
  ChannelAnswer result = ChannelAnswer::kNotThisUser;
  if (PeerIsThisUser(fd)) {
    const ChannelMessage message{ChannelMessage::kRequest, 0, static_cast<int32_t>(request.size())};
    result = SendAll(fd, &message, sizeof message) && SendAll(fd, request.data(), request.size()) &&
                     ReadAnswer(fd, answer, timeoutMs)
                 ? ChannelAnswer::kAnswered
                 : ChannelAnswer::kNoAnswer;
  }
  ::close(fd);
  return result;
}

ChannelListener::ChannelListener(std::string channel, Handler handler, RequestHandler requests)
    : channel_(std::move(channel)),
      handler_(std::move(handler)),
      requestHandler_(std::move(requests)) {
  sockaddr_un address;
  if (!FillAddress(channel_, address) || ::pipe2(wakeFd_, O_CLOEXEC) != 0) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  // Only the instance that holds the instance lock listens, so a socket file
  // left here is stale.
  ::unlink(channel_.c_str());
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::chmod(channel_.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
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
  for (const auto& request : requests_) request->stop.Set();
  for (const auto& request : requests_) request->thread.join();
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
    ReapRequests();
    Serve(peer);
    if (stop_.IsSet()) return;
  }
}

void ChannelListener::Serve(int peer) {
  if (!PeerIsThisUser(peer)) {
    DebugLog("channel: connection of another user refused");
    ::close(peer);
    return;
  }
  ChannelMessage message;
  if (!ReadAll(peer, &message, sizeof message, kPeerReadTimeoutMs)) {
    ::close(peer);
    return;
  }
  if (message.kind == ChannelMessage::kRequest) {
    if (requestHandler_ && message.arg > 0 && message.arg <= kMaxRequestBytes) {
      std::string request(static_cast<std::size_t>(message.arg), '\0');
      if (ReadAll(peer, request.data(), request.size(), kPeerReadTimeoutMs)) {
        StartRequest(peer, std::move(request));
        return;
      }
    }
    ::close(peer);
    return;
  }
  handler_(message, stop_);
  const char ack = 1;
  SendAll(peer, &ack, 1);
  ::close(peer);
}

void ChannelListener::StartRequest(int peer, std::string request) {
  auto& entry = requests_.emplace_back(std::make_unique<Request>());
  Request* self = entry.get();
  self->thread = std::thread([this, self, peer, request = std::move(request)] {
    SendAnswer(peer, requestHandler_(request, self->stop));
    ::close(peer);
    self->done = true;
  });
}

void ChannelListener::ReapRequests() {
  for (auto it = requests_.begin(); it != requests_.end();) {
    if ((*it)->done) {
      (*it)->thread.join();
      it = requests_.erase(it);
    } else {
      ++it;
    }
  }
}
