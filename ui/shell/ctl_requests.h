#pragma once

#include <QPointer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ctl_message.h"

class CNICAdapter;
class Event;
class QtWindowThread;
class TFormMain;

// Answers the terminal command the way the pages act: what touches the window
// or the adapter manager runs briefly on the window thread, the same calls a
// page makes; waiting for the adapter happens on the request's own thread, so
// the window never waits for a command.
class CtlRequests {
 public:
  // To be created on the window thread.
  explicit CtlRequests(TFormMain* window);
  ~CtlRequests();
  CtlRequests(const CtlRequests&) = delete;
  CtlRequests& operator=(const CtlRequests&) = delete;

  // On a request thread; returns once answered or once stop is signalled.
  std::string Handle(const std::string& request, Event& stop);

 private:
  using AdapterWork = std::function<void(TFormMain&, CNICAdapter&, ctl::Reply&)>;

  ctl::Reply Answer(const std::vector<std::string>& words, Event& stop);
  ctl::Reply Status(Event& stop);
  ctl::Reply Scan(Event& stop);
  ctl::Reply Profiles(Event& stop);
  ctl::Reply Connect(const std::string& name, std::chrono::milliseconds timeout, Event& stop);
  ctl::Reply Disconnect(Event& stop);
  ctl::Reply APStatus(Event& stop);

  // Runs work on the window thread with the adapter bound there. False, with
  // the reply saying why, when there is none, or when work set a failure.
  bool WithAdapter(const AdapterWork& work, ctl::Reply& reply, Event& stop);
  // Polls on this thread until the adapter's state satisfies done or the
  // time is up; false on time-out, loss of the adapter or stop.
  bool WaitFor(const std::function<bool(CNICAdapter&)>& done, std::chrono::milliseconds timeout,
               ctl::Reply& reply, Event& stop);

  const std::shared_ptr<QtWindowThread> thread_;
  const QPointer<TFormMain> window_;  // window thread only
};
