#pragma once

#include <QRect>
#include <QStringView>
#include <initializer_list>
#include <utility>

class QLabel;
class QWidget;
class QString;
class TEllipsisLabel;
class TFABitmapBtn;
class TImage;
class TPropertyPageFrame;

// The parts every page is built from: its background picture and the heading
// labels that sit in the heading bands of the background's cards.
namespace PageParts {

// The picture control "ImgBG" covering the page, below everything else.
TImage* AddBackground(TPropertyPageFrame& page);
// Shows the image store's picture of that name, drawn when the page is first shown.
void ShowPicture(TImage& image, QStringView picture);
// A heading in the heading band of the card (page coordinates), with its
// design text; the page's string-file section may replace it.
TEllipsisLabel* AddHeading(TPropertyPageFrame& page, const char* name, const char* designText,
                           const QRect& card);
// A caption of a value row, with its design text, cut by an ellipsis when its
// translation is too long for the room the page gives it.
TEllipsisLabel* AddCaption(QWidget& page, const char* name, const char* designText);
TEllipsisLabel* AddCaption(QWidget& page, const char* name, const QString& designText);
// A picture button of a page: pointing cursor, no focus rectangle drawn over
// its face, never pressed by Enter elsewhere on the page.
TFABitmapBtn* AddButton(QWidget& page, const char* name);
// Captions in a column, as wide as the widest text, and their values from 6
// pixels after them to the right edge; every value keeps its own top and height.
void PlaceRows(std::initializer_list<std::pair<QLabel*, QWidget*>> rows, int left, int right);
// The marks before the captions, once they stand where they belong.
void MarkCaptions(TPropertyPageFrame& page, std::initializer_list<QWidget*> captions);

}  // namespace PageParts
