#include "ui/profile/frame_profile.h"

#include <algorithm>

#include "adapter/nic_adapter.h"
#include "core/debug_log.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "core/text.h"
#include "ui/shell/image.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;

bool NamedAs(const WLProfile& profile, std::string_view name) {
  return TextOf(profile.ProfileName) == name;
}

}  // namespace

TFrameProfile::TFrameProfile(QWidget* parent)
    : TPropertyPageFrame(parent), imgBG_(PageParts::AddBackground(*this)) {
  setObjectName(QStringLiteral("FrameProfile1"));
  resize(G::kPageSize);
  PageParts::AddHeading(*this, "LbList", "Profile List", G::kCardLeft);
  PageParts::AddHeading(*this, "LbInfo", "Profile Info", G::kCardRight);
}

void TFrameProfile::InitPage() {
  LoadStrings(QStringLiteral("FrameProfile"));
  PageParts::ShowPicture(*imgBG_, u"ImgFrProfile");
  ResetPage();
}

void TFrameProfile::ResetPage() { rows_.clear(); }

void TFrameProfile::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
    zeroCfg_ = adapter->ZeroCfgEnabled();
    if (!zeroCfg_) LoadProfileList();
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameProfile::AdapterNotify(CNICAdapter*, int code, intptr_t arg) {
  if (adapter_ == nullptr || code != PM_ZEROCFG) return;
  zeroCfg_ = arg == 1;
  if (zeroCfg_) {
    ResetPage();
  } else {
    LoadProfileList();
  }
}

void TFrameProfile::LoadProfileList() {
  rows_.clear();
  adapter_->GetProfileList(0, rows_);
}

bool TFrameProfile::SaveProfile(int flags) {
  if (adapter_ == nullptr) return false;
  const WLProfile& working = FAGlobal().StationProfile();
  const std::string_view name = TextOf(working.ProfileName);
  auto row = std::find_if(rows_.begin(), rows_.end(),
                          [&](const WLProfile& p) { return NamedAs(p, name); });
  if (flags & kSaveUpdate) {
    if (row == rows_.end()) {
      DebugLog("SaveProfile: not found selected profile");
      return false;
    }
    if (!adapter_->UpdateProfile(working, std::string(TextOf(row->ProfileName)))) return false;
  } else {
    if (!adapter_->AddProfile(working)) return false;
    if (row == rows_.end()) row = rows_.insert(rows_.begin(), WLProfile{});
  }
  *row = working;
  return true;
}

void TFrameProfile::ConnectLast() {
  if (adapter_ == nullptr || zeroCfg_ || rows_.empty() ||
      !adapter_->Settings().ReadSet("InitConnect", true)) {
    return;
  }
  const std::string last = adapter_->GetLastProfileName(0);
  auto chosen = std::find_if(rows_.begin(), rows_.end(),
                             [&](const WLProfile& p) { return NamedAs(p, last); });
  if (chosen == rows_.end()) chosen = rows_.begin();
  DebugLog("Connect last => %s", std::string(TextOf(chosen->ProfileName)).c_str());
  adapter_->Connect(*chosen);
}
