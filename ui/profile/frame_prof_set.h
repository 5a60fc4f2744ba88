#pragma once

#include <array>

#include "ui/shell/property_page_frame.h"

class TFrameNetType;
class TImage;
class TWizardPage;

// The profile wizard's host: a page-sized frame over the profile page that
// leads the user through the wizard pages, all editing the station working
// profile. The host stores nothing itself: the list sees the profile only
// through the main window's PM_SAVEPROFILE, the adapter only through Connect.
class TFrameProfSet : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // Request codes.
  static constexpr int kRequestAdd = 0;
  static constexpr int kRequestEdit = 0x100;
  // A found network's security only: Save connects without storing.
  static constexpr int kRequestSecurityOnly = 0x200;

  // The wizard pages, in component order.
  enum Step {
    kNetType,
    kWlMode,
    kSecurity,
    kWEP,
    kWPAPSK,
    kDot11,
    kWireless,
    kConfirm,
    kActive,
    kStepCount
  };

  explicit TFrameProfSet(QWidget* parent = nullptr);

  void InitPage() override;
  void DonePage() override;
  void ResetPage() override;
  // Opening the wizard: the second argument is the page to return to (a
  // PM_SHOWPAGE argument), not a direction. Always answers true.
  bool EnterPage(TPropertyPageFrame* previous, int returnPage, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

  // Shows the page when it agrees to be entered; direction kDirNext or kDirBack.
  void ShowWizardPage(TPropertyPageFrame* page, int direction);
  // The keyboard goes to the shown page's first field, so that Enter and
  // Escape reach the page.
  void FocusCurrentPage();
  // Whether an infrastructure profile chooses its bands: only on adapters
  // with a 2.4 GHz and the 5 GHz radio, never in a security-only run.
  bool NeedProtocolPage() const;

  void BtnBackClick();
  void BtnNextClick();
  void BtnExitClick();
  void BtnSaveClick();
  void BtnActNowClick();
  void BtnActLaterClick();

  TWizardPage* Page(Step step) const { return pages_[step]; }
  // The page shown now, or nullptr.
  TPropertyPageFrame* CurrentPage() const { return current_; }
  int ReturnPage() const { return returnPage_; }
  int Request() const { return request_; }
  CNICAdapter* Adapter() const { return adapter_; }

 private:
  TWizardPage* NextPage() const;
  TWizardPage* SecurityPage(int32_t encryptionMethod) const;
  TWizardPage* AfterSecurity() const;
  void WizardButtonClicked(int button);

  TImage* imgBG_;
  TFrameNetType* frameNetType1_;
  std::array<TWizardPage*, kStepCount> pages_{};
  TPropertyPageFrame* current_ = nullptr;
  int returnPage_ = 0;
  int request_ = kRequestAdd;
  CNICAdapter* adapter_ = nullptr;
};
