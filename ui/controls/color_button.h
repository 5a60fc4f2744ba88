#pragma once

#include <QColor>
#include <QFlags>
#include <QImage>
#include <QList>
#include <QPushButton>

// A push button that draws itself: a classic 3-D face in its own colours, an
// optional glyph from a list, and the caption. The picture buttons build on
// its drawing operations.
class TColorButton : public QPushButton {
  Q_OBJECT

 public:
  enum DrawStateFlag {
    kDrawDisabled = 0x1,
    kDrawSelected = 0x2,
    kDrawFocus = 0x4,
    kDrawDefault = 0x8,
  };
  Q_DECLARE_FLAGS(DrawState, DrawStateFlag)

  explicit TColorButton(QWidget* parent = nullptr);

  QColor ColorHi() const { return colorHi_; }
  void SetColorHi(const QColor& color);
  QColor ColorLo() const { return colorLo_; }
  void SetColorLo(const QColor& color);

  const QList<QImage>& Glyphs() const { return glyphs_; }
  void SetGlyphs(const QList<QImage>& glyphs);
  int GlyphIndex() const { return glyphIndex_; }
  void SetGlyphIndex(int index);

 protected:
  DrawState CurrentDrawState() const;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  virtual void DoDrawButtonFace(QPainter& canvas, DrawState state);
  virtual void DoDrawButtonText(QPainter& canvas, DrawState state);
  virtual void DoDrawButtonGlyph(QPainter& canvas, DrawState state);

 private:
  // The glyph, when there is one, and the caption form one centred group.
  QImage CurrentGlyph() const;
  QRect GlyphRect(DrawState state) const;
  QRect TextRect(DrawState state) const;

  QColor colorHi_;
  QColor colorLo_;
  QList<QImage> glyphs_;
  int glyphIndex_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TColorButton::DrawState)
