#pragma once

#include <QImage>
#include <QLabel>
#include <QPoint>

// A picture control. It shows a picture at its logical size, crisp on any
// screen, and can move its borderless window when dragged.
class TImage : public QLabel {
  Q_OBJECT

 public:
  explicit TImage(QWidget* parent = nullptr);

  const QImage& Picture() const { return picture_; }
  // Shows a copy of the picture and takes its size.
  void SetPicture(const QImage& picture);

  bool DragsWindow() const { return dragsWindow_; }
  void SetDragsWindow(bool drags) { dragsWindow_ = drags; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  bool dragsWindow_ = false;
  bool movingByHand_ = false;
  QPoint grabOffset_;  // from the window's corner to the pointer
};
