#include "ui/controls/face_shape.h"

#include <new>
#include <vector>

#include "ui/controls/graphics_error.h"

namespace {

// Rectangles are handed to the region in bounded batches, which keeps each
// region operation small however ragged the face is.
constexpr int kRectBatch = 1000;

class RegionBuilder {
 public:
  void Add(const QRect& run) {
    batch_.push_back(run);
    if (static_cast<int>(batch_.size()) == kRectBatch) Flush();
  }

  QRegion Finish() {
    Flush();
    return region_;
  }

 private:
  void Flush() {
    if (batch_.empty()) return;
    // Runs arrive sorted by row then column, one pixel high and never
    // touching, which is the banded form setRects expects.
    QRegion part;
    part.setRects(batch_.data(), static_cast<int>(batch_.size()));
    region_ = region_.united(part);
    batch_.clear();
  }

  std::vector<QRect> batch_;
  QRegion region_;
};

}  // namespace

bool IsTransparentPixel(QRgb pixel, const QColor& transColor, int tolerance) {
  const int dr = qRed(pixel) - transColor.red();
  const int dg = qGreen(pixel) - transColor.green();
  const int db = qBlue(pixel) - transColor.blue();
  return dr * dr + dg * dg + db * db <= tolerance * tolerance;
}

QRegion FaceRegion(const QImage& face, const QColor& transColor, int tolerance) {
  Q_ASSERT(face.format() == QImage::Format_RGB888);
  try {
    RegionBuilder builder;
    for (int y = 0; y < face.height(); ++y) {
      const uchar* row = face.constScanLine(y);
      int runStart = -1;
      for (int x = 0; x <= face.width(); ++x) {
        const bool opaque = x < face.width() &&
                            !IsTransparentPixel(qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]),
                                                transColor, tolerance);
        if (opaque && runStart < 0) runStart = x;
        if (!opaque && runStart >= 0) {
          builder.Add(QRect(runStart, y, x - runStart, 1));
          runStart = -1;
        }
      }
    }
    return builder.Finish();
  } catch (const std::bad_alloc&) {
    throw GraphicsError("Failed to create region.");
  }
}
