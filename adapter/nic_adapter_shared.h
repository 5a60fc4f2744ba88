#pragma once

// The adapter manager's state shared with its worker thread.

#include <atomic>
#include <memory>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "platform/text.h"

struct CNICAdapter::Shared {
  Shared(CFAGlobalVar& g, WLLibrary& l, std::shared_ptr<Notifier> n,
         std::shared_ptr<DeviceEventGate> d, const Timing& t, const AdapterIdent& ident,
         uint32_t flags)
      : global(g),
        library(l),
        notifier(std::move(n)),
        detection(std::move(d)),
        timing(t),
        settings(g, ident),
        startFlags(flags),
        status(MakeIdleStatus()),
        ipInfo(NetworkInfo{}) {
    CopyText(device.HardwareId, 64, TextOf(ident.HardwareId));
  }

  static WLANStatus MakeIdleStatus() {
    WLANStatus s{};
    s.MediaState = kMediaDisconnected;
    return s;
  }

  // The window thread waits no longer than this for the library: a call stuck
  // in it on another thread costs the window one short pause, not a freeze.
  static constexpr Ms kWindowLockWait{50};

  // A lock wait that ends on the stop event means the manager is going away;
  // a manager that is going away takes the lock no more.
  bool Lock(Ms bound) {
    if (terminated) return false;
    if (library.Lock(stop, bound)) return true;
    if (stop.IsSet()) terminated = true;
    return false;
  }
  void Unlock() { library.Unlock(); }

  // The library lock for a scope: given back however the scope is left, an
  // exception included, so no later call waits for ever.
  class HeldLock {
   public:
    // The worker waits as long as it takes; the window thread passes kWindowLockWait.
    explicit HeldLock(Shared& shared, Ms bound = Event::kInfinite)
        : shared_(shared), held_(shared.Lock(bound)) {}
    ~HeldLock() {
      if (held_) shared_.Unlock();
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    explicit operator bool() const { return held_; }

   private:
    Shared& shared_;
    const bool held_;
  };

  // Device events are skipped while a connect changes the adapter.
  class DeviceEventSkip {
   public:
    explicit DeviceEventSkip(Shared& shared) : shared_(shared) { shared_.SkipDeviceEvents(true); }
    ~DeviceEventSkip() { shared_.SkipDeviceEvents(false); }
    DeviceEventSkip(const DeviceEventSkip&) = delete;
    DeviceEventSkip& operator=(const DeviceEventSkip&) = delete;

   private:
    Shared& shared_;
  };

  // Sleeps, but not past a stop request.
  void Sleep(Ms duration) {
    if (stop.Wait(duration)) stop.Set();
  }

  void SkipDeviceEvents(bool skip) {
    if (detection) detection->SetSkip(skip);
  }

  void Execute();
  void LaunchToDoFunc();
  void CollectStatus();
  void DoConnect();
  bool Apply(const WLProfile& profile);
  void DoSetZeroCfg();
  void DoIPConfig();
  void DoDisconnect();

  CFAGlobalVar& global;
  WLLibrary& library;
  const std::shared_ptr<Notifier> notifier;
  const std::shared_ptr<DeviceEventGate> detection;
  const Timing timing;
  const AdapterSettings settings;
  const uint32_t startFlags;
  DeviceEntry device{};
  Event stop;
  Event toDo;
  std::atomic<bool> terminated{false};
  std::atomic<bool> zeroCfg{false};
  std::atomic<int> ipFlags{0};  // IPConfig flags the worker has yet to carry out
  ToDoQueue<int> queue;
  GuardedSlot<WLANStatus> status;
  GuardedSlot<NetworkInfo> ipInfo;
  GuardedSlot<WLProfile> pending;
  GuardedSlot<WLProfile> applied;
};
