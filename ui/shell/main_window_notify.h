#pragma once

#include <cstdint>

class QWidget;

// Pages reach the main window the way every thread does: with its
// notification codes. A widget outside a main window has nobody to tell.

// Queues the code for the main window that holds the widget and returns.
void PostToMainWindow(const QWidget& from, int code, intptr_t arg);
