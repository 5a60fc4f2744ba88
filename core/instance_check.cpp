#include "core/instance_check.h"

#include <thread>

#include "platform/debug_log.h"
#include "platform/notify_channel.h"

void BroadcastNotify(const std::string& channel, int code) {
  SendChannelMessage(channel, ChannelMessage{ChannelMessage::kNotify, code, 0});
}

bool NotifyInstance(const std::string& mutexName, const std::string& channel, int code,
                    std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (SendChannelMessage(channel, ChannelMessage{ChannelMessage::kNotify, code, 0})) return true;
    if (!NamedMutex::HeldElsewhere(mutexName) || std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::unique_ptr<NamedMutex> CheckSingleInstance(const std::string& mutexName,
                                                const std::string& channel,
                                                std::chrono::milliseconds retryDelay) {
  NamedMutex::Created mutex = NamedMutex::Create(mutexName);
  if (!mutex.handle) {
    DebugLogError(mutex.error, "can't create instance mutex");
    DebugLog("broadcast close message and wait");
    BroadcastNotify(channel, PM_CLOSE);
    std::this_thread::sleep_for(retryDelay);
    mutex = NamedMutex::Create(mutexName);
    if (!mutex.handle) {
      DebugLogError(mutex.error, "can't create instance mutex again");
      return nullptr;
    }
  }
  if (mutex.error == NamedMutex::kErrorAlreadyExists) {
    DebugLog("Instance mutex already exists");
    NotifyInstance(mutexName, channel, PM_SHOW);
    return nullptr;
  }
  return std::move(mutex.handle);
}
