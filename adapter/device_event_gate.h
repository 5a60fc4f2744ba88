#pragma once

// What the adapter manager needs of the detection thread: device-change events
// are ignored while a connection is applied, since applying one makes the
// adapter's device node come and go.
class DeviceEventGate {
 public:
  virtual ~DeviceEventGate() = default;
  virtual void SetSkip(bool skip) = 0;
};
