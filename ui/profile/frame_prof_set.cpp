#include "ui/profile/frame_prof_set.h"

#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

TFrameProfSet::TFrameProfSet(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameProfSet1"));
  resize(ShellGeometry::kPageSize);
}

void TFrameProfSet::InitPage() {
  PageParts::ShowPicture(*imgBG_, u"ImgFrProfSet");
  ResetPage();
}

void TFrameProfSet::ResetPage() {}

bool TFrameProfSet::EnterPage(TPropertyPageFrame*, int returnPage, int request) {
  returnPage_ = returnPage;
  request_ = request;
  ResetPage();
  return true;
}

void TFrameProfSet::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}
