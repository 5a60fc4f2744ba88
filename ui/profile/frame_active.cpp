#include "ui/profile/frame_active.h"

#include <QLabel>

#include "ui/shell/art_kit.h"
#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;

// Below the background's emblem, across the card.
constexpr int kMessageTop = 150;
constexpr int kMessageHeight = 48;
constexpr int kMessageMargin = 24;
constexpr int kMessagePixelSize = 15;

}  // namespace

TFrameActive::TFrameActive(QWidget* parent)
    : TWizardPage("FrameActive1", "FrameActive", parent),
      imgBG_(PageParts::AddBackground(*this)),
      lbMsg_(new QLabel(QStringLiteral("Your network has been configured successfully!"), this)) {
  lbMsg_->setObjectName(QStringLiteral("LbMsg"));
  lbMsg_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // A long translation takes a second line rather than running off the card.
  lbMsg_->setWordWrap(true);
  lbMsg_->setFont(ArtKit::PixelFont(kMessagePixelSize, QFont::DemiBold));
  QPalette palette = lbMsg_->palette();
  palette.setColor(QPalette::WindowText, ArtKit::kTealDark);
  lbMsg_->setPalette(palette);
  lbMsg_->setGeometry(G::kCardFull.left() + kMessageMargin, kMessageTop,
                      G::kCardFull.width() - 2 * kMessageMargin, kMessageHeight);
  AddWizardButtons(Bit(kActNow) | Bit(kActLater));
}

void TFrameActive::InitPage() {
  TWizardPage::InitPage();
  PageParts::ShowPicture(*imgBG_, u"ImgFrActive");
}
