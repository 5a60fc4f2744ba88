#include "ui/profile/wizard_controls.h"

#include <QLabel>

#include "ui/shell/art_kit.h"

namespace WizardControls {

namespace {

constexpr int kNotePixelSize = 11;

}  // namespace

QLabel* NewNote(QWidget& page, const char* name, const char* designText) {
  auto* note = new QLabel(QString::fromLatin1(designText), &page);
  note->setObjectName(QString::fromLatin1(name));
  // A note is read whole: a long one takes a second line rather than an ellipsis.
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  note->setFont(ArtKit::PixelFont(kNotePixelSize));
  QPalette palette = note->palette();
  palette.setColor(QPalette::WindowText, ArtKit::kSlate);
  note->setPalette(palette);
  return note;
}

}  // namespace WizardControls
