#include "platform/event.h"

#include <condition_variable>
#include <mutex>

namespace {

// One mutex and condition for all events keeps WaitAny simple and race-free;
// the program has a handful of threads, so the shared wake-ups cost nothing.
// Never destroyed: a detached thread may still set an event while the process exits.
std::mutex& EventMutex() {
  static auto* m = new std::mutex;
  return *m;
}

std::condition_variable& EventCondition() {
  static auto* c = new std::condition_variable;
  return *c;
}

}  // namespace

void Event::Set() {
  {
    std::lock_guard lock(EventMutex());
    signaled_ = true;
  }
  EventCondition().notify_all();
}

void Event::Reset() {
  std::lock_guard lock(EventMutex());
  signaled_ = false;
}

bool Event::IsSet() const {
  std::lock_guard lock(EventMutex());
  return signaled_;
}

bool Event::Wait(std::chrono::milliseconds timeout) { return WaitAny({this}, timeout) == 0; }

int Event::WaitAny(std::initializer_list<Event*> events, std::chrono::milliseconds timeout) {
  std::unique_lock lock(EventMutex());
  int index = kTimeout;
  auto ready = [&] {
    int i = 0;
    for (Event* e : events) {
      if (e->signaled_) {
        e->signaled_ = false;
        index = i;
        return true;
      }
      ++i;
    }
    return false;
  };
  if (timeout < std::chrono::milliseconds::zero()) {
    EventCondition().wait(lock, ready);
  } else {
    EventCondition().wait_for(lock, timeout, ready);
  }
  return index;
}
