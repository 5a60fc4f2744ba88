#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// The palette and drawing helpers all built-in pictures share, so that they
// read as one set: deep blue and teal for the product's own surfaces, light
// blue-grey panels for the content, one accent per state.
namespace ArtKit {

inline const QColor kNavy(11, 37, 69);
inline const QColor kDeepBlue(18, 58, 102);
inline const QColor kTealDark(10, 94, 112);
inline const QColor kTeal(18, 138, 158);
inline const QColor kTealLight(52, 186, 200);
inline const QColor kCyan(134, 226, 234);
inline const QColor kSurface(233, 239, 245);
inline const QColor kCard(255, 255, 255);
inline const QColor kCardBorder(207, 219, 230);
inline const QColor kHeading(229, 240, 245);
inline const QColor kSlate(80, 100, 121);
inline const QColor kInk(33, 47, 64);
inline const QColor kMuted(150, 166, 182);
inline const QColor kGreen(46, 184, 114);
inline const QColor kRed(222, 76, 70);
inline const QColor kAmber(240, 168, 34);

// A transparent picture of the given size in logical pixels, to be painted in
// logical coordinates and shown crisp on a screen of that pixel ratio.
QImage NewCanvas(QSize size, qreal devicePixelRatio);

// A painter set up for smooth shapes.
void Smooth(QPainter& painter);

// The interface font at a pixel size, so pictures look alike on every screen.
QFont PixelFont(int pixelSize, QFont::Weight weight = QFont::Normal);

QPainterPath RoundedRect(const QRectF& rect, qreal radius);

// A rounded rectangle whose lower corners are square.
QPainterPath TopRoundedRect(const QRectF& rect, qreal radius);

// The product's emblem: a disc with a fan of signal arcs.
void DrawEmblem(QPainter& painter, const QRectF& rect);

// Faint concentric arcs spreading from a point, the decoration of the dark bands.
void DrawRipples(QPainter& painter, QPointF centre, qreal firstRadius, qreal step, int count,
                 const QColor& color);

}  // namespace ArtKit
