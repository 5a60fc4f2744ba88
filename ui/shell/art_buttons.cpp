#include "ui/shell/art_buttons.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "ui/shell/art_kit.h"
#include "ui/shell/shell_geometry.h"

using namespace ArtKit;
using ArtGlyphs::Glyph;
namespace G = ShellGeometry;

namespace {

constexpr qreal kCornerRadius = 6;

// Where the icon and the caption go on a face.
struct FaceMetrics {
  qreal glyphSize;
  qreal glyphGap;
  qreal sidePadding;
  int minWidth;
};

constexpr FaceMetrics kRegular{14, 6, 14, G::kPageButtonMinWidth};
constexpr FaceMetrics kCompact{12, 4, 8, 0};
constexpr FaceMetrics kCaptionOnly{0, 0, 8, 0};

const FaceMetrics& MetricsOf(const ArtButtons::PageButton& button) {
  if (button.captionOnly) return kCaptionOnly;
  return button.compact ? kCompact : kRegular;
}

struct FaceColours {
  QColor top, middle, bottom, border, highlight, caption, glyph, captionShadow;
};

FaceColours ColoursFor(ArtButtons::Tone tone, bool hover, Glyph glyph) {
  if (tone == ArtButtons::Tone::kPrimary) {
    if (hover) {
      return {QColor(70, 204, 216),
              QColor(26, 160, 178),
              QColor(14, 118, 136),
              QColor(9, 92, 108),
              QColor(255, 255, 255, 120),
              Qt::white,
              Qt::white,
              QColor(0, 40, 50, 90)};
    }
    return {QColor(44, 170, 188),
            QColor(20, 132, 152),
            QColor(11, 100, 118),
            QColor(8, 80, 96),
            QColor(255, 255, 255, 90),
            Qt::white,
            Qt::white,
            QColor(0, 40, 50, 80)};
  }
  // Removing is the one secondary action with a warning colour.
  const QColor glyphColour = glyph == Glyph::kTrash ? kRed : kTeal;
  if (hover) {
    return {Qt::white,
            QColor(236, 247, 249),
            QColor(214, 236, 241),
            kTeal,
            QColor(255, 255, 255, 220),
            kTealDark,
            glyph == Glyph::kTrash ? kRed : kTealDark,
            QColor(0, 0, 0, 0)};
  }
  return {Qt::white,
          QColor(243, 247, 250),
          QColor(224, 232, 239),
          QColor(176, 193, 209),
          QColor(255, 255, 255, 230),
          kInk,
          glyphColour,
          QColor(0, 0, 0, 0)};
}

QFont CaptionFont() { return PixelFont(12, QFont::DemiBold); }

int FaceWidth(const ArtButtons::PageButton& button) {
  const FaceMetrics& m = MetricsOf(button);
  const qreal text = QFontMetricsF(CaptionFont()).horizontalAdvance(button.caption);
  const int width =
      static_cast<int>(std::ceil(2 * m.sidePadding + m.glyphSize + m.glyphGap + text));
  const int even = width + (width & 1);
  return std::max(m.minWidth, even);
}

void DrawRoundBase(QPainter& painter, const QRectF& disc, const QColor& top, const QColor& bottom,
                   const QColor& border) {
  QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  painter.setBrush(fill);
  painter.setPen(QPen(border, 1));
  painter.drawEllipse(disc);
}

}  // namespace

namespace ArtButtons {

QImage PageFace(const PageButton& button, bool hover, qreal devicePixelRatio) {
  const QSize size(FaceWidth(button), G::kPageButtonHeight);
  QImage canvas = NewCanvas(size, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  const FaceColours c = ColoursFor(button.tone, hover, button.glyph);
  const QRectF face = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -1.5);

  // A one-pixel shadow under the face lifts it off the card.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 50, 80, hover ? 46 : 34));
  painter.drawPath(RoundedRect(face.translated(0, 1), kCornerRadius));

  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  fill.setColorAt(0, c.top);
  fill.setColorAt(0.5, c.middle);
  fill.setColorAt(1, c.bottom);
  painter.setBrush(fill);
  painter.setPen(QPen(c.border, 1));
  painter.drawPath(RoundedRect(face, kCornerRadius));
  painter.setPen(QPen(c.highlight, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(face.left() + kCornerRadius, face.top() + 1),
                   QPointF(face.right() - kCornerRadius, face.top() + 1));

  const FaceMetrics& m = MetricsOf(button);
  const QFont font = CaptionFont();
  const qreal textWidth = QFontMetricsF(font).horizontalAdvance(button.caption);
  const qreal content = m.glyphSize + m.glyphGap + textWidth;
  const qreal left = (size.width() - content) / 2;
  const qreal glyphLeft = button.glyphAfter ? left + textWidth + m.glyphGap : left;
  const qreal textLeft = button.glyphAfter ? left : left + m.glyphSize + m.glyphGap;
  const qreal glyphTop = (size.height() - 1 - m.glyphSize) / 2;
  if (m.glyphSize > 0) {
    ArtGlyphs::Draw(painter, button.glyph, QRectF(glyphLeft, glyphTop, m.glyphSize, m.glyphSize),
                    c.glyph);
  }

  painter.setFont(font);
  const QRectF textBox(textLeft, 0, textWidth + 2, size.height() - 1);
  if (c.captionShadow.alpha() > 0) {
    painter.setPen(c.captionShadow);
    painter.drawText(textBox.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, button.caption);
  }
  painter.setPen(c.caption);
  painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, button.caption);
  return canvas;
}

QImage RoundFace(Round kind, bool hover, qreal devicePixelRatio) {
  const QSize size(24, 24);
  QImage canvas = NewCanvas(size, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  const QRectF disc(1.5, 1.5, 21, 21);
  if (!hover) {
    DrawRoundBase(painter, disc, QColor(255, 255, 255, 52), QColor(255, 255, 255, 20),
                  QColor(255, 255, 255, 140));
  } else if (kind == Round::kClose) {
    DrawRoundBase(painter, disc, QColor(240, 112, 104), QColor(196, 52, 48),
                  QColor(255, 255, 255, 210));
  } else {
    DrawRoundBase(painter, disc, kTealLight, kTealDark, QColor(255, 255, 255, 210));
  }
  const Glyph glyph = kind == Round::kHelp    ? Glyph::kQuestion
                      : kind == Round::kAbout ? Glyph::kInfo
                                              : Glyph::kCross;
  const qreal box = kind == Round::kClose ? 10 : 12;
  ArtGlyphs::Draw(painter, glyph, QRectF(12 - box / 2, 12 - box / 2, box, box), Qt::white);
  return canvas;
}

QImage ModeFace(bool enabled, qreal devicePixelRatio) {
  const QSize size(18, 18);
  QImage canvas = NewCanvas(size, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  const QPointF centre(9, 9);
  if (!enabled) {
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.4));
    painter.setBrush(QColor(255, 255, 255, 24));
    painter.drawEllipse(centre, 7.3, 7.3);
    return canvas;
  }
  QRadialGradient glow(centre, 9);
  glow.setColorAt(0.5, QColor(134, 226, 234, 150));
  glow.setColorAt(1, QColor(134, 226, 234, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(centre, 9, 9);
  painter.setPen(QPen(Qt::white, 1.4));
  painter.setBrush(kTealDark);
  painter.drawEllipse(centre, 7.3, 7.3);
  QRadialGradient lamp(centre - QPointF(1.2, 1.2), 5);
  lamp.setColorAt(0, QColor(200, 255, 226));
  lamp.setColorAt(1, kGreen);
  painter.setPen(Qt::NoPen);
  painter.setBrush(lamp);
  painter.drawEllipse(centre, 4, 4);
  return canvas;
}

QImage ChartFace(bool hover, qreal devicePixelRatio) {
  const QSize size(24, 20);
  QImage canvas = NewCanvas(size, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  const QRectF face = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -1.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 50, 80, 34));
  painter.drawPath(RoundedRect(face.translated(0, 1), 4));
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  fill.setColorAt(0, hover ? kTealLight : Qt::white);
  fill.setColorAt(1, hover ? kTealDark : QColor(222, 231, 238));
  painter.setBrush(fill);
  painter.setPen(QPen(hover ? QColor(8, 80, 96) : QColor(176, 193, 209), 1));
  painter.drawPath(RoundedRect(face, 4));
  ArtGlyphs::Draw(painter, Glyph::kLineChart, QRectF(5, 2.5, 14, 14), hover ? Qt::white : kTeal);
  return canvas;
}

QImage DisabledFace(const QImage& face) {
  if (face.isNull()) return face;
  QImage grey = face.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int v = 160 + qGray(line[x]) / 3;
      line[x] = qRgba(v, v, v, qAlpha(line[x]) * 3 / 5);
    }
  }
  grey.setDevicePixelRatio(face.devicePixelRatio());
  return grey;
}

}  // namespace ArtButtons
