#include "ui/controls/triface_btn.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "ui/controls/face_shape.h"
#include "ui/controls/graphics_error.h"

namespace {

constexpr int kFocusMarkLength = 7;
constexpr int kMaxTolerance = 255;

}  // namespace

TTrifaceBtn::TTrifaceBtn(QWidget* parent) : TColorButton(parent) {}

void TTrifaceBtn::SetFaces(const QImage& face) {
  faces_ = face;
  if (faces_.isNull()) autoShape_ = false;
  DoShapeButton();
  updateGeometry();
  DoRedrawButton();
}

void TTrifaceBtn::SetFacesOver(const QImage& face) {
  facesOver_ = face;
  DoRedrawButton();
}

void TTrifaceBtn::SetFacesDown(const QImage& face) {
  facesDown_ = face;
  DoRedrawButton();
}

void TTrifaceBtn::SetFacesDisable(const QImage& face) {
  facesDisable_ = face;
  DoRedrawButton();
}

void TTrifaceBtn::SetNoFocusRect(bool noFocusRect) {
  noFocusRect_ = noFocusRect;
  // The focus marks would sit on the cut-away corners of a shaped button.
  if (!noFocusRect_ && autoShape_) {
    autoShape_ = false;
    DoShapeButton();
  }
  DoRedrawButton();
}

void TTrifaceBtn::SetAutoShape(bool autoShape) {
  if (autoShape && faces_.isNull()) return;
  autoShape_ = autoShape;
  if (autoShape_) noFocusRect_ = true;
  DoShapeButton();
  DoRedrawButton();
}

void TTrifaceBtn::SetTransColor(const QColor& color) {
  transColor_ = color;
  DoShapeButton();
  DoRedrawButton();
}

void TTrifaceBtn::SetTransTolerance(int tolerance) {
  transTolerance_ = std::clamp(tolerance, 0, kMaxTolerance);
  DoShapeButton();
  DoRedrawButton();
}

void TTrifaceBtn::SetBounds(int left, int top, int width, int height) {
  if (autoShape_ && !faces_.isNull()) {
    width = faces_.width();
    height = faces_.height();
  }
  setGeometry(left, top, width, height);
}

QSize TTrifaceBtn::sizeHint() const {
  return faces_.isNull() ? TColorButton::sizeHint() : faces_.size();
}

const QImage& TTrifaceBtn::ChosenFace(DrawState state) const {
  const QImage* face = &faces_;
  if (state & kDrawDisabled) {
    face = &facesDisable_;
  } else if (state & kDrawSelected) {
    face = &facesDown_;
  } else if (hover_) {
    face = &facesOver_;
  }
  return face->isNull() ? faces_ : *face;
}

QImage TTrifaceBtn::FaceFor(DrawState state) const { return ChosenFace(state); }

void TTrifaceBtn::DoDrawButtonFace(QPainter& canvas, DrawState state) {
  const QImage face = FaceFor(state);
  if (face.isNull()) {
    TColorButton::DoDrawButtonFace(canvas, state);
    return;
  }
  canvas.drawImage(rect(), face);
  if (!noFocusRect_ && (state & (kDrawFocus | kDrawDefault))) DrawFocusMarks(canvas);
  if (noFocusRect_ && keyboardFocus_ && hasFocus()) DrawKeyboardFocus(canvas);
}

void TTrifaceBtn::DrawKeyboardFocus(QPainter& canvas) const {
  canvas.save();
  canvas.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawRect(rect().adjusted(1, 1, -1, -1));
  canvas.restore();
}

void TTrifaceBtn::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                   reason == Qt::ShortcutFocusReason;
  TColorButton::focusInEvent(event);
}

void TTrifaceBtn::focusOutEvent(QFocusEvent* event) {
  keyboardFocus_ = false;
  TColorButton::focusOutEvent(event);
}

void TTrifaceBtn::DoDrawButtonText(QPainter& canvas, DrawState state) {
  // Over a picture the corner marks show the focus, not a dotted rectangle.
  if (!ChosenFace(state).isNull()) state &= ~DrawState(kDrawFocus);
  TColorButton::DoDrawButtonText(canvas, state);
}

void TTrifaceBtn::DoRedrawButton() {
  // A shaped button shows its parent through the cut-away parts, so the
  // parent repaints the whole area along with the button.
  QWidget* parent = parentWidget();
  if (parent != nullptr && !isWindow()) {
    parent->update(geometry());
  } else {
    update();
  }
}

void TTrifaceBtn::DoShapeButton() {
  if (!autoShape_ || faces_.isNull()) {
    clearMask();
    LockSize(false);
    return;
  }
  LockSize(true);
  QRegion shape = FaceRegion(DoCreateDIBSection(), transColor_, transTolerance_);
  // Qt reads an empty mask as no mask at all; a face that is see-through
  // everywhere must leave nothing to see or click.
  if (shape.isEmpty()) shape = QRegion(-1, -1, 1, 1);
  setMask(shape);
}

QImage TTrifaceBtn::DoCreateDIBSection() const {
  QImage dib = faces_.convertToFormat(QImage::Format_RGB888);
  if (dib.isNull()) throw GraphicsError("Failed to create DIB section.");
  return dib;
}

void TTrifaceBtn::enterEvent(QEnterEvent* event) {
  SetHover(true);
  TColorButton::enterEvent(event);
}

void TTrifaceBtn::leaveEvent(QEvent* event) {
  SetHover(false);
  TColorButton::leaveEvent(event);
}

void TTrifaceBtn::SetHover(bool hover) {
  if (hover_ == hover) return;
  hover_ = hover;
  DoRedrawButton();
}

void TTrifaceBtn::DrawFocusMarks(QPainter& canvas) const {
  const int r = width() - 1;
  const int b = height() - 1;
  const int n = kFocusMarkLength - 1;
  // The caption's colour is the one chosen to stand out on the face.
  canvas.setPen(palette().color(QPalette::ButtonText));
  canvas.drawLine(0, 0, n, 0);
  canvas.drawLine(0, 0, 0, n);
  canvas.drawLine(r - n, 0, r, 0);
  canvas.drawLine(r, 0, r, n);
  canvas.drawLine(0, b, n, b);
  canvas.drawLine(0, b - n, 0, b);
  canvas.drawLine(r - n, b, r, b);
  canvas.drawLine(r, b - n, r, b);
}

void TTrifaceBtn::LockSize(bool lock) {
  if (lock) {
    setFixedSize(faces_.size());
  } else if (sizeLocked_) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  sizeLocked_ = lock;
}
