#include "ui/station/frame_link_info.h"

#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace G = ShellGeometry;

TFrameLinkInfo::TFrameLinkInfo(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameLinkInfo1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbStatus", "Wireless Network Status", G::kCardLeft);
  PageParts::AddHeading(*this, "LbStatistics", "Statistics", G::kCardRight);
}

void TFrameLinkInfo::InitPage() {
  LoadStrings(QStringLiteral("FrameLinkInfo"));
  PageParts::ShowPicture(*imgBG_, u"ImgFrLink");
}
