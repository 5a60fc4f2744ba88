#include "ui/ap/frame_ap_info.h"

#include <string>

#include "adapter/nic_adapter.h"
#include "core/debug_log.h"
#include "core/fa_global_var.h"
#include "core/text.h"
#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace G = ShellGeometry;

TFrameAPInfo::TFrameAPInfo(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameAPInfo1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbStatus", "Status", G::kCardLeft);
  PageParts::AddHeading(*this, "LbAssoc", "Association List", G::kCardRight);
}

void TFrameAPInfo::InitPage() {
  LoadStrings(QStringLiteral("FrameAPInfo"));
  PageParts::ShowPicture(*imgBG_, u"ImgFrAPInfo");
}

void TFrameAPInfo::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) != 0) {
    adapter_ = adapter;
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameAPInfo::ConnectLast() {
  if (adapter_ == nullptr || !adapter_->Settings().ReadSet("InitConnect", true)) return;
  const WLProfile& profile = FAGlobal().APProfile();
  DebugLog("Connect last => %s", std::string(TextOf(profile.ProfileName)).c_str());
  adapter_->Connect(profile);
}
