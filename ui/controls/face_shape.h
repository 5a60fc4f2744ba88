#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>

// The shape of a button face: every pixel except those close enough to the
// transparent colour.

// True when the pixel lies within `tolerance` of `transColor`, measured as the
// Euclidean distance of the red, green and blue components.
bool IsTransparentPixel(QRgb pixel, const QColor& transColor, int tolerance);

// The region covered by the opaque pixels of a 24-bit face, built from each
// row's runs. Raises GraphicsError when the region cannot be created.
QRegion FaceRegion(const QImage& face, const QColor& transColor, int tolerance);
