#include "ui/ap/frame_ap_filter.h"

#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace G = ShellGeometry;

TFrameAPFilter::TFrameAPFilter(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameAPFilter1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbFilter", "MAC Filter", G::kCardFull);
}

void TFrameAPFilter::InitPage() {
  LoadStrings(QStringLiteral("FrameAPFilter"));
  PageParts::ShowPicture(*imgBG_, u"ImgFrAPFilter");
}
