#include "ui/shell/form_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/fa_global_var.h"
#include "core/instance_check.h"
#include "platform/notify_channel.h"

TFormMain::TFormMain(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(QString::fromLocal8Bit(FAGlobal().AppTitle()));
  status_ = new QLabel(windowTitle(), this);
  status_->setObjectName(QStringLiteral("LbStatus"));
  status_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  resize(577, 400);
}

TFormMain::~TFormMain() {
  // The listener's thread may be waiting for this window: stop it first.
  listener_.reset();
}

void TFormMain::Start(uint32_t startFlags) {
  startFlags_ = startFlags;
  listener_ = std::make_unique<ChannelListener>(
      FAGlobal().NotifyChannel(), [this](const ChannelMessage& message, Event& stop) {
        if (message.kind != ChannelMessage::kNotify) return;
        // Other processes wait until the window has handled the code, as with
        // a message sent to every top-level window.
        auto done = std::make_shared<Event>();
        QMetaObject::invokeMethod(
            this,
            [this, done, code = message.code, arg = message.arg] {
              HandleNotify(code, arg);
              done->Set();
            },
            Qt::QueuedConnection);
        Event::WaitAny({done.get(), &stop});
      });
}

void TFormMain::HandleNotify(int code, int) {
  switch (code) {
    case PM_SHOW:
      ShowWindow();
      break;
    case PM_CLOSE:
      QApplication::quit();
      break;
    default:
      break;
  }
}

void TFormMain::ShowWindow() {
  show();
  setWindowState(windowState() & ~Qt::WindowMinimized);
  raise();
  activateWindow();
}

void TFormMain::closeEvent(QCloseEvent* event) {
  // Closing the window only hides it; the application keeps running.
  event->ignore();
  hide();
}
