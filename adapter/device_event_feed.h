#pragma once

#include <cstdint>
#include <memory>

#include "platform/notify_channel.h"

class CThrdDetect;
class SystemDeviceEvents;

// Hands device events to the detection thread: those that arrive on the
// per-user channel (whose one listener passes them on here) and, once watched,
// those the system reports itself. It must not outlive the detection thread.
class DeviceEventFeed {
 public:
  // Codes of device-event messages on the channel.
  static constexpr int32_t kDeviceNodesChanged = 1;
  static constexpr int32_t kResumed = 2;

  explicit DeviceEventFeed(CThrdDetect& detect);
  ~DeviceEventFeed();
  DeviceEventFeed(const DeviceEventFeed&) = delete;
  DeviceEventFeed& operator=(const DeviceEventFeed&) = delete;

  // False for a message that is no device event this feed knows.
  bool Deliver(const ChannelMessage& message);
  // Also follows the system's own reports; false when it offers none here.
  bool WatchSystemEvents();

 private:
  CThrdDetect& detect_;
  std::unique_ptr<SystemDeviceEvents> system_;
};
