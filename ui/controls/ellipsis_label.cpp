#include "ui/controls/ellipsis_label.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

#include "ui/controls/text_ellipsis.h"

TEllipsisLabel::TEllipsisLabel(QWidget* parent) : TEllipsisLabel(QString(), parent) {}

TEllipsisLabel::TEllipsisLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
}

void TEllipsisLabel::SetEllipsisEnd(bool ellipsis) {
  ellipsisEnd_ = ellipsis;
  updateGeometry();
  update();
}

void TEllipsisLabel::SetEllipsisWord(bool ellipsis) {
  ellipsisWord_ = ellipsis;
  updateGeometry();
  update();
}

void TEllipsisLabel::SetEllipsisPath(bool ellipsis) {
  ellipsisPath_ = ellipsis;
  updateGeometry();
  update();
}

QString TEllipsisLabel::ShownText() const { return ShortenedText(TextArea()); }

QSize TEllipsisLabel::minimumSizeHint() const {
  const QSize full = QLabel::minimumSizeHint();
  if (!Shortens() || wordWrap()) return full;
  // A shortening label may shrink to its ellipsis.
  const int frame = width() - contentsRect().width();
  const int ellipsis = fontMetrics().horizontalAdvance(QChar(0x2026));
  return {std::min(full.width(), ellipsis + frame + 2 * margin()), full.height()};
}

void TEllipsisLabel::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  drawFrame(&canvas);
  DrawLabelText(canvas, TextArea(), palette());
}

QRect TEllipsisLabel::TextArea() const {
  return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

void TEllipsisLabel::DrawLabelText(QPainter& canvas, const QRect& area, QPalette colours) const {
  colours.setCurrentColorGroup(!isEnabled()       ? QPalette::Disabled
                               : isActiveWindow() ? QPalette::Active
                                                  : QPalette::Inactive);
  const QString shown = ShortenedText(area);
  int flags = static_cast<int>(alignment());
  // Shortened wrapped text comes already broken into the lines that fit.
  if (wordWrap() && shown == text()) flags |= Qt::TextWordWrap;
  canvas.setFont(font());
  style()->drawItemText(&canvas, area, flags, colours, isEnabled(), shown, foregroundRole());
}

QString TEllipsisLabel::ShortenLine(const QString& line, int width) const {
  const QFontMetrics metrics = fontMetrics();
  if (ellipsisPath_) return ElidePath(line, metrics, width);
  if (ellipsisWord_) return ElideWord(line, metrics, width);
  return ElideEnd(line, metrics, width);
}

QString TEllipsisLabel::ShortenedText(const QRect& area) const {
  if (!Shortens()) return text();
  if (wordWrap()) return ShortenedWrappedText(area);
  QStringList lines = text().split(QLatin1Char('\n'));
  for (QString& line : lines) line = ShortenLine(line, area.width());
  return lines.join(QLatin1Char('\n'));
}

QString TEllipsisLabel::ShortenedWrappedText(const QRect& area) const {
  const QFontMetrics metrics = fontMetrics();
  const qsizetype fitting =
      std::max(1, (area.height() + metrics.leading()) / std::max(1, metrics.lineSpacing()));
  QString laidOut = text();
  laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(laidOut, font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  QList<int> starts;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(area.width());
    starts.append(line.textStart());
  }
  layout.endLayout();
  if (starts.size() <= fitting) return text();
  // The last line that fits takes all the rest, shortened.
  QStringList lines;
  for (qsizetype i = 0; i + 1 < fitting; ++i) {
    lines.append(laidOut.mid(starts[i], starts[i + 1] - starts[i]).trimmed());
  }
  lines.append(ShortenLine(laidOut.mid(starts[fitting - 1]).simplified(), area.width()));
  return lines.join(QLatin1Char('\n'));
}
