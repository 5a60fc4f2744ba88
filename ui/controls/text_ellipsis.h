#pragma once

#include <QFontMetrics>
#include <QString>

// Ways of shortening one line of text to a width, marking the cut with an
// ellipsis. Text that fits comes back unchanged.

// Cuts the end of the text.
QString ElideEnd(const QString& text, const QFontMetrics& metrics, int width);

// Cuts at the last word boundary that leaves room for the ellipsis; a first
// word too long for the width is cut like ElideEnd.
QString ElideWord(const QString& text, const QFontMetrics& metrics, int width);

// Keeps the last path component (after '/' or '\') and as much of the start as
// fits, cutting the middle; text without a separator is cut in the middle.
QString ElidePath(const QString& text, const QFontMetrics& metrics, int width);
