#include "ui/ap/form_ap_share.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/fa_global_var.h"
#include "model/wifi_qr_text.h"
#include "model/wl_profile.h"
#include "ui/ap/qr_code_image.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/image.h"
#include "ui/shell/ssid_text.h"

namespace {

const QString kSection = QStringLiteral("FormAPShare");
constexpr int kMargin = 16;
constexpr int kMinWidth = 300;
constexpr int kHintHeight = 36;
constexpr int kSsidHeight = 22;
constexpr QSize kButtonSize(84, 26);

const char kStyle[] = R"(
TFormAPShare { background: #ffffff; }
QPushButton {
  border: 1px solid #08505f; border-radius: 5px; padding: 0 10px; color: #ffffff;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2caabc, stop:1 #0b6476);
}
QPushButton:hover {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #46ccd8, stop:1 #0e7688);
}
QPushButton:pressed { background: #0a5e70; }
QPushButton:focus { border-width: 2px; }
)";

}  // namespace

TFormAPShare::TFormAPShare(QWidget* owner, const WLProfile& network)
    : TFormBase(owner != nullptr ? owner->window() : nullptr),
      codeText_(WifiQrText(network)),
      lbHint_(new QLabel(QStringLiteral("Point a phone's camera at the code to join this network."),
                         this)),
      imgQRCode_(new TImage(this)),
      lblSSID_(new TEllipsisLabel(this)),
      btnClose_(new QPushButton(QStringLiteral("Close"), this)) {
  setObjectName(kSection);
  lbHint_->setObjectName(QStringLiteral("LbHint"));
  imgQRCode_->setObjectName(QStringLiteral("ImgQRCode"));
  lblSSID_->setObjectName(QStringLiteral("LblSSID"));
  btnClose_->setObjectName(QStringLiteral("BtnClose"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromLocal8Bit(FAGlobal().AppTitle()));
  setStyleSheet(QString::fromLatin1(kStyle));

  LoadStrings(kSection);
  // The name is the network's own, never a text of the string file.
  lblSSID_->setText(SsidDisplayText(network.Ssid1, sizeof network.Ssid1));
  btnClose_->setText(StringText(kSection, btnClose_->objectName(), btnClose_->text()));
  SetAccessibleNameFromStrings(*imgQRCode_, kSection, QStringLiteral("QR code"));
  imgQRCode_->SetPicture(QrCodeImage(codeText_, kModuleSize));

  const int width = std::max(kMinWidth, imgQRCode_->width() + 2 * kMargin);
  lbHint_->setWordWrap(true);
  lbHint_->setAlignment(Qt::AlignCenter);
  lbHint_->setFont(ArtKit::PixelFont(12));
  lbHint_->setGeometry(kMargin, kMargin, width - 2 * kMargin, kHintHeight);
  imgQRCode_->move((width - imgQRCode_->width()) / 2, lbHint_->geometry().bottom() + 8);
  lblSSID_->SetEllipsisEnd(true);
  lblSSID_->setAlignment(Qt::AlignCenter);
  lblSSID_->setFont(ArtKit::PixelFont(14, QFont::Bold));
  lblSSID_->setGeometry(kMargin, imgQRCode_->geometry().bottom() + 8, width - 2 * kMargin,
                        kSsidHeight);
  btnClose_->setGeometry(QRect(
      QPoint((width - kButtonSize.width()) / 2, lblSSID_->geometry().bottom() + 12), kButtonSize));
  btnClose_->setDefault(true);
  connect(btnClose_, &QPushButton::clicked, this, [this] { done(kMrOk); });
  setFixedSize(width, btnClose_->geometry().bottom() + 1 + kMargin);
}

int TFormAPShare::Show() {
  CenterOver(parentWidget());
  return ShowModalTracked();
}
