#include "ui/controls/fa_bitmap_btn.h"

#include <QPainter>

#include "ui/controls/face_shape.h"

namespace {

// The overlay's transparent colour lets the normal face show through, just
// as the face's own lets the parent show through.
QImage KeyedOverlay(const QImage& overlay, const QColor& transColor, int tolerance) {
  QImage keyed = overlay.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if (IsTransparentPixel(line[x], transColor, tolerance)) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return keyed;
}

}  // namespace

TFABitmapBtn::TFABitmapBtn(QWidget* parent) : TTrifaceBtn(parent) {}

QImage TFABitmapBtn::FaceFor(DrawState state) const {
  const bool hoverFace = !(state & (kDrawDisabled | kDrawSelected)) && Hover();
  if (!hoverFace || Faces().isNull() || FacesOver().isNull()) return TTrifaceBtn::FaceFor(state);
  QImage face = Faces().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter overlay(&face);
  overlay.drawImage(QPoint(-1, -1), KeyedOverlay(FacesOver(), TransColor(), TransTolerance()));
  return face;
}
