#include "ui/shell/art_backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ui/shell/art_kit.h"
#include "ui/shell/shell_geometry.h"

using namespace ArtKit;
namespace G = ShellGeometry;

namespace {

// The dark band of the product's own surfaces: deep blue into teal, with
// ripples spreading from beyond its right end.
void DrawBand(QPainter& painter, const QRectF& band, QPointF rippleCentre) {
  QLinearGradient ground(band.topLeft(), band.topRight());
  ground.setColorAt(0, kNavy);
  ground.setColorAt(0.55, kDeepBlue);
  ground.setColorAt(1, kTealDark);
  painter.fillRect(band, ground);
  QLinearGradient sheen(band.topLeft(), band.bottomLeft());
  sheen.setColorAt(0, QColor(255, 255, 255, 28));
  sheen.setColorAt(0.5, QColor(255, 255, 255, 6));
  sheen.setColorAt(1, QColor(0, 0, 0, 30));
  painter.fillRect(band, sheen);
  painter.save();
  painter.setClipRect(band);
  DrawRipples(painter, rippleCentre, 26, 22, 9, QColor(134, 226, 234, 60));
  painter.restore();
  painter.setPen(QPen(QColor(52, 186, 200, 200), 1));
  painter.drawLine(QPointF(band.left(), band.bottom() - 0.5),
                   QPointF(band.right(), band.bottom() - 0.5));
}

void DrawCard(QPainter& painter, const QRect& card, bool heading) {
  const QRectF outline = QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(30, 60, 90, 18));
  painter.drawPath(RoundedRect(outline.translated(0, 1.5), 6));
  painter.setBrush(kCard);
  painter.setPen(QPen(kCardBorder, 1));
  painter.drawPath(RoundedRect(outline, 6));
  if (!heading) return;

  const QRectF band(outline.left(), outline.top(), outline.width(), G::kHeadingHeight);
  QLinearGradient tint(band.topLeft(), band.bottomLeft());
  tint.setColorAt(0, QColor(240, 247, 250));
  tint.setColorAt(1, kHeading);
  painter.setBrush(tint);
  painter.setPen(Qt::NoPen);
  painter.drawPath(TopRoundedRect(band.adjusted(0.5, 0.5, -0.5, 0), 5.5));
  painter.setPen(QPen(kCardBorder, 1));
  painter.drawLine(QPointF(band.left(), band.bottom() + 0.5),
                   QPointF(band.right(), band.bottom() + 0.5));
  // The accent before the heading label.
  QLinearGradient accent(0, band.top() + 7, 0, band.top() + 19);
  accent.setColorAt(0, kTealLight);
  accent.setColorAt(1, kTealDark);
  painter.setPen(Qt::NoPen);
  painter.setBrush(accent);
  painter.drawPath(RoundedRect(QRectF(band.left() + 7.5, band.top() + 7, 3, 12), 1.5));
}

// The strip along the bottom of a card where its buttons stand.
void DrawButtonBar(QPainter& painter, const QRect& card) {
  const QRectF bar(card.left() + 1, G::kButtonBarTop, card.width() - 2,
                   card.bottom() - G::kButtonBarTop);
  QPainterPath lower;
  lower.addRect(bar.adjusted(0, 0, 0, -6));
  lower.addPath(RoundedRect(bar, 5));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(244, 248, 251));
  painter.drawPath(lower.simplified());
  painter.setPen(QPen(kCardBorder, 1));
  painter.drawLine(QPointF(bar.left() + 8, bar.top() + 0.5),
                   QPointF(bar.right() - 8, bar.top() + 0.5));
}

void DrawMeterSlots(QPainter& painter, int left) {
  const int span = G::kMeterStep * (G::kMeterBars - 1) + G::kLightSize.width();
  const QRectF trough(left - 5.5, G::kMeterTop - 4.5, span + 10, G::kLightSize.height() + 8);
  painter.setPen(QPen(QColor(214, 225, 234), 1));
  painter.setBrush(QColor(243, 247, 250));
  painter.drawPath(RoundedRect(trough, 5));
  for (int i = 0; i < G::kMeterBars; ++i) {
    const QRectF slot(left + G::kMeterStep * i + 0.5, G::kMeterTop + 0.5, G::kLightSize.width() - 1,
                      G::kLightSize.height() - 1);
    QLinearGradient well(slot.topLeft(), slot.bottomLeft());
    well.setColorAt(0, QColor(212, 222, 231));
    well.setColorAt(1, QColor(228, 235, 241));
    painter.setBrush(well);
    painter.setPen(QPen(QColor(196, 209, 221), 1));
    painter.drawPath(RoundedRect(slot, 2));
  }
}

void DrawSuccessEmblem(QPainter& painter, QPointF centre, qreal radius) {
  QRadialGradient halo(centre, radius * 1.6);
  halo.setColorAt(0.55, QColor(52, 186, 200, 60));
  halo.setColorAt(1, QColor(52, 186, 200, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(halo);
  painter.drawEllipse(centre, radius * 1.6, radius * 1.6);
  QLinearGradient disc(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
  disc.setColorAt(0, kTealLight);
  disc.setColorAt(1, kTealDark);
  painter.setBrush(disc);
  painter.setPen(QPen(Qt::white, 3));
  painter.drawEllipse(centre, radius, radius);
  QPainterPath tick;
  tick.moveTo(centre + QPointF(-radius * 0.42, radius * 0.02));
  tick.lineTo(centre + QPointF(-radius * 0.1, radius * 0.34));
  tick.lineTo(centre + QPointF(radius * 0.46, -radius * 0.3));
  painter.setPen(QPen(Qt::white, radius * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tick);
}

void DrawTab(QPainter& painter, const QRect& tab, bool selected) {
  const QRectF pill = QRectF(tab).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = pill.height() / 2;
  if (!selected) {
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1));
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawPath(RoundedRect(pill, radius));
    return;
  }
  // The notch under the lit tab points at the page it opened.
  const qreal mid = pill.center().x();
  QPainterPath notch;
  notch.moveTo(mid - 7, pill.bottom() - 1);
  notch.lineTo(mid, pill.bottom() + 6);
  notch.lineTo(mid + 7, pill.bottom() - 1);
  notch.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kTealDark);
  painter.drawPath(notch);

  QLinearGradient fill(pill.topLeft(), pill.bottomLeft());
  fill.setColorAt(0, kTealLight);
  fill.setColorAt(0.5, kTeal);
  fill.setColorAt(1, kTealDark);
  painter.setBrush(fill);
  painter.setPen(QPen(QColor(8, 76, 92), 1));
  painter.drawPath(RoundedRect(pill, radius));
  QLinearGradient gloss(pill.topLeft(), QPointF(pill.left(), pill.center().y()));
  gloss.setColorAt(0, QColor(255, 255, 255, 90));
  gloss.setColorAt(1, QColor(255, 255, 255, 10));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gloss);
  painter.drawPath(RoundedRect(pill.adjusted(3, 1.5, -3, -pill.height() / 2), radius - 3));
}

}  // namespace

namespace ArtBackgrounds {

QImage MainWindow(int tabCount, int selectedTab, qreal devicePixelRatio) {
  QImage canvas = NewCanvas(G::kMainClientSize, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  const QRectF all(QPointF(0, 0), G::kMainClientSize);

  QLinearGradient ground(all.topLeft(), all.bottomLeft());
  ground.setColorAt(0, QColor(226, 234, 242));
  ground.setColorAt(1, QColor(214, 224, 234));
  painter.fillRect(all, ground);

  DrawBand(painter, QRectF(0, 0, all.width(), G::kHeaderHeight),
           QPointF(all.width() - 150, G::kHeaderHeight + 40));
  DrawEmblem(painter, QRectF(12, 8, 32, 32));

  const QRectF strip(G::kNavStrip);
  QLinearGradient stripFill(strip.topLeft(), strip.bottomLeft());
  stripFill.setColorAt(0, QColor(221, 230, 239));
  stripFill.setColorAt(1, QColor(204, 216, 228));
  painter.fillRect(strip, stripFill);
  for (int i = 0; i < tabCount; ++i) {
    if (i != selectedTab) DrawTab(painter, G::NavTabRect(i), false);
  }

  const QRect page = G::kPageRect;
  const QRectF panel = QRectF(page.adjusted(-4, -4, 4, 4)).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(QPen(QColor(186, 201, 216), 1));
  painter.setBrush(kSurface);
  painter.drawPath(RoundedRect(panel, 7));
  // Drawn last so its notch reaches into the page panel.
  if (selectedTab >= 0 && selectedTab < tabCount)
    DrawTab(painter, G::NavTabRect(selectedTab), true);
  return canvas;
}

QImage Page(int features, qreal devicePixelRatio) {
  QImage canvas = NewCanvas(G::kPageSize, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  painter.fillRect(QRectF(QPointF(0, 0), G::kPageSize), kSurface);

  const bool split = (features & kSplit) != 0;
  const QRect first = split ? G::kCardLeft : G::kCardFull;
  DrawCard(painter, first, true);
  if (features & kLeftButtons) DrawButtonBar(painter, first);
  if (split) {
    DrawCard(painter, G::kCardRight, true);
    if (features & kRightButtons) DrawButtonBar(painter, G::kCardRight);
  }
  if (features & kMeters) {
    for (const QRect& card : {G::kCardLeft, G::kCardRight}) {
      painter.setPen(QPen(QColor(226, 233, 239), 1));
      painter.drawLine(QPointF(card.left() + 10, G::kMeterTop - 12.5),
                       QPointF(card.right() - 10, G::kMeterTop - 12.5));
    }
    DrawMeterSlots(painter, G::kSignalMeterLeft);
    DrawMeterSlots(painter, G::kQualityMeterLeft);
  }
  if (features & kSuccess) {
    DrawSuccessEmblem(painter, QPointF(first.center().x() + 0.5, first.top() + 104), 30);
  }
  return canvas;
}

QImage AboutBox(qreal devicePixelRatio) {
  QImage canvas = NewCanvas(G::kAboutClientSize, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  const QRectF all(QPointF(0, 0), G::kAboutClientSize);

  QLinearGradient body(all.topLeft(), all.bottomLeft());
  body.setColorAt(0, Qt::white);
  body.setColorAt(1, QColor(238, 244, 248));
  painter.fillRect(all, body);
  DrawBand(painter, QRectF(0, 0, all.width(), G::kAboutHeaderHeight),
           QPointF(all.width() - 40, G::kAboutHeaderHeight + 20));
  DrawEmblem(painter, G::kAboutEmblemRect);

  // The version rows stand on a light panel below a divider.
  painter.setPen(QPen(QColor(221, 229, 236), 1));
  painter.drawLine(QPointF(24, 150.5), QPointF(all.width() - 24, 150.5));
  painter.setPen(QPen(QColor(222, 232, 239), 1));
  painter.setBrush(QColor(242, 247, 250));
  painter.drawPath(RoundedRect(QRectF(16.5, 156.5, all.width() - 33, 56), 6));

  QLinearGradient accent(all.topLeft(), all.topRight());
  accent.setColorAt(0, kTealDark);
  accent.setColorAt(0.5, kTealLight);
  accent.setColorAt(1, kTealDark);
  painter.fillRect(QRectF(0, all.height() - 3, all.width(), 3), accent);
  // The box has no frame of its own: a fine edge keeps it apart from any desktop.
  painter.setPen(QPen(QColor(11, 37, 69, 170), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
  return canvas;
}

QImage ChartWindow(qreal devicePixelRatio) {
  QImage canvas = NewCanvas(G::kChartClientSize, devicePixelRatio);
  QPainter painter(&canvas);
  Smooth(painter);
  const QRectF all(QPointF(0, 0), G::kChartClientSize);

  QLinearGradient body(all.topLeft(), all.bottomLeft());
  body.setColorAt(0, QColor(240, 245, 249));
  body.setColorAt(1, QColor(226, 234, 241));
  painter.fillRect(all, body);
  DrawBand(painter, QRectF(0, 0, all.width(), G::kChartHeaderHeight),
           QPointF(all.width() - 60, G::kChartHeaderHeight + 30));
  DrawEmblem(painter, QRectF(8, 6, 22, 22));
  painter.setPen(QPen(QColor(11, 37, 69, 170), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
  return canvas;
}

}  // namespace ArtBackgrounds
