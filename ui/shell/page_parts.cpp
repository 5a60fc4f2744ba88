#include "ui/shell/page_parts.h"

#include <algorithm>

#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/property_page_frame.h"
#include "ui/shell/shell_geometry.h"

namespace PageParts {

namespace G = ShellGeometry;

// The heading band starts with a small bar; the text begins after it.
constexpr int kHeadingIndent = 18;
// Room on the right of a heading for a button in the band.
constexpr int kHeadingRightRoom = 44;
constexpr int kHeadingPixelSize = 13;
constexpr int kCaptionPixelSize = 12;
// A value keeps this much room however long a translated caption gets.
constexpr int kMinValueWidth = 96;

TImage* AddBackground(TPropertyPageFrame& page) {
  auto* image = new TImage(&page);
  image->setObjectName(QStringLiteral("ImgBG"));
  image->setGeometry(QRect(QPoint(0, 0), G::kPageSize));
  image->lower();
  return image;
}

void ShowPicture(TImage& image, QStringView picture) {
  if (TFormRes::Instance() == nullptr) return;
  image.SetPictureLater([name = picture.toString()] {
    const TFormRes* res = TFormRes::Instance();
    return res != nullptr ? res->Picture(name) : QImage();
  });
}

TEllipsisLabel* AddHeading(TPropertyPageFrame& page, const char* name, const char* designText,
                           const QRect& card) {
  auto* label = new TEllipsisLabel(QString::fromLatin1(designText), &page);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(card.left() + kHeadingIndent, card.top(),
                     card.width() - kHeadingIndent - kHeadingRightRoom, G::kHeadingHeight);
  label->SetEllipsisEnd(true);
  label->setFont(ArtKit::PixelFont(kHeadingPixelSize, QFont::Bold));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ArtKit::kTealDark);
  label->setPalette(palette);
  return label;
}

TEllipsisLabel* AddCaption(QWidget& page, const char* name, const char* designText) {
  return AddCaption(page, name, QString::fromLatin1(designText));
}

TEllipsisLabel* AddCaption(QWidget& page, const char* name, const QString& designText) {
  auto* caption = new TEllipsisLabel(designText, &page);
  caption->setObjectName(QString::fromLatin1(name));
  caption->SetEllipsisEnd(true);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  caption->setFont(ArtKit::PixelFont(kCaptionPixelSize, QFont::DemiBold));
  QPalette palette = caption->palette();
  palette.setColor(QPalette::WindowText, ArtKit::kSlate);
  caption->setPalette(palette);
  return caption;
}

TFABitmapBtn* AddButton(QWidget& page, const char* name) {
  auto* button = new TFABitmapBtn(&page);
  button->setObjectName(QString::fromLatin1(name));
  button->SetNoFocusRect(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setAutoDefault(false);
  return button;
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

}  // namespace PageParts
