#include "ui/station/frame_survey.h"

#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace G = ShellGeometry;

TFrameSurvey::TFrameSurvey(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameSurvey1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbNetList", "Available Network List", G::kCardLeft);
  PageParts::AddHeading(*this, "LbSiteInfo", "Site Information", G::kCardRight);
}

void TFrameSurvey::InitPage() {
  LoadStrings(QStringLiteral("FrameSurvey"));
  PageParts::ShowPicture(*imgBG_, u"ImgSurvey");
}
