#include "ui/shell/main_window_notify.h"

#include <QMetaObject>
#include <QWidget>

#include "ui/shell/form_main.h"

namespace {

TFormMain* MainWindowOf(const QWidget& widget) { return qobject_cast<TFormMain*>(widget.window()); }

}  // namespace

void PostToMainWindow(const QWidget& from, int code, intptr_t arg) {
  TFormMain* window = MainWindowOf(from);
  if (window == nullptr) return;
  // The window as context: a window gone before the queue runs drops the call.
  QMetaObject::invokeMethod(
      window, [window, code, arg] { window->HandleNotify(code, arg); }, Qt::QueuedConnection);
}

intptr_t SendToMainWindow(const QWidget& from, int code, intptr_t arg) {
  TFormMain* window = MainWindowOf(from);
  return window == nullptr ? 0 : window->HandleNotify(code, arg);
}
