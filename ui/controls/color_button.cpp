#include "ui/controls/color_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

constexpr int kGlyphGap = 4;
constexpr int kFocusInset = 4;

}  // namespace

TColorButton::TColorButton(QWidget* parent)
    : QPushButton(parent),
      colorHi_(palette().color(QPalette::Light)),
      colorLo_(palette().color(QPalette::Dark)) {}

void TColorButton::SetColorHi(const QColor& color) {
  colorHi_ = color;
  update();
}

void TColorButton::SetColorLo(const QColor& color) {
  colorLo_ = color;
  update();
}

void TColorButton::SetGlyphs(const QList<QImage>& glyphs) {
  glyphs_ = glyphs;
  update();
}

void TColorButton::SetGlyphIndex(int index) {
  glyphIndex_ = index;
  update();
}

TColorButton::DrawState TColorButton::CurrentDrawState() const {
  DrawState state;
  if (!isEnabled()) state |= kDrawDisabled;
  if (isDown() || isChecked()) state |= kDrawSelected;
  if (hasFocus()) state |= kDrawFocus;
  if (isDefault()) state |= kDrawDefault;
  return state;
}

void TColorButton::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  const DrawState state = CurrentDrawState();
  DoDrawButtonFace(canvas, state);
  DoDrawButtonGlyph(canvas, state);
  DoDrawButtonText(canvas, state);
}

void TColorButton::keyPressEvent(QKeyEvent* event) {
  // Outside dialogs Qt leaves Enter to the window; here it presses the
  // focused button, as Space does.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
    click();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void TColorButton::DoDrawButtonFace(QPainter& canvas, DrawState state) {
  const QColor frame = palette().color(QPalette::Shadow);
  QRect face = rect();
  canvas.setBrush(Qt::NoBrush);
  if (state & (kDrawFocus | kDrawDefault)) {
    canvas.setPen(frame);
    canvas.drawRect(face.adjusted(0, 0, -1, -1));
    face.adjust(1, 1, -1, -1);
  }
  canvas.fillRect(face, palette().button());
  if (state & kDrawSelected) {
    canvas.setPen(colorLo_);
    canvas.drawRect(face.adjusted(0, 0, -1, -1));
    return;
  }
  const int l = face.left(), t = face.top(), r = face.right(), b = face.bottom();
  canvas.setPen(colorHi_);
  canvas.drawLine(l, t, r - 1, t);
  canvas.drawLine(l, t, l, b - 1);
  canvas.setPen(frame);
  canvas.drawLine(l, b, r, b);
  canvas.drawLine(r, t, r, b);
  canvas.setPen(colorLo_);
  canvas.drawLine(l + 1, b - 1, r - 1, b - 1);
  canvas.drawLine(r - 1, t + 1, r - 1, b - 1);
}

void TColorButton::DoDrawButtonText(QPainter& canvas, DrawState state) {
  QPalette colours = palette();
  if (state & kDrawDisabled) colours.setCurrentColorGroup(QPalette::Disabled);
  const int align = Qt::TextShowMnemonic | Qt::AlignVCenter |
                    (CurrentGlyph().isNull() ? Qt::AlignHCenter : Qt::AlignLeft);
  canvas.setFont(font());
  style()->drawItemText(&canvas, TextRect(state), align, colours, !(state & kDrawDisabled), text(),
                        QPalette::ButtonText);
  if (state & kDrawFocus) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    option.backgroundColor = palette().color(QPalette::Button);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &canvas, this);
  }
}

void TColorButton::DoDrawButtonGlyph(QPainter& canvas, DrawState state) {
  const QImage glyph = CurrentGlyph();
  if (glyph.isNull()) return;
  if (state & kDrawDisabled) {
    QStyleOption option;
    option.initFrom(this);
    const QPixmap greyed =
        style()->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(glyph), &option);
    canvas.drawPixmap(GlyphRect(state).topLeft(), greyed);
    return;
  }
  canvas.drawImage(GlyphRect(state).topLeft(), glyph);
}

QImage TColorButton::CurrentGlyph() const {
  if (glyphIndex_ < 0 || glyphIndex_ >= glyphs_.size()) return {};
  return glyphs_.at(glyphIndex_);
}

QRect TColorButton::GlyphRect(DrawState state) const {
  const QImage glyph = CurrentGlyph();
  const int textWidth =
      text().isEmpty() ? 0 : fontMetrics().size(Qt::TextShowMnemonic, text()).width() + kGlyphGap;
  const int left = std::max(kGlyphGap, (width() - glyph.width() - textWidth) / 2);
  QRect area(left, (height() - glyph.height()) / 2, glyph.width(), glyph.height());
  if (state & kDrawSelected) area.translate(1, 1);
  return area;
}

QRect TColorButton::TextRect(DrawState state) const {
  QRect area = rect();
  if (!CurrentGlyph().isNull()) area.setLeft(GlyphRect({}).right() + 1 + kGlyphGap);
  if (state & kDrawSelected) area.translate(1, 1);
  return area;
}
