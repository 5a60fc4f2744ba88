#pragma once

#include <QColor>

#include "ui/controls/ellipsis_label.h"

// A label that acts as a button: its text colour follows the mouse (normal,
// hover, pressed), and a click, Space or Enter activates it.
class TTrifaceLabel : public TEllipsisLabel {
  Q_OBJECT

 public:
  enum State { kStateNormal = 0, kStateHover = 1, kStatePressed = 2 };
  enum FontCrWhich { kFontCrNormal = 1, kFontCrOver = 2, kFontCrDown = 3 };

  explicit TTrifaceLabel(QWidget* parent = nullptr);
  explicit TTrifaceLabel(const QString& text, QWidget* parent = nullptr);

  QColor FontCrNormal() const { return fontCrNormal_; }
  QColor FontCrOver() const { return fontCrOver_; }
  QColor FontCrDown() const { return fontCrDown_; }
  // which: 1 normal, 2 hover, 3 pressed; any other value only repaints.
  void SetFontCr(int which, const QColor& color);

  int OffsetTop() const { return offsetTop_; }
  void SetOffsetTop(int pixels);

  int State() const { return state_; }
  // The font colour of the present state.
  QColor StateColor() const;

  void Click();
  // What a key or a screen reader's press does: the press and the click.
  void Activate();

 signals:
  // The left button went down on it, or a key activated it.
  void pressed();
  void clicked();

 protected:
  bool event(QEvent* event) override;
  // Skips QLabel's, which would build the editor.
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetState(int state);

  QColor fontCrNormal_;
  QColor fontCrOver_;
  QColor fontCrDown_;
  int offsetTop_ = 0;
  int state_ = kStateNormal;
};
