#include "ui/ap/frame_ap_cfg.h"

#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace G = ShellGeometry;

TFrameAPCfg::TFrameAPCfg(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameAPCfg1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbWireless", "Wireless Settings", G::kCardLeft);
  PageParts::AddHeading(*this, "LbSecurity", "Security Settings", G::kCardRight);
}

void TFrameAPCfg::InitPage() {
  LoadStrings(QStringLiteral("FrameAPCfg"));
  PageParts::ShowPicture(*imgBG_, u"ImgFrAPCfg");
}
