#pragma once

#include "ui/shell/form_base.h"

class QPushButton;
class TImage;

// The utility's own message box: the text sized to its longest line, an icon
// and one or two buttons chosen by the system message-box flags.
class TFormMsgBox : public TFormBase {
  Q_OBJECT

 public:
  static constexpr int kMinLabelWidth = 160;
  static constexpr int kMinLabelHeight = 33;
  static constexpr int kMargin = 16;
  static constexpr int kButtonGap = 8;
  // Two buttons stand this far either side of the centre.
  static constexpr int kCentreGap = 16;
  static constexpr int kIconSize = 32;
  static constexpr int kIconGap = 12;
  static constexpr QSize kButtonSize{84, 26};

  // "\n" sequences in the text become line breaks.
  TFormMsgBox(QWidget* owner, const QString& text, int flags);

  // Shows the box modally, centred over its owner when that is showing, and
  // returns the result of the button pressed (Cancel when closed otherwise).
  int Execute();

 private:
  void SizeLabel(const QString& text);
  void PlaceIcon(int flags);
  void PlaceButtons(int flags);

  TImage* imgIcon_;
  QLabel* lbMsg_;
  QPushButton* btnOk_;
  QPushButton* btnCancel_;
  int okResult_ = 1;
  int cancelResult_ = 2;
};
