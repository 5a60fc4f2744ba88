#include "ui/shell/art_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace ArtGlyphs {

namespace {

// The glyphs are drawn on a 14-unit grid.
constexpr qreal kGrid = 14.0;
constexpr qreal kStroke = 1.7;

void Line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2) {
  p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Dot(QPainter& p, qreal x, qreal y, qreal r, const QColor& color) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(QPointF(x, y), r, r);
  p.restore();
}

void Refresh(QPainter& p, const QColor& color) {
  const QPointF centre(7, 7.2);
  const qreal r = 4.6;
  p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 75 * 16, 290 * 16);
  // The head sits on the arc's end and points into the gap, the way the arc turns.
  const qreal end = (75.0 + 290.0) * std::numbers::pi / 180.0;
  const QPointF tip(centre.x() + r * std::cos(end), centre.y() - r * std::sin(end));
  const QPointF along(-std::sin(end), -std::cos(end));
  const QPointF across(along.y(), -along.x());
  QPolygonF head;
  head << tip + along * 2.6 << tip + across * 2.4 << tip - across * 2.4;
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(head);
  p.restore();
}

}  // namespace

void Draw(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& color) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(box.topLeft());
  painter.scale(box.width() / kGrid, box.height() / kGrid);
  painter.setPen(QPen(color, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  QPainter& p = painter;
  switch (glyph) {
    case Glyph::kPower:
      p.drawArc(QRectF(2, 2.6, 10, 10), 125 * 16, 290 * 16);
      Line(p, 7, 1.4, 7, 7);
      break;
    case Glyph::kClock:
      p.drawEllipse(QPointF(7, 7), 5.6, 5.6);
      Line(p, 7, 7, 7, 3.8);
      Line(p, 7, 7, 9.6, 8.5);
      break;
    case Glyph::kPlus:
      Line(p, 7, 2.2, 7, 11.8);
      Line(p, 2.2, 7, 11.8, 7);
      break;
    case Glyph::kCheck: {
      QPainterPath tick;
      tick.moveTo(2.3, 7.4);
      tick.lineTo(5.6, 10.6);
      tick.lineTo(11.7, 3.6);
      p.drawPath(tick);
      break;
    }
    case Glyph::kArrowLeft:
    case Glyph::kArrowRight: {
      if (glyph == Glyph::kArrowRight) {
        p.translate(kGrid, 0);
        p.scale(-1, 1);
      }
      Line(p, 11.8, 7, 2.6, 7);
      QPainterPath head;
      head.moveTo(6.6, 2.8);
      head.lineTo(2.4, 7);
      head.lineTo(6.6, 11.2);
      p.drawPath(head);
      break;
    }
    case Glyph::kFolder: {
      QPainterPath folder;
      folder.moveTo(1.6, 11.6);
      folder.lineTo(1.6, 3.2);
      folder.lineTo(5.4, 3.2);
      folder.lineTo(6.8, 4.8);
      folder.lineTo(12.4, 4.8);
      folder.lineTo(12.4, 11.6);
      folder.closeSubpath();
      p.drawPath(folder);
      Line(p, 1.6, 6.8, 12.4, 6.8);
      break;
    }
    case Glyph::kCross:
      Line(p, 3.4, 3.4, 10.6, 10.6);
      Line(p, 10.6, 3.4, 3.4, 10.6);
      break;
    case Glyph::kBars:
      p.setPen(Qt::NoPen);
      p.setBrush(color);
      p.drawRoundedRect(QRectF(1.8, 7.6, 2.6, 4.8), 0.6, 0.6);
      p.drawRoundedRect(QRectF(5.7, 4.8, 2.6, 7.6), 0.6, 0.6);
      p.drawRoundedRect(QRectF(9.6, 1.8, 2.6, 10.6), 0.6, 0.6);
      break;
    case Glyph::kLineChart: {
      QPainterPath trace;
      trace.moveTo(1.6, 10);
      trace.lineTo(4.8, 5.8);
      trace.lineTo(7.8, 8.2);
      trace.lineTo(12.4, 2.6);
      p.drawPath(trace);
      p.setPen(QPen(color, kStroke * 0.7, Qt::SolidLine, Qt::RoundCap));
      Line(p, 1.4, 12.6, 12.6, 12.6);
      break;
    }
    case Glyph::kSignal:
      p.drawArc(QRectF(7 - 4.4, 11.6 - 4.4, 8.8, 8.8), 45 * 16, 90 * 16);
      p.drawArc(QRectF(7 - 8.4, 11.6 - 8.4, 16.8, 16.8), 45 * 16, 90 * 16);
      Dot(p, 7, 11.6, 1.5, color);
      break;
    case Glyph::kTrash: {
      Line(p, 2.2, 3.6, 11.8, 3.6);
      QPainterPath handle;
      handle.moveTo(5.4, 3.4);
      handle.lineTo(5.4, 1.8);
      handle.lineTo(8.6, 1.8);
      handle.lineTo(8.6, 3.4);
      p.drawPath(handle);
      QPainterPath bin;
      bin.moveTo(3.4, 3.8);
      bin.lineTo(4.2, 12.4);
      bin.lineTo(9.8, 12.4);
      bin.lineTo(10.6, 3.8);
      p.drawPath(bin);
      p.setPen(QPen(color, kStroke * 0.7, Qt::SolidLine, Qt::RoundCap));
      Line(p, 5.9, 6, 6.1, 10.4);
      Line(p, 8.1, 6, 7.9, 10.4);
      break;
    }
    case Glyph::kPencil: {
      QPainterPath pencil;
      pencil.moveTo(2.4, 11.6);
      pencil.lineTo(3, 8.8);
      pencil.lineTo(9.6, 2.2);
      pencil.lineTo(11.8, 4.4);
      pencil.lineTo(5.2, 11);
      pencil.closeSubpath();
      p.drawPath(pencil);
      Line(p, 8.2, 3.6, 10.4, 5.8);
      break;
    }
    case Glyph::kExit: {
      QPainterPath frame;
      frame.moveTo(7.4, 1.8);
      frame.lineTo(2.2, 1.8);
      frame.lineTo(2.2, 12.2);
      frame.lineTo(7.4, 12.2);
      p.drawPath(frame);
      Line(p, 5.6, 7, 12.4, 7);
      QPainterPath head;
      head.moveTo(9.8, 4.4);
      head.lineTo(12.4, 7);
      head.lineTo(9.8, 9.6);
      p.drawPath(head);
      break;
    }
    case Glyph::kRefresh:
      Refresh(p, color);
      break;
    case Glyph::kDisk: {
      QPainterPath body;
      body.moveTo(1.8, 1.8);
      body.lineTo(10, 1.8);
      body.lineTo(12.2, 4);
      body.lineTo(12.2, 12.2);
      body.lineTo(1.8, 12.2);
      body.closeSubpath();
      p.drawPath(body);
      p.setPen(QPen(color, kStroke * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawRect(QRectF(4.4, 1.8, 4.6, 3));
      p.drawRect(QRectF(4, 7.8, 6, 4.4));
      break;
    }
    case Glyph::kRadar:
      p.drawEllipse(QPointF(6, 6), 4, 4);
      p.setPen(QPen(color, kStroke * 1.3, Qt::SolidLine, Qt::RoundCap));
      Line(p, 9, 9, 12.2, 12.2);
      break;
    case Glyph::kPointer: {
      QPolygonF arrow;
      arrow << QPointF(3.2, 1.6) << QPointF(3.2, 11.4) << QPointF(5.7, 9.1) << QPointF(7.5, 12.6)
            << QPointF(9.2, 11.8) << QPointF(7.4, 8.4) << QPointF(10.8, 8.2);
      p.drawPolygon(arrow);
      break;
    }
    case Glyph::kPlay: {
      QPolygonF play;
      play << QPointF(3.6, 2.2) << QPointF(3.6, 11.8) << QPointF(11.8, 7);
      p.setBrush(color);
      p.drawPolygon(play);
      break;
    }
    case Glyph::kQuestion: {
      QPainterPath hook;
      hook.moveTo(4.3, 5);
      hook.cubicTo(4.3, 1.2, 9.9, 1.2, 9.8, 4.8);
      hook.cubicTo(9.7, 6.7, 7, 6.9, 7, 9);
      p.setPen(QPen(color, kStroke * 1.15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPath(hook);
      Dot(p, 7, 11.9, 1.15, color);
      break;
    }
    case Glyph::kInfo:
      Dot(p, 7, 2.9, 1.2, color);
      p.setPen(QPen(color, kStroke * 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      Line(p, 5.6, 6.2, 7, 6.2);
      Line(p, 7, 6.2, 7, 11.8);
      break;
    case Glyph::kQrCode: {
      // Three finder squares and a scatter of modules, as a code reads at a glance.
      p.setPen(QPen(color, kStroke * 0.7, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      for (const QPointF& corner : {QPointF(1.6, 1.6), QPointF(8, 1.6), QPointF(1.6, 8)}) {
        p.drawRect(QRectF(corner, QSizeF(4.4, 4.4)));
      }
      p.setPen(Qt::NoPen);
      p.setBrush(color);
      for (const QPointF& corner : {QPointF(3, 3), QPointF(9.4, 3), QPointF(3, 9.4)}) {
        p.drawRect(QRectF(corner, QSizeF(1.6, 1.6)));
      }
      for (const QPointF& module : {QPointF(8.2, 8.2), QPointF(10.8, 8.2), QPointF(9.5, 9.5),
                                    QPointF(8.2, 10.8), QPointF(10.8, 10.8)}) {
        p.drawRect(QRectF(module, QSizeF(1.6, 1.6)));
      }
      break;
    }
  }
  painter.restore();
}

}  // namespace ArtGlyphs
