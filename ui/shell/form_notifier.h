#pragma once

#include <QPointer>
#include <memory>

#include "core/notifier.h"

class QtWindowThread;
class TFormMain;

// The way one source of notifications (the detection thread, one adapter
// manager, another process) reaches the main window. Codes are handled on the
// window thread; once the source is disconnected, codes still under way are
// dropped there, so a handler never meets a manager that has gone.
class FormNotifier final : public Notifier, public std::enable_shared_from_this<FormNotifier> {
 public:
  // To be created on the window thread.
  static std::shared_ptr<FormNotifier> Create(TFormMain* window);
  ~FormNotifier() override;
  FormNotifier(const FormNotifier&) = delete;
  FormNotifier& operator=(const FormNotifier&) = delete;

  void Post(int code, intptr_t arg) override;
  intptr_t Send(int code, intptr_t arg, Event& stop) override;

  // On the window thread: nothing more from this source reaches the window.
  void Disconnect();

 private:
  explicit FormNotifier(TFormMain* window);
  // On the window thread.
  intptr_t Deliver(int code, intptr_t arg);

  const std::shared_ptr<QtWindowThread> thread_;
  QPointer<TFormMain> window_;  // window thread only
};
