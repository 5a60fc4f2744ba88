#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures drawn for the control tests and the gallery.

// A rounded, shaded button on a magenta ground that the shape cuts away.
QImage RoundedFace(QSize size, const QColor& top, const QColor& bottom, int inset = 3);

// One colour all over, opaque.
QImage SolidFace(QSize size, const QColor& color);

// A face of `inner` framed by a border of `border`, both opaque, with hard edges.
QImage FramedFace(QSize size, const QColor& border, int borderWidth, const QColor& inner);

// A small triangle pointing up (ascending) or down, for list headers.
QImage SortArrow(bool up, const QColor& color);

// How many pixels of the image are within `tolerance` of `color` in every
// component.
int CountPixels(const QImage& image, const QColor& color, int tolerance = 0);
