// Writes the application icon in the hicolor sizes, drawn by the same code as
// the connected tray icon, so the launcher and the tray show one mark.
#include <QDir>
#include <QImage>

#include <cstdio>

#include "ui/shell/art_icons.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR NAME\n", argv[0]);
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    QImage icon = ArtIcons::Tray(true, ArtIcons::kTrayConnected, size, 1.0);
    icon.setDevicePixelRatio(1.0);
    if (!QDir().mkpath(dir) || !icon.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"))) {
      std::fprintf(stderr, "cannot write the %dx%d icon in %s\n", size, size, qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
