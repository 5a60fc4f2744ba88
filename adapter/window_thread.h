#pragma once

#include <functional>

class Event;

// The way a worker thread gets work done on the window thread, which alone may
// touch windows.
class WindowThread {
 public:
  virtual ~WindowThread() = default;
  // Queues the work for the window thread and returns at once.
  virtual void Post(std::function<void()> work) = 0;
  // Runs the work on the window thread and returns once it has run (at once when
  // called on the window thread). Returns false when `stop` is signalled first;
  // the work may then still run later, so it must own whatever it touches.
  virtual bool RunSync(std::function<void()> work, Event& stop) = 0;
};
