#pragma once

#include <QFrame>
#include <functional>

class QPainter;

// A raised panel whose owner can take over its painting.
class TPaintPanel : public QFrame {
  Q_OBJECT

 public:
  using PaintHandler = std::function<void(TPaintPanel& sender, QPainter& canvas)>;

  explicit TPaintPanel(QWidget* parent = nullptr);

  // While a handler is set, it paints the panel instead of the panel itself.
  void SetOnPaint(PaintHandler handler);
  bool HasOnPaint() const { return static_cast<bool>(onPaint_); }
  // While the handler runs: the part of the panel being painted.
  const QRect& PaintedRect() const { return paintedRect_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PaintHandler onPaint_;
  QRect paintedRect_;
};
