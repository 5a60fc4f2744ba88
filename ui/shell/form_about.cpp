#include "ui/shell/form_about.h"

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/utility.h"
#include "platform/program_file.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/triface_btn.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FormAbout");
const QString kUtility = QStringLiteral("Utility");

void Colour(QWidget& label, const QColor& colour, int pixelSize, QFont::Weight weight) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
  label.setFont(ArtKit::PixelFont(pixelSize, weight));
}

}  // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : TFormBase(parent),
      imgBG_(new TImage(this)),
      lbProduct_(NewLabel("LbProduct", "", QRect(92, 18, 268, 52))),
      lbCopyright_(NewLabel("LbCopyright", "Copyright (C) Or-Vane", QRect(24, 102, 352, 18))),
      lbRight_(NewLabel("LbRight", "All rights reserved.", QRect(24, 122, 352, 18))),
      lbDriverVer_(NewLabel("LbDriverVer", "Driver Version", QRect(28, 187, 128, 20))),
      lbUtilityVer_(NewLabel("LbUtilityVer", "Utility Version", QRect(28, 163, 128, 20))),
      lblDriverVer_(NewLabel("LblDriverVer", "1.0.0.0", QRect(160, 187, 212, 20))),
      lblUtilityVer_(NewLabel("LblUtilityVer", "1.0.0", QRect(160, 163, 212, 20))),
      btnClose_(new TTrifaceBtn(this)) {
  setObjectName(kSection);
  imgBG_->setObjectName(QStringLiteral("ImgBG"));
  imgBG_->SetDragsWindow(true);
  imgBG_->lower();
  btnClose_->setObjectName(QStringLiteral("BtnClose"));
  btnClose_->setGeometry(G::kAboutCloseRect);
  btnClose_->SetNoFocusRect(true);
  connect(btnClose_, &TTrifaceBtn::clicked, this, [this] { done(kMrOk); });
  SetAccessibleNameFromStrings(*btnClose_, kSection, QStringLiteral("Close"));

  // A long product name takes a second line rather than being cut short.
  Colour(*lbProduct_, Qt::white, 17, QFont::Bold);
  lbProduct_->setWordWrap(true);
  lbProduct_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (TEllipsisLabel* line : {lbCopyright_, lbRight_})
    Colour(*line, ArtKit::kSlate, 12, QFont::Normal);
  for (TEllipsisLabel* caption : {lbDriverVer_, lbUtilityVer_}) {
    Colour(*caption, ArtKit::kSlate, 12, QFont::DemiBold);
  }
  for (TEllipsisLabel* value : {lblDriverVer_, lblUtilityVer_}) {
    Colour(*value, ArtKit::kInk, 12, QFont::Normal);
  }

  ApplyLayout(this, kSection);
  LoadStrings(kSection);
  const QString appTitle = QString::fromLocal8Bit(FAGlobal().AppTitle());
  setWindowTitle(appTitle);
  lbProduct_->setText(StringText(kUtility, QStringLiteral("ProductName"), appTitle));
  lbCopyright_->setText(StringText(kUtility, QStringLiteral("Copyright1"), lbCopyright_->text()));
  lbRight_->setText(StringText(kUtility, QStringLiteral("Copyright2"), lbRight_->text()));

  if (const TFormRes* res = TFormRes::Instance()) {
    imgBG_->SetPicture(res->Picture(u"ImgAboutBG"));
    btnClose_->SetFaces(res->Picture(u"ImgBtnCloseN"));
    btnClose_->SetFacesOver(res->Picture(u"ImgBtnCloseH"));
    btnClose_->SetFacesDown(res->Picture(u"ImgBtnCloseH"));
  }
  setFixedSize(imgBG_->Picture().isNull() ? G::kAboutClientSize : imgBG_->size());

  lblDriverVer_->clear();
  const std::string ownVersion = FileVersionText(RunningProgramPath(), 3);
  lblUtilityVer_->setText(
      StringText(kUtility, QStringLiteral("UtilityVer"), QString::fromLocal8Bit(ownVersion)));
}

int TFormAbout::Show(QWidget* mainWindow, CNICAdapter* adapter) {
  if (adapter != nullptr) {
    lblDriverVer_->setText(StringText(kUtility, QStringLiteral("DriverVer"),
                                      QString::fromLocal8Bit(adapter->DriverVersion())));
  }
  CenterOver(mainWindow);
  return ShowModalTracked();
}

TEllipsisLabel* TFormAbout::NewLabel(const char* name, const char* designText,
                                     const QRect& bounds) {
  auto* label = new TEllipsisLabel(QString::fromLatin1(designText), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(bounds);
  label->SetEllipsisEnd(true);
  // The labels let a drag fall through to the background, which moves the box.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}
