#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Line icons of the button faces, drawn with one pen so they match at every size.
namespace ArtGlyphs {

enum class Glyph {
  kPower,
  kClock,
  kPlus,
  kCheck,
  kArrowLeft,
  kArrowRight,
  kFolder,
  kCross,
  kBars,
  kLineChart,
  kSignal,
  kTrash,
  kPencil,
  kExit,
  kRefresh,
  kDisk,
  kRadar,
  kPointer,
  kPlay,
  kQuestion,
  kInfo,
  kQrCode,
};

// Draws the glyph into box (square) with the colour; the pen width follows the size.
void Draw(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& color);

}  // namespace ArtGlyphs
