#include "ui/station/rate_graph.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

int64_t FloorDiv(int64_t numerator, int64_t denominator) {
  const int64_t quotient = numerator / denominator;
  return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1
                                                                                : quotient;
}

// Calls plot(x, y) for the pixels of the line from a to b, both ends included,
// that lie within [0, width). The same pixels whichever end comes first, and
// moved with the line when it moves sideways, so that a line drawn piece by
// piece into a scrolling picture matches one drawn whole.
template <typename Plot>
void ForEachLinePixel(int64_t ax, int ay, int64_t bx, int by, int width, Plot&& plot) {
  if (bx < ax || (bx == ax && by < ay)) {
    std::swap(ax, bx);
    std::swap(ay, by);
  }
  const int64_t dx = bx - ax;
  const int64_t dy = by - ay;
  const int64_t steps = std::abs(dy);
  if (dx >= steps) {
    if (dx == 0) {
      if (ax >= 0 && ax < width) plot(static_cast<int>(ax), ay);
      return;
    }
    const int64_t last = std::min<int64_t>(bx, width - 1);
    for (int64_t x = std::max<int64_t>(ax, 0); x <= last; ++x) {
      plot(static_cast<int>(x), ay + static_cast<int>(FloorDiv(2 * (x - ax) * dy + dx, 2 * dx)));
    }
    return;
  }
  const int direction = dy > 0 ? 1 : -1;
  for (int64_t step = 0; step <= steps; ++step) {
    const int64_t x = ax + FloorDiv(2 * step * dx + steps, 2 * steps);
    if (x >= 0 && x < width) plot(static_cast<int>(x), ay + direction * static_cast<int>(step));
  }
}

}  // namespace

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
  span_ = 0;
  ClearRing();
}

void RateGraph::ClearRing() {
  start_ = 0;
  // Into the ring's own pixels: a fresh copy would allocate anew each time.
  if (ring_.size() != grid_.size() || ring_.format() != grid_.format()) {
    ring_ = grid_.copy();
    return;
  }
  std::memcpy(ring_.bits(), grid_.constBits(), static_cast<std::size_t>(grid_.sizeInBytes()));
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
  const int width = grid_.width();
  const int height = grid_.height();
  const int rise = HeightOf(kbps, quarter_, height);
  const bool dropped = samples_.size() > static_cast<std::size_t>(width);
  if (dropped) {
    samples_.pop_front();
    span_ -= 2 * static_cast<int64_t>(samples_.front().seconds);
  }
  const uint64_t seconds = std::min<uint64_t>(elapsedMs / 1000, static_cast<uint64_t>(INT32_MAX));
  samples_.push_back({static_cast<int>(seconds), rise});
  if (samples_.size() == 1) {
    Plot(width - 1, height - rise);
    return;
  }
  const int64_t shift = 2 * static_cast<int64_t>(seconds);
  span_ += shift;
  // A dropped sample takes its line along: while that line would still show,
  // the picture is drawn afresh instead of scrolled.
  if (dropped && width - 1 - span_ >= 0) {
    ring_ = Drawn(grid_, samples_);
    start_ = 0;
    return;
  }
  Scroll(shift);
  const int previous = height - samples_[samples_.size() - 2].height;
  ForEachLinePixel(width - 1 - shift, previous, width - 1, height - rise, width,
                   [this](int x, int y) { Plot(x, y); });
}

void RateGraph::Scroll(int64_t pixels) {
  const int width = grid_.width();
  if (pixels >= width) {
    ClearRing();
    return;
  }
  if (pixels <= 0) return;
  const int shift = static_cast<int>(pixels);
  start_ = (start_ + shift) % width;
  // The columns that come in at the right are bare grid.
  for (int y = 0; y < grid_.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(grid_.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(ring_.scanLine(y));
    for (int x = width - shift; x < width; ++x) to[(start_ + x) % width] = from[x];
  }
}

void RateGraph::Plot(int x, int y) {
  reinterpret_cast<QRgb*>(ring_.scanLine(y))[(start_ + x) % grid_.width()] = kLine;
}

QImage RateGraph::Drawn(const QImage& grid, const std::deque<Sample>& samples) {
  QImage picture = grid.copy();
  if (samples.empty()) return picture;
  const int width = picture.width();
  const int height = picture.height();
  const auto plot = [&picture](int x, int y) { picture.setPixel(x, y, kLine); };
  // Newest at the right edge, each older one two pixels per second of the
  // newer one's interval further left.
  int64_t x = width - 1;
  auto newer = samples.rbegin();
  if (samples.size() == 1) plot(width - 1, height - newer->height);
  for (auto older = std::next(newer); older != samples.rend() && x >= 0; ++newer, ++older) {
    const int64_t olderX = x - 2 * static_cast<int64_t>(newer->seconds);
    ForEachLinePixel(olderX, height - older->height, x, height - newer->height, width, plot);
    x = olderX;
  }
  return picture;
}

void RateGraph::Paint(QPainter& canvas, QPoint at) const {
  const int right = ring_.width() - start_;
  canvas.drawImage(at, ring_, QRect(start_, 0, right, ring_.height()));
  if (start_ > 0) {
    canvas.drawImage(at + QPoint(right, 0), ring_, QRect(0, 0, start_, ring_.height()));
  }
}

QImage RateGraph::Picture() const {
  QImage picture(ring_.size(), ring_.format());
  QPainter canvas(&picture);
  Paint(canvas, QPoint(0, 0));
  return picture;
}
