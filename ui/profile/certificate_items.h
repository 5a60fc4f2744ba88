#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "adapter/wl_records.h"

class QComboBox;

// Drop-down items that each own a copy of a certificate from the library. An
// item added without an entry (such as "Trust Any") owns none. Clearing the
// list frees the entries with their items.
namespace CertificateItems {

void AddItem(QComboBox& list, const QString& text, const CertificateEntry& entry);
// The selected item's entry; none without a selection or for an item without one.
std::optional<CertificateEntry> SelectedEntry(const QComboBox& list);
// Selects the first item whose entry has exactly these two texts; false,
// leaving the list as it was, without one.
bool SelectByTexts(QComboBox& list, std::string_view text, std::string_view detail);

// A personal certificate as its list shows it: "%s [%s]" from its two texts.
QString PersonalText(const CertificateEntry& entry);
QString TextOf(const CertificateEntry& entry);

}  // namespace CertificateItems
