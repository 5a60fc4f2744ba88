#include "ui/ap/mac_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>

#include "ui/ap/mac_address_text.h"

namespace {

constexpr QChar kBlank = u' ';
constexpr QChar kSeparator = u':';

bool IsHex(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// Less than an address that could be typed in place: hexadecimal digits,
// blanks and separators only, fewer than twelve digits.
bool IsFragment(const QString& text) {
  static const QRegularExpression fragment(QStringLiteral("^[0-9A-Fa-f:\\-.\\s]*$"));
  static const QRegularExpression digit(QStringLiteral("[0-9A-Fa-f]"));
  return fragment.match(text).hasMatch() && text.count(digit) < 12;
}

}  // namespace

TMacEdit::TMacEdit(QWidget* parent) : QLineEdit(parent) {
  setInputMask(QStringLiteral(">nn:nn:nn:nn:nn:nn;") + kBlank);
  // Dropped text would bypass the paste rules.
  setAcceptDrops(false);
  connect(this, &QLineEdit::textChanged, this, &TMacEdit::ShowHexOnly);
}

QString TMacEdit::Digits() const {
  const QString shown = displayText();
  QString digits;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    if (i % 3 != 2) digits += shown.at(i);
  }
  return digits;
}

void TMacEdit::SetDigits(const QString& digits) { setText(digits); }

void TMacEdit::ShowHexOnly() {
  if (fixing_) return;
  fixing_ = true;
  const QString shown = displayText();
  const int caret = cursorPosition();
  bool fixed = false;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    const QChar c = shown.at(i);
    if (i % 3 == 2 || c == kBlank || IsHex(c)) continue;
    // Only that place: setting the whole text would close up the blanks.
    setSelection(static_cast<int>(i), 1);
    insert(QStringLiteral("0"));
    fixed = true;
  }
  if (fixed) setCursorPosition(caret);
  fixing_ = false;
}

void TMacEdit::Paste(const QString& text) {
  if (const std::optional<QString> digits = MacAddressText::Parse(text)) {
    SetDigits(*digits);
    setCursorPosition(static_cast<int>(displayText().size()));
  } else if (IsFragment(text)) {
    insert(text);
  } else {
    emit PasteRefused();
  }
}

void TMacEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
    Paste(QGuiApplication::clipboard()->text());
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TMacEdit::mouseReleaseEvent(QMouseEvent* event) {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    Paste(clipboard->text(QClipboard::Selection));
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TMacEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, this,
            [this] { Paste(QGuiApplication::clipboard()->text()); });
  }
  menu->popup(event->globalPos());
}
