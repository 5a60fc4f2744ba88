#include "ui/shell/owned_controls.h"

#include <QWidget>

#include "ui/shell/property_page_frame.h"

namespace {

void Collect(const QWidget& parent, QList<QWidget*>& out) {
  for (QObject* child : parent.children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (control == nullptr || control->isWindow()) continue;
    out.append(control);
    if (!OwnsControls(*control)) Collect(*control, out);
  }
}

}  // namespace

QList<QWidget*> OwnedControls(const QWidget& owner) {
  QList<QWidget*> controls;
  Collect(owner, controls);
  return controls;
}

bool OwnsControls(const QWidget& control) {
  return qobject_cast<const TPropertyPageFrame*>(&control) != nullptr;
}
