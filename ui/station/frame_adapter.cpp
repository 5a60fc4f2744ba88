#include "ui/station/frame_adapter.h"

#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace G = ShellGeometry;

TFrameAdapter::TFrameAdapter(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameAdapter1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbSetting", "Adapter Setting", G::kCardFull);
}

void TFrameAdapter::InitPage() {
  LoadStrings(QStringLiteral("FrameAdapter"));
  PageParts::ShowPicture(*imgBG_, u"ImgAdapter");
}
