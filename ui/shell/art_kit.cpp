#include "ui/shell/art_kit.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace ArtKit {

QImage NewCanvas(QSize size, qreal devicePixelRatio) {
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  QImage canvas(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)),
                QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  canvas.setDevicePixelRatio(ratio);
  return canvas;
}

void Smooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont PixelFont(int pixelSize, QFont::Weight weight) {
  QFont font = QGuiApplication::font();
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

QPainterPath TopRoundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.moveTo(rect.left(), rect.bottom());
  path.lineTo(rect.left(), rect.top() + radius);
  path.arcTo(QRectF(rect.left(), rect.top(), 2 * radius, 2 * radius), 180, -90);
  path.lineTo(rect.right() - radius, rect.top());
  path.arcTo(QRectF(rect.right() - 2 * radius, rect.top(), 2 * radius, 2 * radius), 90, -90);
  path.lineTo(rect.right(), rect.bottom());
  path.closeSubpath();
  return path;
}

void DrawEmblem(QPainter& painter, const QRectF& rect) {
  painter.save();
  Smooth(painter);
  const qreal size = std::min(rect.width(), rect.height());
  const QRectF disc(rect.center().x() - size / 2, rect.center().y() - size / 2, size, size);

  // A soft halo keeps the disc apart from dark and light grounds alike.
  QRadialGradient halo(disc.center(), size * 0.62);
  halo.setColorAt(0.78, QColor(134, 226, 234, 70));
  halo.setColorAt(1.0, QColor(134, 226, 234, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(halo);
  painter.drawEllipse(disc.adjusted(-size * 0.12, -size * 0.12, size * 0.12, size * 0.12));

  QLinearGradient body(disc.topLeft(), disc.bottomRight());
  body.setColorAt(0, kTealLight);
  body.setColorAt(0.55, kTeal);
  body.setColorAt(1, kDeepBlue);
  painter.setBrush(body);
  painter.setPen(QPen(QColor(255, 255, 255, 150), std::max(1.0, size / 28)));
  painter.drawEllipse(disc.adjusted(size * 0.02, size * 0.02, -size * 0.02, -size * 0.02));

  // Glossy upper half.
  QLinearGradient gloss(disc.topLeft(), QPointF(disc.left(), disc.center().y()));
  gloss.setColorAt(0, QColor(255, 255, 255, 120));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gloss);
  painter.drawEllipse(
      QRectF(disc.left() + size * 0.14, disc.top() + size * 0.06, size * 0.72, size * 0.5));

  // The signal fan: a point low in the disc and three arcs opening upwards.
  const QPointF origin(disc.center().x(), disc.top() + size * 0.7);
  painter.setPen(QPen(Qt::white, size * 0.08, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (int i = 1; i <= 3; ++i) {
    const qreal r = size * 0.13 * i + size * 0.01;
    painter.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  const qreal dot = size * 0.07;
  painter.drawEllipse(origin, dot, dot);
  painter.restore();
}

void DrawRipples(QPainter& painter, QPointF centre, qreal firstRadius, qreal step, int count,
                 const QColor& color) {
  painter.save();
  Smooth(painter);
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < count; ++i) {
    QColor ring = color;
    ring.setAlphaF(color.alphaF() * (1.0 - static_cast<qreal>(i) / count));
    painter.setPen(QPen(ring, 1.2));
    const qreal r = firstRadius + step * i;
    painter.drawEllipse(centre, r, r);
  }
  painter.restore();
}

}  // namespace ArtKit
