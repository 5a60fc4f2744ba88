#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <thread>

#include "platform/event.h"

// The per-user channel that stands in for a registered window message broadcast
// to top-level windows: the running instance listens on it, other processes send
// one message each and wait until it has been handled.
struct ChannelMessage {
  // A request carries arg bytes of request text after the message and is
  // answered, after the acknowledgement, with a 4-byte length and the answer.
  enum Kind : int32_t { kNotify = 1, kDeviceEvent = 2, kRequest = 3 };
  int32_t kind = kNotify;
  int32_t code = 0;
  int32_t arg = 0;
};

// Registering the message: the channel's address for a message name.
std::string RegisterNotifyChannel(const std::string& messageName);

// Delivers the message and returns once the listener has handled it, or at once
// (false) when nobody listens. A listener that never answers is given up on
// after timeoutMs.
bool SendChannelMessage(const std::string& channel, const ChannelMessage& message,
                        int timeoutMs = 10000);

// A request and its answer, for the terminal command. Only a listener of this
// user is asked; the answer is given up on after timeoutMs.
enum class ChannelAnswer { kAnswered, kNoListener, kNotThisUser, kNoAnswer };
ChannelAnswer SendChannelRequest(const std::string& channel, const std::string& request,
                                 std::string& answer, int timeoutMs);

// Connections from other users are refused, whatever the folder allows.
class ChannelListener {
 public:
  // Runs on the listener's thread; it must return once `stop` is signalled.
  using Handler = std::function<void(const ChannelMessage&, Event& stop)>;
  // Runs on a thread of the request's own, so a long request holds up neither
  // the listener nor another request; it must return once `stop` is signalled.
  using RequestHandler = std::function<std::string(const std::string& request, Event& stop)>;

  ChannelListener(std::string channel, Handler handler, RequestHandler requests = {});
  ~ChannelListener();
  ChannelListener(const ChannelListener&) = delete;
  ChannelListener& operator=(const ChannelListener&) = delete;

  bool IsListening() const { return listenFd_ >= 0; }

 private:
  struct Request {
    std::thread thread;
    Event stop;
    std::atomic<bool> done{false};
  };

  void Run();
  void Serve(int peer);
  void StartRequest(int peer, std::string request);
  void ReapRequests();

  std::string channel_;
  Handler handler_;
  RequestHandler requestHandler_;
  std::list<std::unique_ptr<Request>> requests_;  // listener thread, then the destructor
  int listenFd_ = -1;
  int wakeFd_[2] = {-1, -1};
  Event stop_;
  std::thread thread_;
};
