#include "ui/profile/certificate_items.h"

#include <QComboBox>
#include <QVariant>

#include "platform/text.h"

namespace CertificateItems {

namespace {

bool HoldsEntry(const QVariant& data) {
  return data.metaType() == QMetaType::fromType<CertificateEntry>();
}

}  // namespace

void AddItem(QComboBox& list, const QString& text, const CertificateEntry& entry) {
  list.addItem(text, QVariant::fromValue(entry));
}

std::optional<CertificateEntry> SelectedEntry(const QComboBox& list) {
  const QVariant data = list.currentData();
  if (!HoldsEntry(data)) return std::nullopt;
  return data.value<CertificateEntry>();
}

bool SelectByTexts(QComboBox& list, std::string_view text, std::string_view detail) {
  for (int i = 0; i < list.count(); ++i) {
    const QVariant data = list.itemData(i);
    if (!HoldsEntry(data)) continue;
    const auto entry = data.value<CertificateEntry>();
    // Texts compare as the library gave their bytes.
    if (::TextOf(entry.Text) == text && ::TextOf(entry.Detail) == detail) {
      list.setCurrentIndex(i);
      return true;
    }
  }
  return false;
}

QString PersonalText(const CertificateEntry& entry) {
  return TextOf(entry) + QStringLiteral(" [") + QString::fromLocal8Bit(::TextOf(entry.Detail)) +
         QLatin1Char(']');
}

QString TextOf(const CertificateEntry& entry) {
  return QString::fromLocal8Bit(::TextOf(entry.Text));
}

}  // namespace CertificateItems
