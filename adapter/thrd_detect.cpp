#include "adapter/thrd_detect.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <optional>

#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "platform/debug_log.h"
#include "platform/text.h"

namespace {

using Clock = std::chrono::steady_clock;

AdapterIdent IdentOf(const DeviceEntry& entry) {
  AdapterIdent ident{};
  CopyText(ident.Description, TextOf(entry.Description));
  CopyText(ident.HardwareId, TextOf(entry.HardwareId));
  CopyText(ident.Tag, kAdapterIdentTag);
  return ident;
}

bool SameIdent(const AdapterIdent& a, const AdapterIdent& b) {
  return std::memcmp(&a, &b, sizeof(AdapterIdent)) == 0;
}

// Changed when the counts differ or some current entry has no equal entry among
// the found ones.
bool ListChanged(const std::vector<AdapterIdent>& current, const std::vector<AdapterIdent>& found) {
  if (current.size() != found.size()) return true;
  return std::any_of(current.begin(), current.end(), [&](const AdapterIdent& c) {
    return std::none_of(found.begin(), found.end(),
                        [&](const AdapterIdent& f) { return SameIdent(c, f); });
  });
}

}  // namespace

struct CThrdDetect::Shared final : DeviceEventGate {
  Shared(CFAGlobalVar& g, WLLibrary& l, std::shared_ptr<Notifier> n, const Timing& t)
      : global(g), library(l), notifier(std::move(n)), timing(t) {}

  void Execute();
  void Detect();
  bool EnumDetectDev(std::vector<AdapterIdent>& list);
  void ResumeStep();
  void DeviceNodesChanged();
  void SetSkip(bool flag) override;

  // Timer 1: a deadline the thread's wait honours. Every restart moves it.
  void RestartTimer();
  Ms TimerRemaining();
  bool TimerFired();

  CFAGlobalVar& global;
  WLLibrary& library;
  const std::shared_ptr<Notifier> notifier;
  const Timing timing;
  Event stop;
  Event detect;
  Event timerMoved;
  std::atomic<bool> terminated{false};
  std::atomic<bool> skip{false};
  mutable std::mutex listMutex;
  std::vector<AdapterIdent> devices;  // guarded by listMutex; at most one entry
  std::mutex timerMutex;
  std::optional<Clock::time_point> timerDue;  // guarded by timerMutex
};

void CThrdDetect::Shared::RestartTimer() {
  {
    std::lock_guard lock(timerMutex);
    timerDue = Clock::now() + timing.detectDelay;
  }
  timerMoved.Set();
}

CThrdDetect::Ms CThrdDetect::Shared::TimerRemaining() {
  std::lock_guard lock(timerMutex);
  if (!timerDue) return Event::kInfinite;
  return std::max(std::chrono::ceil<Ms>(*timerDue - Clock::now()), Ms::zero());
}

bool CThrdDetect::Shared::TimerFired() {
  std::lock_guard lock(timerMutex);
  if (!timerDue || *timerDue > Clock::now()) return false;
  timerDue.reset();
  return true;
}

void CThrdDetect::Shared::Execute() {
  while (!terminated) {
    const int woke = Event::WaitAny({&stop, &detect, &timerMoved}, TimerRemaining());
    if (terminated) return;
    if (woke == 1) {
      Detect();
    } else if (woke == Event::kTimeout) {
      if (TimerFired()) Detect();
    } else if (woke != 2) {
      return;
    }
  }
}

void CThrdDetect::Shared::Detect() {
  std::vector<AdapterIdent> found;
  if (!EnumDetectDev(found)) return;
  DebugLog("available device %d", static_cast<int>(found.size()));
  bool changed;
  {
    std::lock_guard lock(listMutex);
    changed = ListChanged(devices, found);
    if (changed) devices = std::move(found);
  }
  if (changed && !terminated) notifier->Post(PM_DEVICE, kDeviceListChanged);
}

bool CThrdDetect::Shared::EnumDetectDev(std::vector<AdapterIdent>& list) {
  std::vector<DeviceEntry> entries(CFAGlobalVar::kHWIDListCapacity);
  const int filled = global.ReadHWIDList(entries.data(), CFAGlobalVar::kHWIDListCapacity);
  // Without any configured hardware ID the library decides on its own.
  const int count = filled < 1 ? 1 : filled;
  if (filled < 1) entries[0] = DeviceEntry{};
  WLLibraryLock lock(library, stop);
  if (!lock) {
    terminated = true;
    return false;
  }
  try {
    for (int i = 0; i < count; ++i) {
      if (library.Api().ORVWL_DevDetect(&entries[static_cast<std::size_t>(i)]) == 1) {
        list.push_back(IdentOf(entries[static_cast<std::size_t>(i)]));
        break;
      }
    }
  } catch (...) {
    DebugLog("Exception(CThrdDetect::EnumDetectDev)");
  }
  return true;
}

void CThrdDetect::Shared::ResumeStep() {
  if (terminated) return;
  {
    std::lock_guard lock(listMutex);
    devices.clear();
  }
  notifier->Post(PM_DEVICE, kDeviceListEmptied);
  RestartTimer();
}

void CThrdDetect::Shared::DeviceNodesChanged() {
  if (terminated) return;
  if (skip) {
    DebugLog("Skip WM_DEVICECHANGE");
    return;
  }
  RestartTimer();
}

void CThrdDetect::Shared::SetSkip(bool flag) {
  skip = flag;
  if (!flag && !terminated) RestartTimer();
}

CThrdDetect::CThrdDetect(std::shared_ptr<Notifier> notifier)
    : CThrdDetect(std::move(notifier), Dependencies{}) {}

CThrdDetect::CThrdDetect(std::shared_ptr<Notifier> notifier, Dependencies dependencies)
    : shared_(std::make_shared<Shared>(dependencies.global ? *dependencies.global : FAGlobal(),
                                       dependencies.library ? *dependencies.library : WLLib(),
                                       std::move(notifier), dependencies.timing)),
      threadDone_(std::make_shared<Event>()) {
  thread_ = std::thread([shared = shared_, done = threadDone_] {
    shared->Execute();
    done->Set();
  });
  shared_->detect.Set();
}

CThrdDetect::~CThrdDetect() {
  shared_->terminated = true;
  shared_->stop.Set();
  if (threadDone_->Wait(shared_->timing.join)) {
    thread_.join();
  } else {
    // Stuck inside the library: it keeps its own share of the state alive.
    thread_.detach();
  }
}

void CThrdDetect::GetDeviceList(std::vector<AdapterIdent>& list) const {
  std::lock_guard lock(shared_->listMutex);
  list.insert(list.end(), shared_->devices.begin(), shared_->devices.end());
}

void CThrdDetect::SetSkip(bool skip) { shared_->SetSkip(skip); }

std::shared_ptr<DeviceEventGate> CThrdDetect::Gate() const { return shared_; }

void CThrdDetect::OnDeviceNodesChanged() { shared_->DeviceNodesChanged(); }

void CThrdDetect::OnResume() {
  DebugLog("WM_POWERBROADCAST resume");
  shared_->ResumeStep();
}
