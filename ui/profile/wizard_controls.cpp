#include "ui/profile/wizard_controls.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "core/fa_global_var.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/property_page_frame.h"

namespace WizardControls {

namespace {

constexpr int kCaptionPixelSize = 12;
// A control keeps this much room however long a translated caption gets.
constexpr int kMinValueWidth = 96;

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

}  // namespace

TEllipsisLabel* NewCaption(QWidget& page, const char* name, const char* designText) {
  auto* caption = new TEllipsisLabel(QString::fromLatin1(designText), &page);
  caption->setObjectName(QString::fromLatin1(name));
  caption->SetEllipsisEnd(true);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  caption->setFont(ArtKit::PixelFont(kCaptionPixelSize, QFont::DemiBold));
  SetTextColour(*caption, ArtKit::kSlate);
  return caption;
}

QLabel* NewNote(QWidget& page, const char* name, const char* designText) {
  auto* note = new QLabel(QString::fromLatin1(designText), &page);
  note->setObjectName(QString::fromLatin1(name));
  // A note is read whole: a long one takes a second line rather than an ellipsis.
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  note->setFont(ArtKit::PixelFont(kCaptionPixelSize - 1));
  SetTextColour(*note, ArtKit::kSlate);
  return note;
}

void PlaceRows(std::initializer_list<std::pair<QLabel*, QWidget*>> rows, int left, int right) {
  int width = 0;
  for (const auto& [caption, value] : rows) width = std::max(width, LabelTextWidth(*caption) + 6);
  width = std::min(width, right - left - 6 - kMinValueWidth);
  for (const auto& [caption, value] : rows) {
    caption->setGeometry(left, value->y(), width, value->height());
    const int valueLeft = left + width + 6;
    value->setGeometry(valueLeft, value->y(), right - valueLeft, value->height());
  }
}

void MarkCaptions(TPropertyPageFrame& page, std::initializer_list<QWidget*> captions) {
  const TFormRes* res = TFormRes::Instance();
  if (res == nullptr) return;
  for (QWidget* caption : captions) page.AddMarkImage(caption, res->Picture(u"ImgMark"));
}

void AddItem(QComboBox& list, const QString& text, int32_t value) {
  list.addItem(text, QVariant(static_cast<int>(value)));
}

int32_t SelectedValue(const QComboBox& list, int32_t none) {
  return list.currentIndex() < 0 ? none : list.currentData().toInt();
}

bool SelectByValue(QComboBox& list, int32_t value) {
  const int index = list.findData(QVariant(static_cast<int>(value)));
  if (index < 0) return false;
  list.setCurrentIndex(index);
  return true;
}

void SelectFirst(QComboBox& list) {
  if (list.count() > 0) list.setCurrentIndex(0);
}

QString Display(int index) { return QString::fromLocal8Bit(FAGlobal().DisplayString(index)); }

}  // namespace WizardControls
