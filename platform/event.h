#pragma once

#include <chrono>
#include <initializer_list>

// An auto-reset event: Set wakes one wait, which consumes the signal. WaitAny
// waits on several at once, the way a thread waits on the library lock
// together with its own stop event.
class Event {
 public:
  static constexpr int kTimeout = -1;
  static constexpr std::chrono::milliseconds kInfinite{-1};

  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  void Set();
  void Reset();
  bool IsSet() const;
  bool Wait(std::chrono::milliseconds timeout = kInfinite);
  // Index of the event that ended the wait (its signal consumed), or kTimeout.
  static int WaitAny(std::initializer_list<Event*> events,
                     std::chrono::milliseconds timeout = kInfinite);

 private:
  bool signaled_ = false;  // guarded by the shared event mutex
};
