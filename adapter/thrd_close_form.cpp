#include "adapter/thrd_close_form.h"

#include <thread>

CThrdCloseForm::CThrdCloseForm(std::shared_ptr<WindowThread> window,
                               std::shared_ptr<DialogStack> dialogs, std::function<void()> onDone)
    : window_(std::move(window)), dialogs_(std::move(dialogs)), onDone_(std::move(onDone)) {}

std::shared_ptr<CThrdCloseForm> CThrdCloseForm::Start(std::shared_ptr<WindowThread> window,
                                                      std::shared_ptr<DialogStack> dialogs,
                                                      std::function<void()> onDone) {
  std::shared_ptr<CThrdCloseForm> self(
      new CThrdCloseForm(std::move(window), std::move(dialogs), std::move(onDone)));
  // Nobody joins it: the thread's share keeps the object alive until it ends.
  std::thread([self] { Execute(self); }).detach();
  return self;
}

void CThrdCloseForm::Stop() {
  stopped_ = true;
  stop_.Set();
}

void CThrdCloseForm::Execute(const std::shared_ptr<CThrdCloseForm>& self) {
  for (;;) {
    // The work holds its own share: it may still run after a stop gave up on it.
    if (!self->window_->RunSync([self] { self->CloseTopForm(); }, self->stop_)) return;
    if (self->allClosed_ || self->stop_.Wait(kPollInterval)) return;
  }
}

void CThrdCloseForm::CloseTopForm() {
  // Work queued before a stop may still run after it.
  if (stopped_) return;
  const DialogStack::Form top = dialogs_->TopForm();
  if (!top || dialogs_->IsMainWindow(top)) {
    allClosed_ = true;
    if (onDone_) onDone_();
    return;
  }
  // A form that takes its time to close is asked only once.
  if (top != lastAsked_) {
    lastAsked_ = top;
    dialogs_->AskToClose(top);
  }
}
