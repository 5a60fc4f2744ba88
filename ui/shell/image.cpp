#include "ui/shell/image.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>

TImage::TImage(QWidget* parent) : QLabel(parent) {}

void TImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  setPixmap(QPixmap::fromImage(picture_));
  if (!picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
}

void TImage::mousePressEvent(QMouseEvent* event) {
  if (!dragsWindow_ || event->button() != Qt::LeftButton) {
    QLabel::mousePressEvent(event);
    return;
  }
  grabOffset_ = event->globalPosition().toPoint() - window()->pos();
  movingByHand_ = false;
  event->accept();
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  if (!dragsWindow_ || !(event->buttons() & Qt::LeftButton)) {
    QLabel::mouseMoveEvent(event);
    return;
  }
  event->accept();
  // The window system moves the window as if its caption were dragged; where
  // it cannot, the window follows the pointer by hand.
  if (!movingByHand_) {
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) return;
    movingByHand_ = true;
  }
  window()->move(event->globalPosition().toPoint() - grabOffset_);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  movingByHand_ = false;
  QLabel::mouseReleaseEvent(event);
}
