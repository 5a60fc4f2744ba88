#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

class QComboBox;
class QLabel;
class QWidget;
class TEllipsisLabel;
class TPropertyPageFrame;

// The controls the wizard pages are made of, looked and placed alike.
namespace WizardControls {

// A field caption in the pages' caption look.
TEllipsisLabel* NewCaption(QWidget& page, const char* name, const char* designText);
// A note beside a choice, in a lighter look; it wraps to a second line.
QLabel* NewNote(QWidget& page, const char* name, const char* designText);
// Captions in a column, as wide as the widest text, and their controls from 6
// pixels after them to the right edge; every control keeps its own top.
void PlaceRows(std::initializer_list<std::pair<QLabel*, QWidget*>> rows, int left, int right);
// The marks before the captions, once they stand where they belong.
void MarkCaptions(TPropertyPageFrame& page, std::initializer_list<QWidget*> captions);

// Items of fixed lists carry an integer value.
void AddItem(QComboBox& list, const QString& text, int32_t value);
// The chosen item's value, or `none` without a choice.
int32_t SelectedValue(const QComboBox& list, int32_t none);
// Chooses the first item with the value; false, changing nothing, without one.
bool SelectByValue(QComboBox& list, int32_t value);
void SelectFirst(QComboBox& list);

// A display-string text.
QString Display(int index);

}  // namespace WizardControls
