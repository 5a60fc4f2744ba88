#pragma once

#include <QString>

class QLabel;
class QWidget;

// A text from the string file; an empty or missing key keeps the design text.
// The text is shown as it is, never used as a format.
QString StringText(const QString& section, const QString& key, const QString& designText);

// A string-file text with "%s" for one value, filled in without handing the
// text to printf: a translated text is data, not a format. "%%" is a percent
// sign; any other "%" stays as it is.
QString FillInText(const QString& format, const QString& value);

// Which controls take their texts from the string file.
enum class TextKinds {
  kLabels,       // windows: labels only
  kPageControls  // pages: labels, check boxes, panels and list-view columns
};

// Gives every owned control of those kinds the text of the key named after it
// in the section; list-view columns use the keys "<list>_Col<i>".
void LoadControlTexts(const QWidget& owner, const QString& section, TextKinds kinds);

// A picture button or an acting picture has no text a screen reader could
// read: its accessible name and tooltip come from the key named after the
// component in the section, with the word on its face as the default.
void SetAccessibleNameFromStrings(QWidget& control, const QString& section,
                                  const QString& faceWord);

// A display string (its index in the table the string file fills).
QString DisplayText(int index);

// The width of the label's text, measured as the label draws it.
int LabelTextWidth(const QLabel& label);
