#pragma once

#include <QRect>
#include <QStringView>

class TEllipsisLabel;
class TImage;
class TPropertyPageFrame;

// The parts every page is built from: its background picture and the heading
// labels that sit in the heading bands of the background's cards.
namespace PageParts {

// The picture control "ImgBG" covering the page, below everything else.
TImage* AddBackground(TPropertyPageFrame& page);
// Shows the image store's picture of that name, if the store holds one.
void ShowPicture(TImage& image, QStringView picture);
// A heading in the heading band of the card (page coordinates), with its
// design text; the page's string-file section may replace it.
TEllipsisLabel* AddHeading(TPropertyPageFrame& page, const char* name, const char* designText,
                           const QRect& card);
// A caption of a value row, with its design text, cut by an ellipsis when its
// translation is too long for the room the page gives it.
TEllipsisLabel* AddCaption(TPropertyPageFrame& page, const char* name, const char* designText);

}  // namespace PageParts
