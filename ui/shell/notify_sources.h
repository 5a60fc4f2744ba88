#pragma once

#include <memory>
#include <vector>

#include "adapter/thrd_detect.h"

class ChannelListener;
class CtlRequests;
class DeviceEventFeed;
class FormNotifier;
class TFormMain;

// Everything outside the window that tells it something: the detection thread,
// the per-user channel (other instances' notifications, device events such as
// the simulator's control tool sends, the terminal command's requests) and the
// system's own device events.
class NotifySources {
 public:
  // To be created on the window thread; detection starts at once.
  NotifySources(TFormMain* window, CThrdDetect::Timing detectTiming);
  ~NotifySources();
  NotifySources(const NotifySources&) = delete;
  NotifySources& operator=(const NotifySources&) = delete;

  // Appends a copy of each adapter the detection thread knows now.
  void GetDeviceList(std::vector<AdapterIdent>& list) const;
  // Lets an adapter manager hold device events back while it applies a profile.
  std::shared_ptr<DeviceEventGate> DetectionGate() const;

 private:
  const std::shared_ptr<FormNotifier> detectNotifier_;
  const std::shared_ptr<FormNotifier> channelNotifier_;
  std::unique_ptr<CThrdDetect> detect_;
  std::unique_ptr<DeviceEventFeed> feed_;
  std::unique_ptr<CtlRequests> requests_;
  std::unique_ptr<ChannelListener> listener_;
};
