#include "tests/ui/controls/test_faces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdlib>

QImage RoundedFace(QSize size, const QColor& top, const QColor& bottom, int inset) {
  QImage body(size, QImage::Format_ARGB32);
  body.fill(Qt::transparent);
  QPainter painter(&body);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF outline = QRectF(body.rect()).adjusted(inset, inset, -inset, -inset);
  const qreal radius = outline.height() / 2.0;
  QLinearGradient shade(outline.topLeft(), outline.bottomLeft());
  shade.setColorAt(0.0, top.lighter(130));
  shade.setColorAt(0.45, top);
  shade.setColorAt(1.0, bottom);
  QPainterPath path;
  path.addRoundedRect(outline, radius, radius);
  painter.fillPath(path, shade);
  painter.setPen(QPen(bottom.darker(150), 1.0));
  painter.drawPath(path);
  QPainterPath gloss;
  gloss.addRoundedRect(outline.adjusted(3, 2, -3, -outline.height() / 2.0), radius / 2, radius / 2);
  painter.fillPath(gloss, QColor(255, 255, 255, 70));
  painter.end();

  // Edge pixels are blended with a light page colour and everything else is
  // magenta, so the cut-out edge looks smooth on a light page.
  const QColor page(215, 225, 238);
  QImage face(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const QColor pixel = body.pixelColor(x, y);
      const qreal a = pixel.alphaF();
      face.setPixelColor(x, y,
                         a < 0.5 ? QColor(255, 0, 255)
                                 : QColor::fromRgbF(pixel.redF() * a + page.redF() * (1 - a),
                                                    pixel.greenF() * a + page.greenF() * (1 - a),
                                                    pixel.blueF() * a + page.blueF() * (1 - a)));
    }
  }
  return face;
}

QImage SolidFace(QSize size, const QColor& color) {
  QImage face(size, QImage::Format_RGB32);
  face.fill(color);
  return face;
}

QImage FramedFace(QSize size, const QColor& border, int borderWidth, const QColor& inner) {
  QImage face = SolidFace(size, border);
  QPainter painter(&face);
  painter.fillRect(face.rect().adjusted(borderWidth, borderWidth, -borderWidth, -borderWidth),
                   inner);
  return face;
}

QImage SortArrow(bool up, const QColor& color) {
  QImage arrow(QSize(9, 5), QImage::Format_ARGB32_Premultiplied);
  arrow.fill(Qt::transparent);
  QPainter painter(&arrow);
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  const QPolygon triangle =
      up ? QPolygon({{0, 4}, {4, 0}, {8, 4}}) : QPolygon({{0, 0}, {4, 4}, {8, 0}});
  painter.drawPolygon(triangle);
  return arrow;
}

int CountPixels(const QImage& image, const QColor& color, int tolerance) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb pixel = rgb.pixel(x, y);
      if (std::abs(qRed(pixel) - color.red()) <= tolerance &&
          std::abs(qGreen(pixel) - color.green()) <= tolerance &&
          std::abs(qBlue(pixel) - color.blue()) <= tolerance) {
        ++count;
      }
    }
  }
  return count;
}
