#include "ui/controls/text_ellipsis.h"

#include <algorithm>

namespace {

QString Ellipsis(const QFontMetrics& metrics) {
  const QChar ellipsis(0x2026);
  return metrics.inFont(ellipsis) ? QString(ellipsis) : QStringLiteral("...");
}

bool Fits(const QString& text, const QFontMetrics& metrics, int width) {
  return metrics.horizontalAdvance(text) <= width;
}

}  // namespace

QString ElideEnd(const QString& text, const QFontMetrics& metrics, int width) {
  return metrics.elidedText(text, Qt::ElideRight, width);
}

QString ElideWord(const QString& text, const QFontMetrics& metrics, int width) {
  if (Fits(text, metrics, width)) return text;
  const QString ellipsis = Ellipsis(metrics);
  for (qsizetype end = text.size() - 1; end > 0; --end) {
    if (!text.at(end).isSpace() || text.at(end - 1).isSpace()) continue;
    const QString candidate = text.left(end) + ellipsis;
    if (Fits(candidate, metrics, width)) return candidate;
  }
  return ElideEnd(text, metrics, width);
}

QString ElidePath(const QString& text, const QFontMetrics& metrics, int width) {
  if (Fits(text, metrics, width)) return text;
  const qsizetype separator =
      std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
  if (separator < 0) return metrics.elidedText(text, Qt::ElideMiddle, width);
  const QString ellipsis = Ellipsis(metrics);
  const QString tail = ellipsis + text.mid(separator);
  for (qsizetype keep = separator - 1; keep >= 0; --keep) {
    const QString candidate = text.left(keep) + tail;
    if (Fits(candidate, metrics, width)) return candidate;
  }
  return ElideEnd(tail, metrics, width);
}
