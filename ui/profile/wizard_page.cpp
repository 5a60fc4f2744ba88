#include "ui/profile/wizard_page.h"

#include <QKeyEvent>

#include "ui/controls/fa_bitmap_btn.h"
#include "ui/shell/art_buttons.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;

struct ButtonLook {
  const char* name;
  const char16_t* face;
  const char16_t* hover;
  const char* word;  // on the face
};

const ButtonLook kLooks[TWizardPage::kButtonCount] = {
    {"BtnBack", u"ImgBtnBack", u"ImgBtnBackOn", "Back"},
    {"BtnNext", u"ImgBtnNext", u"ImgBtnNextOn", "Next"},
    {"BtnSave", u"ImgBtnSave", u"ImgBtnSaveOn", "Save"},
    {"BtnExit", u"ImgBtnExit", u"ImgBtnExitOn", "Exit"},
    {"BtnActNow", u"ImgBtnActnow", u"ImgBtnActnowOn", "Activate Now"},
    {"BtnActLater", u"ImgBtnActlater", u"ImgBtnActlaterOn", "Activate Later"},
};

// The buttons stand in one row in the card's button bar, ending here.
constexpr int kButtonsRight = G::kCardFull.right() + 1 - 12;
constexpr int kButtonGap = 8;

const QImage& Picture(QStringView name) {
  static const QImage none;
  const TFormRes* res = TFormRes::Instance();
  return res != nullptr ? res->Picture(name) : none;
}

}  // namespace

TWizardPage::TWizardPage(const char* name, const char* section, QWidget* parent)
    : TPropertyPageFrame(parent), section_(QString::fromLatin1(section)) {
  setObjectName(QString::fromLatin1(name));
  resize(G::kPageSize);
}

TWizardPage::TWizardPage(const char* name, const char* section, int buttons, QWidget* parent)
    : TWizardPage(name, section, parent) {
  AddWizardButtons(buttons);
}

TFABitmapBtn* TWizardPage::WizardButton(Button button) const {
  return button >= 0 && button < kButtonCount ? buttons_[button] : nullptr;
}

void TWizardPage::AddWizardButtons(int buttons) {
  for (int i = 0; i < kButtonCount; ++i) {
    if ((buttons & (1 << i)) == 0) continue;
    auto* button = new TFABitmapBtn(this);
    button->setObjectName(QString::fromLatin1(kLooks[i].name));
    button->SetNoFocusRect(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    connect(button, &TFABitmapBtn::clicked, this, [this, i] { emit WizardButtonClicked(i); });
    buttons_[static_cast<std::size_t>(i)] = button;
  }
}

void TWizardPage::InitPage() {
  LoadStrings(section_);
  const int top =
      G::kButtonBarTop + (G::kCardFull.bottom() + 1 - G::kButtonBarTop - G::kPageButtonHeight) / 2;
  int right = kButtonsRight;
  for (int i = kButtonCount - 1; i >= 0; --i) {
    TFABitmapBtn* button = buttons_[static_cast<std::size_t>(i)];
    if (button == nullptr) continue;
    const QImage& face = Picture(kLooks[i].face);
    button->SetFaces(face);
    button->SetFacesOver(Picture(kLooks[i].hover));
    button->SetFacesDisable(ArtButtons::DisabledFace(face));
    if (!face.isNull()) button->resize(face.deviceIndependentSize().toSize());
    SetAccessibleNameFromStrings(*button, section_, QString::fromLatin1(kLooks[i].word));
    button->move(right - button->width(), top);
    right -= button->width() + kButtonGap;
  }
}

void TWizardPage::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
  } else if (event == kAdapterDetached) {
    adapter_ = nullptr;
  }
}

bool TWizardPage::Press(Button button) {
  TFABitmapBtn* target = WizardButton(button);
  if (target == nullptr) return false;
  if (target->isEnabled()) target->click();
  return true;
}

void TWizardPage::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (Press(kNext) || Press(kSave)) return;
      break;
    case Qt::Key_Escape:
      if (Press(kExit) || Press(kActLater)) return;
      break;
    default:
      break;
  }
  TPropertyPageFrame::keyPressEvent(event);
}
