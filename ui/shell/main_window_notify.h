#pragma once

#include <cstdint>

class QWidget;

// Pages reach the main window the way every thread does: with its
// notification codes. A widget outside a main window has nobody to tell.

// Queues the code for the main window that holds the widget and returns.
void PostToMainWindow(const QWidget& from, int code, intptr_t arg);
// Handles the code in the main window that holds the widget at once and
// answers its result; 0 outside a main window.
intptr_t SendToMainWindow(const QWidget& from, int code, intptr_t arg);
