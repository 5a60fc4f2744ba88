#include "ui/station/rate_graph.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstring>

RateGraph::RateGraph(QSize pictureSize)
    : grid_(pictureSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32),
      quarter_(grid_.height() / 4) {
  grid_.fill(kGround);
  for (int line = 1; line <= 3; ++line) {
    const int y = line * quarter_;
    for (int x = 0; x < grid_.width(); x += 2) grid_.setPixel(x, y, kGridLine);
  }
  Reset();
}

void RateGraph::Reset() {
  samples_.clear();
  ClearPicture();
}

void RateGraph::ClearPicture() {
  // Into the picture's own pixels: a fresh copy per status would allocate anew each time.
  if (picture_.size() != grid_.size() || picture_.format() != grid_.format()) {
    picture_ = grid_.copy();
    return;
  }
  std::memcpy(picture_.bits(), grid_.constBits(), static_cast<std::size_t>(grid_.sizeInBytes()));
}

int RateGraph::HeightOf(double kbps, int quarter, int pictureHeight) {
  // Below 1 kbit/s the logarithm turns negative; such a rate still sits on
  // the bottom edge rather than below the picture.
  const double scaled = kbps > 0 ? std::trunc(std::log10(kbps) * quarter) : 1.0;
  const double limited = std::clamp(scaled, 1.0, static_cast<double>(std::max(pictureHeight, 1)));
  return static_cast<int>(limited);
}

void RateGraph::Append(uint64_t elapsedMs, double kbps) {
  if (elapsedMs == 0) return;
  const int height = HeightOf(kbps, quarter_, grid_.height());
  if (samples_.size() > static_cast<std::size_t>(grid_.width())) samples_.pop_front();
  const uint64_t seconds = std::min<uint64_t>(elapsedMs / 1000, static_cast<uint64_t>(INT32_MAX));
  samples_.push_back({static_cast<int>(seconds), height});
}

void RateGraph::Redraw() {
  ClearPicture();
  if (samples_.empty()) return;
  QPolygon points;
  points.reserve(static_cast<int>(samples_.size()));
  int64_t x = grid_.width() - 1;
  for (auto it = samples_.rbegin(); it != samples_.rend(); ++it) {
    points.append(
        QPoint(static_cast<int>(std::max<int64_t>(x, INT32_MIN)), grid_.height() - it->height));
    if (x < 0) break;
    x -= 2 * static_cast<int64_t>(it->seconds);
  }
  QPainter painter(&picture_);
  painter.setPen(QPen(Qt::white, 1));
  if (points.size() == 1) {
    painter.drawPoint(points.first());
  } else {
    painter.drawPolyline(points);
  }
}
