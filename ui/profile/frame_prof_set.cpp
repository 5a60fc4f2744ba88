#include "ui/profile/frame_prof_set.h"

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "model/wl_text.h"
#include "platform/text.h"
#include "ui/profile/frame_active.h"
#include "ui/profile/frame_confirm.h"
#include "ui/profile/frame_dot11.h"
#include "ui/profile/frame_net_type.h"
#include "ui/profile/frame_security.h"
#include "ui/profile/frame_wep.h"
#include "ui/profile/frame_wireless.h"
#include "ui/profile/frame_wl_mode.h"
#include "ui/profile/frame_wpa_psk.h"
#include "ui/shell/image.h"
#include "ui/shell/main_window_notify.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"

namespace {

constexpr intptr_t kShowLinkInfo = 1;

}  // namespace

TFrameProfSet::TFrameProfSet(QWidget* parent)
    : TPropertyPageFrame(parent),
      imgBG_(PageParts::AddBackground(*this)),
      frameNetType1_(new TFrameNetType(this)) {
  setObjectName(QStringLiteral("FrameProfSet1"));
  resize(ShellGeometry::kPageSize);
  pages_[kNetType] = frameNetType1_;
  pages_[kWlMode] = new TFrameWlMode(this);
  pages_[kSecurity] = new TFrameSecurity(this);
  pages_[kWEP] = new TFrameWEP(this);
  pages_[kWPAPSK] = new TFrameWPAPSK(this);
  pages_[kDot11] = new TFrameDot11(this);
  pages_[kWireless] = new TFrameWireless(this);
  pages_[kConfirm] = new TFrameConfirm(this);
  pages_[kActive] = new TFrameActive(this);
  for (TWizardPage* page : pages_) {
    page->setGeometry(rect());
    page->hide();
    connect(page, &TWizardPage::WizardButtonClicked, this, &TFrameProfSet::WizardButtonClicked);
  }
}

void TFrameProfSet::InitPage() {
  PageParts::ShowPicture(*imgBG_, u"ImgFrProfSet");
  for (TWizardPage* page : pages_) page->InitPage();
  ResetPage();
}

void TFrameProfSet::DonePage() {
  for (TWizardPage* page : pages_) page->DonePage();
}

void TFrameProfSet::ResetPage() {
  for (TWizardPage* page : pages_) page->hide();
  current_ = nullptr;
}

bool TFrameProfSet::EnterPage(TPropertyPageFrame*, int returnPage, int request) {
  returnPage_ = returnPage;
  request_ = request;
  ResetPage();
  TWizardPage* start = nullptr;
  if (request & kRequestSecurityOnly) {
    start = SecurityPage(FAGlobal().StationProfile().EncryptionMethod);
    if (start == nullptr) start = pages_[kConfirm];
  } else {
    frameNetType1_->SetNameBeforeEdit(std::string(TextOf(FAGlobal().StationProfile().ProfileName)));
    start = pages_[kNetType];
  }
  ShowWizardPage(start, kDirNext);
  return true;
}

void TFrameProfSet::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  for (TWizardPage* page : pages_) page->AdapterChanged(adapter, event, funcMode);
  if (event == kAdapterAttached && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
  } else if (event == kAdapterDetached) {
    ResetPage();
    adapter_ = nullptr;
  }
}

void TFrameProfSet::AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) {
  for (TWizardPage* page : pages_) page->AdapterNotify(adapter, code, arg);
}

void TFrameProfSet::ShowWizardPage(TPropertyPageFrame* page, int direction) {
  if (page == nullptr || !page->EnterPage(current_, direction, request_)) return;
  if (current_ != nullptr && current_ != page) current_->hide();
  page->show();
  page->raise();
  current_ = page;
  if (isVisible()) FocusCurrentPage();
}

void TFrameProfSet::FocusCurrentPage() {
  if (current_ == nullptr) return;
  for (QWidget* w = current_->nextInFocusChain(); w != current_; w = w->nextInFocusChain()) {
    if (current_->isAncestorOf(w) && w->isVisibleTo(current_) && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus) != 0) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
  current_->setFocus();
}

bool TFrameProfSet::NeedProtocolPage() const {
  if ((request_ & kRequestSecurityOnly) != 0 || adapter_ == nullptr ||
      FAGlobal().StationProfile().NetworkMode != kNetworkModeInfrastructure) {
    return false;
  }
  const int32_t mask = ModeToBandMask(adapter_->SupportMode());
  return (mask & kBand24GHz) != 0 && (mask & kBand5GHz) != 0;
}

TWizardPage* TFrameProfSet::SecurityPage(int32_t encryptionMethod) const {
  switch (encryptionMethod) {
    case kEncryptWEP:
      return pages_[kWEP];
    case kEncryptWPA_PSK:
    case kEncryptWPA2_PSK:
      return pages_[kWPAPSK];
    case kEncryptWPA:
    case kEncryptRadius:
    case kEncryptWPA2:
      return pages_[kDot11];
    default:
      return nullptr;
  }
}

TWizardPage* TFrameProfSet::AfterSecurity() const {
  return NeedProtocolPage() ? pages_[kWireless] : pages_[kConfirm];
}

TWizardPage* TFrameProfSet::NextPage() const {
  const WLProfile& working = FAGlobal().StationProfile();
  if (current_ == pages_[kNetType]) {
    return working.NetworkMode != kNetworkModeInfrastructure ? pages_[kWlMode] : pages_[kSecurity];
  }
  if (current_ == pages_[kWlMode]) return pages_[kSecurity];
  if (current_ == pages_[kSecurity]) {
    TWizardPage* keys = SecurityPage(working.EncryptionMethod);
    return keys != nullptr ? keys : AfterSecurity();
  }
  if (current_ == pages_[kWEP] || current_ == pages_[kWPAPSK] || current_ == pages_[kDot11]) {
    return AfterSecurity();
  }
  if (current_ == pages_[kWireless]) return pages_[kConfirm];
  return pages_[kNetType];
}

void TFrameProfSet::WizardButtonClicked(int button) {
  switch (button) {
    case TWizardPage::kBack:
      BtnBackClick();
      break;
    case TWizardPage::kNext:
      BtnNextClick();
      break;
    case TWizardPage::kSave:
      BtnSaveClick();
      break;
    case TWizardPage::kExit:
      BtnExitClick();
      break;
    case TWizardPage::kActNow:
      BtnActNowClick();
      break;
    case TWizardPage::kActLater:
      BtnActLaterClick();
      break;
    default:
      break;
  }
}

void TFrameProfSet::BtnNextClick() {
  if (current_ != nullptr && !current_->LeavePage(nullptr, kDirNext, request_)) return;
  ShowWizardPage(NextPage(), kDirNext);
}

void TFrameProfSet::BtnBackClick() {
  if (current_ == nullptr) return;
  // Leaving backwards forgets the link, so it is read first.
  TPropertyPageFrame* back = current_->BackLink();
  if (!current_->LeavePage(nullptr, kDirBack, request_)) return;
  if (back != nullptr) {
    ShowWizardPage(back, kDirBack);
  } else {
    BtnExitClick();
  }
}

void TFrameProfSet::BtnExitClick() { PostToMainWindow(*this, PM_SHOWPAGE, returnPage_); }

void TFrameProfSet::BtnSaveClick() {
  if (request_ & kRequestSecurityOnly) {
    BtnActNowClick();
    return;
  }
  SendToMainWindow(*this, PM_SAVEPROFILE, request_);
  ShowWizardPage(pages_[kActive], kDirNext);
}

void TFrameProfSet::BtnActNowClick() {
  if (adapter_ != nullptr) adapter_->Connect(FAGlobal().StationProfile());
  PostToMainWindow(*this, PM_SHOWPAGE, kShowLinkInfo);
}

void TFrameProfSet::BtnActLaterClick() { BtnExitClick(); }
