#pragma once

#include <cstdint>

class QWidget;

// Pages reach the main window the way every thread does: with its
// notification codes. A widget outside a main window has nobody to tell.

// Queues the code for the main window that holds the widget and returns.
void PostToMainWindow(const QWidget& from, int code, intptr_t arg);

// Hands the code to the main window that holds the widget and returns once it
// is handled, with the window's answer (0 without a window); call it on the
// window's thread.
intptr_t SendToMainWindow(const QWidget& from, int code, intptr_t arg);
