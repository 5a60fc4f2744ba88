#include "adapter/device_event_feed.h"

#include "adapter/thrd_detect.h"
#include "platform/system_device_events.h"

DeviceEventFeed::DeviceEventFeed(CThrdDetect& detect) : detect_(detect) {}

DeviceEventFeed::~DeviceEventFeed() = default;

bool DeviceEventFeed::Deliver(const ChannelMessage& message) {
  if (message.kind != ChannelMessage::kDeviceEvent) return false;
  switch (message.code) {
    case kDeviceNodesChanged:
      detect_.OnDeviceNodesChanged();
      return true;
    case kResumed:
      detect_.OnResume();
      return true;
    default:
      return false;
  }
}

bool DeviceEventFeed::WatchSystemEvents() {
  if (!system_) {
    system_ = std::make_unique<SystemDeviceEvents>([this] { detect_.OnDeviceNodesChanged(); },
                                                   [this] { detect_.OnResume(); });
  }
  return system_->IsWatching();
}
