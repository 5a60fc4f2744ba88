#pragma once

#include <QImage>
#include <QLabel>
#include <QPoint>
#include <functional>

// A picture control. It shows a picture at its logical size, crisp on any
// screen, and can move its borderless window when dragged.
class TImage : public QLabel {
  Q_OBJECT

 public:
  explicit TImage(QWidget* parent = nullptr);

  // The picture shown; one still to come is taken now.
  const QImage& Picture() const;
  // Shows a copy of the picture and takes its size.
  void SetPicture(const QImage& picture);
  // Takes the picture from the source when the control is first shown, so a
  // page nobody opens never draws its picture.
  void SetPictureLater(std::function<QImage()> source);
  QSize sizeHint() const override;

  bool DragsWindow() const { return dragsWindow_; }
  void SetDragsWindow(bool drags) { dragsWindow_ = drags; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void TakeLaterPicture() const;

  // Painted straight from the image: a pixmap would hold a second copy.
  mutable QImage picture_;
  mutable std::function<QImage()> later_;
  bool dragsWindow_ = false;
  bool movingByHand_ = false;
  QPoint grabOffset_;  // from the window's corner to the pointer
};
