#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/event.h"

// The per-user channel that stands in for a registered window message broadcast
// to top-level windows: the running instance listens on it, other processes send
// one message each and wait until it has been handled.
struct ChannelMessage {
  enum Kind : int32_t { kNotify = 1, kDeviceEvent = 2 };
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

class ChannelListener {
 public:
  // Runs on the listener's thread; it must return once `stop` is signalled.
  using Handler = std::function<void(const ChannelMessage&, Event& stop)>;

  ChannelListener(std::string channel, Handler handler);
  ~ChannelListener();
  ChannelListener(const ChannelListener&) = delete;
  ChannelListener& operator=(const ChannelListener&) = delete;

  bool IsListening() const { return listenFd_ >= 0; }

 private:
  void Run();

  std::string channel_;
  Handler handler_;
  int listenFd_ = -1;
  int wakeFd_[2] = {-1, -1};
  Event stop_;
  std::thread thread_;
};
