#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

#include "adapter/dialog_stack.h"
#include "adapter/window_thread.h"
#include "platform/event.h"

// Closes the program's open dialogs one after the other, top first, before the
// main window lets the adapter manager go or hides itself. All dialog work runs
// on the window thread; this thread only waits in between.
class CThrdCloseForm final {
 public:
  static constexpr std::chrono::milliseconds kPollInterval{10};

  // Starts the thread. It owns itself and ends once no dialog is left; the
  // completion handler runs on the window thread in the same turn that found
  // none, so no dialog can open in between. Keeping the returned handle is only
  // needed to stop it early.
  static std::shared_ptr<CThrdCloseForm> Start(std::shared_ptr<WindowThread> window,
                                               std::shared_ptr<DialogStack> dialogs,
                                               std::function<void()> onDone = {});

  CThrdCloseForm(const CThrdCloseForm&) = delete;
  CThrdCloseForm& operator=(const CThrdCloseForm&) = delete;

  // Ends the thread without its completion handler, for an owner going away.
  void Stop();

 private:
  CThrdCloseForm(std::shared_ptr<WindowThread> window, std::shared_ptr<DialogStack> dialogs,
                 std::function<void()> onDone);

  static void Execute(const std::shared_ptr<CThrdCloseForm>& self);
  // On the window thread.
  void CloseTopForm();

  const std::shared_ptr<WindowThread> window_;
  const std::shared_ptr<DialogStack> dialogs_;
  const std::function<void()> onDone_;
  Event stop_;
  std::atomic<bool> stopped_{false};
  std::atomic<bool> allClosed_{false};
  DialogStack::Form lastAsked_ = nullptr;  // window thread only
};
