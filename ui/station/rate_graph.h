#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <deque>

class QPainter;

// One scrolling graph of a data rate on a logarithmic scale from 1 to 10000
// kbit/s: a dark grid with dotted lines at each decade, and a white line
// through the latest samples, newest at the right edge, two pixels per second.
class RateGraph {
 public:
  struct Sample {
    int seconds;  // since the previous sample
    int height;   // pixels above the bottom edge
    bool operator==(const Sample&) const = default;
  };

  // The picture size; the grid lines stand a quarter of its height apart.
  explicit RateGraph(QSize pictureSize);

  // The empty grid and no samples.
  void Reset();
  // A sample taken elapsedMs after the previous one, drawn at once; none when
  // no time passed. At most one sample more than the picture is wide is kept.
  void Append(uint64_t elapsedMs, double kbps);

  // Draws the picture with its top left corner at the given point.
  void Paint(QPainter& canvas, QPoint at) const;
  // The picture as Paint draws it.
  QImage Picture() const;
  QSize PictureSize() const { return grid_.size(); }

  const QImage& Grid() const { return grid_; }
  const std::deque<Sample>& Samples() const { return samples_; }
  int Quarter() const { return quarter_; }

  // Pixels above the bottom edge for a rate: log10(kbps) quarters, truncated,
  // within 1 and the picture height.
  static int HeightOf(double kbps, int quarter, int pictureHeight);
  // The grid with the line through the samples drawn afresh: what the
  // picture shows after any series of appends.
  static QImage Drawn(const QImage& grid, const std::deque<Sample>& samples);

  static constexpr QRgb kGround = 0xFF004101;    // RGB(0, 65, 1)
  static constexpr QRgb kGridLine = 0xFFC8FDC5;  // RGB(200, 253, 197)
  static constexpr QRgb kLine = 0xFFFFFFFF;

 private:
  void ClearRing();
  void Scroll(int64_t pixels);
  void Plot(int x, int y);

  QImage grid_;
  // The picture's columns in a ring, so that a scroll moves no pixels: its
  // column 0 lies at ring column start_.
  QImage ring_;
  int start_ = 0;
  int quarter_;
  std::deque<Sample> samples_;
  int64_t span_ = 0;  // pixels from the oldest sample kept to the newest
};
