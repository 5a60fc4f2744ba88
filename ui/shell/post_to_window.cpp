#include "ui/shell/post_to_window.h"

#include <QPointer>

#include "ui/shell/form_main.h"

void PostToWindow(const QWidget& page, int code, intptr_t arg) {
  const QPointer<TFormMain> window = qobject_cast<TFormMain*>(page.window());
  if (!window) return;
  QMetaObject::invokeMethod(
      window.data(),
      [window, code, arg] {
        if (window) window->HandleNotify(code, arg);
      },
      Qt::QueuedConnection);
}
