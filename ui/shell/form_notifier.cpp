#include "ui/shell/form_notifier.h"

#include <atomic>

#include "ui/shell/form_main.h"
#include "ui/shell/qt_window_thread.h"

std::shared_ptr<FormNotifier> FormNotifier::Create(TFormMain* window) {
  return std::shared_ptr<FormNotifier>(new FormNotifier(window));
}

FormNotifier::FormNotifier(TFormMain* window)
    : thread_(std::make_shared<QtWindowThread>()), window_(window) {}

FormNotifier::~FormNotifier() = default;

void FormNotifier::Post(int code, intptr_t arg) {
  thread_->Post([self = shared_from_this(), code, arg] { self->Deliver(code, arg); });
}

intptr_t FormNotifier::Send(int code, intptr_t arg, Event& stop) {
  // The work may still run after the sender gave up, so it owns the result.
  auto result = std::make_shared<std::atomic<intptr_t>>(0);
  const bool ran = thread_->RunSync(
      [self = shared_from_this(), code, arg, result] { *result = self->Deliver(code, arg); }, stop);
  return ran ? result->load() : 0;
}

void FormNotifier::Disconnect() { window_ = nullptr; }

intptr_t FormNotifier::Deliver(int code, intptr_t arg) {
  return window_ ? window_->HandleNotify(code, arg) : 0;
}
