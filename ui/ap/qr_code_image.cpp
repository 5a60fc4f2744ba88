#include "ui/ap/qr_code_image.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

namespace {

constexpr int kQuietModules = 4;

struct CodeFree {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QImage QrCodeImage(std::string_view bytes, int moduleSize) {
  if (bytes.empty() || moduleSize <= 0) return {};
  const std::unique_ptr<QRcode, CodeFree> code(
      QRcode_encodeData(static_cast<int>(bytes.size()),
                        reinterpret_cast<const unsigned char*>(bytes.data()), 0, QR_ECLEVEL_M));
  if (!code) return {};
  const int modules = code->width;
  const int side = (modules + 2 * kQuietModules) * moduleSize;
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (int y = 0; y < modules; ++y) {
    for (int x = 0; x < modules; ++x) {
      // Bit 0 of each module's byte says dark; the other bits say what kind of module it is.
      if ((code->data[y * modules + x] & 1) == 0) continue;
      painter.fillRect((x + kQuietModules) * moduleSize, (y + kQuietModules) * moduleSize,
                       moduleSize, moduleSize, Qt::black);
    }
  }
  return image;
}
