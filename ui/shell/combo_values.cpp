#include "ui/shell/combo_values.h"

#include <QComboBox>

#include "core/utility.h"

namespace ComboValues {

namespace {

// What SelectComboItemByValue expects of a list.
struct ComboAdaptor {
  QComboBox& list;
  int count() const { return list.count(); }
  int32_t value(int i) const { return list.itemData(i).toInt(); }
  void select(int i) { list.setCurrentIndex(i); }
};

}  // namespace

void AddItem(QComboBox& list, const QString& text, int32_t value) {
  list.addItem(text, QVariant(static_cast<int>(value)));
}

int32_t SelectedValue(const QComboBox& list, int32_t none) {
  return list.currentIndex() < 0 ? none : list.currentData().toInt();
}

bool SelectByValue(QComboBox& list, int32_t value) {
  ComboAdaptor adaptor{list};
  return SelectComboItemByValue(adaptor, value);
}

void SelectFirst(QComboBox& list) {
  if (list.count() > 0) list.setCurrentIndex(0);
}

}  // namespace ComboValues
