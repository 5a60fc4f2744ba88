#include "ui/controls/triface_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextDocument>

namespace {

// Screen readers meet the label as the button it acts as.
class TrifaceLabelAccessible : public QAccessibleWidget {
 public:
  explicit TrifaceLabelAccessible(TTrifaceLabel* label)
      : QAccessibleWidget(label, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->text();
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == pressAction()) {
      Label()->Activate();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  TTrifaceLabel* Label() const { return static_cast<TTrifaceLabel*>(widget()); }
};

QAccessibleInterface* TrifaceLabelAccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(TTrifaceLabel::staticMetaObject.className())) return nullptr;
  auto* label = qobject_cast<TTrifaceLabel*>(object);
  return label == nullptr ? nullptr : new TrifaceLabelAccessible(label);
}

void InstallAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(TrifaceLabelAccessibleFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

}  // namespace

TTrifaceLabel::TTrifaceLabel(QWidget* parent) : TTrifaceLabel(QString(), parent) {}

TTrifaceLabel::TTrifaceLabel(const QString& text, QWidget* parent)
    : TEllipsisLabel(text, parent),
      fontCrNormal_(palette().color(foregroundRole())),
      fontCrOver_(fontCrNormal_),
      fontCrDown_(fontCrNormal_) {
  InstallAccessibleFactory();
  setMouseTracking(true);
  setFocusPolicy(Qt::TabFocus);
}

void TTrifaceLabel::SetFontCr(int which, const QColor& color) {
  switch (which) {
    case kFontCrNormal:
      fontCrNormal_ = color;
      break;
    case kFontCrOver:
      fontCrOver_ = color;
      break;
    case kFontCrDown:
      fontCrDown_ = color;
      break;
    default:
      break;
  }
  update();
}

void TTrifaceLabel::SetOffsetTop(int pixels) {
  offsetTop_ = pixels;
  update();
}

QColor TTrifaceLabel::StateColor() const {
  switch (state_) {
    case kStateHover:
      return fontCrOver_;
    case kStatePressed:
      return fontCrDown_;
    default:
      return fontCrNormal_;
  }
}

void TTrifaceLabel::Click() { emit clicked(); }

void TTrifaceLabel::Activate() {
  emit pressed();
  Click();
}

void TTrifaceLabel::SetState(int state) {
  if (state_ == state) return;
  state_ = state;
  update();
}

void TTrifaceLabel::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  drawFrame(&canvas);
  canvas.setClipRect(rect());
  QPalette colours = palette();
  colours.setColor(QPalette::Active, foregroundRole(), StateColor());
  colours.setColor(QPalette::Inactive, foregroundRole(), StateColor());
  DrawLabelText(canvas, TextArea().translated(0, offsetTop_), colours);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &canvas, this);
  }
}

bool TTrifaceLabel::event(QEvent* event) {
  if (event->type() != QEvent::Polish) return TEllipsisLabel::event(event);
  // QLabel gives every label that takes focus a rich-text editor of its own,
  // at polish, on a new text and on focus; its first layout loads the font
  // database before the window is even mapped. This label paints its own
  // text and needs none: it is polished as a label without focus, and loses
  // an editor a new text gave it before.
  const Qt::FocusPolicy policy = focusPolicy();
  setFocusPolicy(Qt::NoFocus);
  if (findChild<QTextDocument*>() != nullptr) {
    const QString shown = text();
    clear();
    setText(shown);
  }
  const bool handled = TEllipsisLabel::event(event);
  setFocusPolicy(policy);
  return handled;
}

void TTrifaceLabel::focusInEvent(QFocusEvent* event) { QWidget::focusInEvent(event); }

void TTrifaceLabel::enterEvent(QEnterEvent* event) {
  if (state_ == kStateNormal) SetState(kStateHover);
  TEllipsisLabel::enterEvent(event);
}

void TTrifaceLabel::leaveEvent(QEvent* event) {
  if (state_ == kStateHover) SetState(kStateNormal);
  TEllipsisLabel::leaveEvent(event);
}

void TTrifaceLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  SetState(kStatePressed);
  emit pressed();
}

void TTrifaceLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool wasPressed = state_ == kStatePressed;
  const bool inside = rect().contains(event->position().toPoint());
  SetState(inside ? kStateHover : kStateNormal);
  if (inside && wasPressed) Click();
}

void TTrifaceLabel::mouseMoveEvent(QMouseEvent* event) {
  if (state_ == kStateNormal) {
    SetState((event->buttons() & Qt::LeftButton) ? kStatePressed : kStateHover);
  }
  event->accept();
}

void TTrifaceLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!event->isAutoRepeat()) Activate();
      event->accept();
      return;
    default:
      TEllipsisLabel::keyPressEvent(event);
  }
}
