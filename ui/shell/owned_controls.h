#pragma once

#include <QList>

class QWidget;

// The controls a window or page owns, in component order: its descendant
// widgets, depth first. Windows of their own (dialogs opened over it) are not
// among them, and a page's insides belong to the page, not to its host.
QList<QWidget*> OwnedControls(const QWidget& owner);

// True for controls that own controls themselves (pages).
bool OwnsControls(const QWidget& control);
