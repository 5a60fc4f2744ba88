#pragma once

#include <QString>
#include <cstdint>

class QComboBox;

// Drop-down lists whose items carry an integer value beside their text.
namespace ComboValues {

void AddItem(QComboBox& list, const QString& text, int32_t value);
// The selected item's value, or `none` without a selection.
int32_t SelectedValue(const QComboBox& list, int32_t none);
// Selects the first item with that value; false, leaving the list as it was, without one.
bool SelectByValue(QComboBox& list, int32_t value);
void SelectFirst(QComboBox& list);

}  // namespace ComboValues
