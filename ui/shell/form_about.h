#pragma once

#include "ui/shell/form_base.h"

class CNICAdapter;
class TEllipsisLabel;
class TImage;
class TTrifaceBtn;

// The about box: product, copyright lines, the utility's own version and,
// with an adapter, the driver's. It has no frame and moves when its
// background is dragged.
class TFormAbout : public TFormBase {
  Q_OBJECT

 public:
  explicit TFormAbout(QWidget* parent = nullptr);

  // Shows the box modally over the main window; the adapter manager may be none.
  int Show(QWidget* mainWindow, CNICAdapter* adapter);

 private:
  TEllipsisLabel* NewLabel(const char* name, const char* designText, const QRect& bounds);

  TImage* imgBG_;
  TEllipsisLabel* lbProduct_;
  TEllipsisLabel* lbCopyright_;
  TEllipsisLabel* lbRight_;
  TEllipsisLabel* lbDriverVer_;
  TEllipsisLabel* lbUtilityVer_;
  TEllipsisLabel* lblDriverVer_;
  TEllipsisLabel* lblUtilityVer_;
  TTrifaceBtn* btnClose_;
};
