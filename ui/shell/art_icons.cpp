#include "ui/shell/art_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ui/shell/art_kit.h"
#include "ui/shell/shell_geometry.h"

using namespace ArtKit;

namespace {

void AccessPoint(QPainter& p) {
  // Antenna, then the box, then the waves leaving the antenna's tip.
  p.setPen(QPen(kSlate, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(6.5, 13), QPointF(6.5, 5.5));
  const QRectF box(2.5, 12.5, 17, 6.5);
  QLinearGradient body(box.topLeft(), box.bottomLeft());
  body.setColorAt(0, QColor(76, 112, 150));
  body.setColorAt(1, kDeepBlue);
  p.setBrush(body);
  p.setPen(QPen(kNavy, 1));
  p.drawPath(RoundedRect(box, 2));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 240, 170));
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(11.5 + 2.8 * i, 15.8), 0.95, 0.95);
  p.setBrush(kTeal);
  p.drawEllipse(QPointF(6.5, 5), 1.5, 1.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kTeal, 1.4, Qt::SolidLine, Qt::RoundCap));
  for (qreal r : {3.6, 6.4}) p.drawArc(QRectF(6.5 - r, 5 - r, 2 * r, 2 * r), -35 * 16, 75 * 16);
}

void PeerNode(QPainter& p, QPointF centre) {
  QRadialGradient ball(centre - QPointF(1.2, 1.4), 4.6);
  ball.setColorAt(0, kTealLight);
  ball.setColorAt(1, kTealDark);
  p.setBrush(ball);
  p.setPen(QPen(QColor(8, 76, 92), 1));
  p.drawEllipse(centre, 3.4, 3.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(centre, 1.1, 1.1);
}

// Three peers linked to each other, with no station in the middle.
void AdHoc(QPainter& p) {
  const QPointF peers[] = {QPointF(5, 15.5), QPointF(19, 15.5), QPointF(12, 5.5)};
  p.setPen(QPen(kSlate, 1.3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) p.drawLine(peers[i], peers[(i + 1) % 3]);
  for (const QPointF& peer : peers) PeerNode(p, peer);
}

void Padlock(QPainter& p, bool closed) {
  const QRectF body(27.5, 10.5, 12, 9);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(closed ? QColor(150, 108, 30) : kMuted, 1.8, Qt::SolidLine, Qt::FlatCap));
  QPainterPath shackle;
  if (closed) {
    shackle.moveTo(30.5, body.top());
    shackle.lineTo(30.5, 7.5);
    shackle.arcTo(QRectF(30.5, 4, 6, 7), 180, -180);
    shackle.lineTo(36.5, body.top());
  } else {
    // Lifted and swung open.
    shackle.moveTo(36.5, body.top());
    shackle.lineTo(36.5, 6.5);
    shackle.arcTo(QRectF(36.5, 3, 6, 7), 180, -180);
    shackle.lineTo(42.5, 8);
  }
  p.drawPath(shackle);
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  fill.setColorAt(0, closed ? QColor(255, 212, 96) : QColor(226, 232, 238));
  fill.setColorAt(1, closed ? QColor(222, 146, 18) : QColor(176, 189, 202));
  p.setBrush(fill);
  p.setPen(QPen(closed ? QColor(160, 104, 10) : QColor(140, 155, 170), 1));
  p.drawPath(RoundedRect(body, 2));
  p.setPen(Qt::NoPen);
  p.setBrush(closed ? QColor(110, 66, 0) : QColor(110, 124, 140));
  p.drawEllipse(QPointF(33.5, 14), 1.3, 1.3);
  p.drawRect(QRectF(33, 14.5, 1, 2.6));
}

// The tray symbol on the 16-unit grid: a signal fan for the station, a mast
// sending both ways for the access point.
void TraySymbol(QPainter& p, int state, const QColor& colour, qreal pen) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, pen, Qt::SolidLine, Qt::RoundCap));
  if (state == ArtIcons::kTrayAccessPoint) {
    p.drawLine(QPointF(8, 7), QPointF(8, 12.6));
    p.drawLine(QPointF(5.6, 12.6), QPointF(10.4, 12.6));
    for (qreal r : {3.0, 5.6}) {
      const QRectF ring(8 - r, 6 - r, 2 * r, 2 * r);
      p.drawArc(ring, -40 * 16, 80 * 16);
      p.drawArc(ring, 140 * 16, 80 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(8, 6), 1.6, 1.6);
    return;
  }
  const QPointF origin(8, 12.2);
  for (qreal r : {4.0, 7.4}) {
    p.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(origin, 1.7, 1.7);
}

// The newer tray look: a glossy rounded tile.
void TrayTile(QPainter& p, int state) {
  QColor top, bottom;
  switch (state) {
    case ArtIcons::kTrayConnected:
      top = kTealLight;
      bottom = kTealDark;
      break;
    case ArtIcons::kTrayAccessPoint:
      top = QColor(88, 140, 214);
      bottom = kDeepBlue;
      break;
    default:
      top = QColor(158, 172, 188);
      bottom = QColor(92, 110, 130);
      break;
  }
  const QRectF tile(0.5, 0.5, 15, 15);
  QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.setBrush(fill);
  p.setPen(QPen(bottom.darker(130), 1));
  p.drawPath(RoundedRect(tile, 3.5));
  QLinearGradient gloss(tile.topLeft(), QPointF(tile.left(), 8));
  gloss.setColorAt(0, QColor(255, 255, 255, 110));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(gloss);
  p.drawPath(RoundedRect(QRectF(1.5, 1.2, 13, 7), 2.5));
  const bool down = state == ArtIcons::kTrayNotConnected;
  TraySymbol(p, state, down ? QColor(255, 255, 255, 175) : Qt::white, 1.6);
  if (down) {
    // A red "no link" badge in the corner.
    p.setBrush(kRed);
    p.setPen(QPen(Qt::white, 1));
    p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
    p.fillRect(QRectF(10, 11.25, 4, 1.5), Qt::white);
  }
}

// The older tray look: a square tile in flat colours with hard pixel edges.
void TrayFlat(QPainter& p, int state) {
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor fill = state == ArtIcons::kTrayConnected     ? QColor(0, 128, 128)
                      : state == ArtIcons::kTrayAccessPoint ? QColor(0, 72, 168)
                                                            : QColor(128, 128, 128);
  const QColor outline(16, 24, 40);
  p.fillRect(QRect(1, 0, 14, 16), outline);
  p.fillRect(QRect(0, 1, 16, 14), outline);
  p.fillRect(QRect(1, 1, 14, 14), fill);
  p.fillRect(QRect(1, 1, 14, 1), fill.lighter(150));
  p.fillRect(QRect(1, 1, 1, 14), fill.lighter(150));
  const bool down = state == ArtIcons::kTrayNotConnected;
  TraySymbol(p, state, down ? QColor(208, 208, 208) : Qt::white, 1.5);
  if (down) {
    const QColor red(224, 0, 0);
    for (int i = 0; i < 5; ++i) {
      p.fillRect(QRect(10 + i, 9 + i, 1, 1), red);
      p.fillRect(QRect(14 - i, 9 + i, 1, 1), red);
      p.fillRect(QRect(11 + i, 9 + i, 1, 1), red);
      p.fillRect(QRect(13 - i, 9 + i, 1, 1), red);
    }
  }
}

}  // namespace

namespace ArtIcons {

QImage Mark(qreal devicePixelRatio) {
  QImage canvas = NewCanvas(QSize(8, 8), devicePixelRatio);
  QPainter p(&canvas);
  Smooth(p);
  QLinearGradient fill(0, 0, 8, 8);
  fill.setColorAt(0, kTealLight);
  fill.setColorAt(1, kTealDark);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(RoundedRect(QRectF(0, 0, 8, 8), 2));
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawPath(RoundedRect(QRectF(1.5, 1.5, 3, 2), 1));
  return canvas;
}

QImage SortMark(bool ascending, qreal devicePixelRatio) {
  QImage mark = NewCanvas(QSize(9, 5), devicePixelRatio);
  QPainter p(&mark);
  Smooth(p);
  p.setPen(Qt::NoPen);
  p.setBrush(kSlate);
  const QPolygonF up{{0, 5}, {4.5, 0}, {9, 5}};
  const QPolygonF down{{0, 0}, {4.5, 5}, {9, 0}};
  p.drawPolygon(ascending ? up : down);
  return mark;
}

QImage Light(qreal devicePixelRatio) {
  const QSize size = ShellGeometry::kLightSize;
  QImage canvas = NewCanvas(size, devicePixelRatio);
  QPainter p(&canvas);
  Smooth(p);
  const QRectF bar = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
  fill.setColorAt(0, QColor(136, 242, 196));
  fill.setColorAt(0.45, QColor(40, 200, 150));
  fill.setColorAt(1, QColor(16, 150, 150));
  p.setBrush(fill);
  p.setPen(QPen(QColor(12, 120, 120), 1));
  p.drawPath(RoundedRect(bar, 2));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawPath(RoundedRect(QRectF(2, 1.5, size.width() - 4, 4), 1.5));
  return canvas;
}

QImage NetworkRow(bool secured, bool adHoc, qreal devicePixelRatio) {
  QImage canvas = NewCanvas(QSize(44, 22), devicePixelRatio);
  QPainter p(&canvas);
  Smooth(p);
  if (adHoc) {
    AdHoc(p);
  } else {
    AccessPoint(p);
  }
  Padlock(p, secured);
  return canvas;
}

QImage Tray(bool newerLook, int state, int size, qreal devicePixelRatio) {
  QImage canvas = NewCanvas(QSize(size, size), devicePixelRatio);
  QPainter p(&canvas);
  Smooth(p);
  p.scale(size / 16.0, size / 16.0);
  if (newerLook) {
    TrayTile(p, state);
  } else {
    TrayFlat(p, state);
  }
  return canvas;
}

}  // namespace ArtIcons
