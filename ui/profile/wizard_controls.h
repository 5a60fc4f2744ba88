#pragma once

#include "ui/shell/combo_values.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/page_parts.h"

class QLabel;
class QWidget;
class TEllipsisLabel;

// The controls the wizard pages are made of, looked and placed as on every page.
namespace WizardControls {

using ComboValues::AddItem;
using ComboValues::SelectByValue;
using ComboValues::SelectedValue;
using ComboValues::SelectFirst;
using PageParts::MarkCaptions;
using PageParts::PlaceRows;

// A field caption in the pages' caption look.
inline TEllipsisLabel* NewCaption(QWidget& page, const char* name, const char* designText) {
  return PageParts::AddCaption(page, name, designText);
}
// A note beside a choice, in a lighter look; it wraps to a second line.
QLabel* NewNote(QWidget& page, const char* name, const char* designText);

inline QString Display(int index) { return DisplayText(index); }

}  // namespace WizardControls
