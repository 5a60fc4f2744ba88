#pragma once

#include <QLineEdit>

// An edit for one MAC address: six pairs shown upper case with ":" between
// them. What is typed that is no hexadecimal digit shows as 0; a whole address
// pasted in any common form replaces the text; pasted text that cannot be
// part of an address is refused.
class TMacEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TMacEdit(QWidget* parent = nullptr);

  // The twelve digit places, blanks included, without the separators.
  QString Digits() const;
  void SetDigits(const QString& digits);

 signals:
  // Pasted text was no address and was not taken.
  void PasteRefused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ShowHexOnly();
  void Paste(const QString& text);

  bool fixing_ = false;
};
