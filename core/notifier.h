#pragma once

#include <cstdint>

class Event;

// Codes of the one notification message every thread and page sends to the
// main window.
enum NotifyCode : int {
  PM_SHOW = 1,
  PM_DEVICE = 2,
  PM_STATUS = 3,
  PM_ZEROCFG = 4,
  PM_SAVEPROFILE = 5,
  PM_CONNECT = 7,
  PM_PROFILELIST = 8,
  PM_CLOSE = 9,
  PM_SHOWPAGE = 10,
  PM_NEWPROFILE = 11,
};

// The way to the window thread.
class Notifier {
 public:
  virtual ~Notifier() = default;
  // Queues the code for the window thread and returns at once.
  virtual void Post(int code, intptr_t arg) = 0;
  // Runs the code on the window thread and returns its result; at once when
  // called on the window thread. Gives up (returning 0) when `stop` is
  // signalled, so a thread being stopped never deadlocks against the window.
  virtual intptr_t Send(int code, intptr_t arg, Event& stop) = 0;
};
