#include "ui/shell/notify_sources.h"

#include "adapter/device_event_feed.h"
#include "core/fa_global_var.h"
#include "platform/notify_channel.h"
#include "ui/shell/ctl_requests.h"
#include "ui/shell/form_notifier.h"

NotifySources::NotifySources(TFormMain* window, CThrdDetect::Timing detectTiming)
    : detectNotifier_(FormNotifier::Create(window)),
      channelNotifier_(FormNotifier::Create(window)) {
  CThrdDetect::Dependencies dependencies;
  dependencies.timing = detectTiming;
  detect_ = std::make_unique<CThrdDetect>(detectNotifier_, dependencies);
  feed_ = std::make_unique<DeviceEventFeed>(*detect_);
  // Real hot-plug where the system reports it; the channel carries the rest.
  feed_->WatchSystemEvents();
  requests_ = std::make_unique<CtlRequests>(window);
  listener_ = std::make_unique<ChannelListener>(
      FAGlobal().NotifyChannel(),
      [this](const ChannelMessage& message, Event& stop) {
        if (message.kind == ChannelMessage::kNotify) {
          // The sender waits until the window has handled the code, as with a
          // message sent to every top-level window.
          channelNotifier_->Send(message.code, message.arg, stop);
        } else {
          feed_->Deliver(message);
        }
      },
      [this](const std::string& request, Event& stop) { return requests_->Handle(request, stop); });
}

NotifySources::~NotifySources() {
  detectNotifier_->Disconnect();
  channelNotifier_->Disconnect();
  // The listener may be waiting for the window and feeds the detection thread:
  // it goes first, the detection thread last.
  listener_.reset();
  feed_.reset();
  detect_.reset();
}

void NotifySources::GetDeviceList(std::vector<AdapterIdent>& list) const {
  detect_->GetDeviceList(list);
}

std::shared_ptr<DeviceEventGate> NotifySources::DetectionGate() const { return detect_->Gate(); }
