#pragma once

#include <QLineEdit>

// A line edit for a stored secret (pass phrase, key). A stored secret is shown
// masked, one "*" per character, and never leaves the edit: it cannot be
// copied, cut, dragged, undone into view or read by an input method. The user
// can only replace it: the first key press that would change the text
// (typing, Backspace, Delete, paste, undo, an input-method commit, a middle
// click) empties and unmasks the edit before it is taken. Keys that change
// nothing (Tab, arrows, Copy, Select All...) leave it as it is.
class TSecretEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TSecretEdit(QWidget* parent = nullptr);

  // Shows a stored secret: masked, unless it is empty.
  void SetStoredText(const QString& text);
  // Shows a text the user may read, e.g. keys just made from a pass phrase.
  void SetPlainText(const QString& text);
  // True while the edit shows a stored secret the user has not replaced.
  bool IsMasked() const;
  // Input methods read no text around the cursor of a masked secret.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 signals:
  // The user began replacing the stored secret; the edit is now empty and unmasked.
  void StoredSecretCleared();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void SetMasked(bool masked);
  // Empties and unmasks a masked edit; the stored text leaves the undo history too.
  void ClearStored();
};
