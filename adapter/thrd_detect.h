#pragma once

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "adapter/device_event_gate.h"
#include "adapter/wl_records.h"
#include "core/notifier.h"
#include "platform/event.h"

class CFAGlobalVar;
class WLLibrary;

// Finds out which supported adapter is present: once at start, after device
// nodes have settled following a change, and after a resume from suspend. It
// keeps the current device list and posts PM_DEVICE when that list changes;
// the main window reads the list and decides what to do.
class CThrdDetect final : public DeviceEventGate {
 public:
  using Ms = std::chrono::milliseconds;

  // PM_DEVICE arguments.
  static constexpr int kDeviceListEmptied = 3;
  static constexpr int kDeviceListChanged = 4;

  // The waits detection is built on; tests pass shorter ones.
  struct Timing {
    Ms detectDelay{3000};
    Ms join{2000};
  };

  struct Dependencies {
    CFAGlobalVar* global = nullptr;  // default: the program's global
    WLLibrary* library = nullptr;    // default: the program's library
    Timing timing;
  };

  // Starts the thread with a detection right away.
  explicit CThrdDetect(std::shared_ptr<Notifier> notifier);
  CThrdDetect(std::shared_ptr<Notifier> notifier, Dependencies dependencies);
  ~CThrdDetect() override;
  CThrdDetect(const CThrdDetect&) = delete;
  CThrdDetect& operator=(const CThrdDetect&) = delete;

  // Appends a copy of each detected adapter.
  void GetDeviceList(std::vector<AdapterIdent>& list) const;
  // While set, device-node changes are ignored; clearing it schedules a
  // detection, which catches up on anything missed meanwhile.
  void SetSkip(bool skip) override;
  // The skip switch for holders that may outlive this object (the adapter
  // manager); it does nothing once this object is gone.
  std::shared_ptr<DeviceEventGate> Gate() const;

  // Device events, from whichever thread delivers them.
  void OnDeviceNodesChanged();
  void OnResume();

  // Everything the thread touches. A thread stuck inside the library outlives
  // this object, so it shares ownership of this instead of pointing back.
  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<Event> threadDone_;
  std::thread thread_;
};
