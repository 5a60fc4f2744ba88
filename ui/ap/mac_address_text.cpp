#include "ui/ap/mac_address_text.h"

#include <QStringList>

namespace MacAddressText {

namespace {

bool IsHex(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool AllHex(const QString& text) {
  for (QChar c : text) {
    if (!IsHex(c)) return false;
  }
  return true;
}

// The groups joined by the separator, each of 1..longest digits and widened
// to width; nothing when any group does not fit.
std::optional<QString> Groups(const QString& text, QChar separator, int count, int longest) {
  const QStringList groups = text.split(separator);
  if (groups.size() != count) return std::nullopt;
  QString digits;
  for (const QString& group : groups) {
    if (group.isEmpty() || group.size() > longest || !AllHex(group)) return std::nullopt;
    digits += group.rightJustified(longest, u'0');
  }
  return digits;
}

}  // namespace

QString Shown(const uint8_t (&mac)[6]) {
  return QString::asprintf("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                           mac[5]);
}

QString Digits(const uint8_t (&mac)[6]) {
  return QString::asprintf("%02X%02X%02X%02X%02X%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                           mac[5]);
}

Mac FromDigits(const QString& digits) {
  QString text = digits.left(12);
  for (QChar& c : text) {
    if (!IsHex(c)) c = u'0';
  }
  text = text.leftJustified(12, u'0');
  Mac mac{};
  for (std::size_t i = 0; i < mac.size(); ++i) {
    mac[i] = static_cast<uint8_t>(text.mid(static_cast<qsizetype>(i) * 2, 2).toUInt(nullptr, 16));
  }
  return mac;
}

std::optional<QString> Parse(const QString& text) {
  const QString trimmed = text.trimmed();
  std::optional<QString> digits;
  if (trimmed.size() == 12 && AllHex(trimmed)) {
    digits = trimmed;
  } else if (trimmed.contains(u':')) {
    digits = Groups(trimmed, u':', 6, 2);
  } else if (trimmed.contains(u'-')) {
    digits = Groups(trimmed, u'-', 6, 2);
  } else if (trimmed.contains(u'.')) {
    digits = Groups(trimmed, u'.', 3, 4);
  }
  if (digits) *digits = digits->toUpper();
  return digits;
}

}  // namespace MacAddressText
