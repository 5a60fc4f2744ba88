#pragma once

#include <cstdint>

class QWidget;

// Posts a notification code from a page to the main window it stands on: the
// window handles it on a later turn of the event loop, as a posted message.
// Nothing happens for a page that is not on the main window, or when the
// window has gone by then.
void PostToWindow(const QWidget& page, int code, intptr_t arg);
