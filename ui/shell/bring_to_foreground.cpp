#include "ui/shell/bring_to_foreground.h"

#include <QWidget>

void BringToForeground(QWidget* window) {
  if (window == nullptr) return;
  QWidget* top = window->window();
  if (top->isActiveWindow()) return;
  // The system's attach-input dance has no counterpart here: Qt asks the
  // window manager, which may still decline to switch focus.
  top->show();
  top->raise();
  top->activateWindow();
}
