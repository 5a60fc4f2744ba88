#pragma once

class QWidget;

// Makes the window the active foreground window, used by the tray
// icon and menu. Nothing happens when it already is the active window.
void BringToForeground(QWidget* window);
