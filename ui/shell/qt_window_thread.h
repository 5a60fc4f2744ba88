#pragma once

#include "adapter/window_thread.h"

class QObject;

// The Qt window thread as the worker threads see it: work is queued to an
// object living on the thread that created this one.
class QtWindowThread final : public WindowThread {
 public:
  // To be created on the window thread.
  QtWindowThread();
  ~QtWindowThread() override;
  QtWindowThread(const QtWindowThread&) = delete;
  QtWindowThread& operator=(const QtWindowThread&) = delete;

  void Post(std::function<void()> work) override;
  // Also false when the window thread drops the work without running it, so
  // a caller never waits for a window thread that has gone.
  bool RunSync(std::function<void()> work, Event& stop) override;

 private:
  QObject* receiver_;  // lives on the window thread
};
