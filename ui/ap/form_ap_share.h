#pragma once

#include <string>

#include "ui/shell/form_base.h"

class QPushButton;
class TEllipsisLabel;
class TImage;
struct WLProfile;

// Shows an access point's network as a QR code, so that a phone joins it by
// its camera. The code holds the network's name and key; the window shows the
// name only.
class TFormAPShare : public TFormBase {
  Q_OBJECT

 public:
  // Pixels per module of the code.
  static constexpr int kModuleSize = 5;

  TFormAPShare(QWidget* owner, const WLProfile& network);

  // What the code holds.
  const std::string& CodeText() const { return codeText_; }
  // Shows the window modally over its owner's window.
  int Show();

 private:
  std::string codeText_;
  QLabel* lbHint_;
  TImage* imgQRCode_;
  TEllipsisLabel* lblSSID_;
  QPushButton* btnClose_;
};
