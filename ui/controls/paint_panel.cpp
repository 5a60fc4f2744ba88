#include "ui/controls/paint_panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

TPaintPanel::TPaintPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
}

void TPaintPanel::SetOnPaint(PaintHandler handler) {
  onPaint_ = std::move(handler);
  update();
}

void TPaintPanel::paintEvent(QPaintEvent* event) {
  if (!onPaint_) {
    QFrame::paintEvent(event);
    return;
  }
  paintedRect_ = event->rect();
  QPainter canvas(this);
  onPaint_(*this, canvas);
}
