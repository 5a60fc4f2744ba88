#include "ui/controls/secret_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// Keys that do not change an edit's text: they may meet a masked secret
// without emptying it.
bool LeavesTextAlone(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll)) return true;
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Menu:
      return true;
    default:
      return key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35;
  }
}

}  // namespace

TSecretEdit::TSecretEdit(QWidget* parent) : QLineEdit(parent) {
  setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  setDragEnabled(false);
}

void TSecretEdit::SetStoredText(const QString& text) {
  setText(text);
  SetMasked(!text.isEmpty());
}

void TSecretEdit::SetPlainText(const QString& text) {
  setText(text);
  SetMasked(false);
}

bool TSecretEdit::IsMasked() const { return echoMode() == QLineEdit::Password; }

void TSecretEdit::SetMasked(bool masked) {
  setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
  // A masked secret is never edited in part: no pasting or dropping into it.
  setContextMenuPolicy(masked ? Qt::NoContextMenu : Qt::DefaultContextMenu);
  setAcceptDrops(!masked);
}

void TSecretEdit::ClearStored() {
  // setText, unlike clear, forgets the undo history, so Undo cannot bring the secret back.
  setText(QString());
  SetMasked(false);
  emit StoredSecretCleared();
}

void TSecretEdit::keyPressEvent(QKeyEvent* event) {
  if (IsMasked() && !LeavesTextAlone(*event)) ClearStored();
  QLineEdit::keyPressEvent(event);
}

void TSecretEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (IsMasked() && !event->commitString().isEmpty()) ClearStored();
  QLineEdit::inputMethodEvent(event);
}

void TSecretEdit::mousePressEvent(QMouseEvent* event) {
  // The middle button pastes the selection on X11.
  if (IsMasked() && event->button() == Qt::MiddleButton) ClearStored();
  QLineEdit::mousePressEvent(event);
}

QVariant TSecretEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (IsMasked()) {
    switch (query) {
      case Qt::ImSurroundingText:
      case Qt::ImCurrentSelection:
      case Qt::ImTextBeforeCursor:
      case Qt::ImTextAfterCursor:
        return QString();
      default:
        break;
    }
  }
  return QLineEdit::inputMethodQuery(query);
}
