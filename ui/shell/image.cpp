#include "ui/shell/image.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TImage::TImage(QWidget* parent) : QLabel(parent) {}

const QImage& TImage::Picture() const {
  TakeLaterPicture();
  return picture_;
}

void TImage::SetPicture(const QImage& picture) {
  later_ = nullptr;
  picture_ = picture;
  if (!picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
  updateGeometry();
  update();
}

void TImage::SetPictureLater(std::function<QImage()> source) {
  later_ = std::move(source);
  if (isVisible()) TakeLaterPicture();
}

void TImage::TakeLaterPicture() const {
  if (!later_) return;
  const std::function<QImage()> source = std::move(later_);
  later_ = nullptr;
  const_cast<TImage*>(this)->SetPicture(source());
}

QSize TImage::sizeHint() const {
  TakeLaterPicture();
  return picture_.isNull() ? QLabel::sizeHint() : picture_.deviceIndependentSize().toSize();
}

void TImage::showEvent(QShowEvent* event) {
  TakeLaterPicture();
  QLabel::showEvent(event);
}

void TImage::paintEvent(QPaintEvent* event) {
  if (picture_.isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), picture_);
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
