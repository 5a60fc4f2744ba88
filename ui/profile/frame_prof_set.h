#pragma once

#include "ui/shell/property_page_frame.h"

class TImage;

// The profile wizard's host: a page-sized frame over the profile page that
// leads the user through the wizard pages, all editing the station working
// profile. The profile page drives it through the page protocol only:
// InitPage, DonePage, EnterPage(none, return page, request code) when it
// opens the wizard, AdapterChanged and AdapterNotify forwarded first.
//
// This is the host's frame and state; the wizard pages come with it later.
class TFrameProfSet : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // Request codes.
  static constexpr int kRequestAdd = 0;
  static constexpr int kRequestEdit = 0x100;
  // A found network's security only: Save connects without storing.
  static constexpr int kRequestSecurityOnly = 0x200;

  explicit TFrameProfSet(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  // Opening the wizard: the second argument is the page to return to (a
  // PM_SHOWPAGE argument), not a direction. Always answers true.
  bool EnterPage(TPropertyPageFrame* previous, int returnPage, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;

  int ReturnPage() const { return returnPage_; }
  int Request() const { return request_; }
  CNICAdapter* Adapter() const { return adapter_; }

 private:
  TImage* imgBG_;
  int returnPage_ = 0;
  int request_ = kRequestAdd;
  CNICAdapter* adapter_ = nullptr;
};
