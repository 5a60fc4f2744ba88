#include "ui/station/channel_graph.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <span>

#include "adapter/wl_records.h"
#include "model/channel_use.h"
#include "model/wl_enums.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/station/site_list.h"

namespace {

constexpr int kTextPixelSize = 11;
constexpr int kMargin = 6;
constexpr int kTitleHeight = 14;
constexpr int kAxisHeight = 14;
constexpr int kPaneGap = 6;
// Signal from the bottom of a pane to its top.
constexpr int32_t kFloorDbm = -100;
constexpr int32_t kTopDbm = -30;
constexpr double kSegmentGap = 8;

// The MHz a pane spans. 5 GHz leaves out the channels between 70 and 94,
// which no domain allows, so that 20 MHz curves keep a readable width.
struct Segment {
  double from;
  double to;
};
constexpr std::array<Segment, 1> kLowSegments = {{{2400, 2496}}};
constexpr std::array<Segment, 2> kHighSegments = {{{5150, 5350}, {5470, 5895}}};
constexpr std::array<int, 14> kLowTicks = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
constexpr std::array<int, 13> kHighTicks = {36,  44,  52,  60,  100, 108, 116,
                                            124, 132, 140, 149, 157, 165};

std::span<const Segment> SegmentsOf(bool low) {
  if (low) return kLowSegments;
  return kHighSegments;
}

double SpanOf(bool low) {
  double span = 0;
  for (const Segment& s : SegmentsOf(low)) span += s.to - s.from;
  return span;
}

}  // namespace

ChannelGraph::ChannelGraph(SiteList& list, QWidget* parent) : QWidget(parent), list_(list) {
  setObjectName(QStringLiteral("ChannelGraph"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFont(ArtKit::PixelFont(kTextPixelSize));
  none_ = StringText(QStringLiteral("FrameSurvey"), QStringLiteral("ChannelsNone"),
                     QStringLiteral("No networks heard"));
  QAbstractItemModel* model = list.model();
  connect(model, &QAbstractItemModel::modelReset, this, &ChannelGraph::Invalidate);
  connect(model, &QAbstractItemModel::rowsInserted, this, &ChannelGraph::Invalidate);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &ChannelGraph::Invalidate);
  connect(model, &QAbstractItemModel::layoutChanged, this, &ChannelGraph::Invalidate);
  connect(&list, &SiteList::AssociatedChanged, this, &ChannelGraph::Invalidate);
  connect(&list, &QTreeWidget::itemSelectionChanged, this, qOverload<>(&QWidget::update));
}

void ChannelGraph::Invalidate() {
  dirty_ = true;
  update();
}

ChannelGraph::Pane ChannelGraph::PaneOf(bool low) const {
  const double height = (this->height() - 2 * kMargin - kPaneGap) / 2.0;
  const double top = kMargin + (low ? 0 : height + kPaneGap);
  return {QRectF(kMargin, top + kTitleHeight, width() - 2 * kMargin,
                 height - kTitleHeight - kAxisHeight),
          low};
}

double ChannelGraph::XOf(const Pane& pane, double mhz) const {
  const std::span<const Segment> segments = SegmentsOf(pane.low);
  const double gaps = kSegmentGap * static_cast<double>(segments.size() - 1);
  const double scale = (pane.plot.width() - gaps) / SpanOf(pane.low);
  double x = pane.plot.left();
  for (const Segment& s : segments) {
    if (mhz <= s.to || &s == &segments.back()) {
      return x + (std::clamp(mhz, s.from, s.to) - s.from) * scale;
    }
    x += (s.to - s.from) * scale + kSegmentGap;
  }
  return x;
}

double ChannelGraph::YOf(const Pane& pane, int32_t dbm) const {
  const double share =
      static_cast<double>(std::clamp(dbm, kFloorDbm, kTopDbm) - kFloorDbm) / (kTopDbm - kFloorDbm);
  return pane.plot.bottom() - share * pane.plot.height();
}

void ChannelGraph::resizeEvent(QResizeEvent* event) {
  dirty_ = true;
  QWidget::resizeEvent(event);
}

void ChannelGraph::Rebuild() {
  if (!dirty_) return;
  dirty_ = false;
  curves_.clear();
  const Pane panes[2] = {PaneOf(true), PaneOf(false)};
  // The list's first row ends up on top.
  for (int row = list_.topLevelItemCount() - 1; row >= 0; --row) {
    const QTreeWidgetItem& item = *list_.topLevelItem(row);
    const SiteSurveyEntry& entry = SiteList::EntryOf(item);
    const double centre = entry.Frequency / 1000.0;
    if (centre <= 0) continue;
    const Pane& pane = panes[centre < 3000 ? 0 : 1];
    const double half = ChannelUse::WidthMHz(entry.Radio) / 2.0;
    const double x0 = XOf(pane, centre - half);
    const double x1 = XOf(pane, centre + half);
    const double xm = XOf(pane, centre);
    const double top = YOf(pane, entry.Signal);
    const double base = pane.plot.bottom();
    const double dx = x1 - x0;
    QPainterPath path(QPointF(x0, base));
    path.cubicTo(x0 + dx * 0.15, top, x0 + dx * 0.3, top, xm, top);
    path.cubicTo(x1 - dx * 0.3, top, x1 - dx * 0.15, top, x1, base);
    path.closeSubpath();
    curves_.append(
        {row, pane.low, path, QPointF(xm, top), SiteList::SsidOf(item), list_.IsAssociated(entry)});
  }
}

int ChannelGraph::RowAt(const QPointF& point) {
  Rebuild();
  for (auto it = curves_.crbegin(); it != curves_.crend(); ++it) {
    if (it->path.contains(point)) return it->row;
  }
  return -1;
}

QRectF ChannelGraph::CurveBounds(int row) {
  Rebuild();
  for (const Curve& curve : curves_) {
    if (curve.row == row) return curve.path.boundingRect();
  }
  return {};
}

void ChannelGraph::paintEvent(QPaintEvent*) {
  Rebuild();
  QPainter painter(this);
  painter.fillRect(rect(), ArtKit::kCard);
  painter.setPen(ArtKit::kCardBorder);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setRenderHint(QPainter::Antialiasing);
  const Pane panes[2] = {PaneOf(true), PaneOf(false)};
  for (const Pane& pane : panes) DrawPane(painter, pane);

  QTreeWidgetItem* current = list_.selectedItems().value(0);
  const int selected = current != nullptr ? list_.indexOfTopLevelItem(current) : -1;
  const Curve* marked = nullptr;
  const Curve* associated = nullptr;
  for (const Curve& curve : curves_) {
    if (curve.row == selected) {
      marked = &curve;
    } else if (curve.associated) {
      associated = &curve;
    } else {
      DrawCurve(painter, curve, false);
    }
  }
  if (associated != nullptr) DrawCurve(painter, *associated, false);
  if (marked != nullptr) DrawCurve(painter, *marked, true);
}

void ChannelGraph::DrawPane(QPainter& painter, const Pane& pane) const {
  const QRectF& plot = pane.plot;
  painter.setPen(ArtKit::kSlate);
  painter.setFont(ArtKit::PixelFont(kTextPixelSize, QFont::DemiBold));
  const QString ghz = DisplayText(kStrGHz);
  painter.drawText(QRectF(plot.left(), plot.top() - kTitleHeight, plot.width(), kTitleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   (pane.low ? QStringLiteral("2.4 ") : QStringLiteral("5 ")) + ghz);
  painter.setFont(font());
  painter.setPen(ArtKit::kCardBorder);
  painter.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
  painter.setPen(ArtKit::kMuted);
  const QFontMetricsF metrics(painter.font());
  // On a narrow pane a number that would touch the one before it is left out;
  // its tick stays.
  double lastRight = -1e9;
  const auto tick = [&](int channel) {
    const double x = XOf(pane, ChannelUse::CentreMHz(channel));
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
    const QString number = QString::number(channel);
    const double half = metrics.horizontalAdvance(number) / 2 + 1;
    if (x - half < lastRight) return;
    lastRight = x + half + 2;
    painter.drawText(QRectF(x - half, plot.bottom() + 2, 2 * half, kAxisHeight - 2),
                     Qt::AlignCenter, number);
  };
  if (pane.low) {
    for (int channel : kLowTicks) tick(channel);
  } else {
    for (int channel : kHighTicks) tick(channel);
  }
  const bool empty = std::none_of(curves_.cbegin(), curves_.cend(),
                                  [&](const Curve& c) { return c.low == pane.low; });
  if (empty) painter.drawText(plot, Qt::AlignCenter, none_);
}

void ChannelGraph::DrawCurve(QPainter& painter, const Curve& curve, bool selected) const {
  QColor line = ArtKit::kSlate;
  QColor fill = ArtKit::kSlate;
  fill.setAlpha(28);
  qreal width = 1;
  if (selected) {
    line = ArtKit::kTeal;
    fill = ArtKit::kTeal;
    fill.setAlpha(110);
    width = 2;
  } else if (curve.associated) {
    line = ArtKit::kTealDark;
    fill = SiteList::kAssociatedColour;
    width = 2;
  }
  painter.setPen(QPen(line, width));
  painter.setBrush(fill);
  painter.drawPath(curve.path);
  if (selected || curve.associated) {
    painter.setPen(line);
    const QFontMetricsF metrics(painter.font());
    const double textWidth = metrics.horizontalAdvance(curve.ssid) + 4;
    const QRectF bounds = rect().adjusted(kMargin, 0, -kMargin, 0);
    const double left =
        std::clamp(curve.peak.x() - textWidth / 2, bounds.left(), bounds.right() - textWidth);
    painter.drawText(
        QRectF(left, curve.peak.y() - metrics.height() - 1, textWidth, metrics.height()),
        Qt::AlignCenter, curve.ssid);
  }
}

void ChannelGraph::mousePressEvent(QMouseEvent* event) {
  const int row = RowAt(event->position());
  if (event->button() == Qt::LeftButton && row >= 0) {
    list_.setCurrentItem(list_.topLevelItem(row));
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

bool ChannelGraph::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int row = RowAt(help->pos());
    if (row >= 0) {
      QToolTip::showText(help->globalPos(), SiteList::SsidOf(*list_.topLevelItem(row)), this);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}
