#include "ui/shell/qt_window_thread.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

#include "platform/event.h"

namespace {

struct SyncCall {
  Event done;
  std::atomic<bool> ran{false};
};

// Held by every copy of the queued work; the last copy to go, run or dropped,
// wakes the waiter.
struct WakeOnRelease {
  explicit WakeOnRelease(std::shared_ptr<SyncCall> call) : call(std::move(call)) {}
  ~WakeOnRelease() { call->done.Set(); }
  WakeOnRelease(const WakeOnRelease&) = delete;
  WakeOnRelease& operator=(const WakeOnRelease&) = delete;
  std::shared_ptr<SyncCall> call;
};

}  // namespace

QtWindowThread::QtWindowThread() : receiver_(new QObject) {}

QtWindowThread::~QtWindowThread() {
  // The last owner may be a worker thread; the object is then deleted by its
  // own thread. Nothing here waits for any thread.
  if (QThread::currentThread() == receiver_->thread()) {
    delete receiver_;
  } else {
    receiver_->deleteLater();
  }
}

void QtWindowThread::Post(std::function<void()> work) {
  QMetaObject::invokeMethod(receiver_, std::move(work), Qt::QueuedConnection);
}

bool QtWindowThread::RunSync(std::function<void()> work, Event& stop) {
  if (QThread::currentThread() == receiver_->thread()) {
    work();
    return true;
  }
  auto call = std::make_shared<SyncCall>();
  auto wake = std::make_shared<WakeOnRelease>(call);
  Post([work = std::move(work), call, wake] {
    work();
    call->ran = true;
  });
  wake.reset();
  if (Event::WaitAny({&call->done, &stop}) == 0) return call->ran;
  // The wait consumed the stop signal; the caller's other waits still need it.
  stop.Set();
  return false;
}
