#pragma once

#include <QColor>
#include <QImage>

#include "ui/controls/color_button.h"

// A button whose look comes from pictures: a normal face, and optional hover,
// pressed and disabled faces. It can take the shape of its normal face, cut
// out by a transparent colour.
class TTrifaceBtn : public TColorButton {
  Q_OBJECT

 public:
  explicit TTrifaceBtn(QWidget* parent = nullptr);

  // The setters keep their own copy; the caller's picture stays the caller's.
  const QImage& Faces() const { return faces_; }
  void SetFaces(const QImage& face);
  const QImage& FacesOver() const { return facesOver_; }
  void SetFacesOver(const QImage& face);
  const QImage& FacesDown() const { return facesDown_; }
  void SetFacesDown(const QImage& face);
  const QImage& FacesDisable() const { return facesDisable_; }
  void SetFacesDisable(const QImage& face);

  bool NoFocusRect() const { return noFocusRect_; }
  void SetNoFocusRect(bool noFocusRect);
  bool AutoShape() const { return autoShape_; }
  void SetAutoShape(bool autoShape);
  QColor TransColor() const { return transColor_; }
  void SetTransColor(const QColor& color);
  int TransTolerance() const { return transTolerance_; }
  void SetTransTolerance(int tolerance);

  bool Hover() const { return hover_; }

  // While the button is shaped, it keeps the size of its face.
  void SetBounds(int left, int top, int width, int height);

  QSize sizeHint() const override;

 protected:
  void DoDrawButtonFace(QPainter& canvas, DrawState state) override;
  void DoDrawButtonText(QPainter& canvas, DrawState state) override;
  virtual void DoRedrawButton();
  virtual void DoShapeButton();
  virtual QImage DoCreateDIBSection() const;

  // The picture for a draw state, after the fall-backs; null when none is set.
  virtual QImage FaceFor(DrawState state) const;
  const QImage& ChosenFace(DrawState state) const;

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void SetHover(bool hover);
  void DrawFocusMarks(QPainter& canvas) const;
  void DrawKeyboardFocus(QPainter& canvas) const;
  void LockSize(bool lock);

  QImage faces_;
  QImage facesOver_;
  QImage facesDown_;
  QImage facesDisable_;
  bool noFocusRect_ = false;
  bool autoShape_ = false;
  QColor transColor_{0xFF, 0x00, 0xFF};
  int transTolerance_ = 0;
  bool hover_ = false;
  // Focus reached by Tab: shown even on a button without focus marks, so the
  // keyboard user sees where they are; a mouse click shows nothing.
  bool keyboardFocus_ = false;
  bool sizeLocked_ = false;
};
