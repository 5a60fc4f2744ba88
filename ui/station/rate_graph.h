#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <deque>

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
  // A sample taken elapsedMs after the previous one; none when no time passed.
  // At most one sample more than the picture is wide is kept.
  void Append(uint64_t elapsedMs, double kbps);
  // Draws the samples onto a fresh copy of the grid.
  void Redraw();

  const QImage& Grid() const { return grid_; }
  const QImage& Picture() const { return picture_; }
  const std::deque<Sample>& Samples() const { return samples_; }
  int Quarter() const { return quarter_; }

  // Pixels above the bottom edge for a rate: log10(kbps) quarters, truncated,
  // within 1 and the picture height.
  static int HeightOf(double kbps, int quarter, int pictureHeight);

  static constexpr QRgb kGround = 0xFF004101;    // RGB(0, 65, 1)
  static constexpr QRgb kGridLine = 0xFFC8FDC5;  // RGB(200, 253, 197)

 private:
  void ClearPicture();

  QImage grid_;
  QImage picture_;
  int quarter_;
  std::deque<Sample> samples_;
};
