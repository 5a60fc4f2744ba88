#include "ui/shell/form_msg_box.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "core/fa_global_var.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/image.h"
#include "ui/shell/show_message.h"

namespace {

const char kButtonStyle[] = R"(
TFormMsgBox { background: #ffffff; }
QPushButton {
  border: 1px solid #b0c1d1; border-radius: 5px; padding: 0 10px; color: #212f40;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e0e8ef);
}
QPushButton:hover {
  border-color: #128a9e; color: #0a5e70;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d6ecf1);
}
QPushButton:default {
  border-color: #08505f; color: #ffffff;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2caabc, stop:1 #0b6476);
}
QPushButton:default:hover {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #46ccd8, stop:1 #0e7688);
}
QPushButton:pressed, QPushButton:default:pressed { background: #0a5e70; color: #ffffff; }
QPushButton:focus { border-width: 2px; }
)";

QString ButtonCaption(const char* key, const char* designText) {
  return StringText(QStringLiteral("BtnCaption"), QString::fromLatin1(key),
                    QString::fromLatin1(designText));
}

}  // namespace

TFormMsgBox::TFormMsgBox(QWidget* owner, const QString& text, int flags)
    : TFormBase(owner != nullptr ? owner->window() : nullptr),
      imgIcon_(new TImage(this)),
      lbMsg_(new QLabel(this)),
      btnOk_(new QPushButton(QStringLiteral("OK"), this)),
      btnCancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("FormMsgBox"));
  imgIcon_->setObjectName(QStringLiteral("ImgIcon"));
  lbMsg_->setObjectName(QStringLiteral("LbMsg"));
  btnOk_->setObjectName(QStringLiteral("BtnOk"));
  btnCancel_->setObjectName(QStringLiteral("BtnCancel"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromLocal8Bit(FAGlobal().MsgTitle()));
  setStyleSheet(QString::fromLatin1(kButtonStyle));

  lbMsg_->setTextFormat(Qt::PlainText);
  lbMsg_->setWordWrap(true);
  lbMsg_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  imgIcon_->setAlignment(Qt::AlignCenter);

  PlaceIcon(flags);
  SizeLabel(text);
  PlaceButtons(flags);
  connect(btnOk_, &QPushButton::clicked, this, [this] { done(okResult_); });
  connect(btnCancel_, &QPushButton::clicked, this, [this] { done(cancelResult_); });
}

int TFormMsgBox::Execute() {
  CenterOver(parentWidget());
  const int result = ShowModalTracked();
  QCoreApplication::processEvents();
  return result;
}

void TFormMsgBox::PlaceIcon(int flags) {
  QStyle::StandardPixmap icon;
  switch (flags & 0xF0) {
    case kMbIconStop:
      icon = QStyle::SP_MessageBoxCritical;
      break;
    case kMbIconQuestion:
      icon = QStyle::SP_MessageBoxQuestion;
      break;
    case kMbIconExclamation:
      icon = QStyle::SP_MessageBoxWarning;
      break;
    case kMbIconInformation:
      icon = QStyle::SP_MessageBoxInformation;
      break;
    default:
      imgIcon_->hide();
      lbMsg_->move(kMargin, kMargin);
      return;
  }
  const QSize size(kIconSize, kIconSize);
  imgIcon_->SetPicture(style()->standardIcon(icon).pixmap(size, devicePixelRatio()).toImage());
  imgIcon_->resize(size);
  lbMsg_->move(kMargin + kIconSize + kIconGap, kMargin);
}

void TFormMsgBox::SizeLabel(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
  QStringList lines = shown.split(QLatin1Char('\n'));
  // A break at the very end does not start another line.
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
  qsizetype longest = 0;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i].size() > lines[longest].size()) longest = i;
  }
  const QFontMetrics metrics(lbMsg_->font());
  const int width = metrics.horizontalAdvance(lines[longest] + QStringLiteral("    "));
  const int height = metrics.height() * static_cast<int>(lines.size() + 1);
  lbMsg_->resize(std::max(width, kMinLabelWidth), std::max(height, kMinLabelHeight));
  lbMsg_->setText(shown);
  if (!imgIcon_->isHidden()) {
    imgIcon_->move(kMargin, lbMsg_->y() + (lbMsg_->height() - imgIcon_->height()) / 2);
  }
}

void TFormMsgBox::PlaceButtons(int flags) {
  const int top = lbMsg_->geometry().bottom() + 1 + kButtonGap;
  const int clientWidth = lbMsg_->geometry().right() + 1 + kMargin;
  const int centre = clientWidth / 2;
  btnOk_->resize(kButtonSize);
  btnCancel_->resize(kButtonSize);
  switch (flags & 0x0F) {
    case kMbOkCancel:
    case kMbYesNo: {
      const bool yesNo = (flags & 0x0F) == kMbYesNo;
      btnOk_->setText(yesNo ? ButtonCaption("BtnYes", "Yes") : ButtonCaption("BtnOk", "Ok"));
      btnCancel_->setText(yesNo ? ButtonCaption("BtnNo", "No")
                                : ButtonCaption("BtnCancel", "Cancel"));
      okResult_ = yesNo ? kIdYes : kIdOk;
      cancelResult_ = yesNo ? kIdNo : kIdCancel;
      btnOk_->move(centre - kCentreGap - btnOk_->width(), top);
      btnCancel_->move(centre + kCentreGap, top);
      break;
    }
    default:
      btnOk_->setText(ButtonCaption("BtnOk", "Ok"));
      okResult_ = kIdOk;
      btnOk_->move((clientWidth - btnOk_->width()) / 2, top);
      btnCancel_->hide();
      break;
  }
  btnOk_->setDefault(true);
  setFixedSize(clientWidth, btnOk_->geometry().bottom() + 1 + kMargin);
}
