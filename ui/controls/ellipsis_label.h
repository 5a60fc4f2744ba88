#pragma once

#include <QLabel>

// A plain-text label that shortens text too long for it with an ellipsis: at
// the end, at a word boundary, or in the middle of a path.
class TEllipsisLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TEllipsisLabel(QWidget* parent = nullptr);
  explicit TEllipsisLabel(const QString& text, QWidget* parent = nullptr);

  bool EllipsisEnd() const { return ellipsisEnd_; }
  void SetEllipsisEnd(bool ellipsis);
  bool EllipsisWord() const { return ellipsisWord_; }
  void SetEllipsisWord(bool ellipsis);
  bool EllipsisPath() const { return ellipsisPath_; }
  void SetEllipsisPath(bool ellipsis);

  // The text as it is drawn in the label's present size.
  QString ShownText() const;

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

  // Where the text goes: the contents less the label's margin.
  QRect TextArea() const;
  void DrawLabelText(QPainter& canvas, const QRect& area, QPalette colours) const;

 private:
  bool Shortens() const { return ellipsisEnd_ || ellipsisWord_ || ellipsisPath_; }
  QString ShortenLine(const QString& line, int width) const;
  QString ShortenedText(const QRect& area) const;
  QString ShortenedWrappedText(const QRect& area) const;

  bool ellipsisEnd_ = false;
  bool ellipsisWord_ = false;
  bool ellipsisPath_ = false;
};
