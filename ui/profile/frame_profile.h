#pragma once

#include <vector>

#include "model/wl_profile.h"
#include "ui/shell/property_page_frame.h"

class TImage;

// The station-mode page "Profile": the stored station profiles. The main
// window asks it to store the station working profile (SaveProfile) and to
// connect automatically when station mode starts (ConnectLast).
class TFrameProfile : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // SaveProfile flag: replace the listed profile of the working profile's name.
  static constexpr int kSaveUpdate = 0x100;

  explicit TFrameProfile(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

  // Stores the station working profile: adds it, or with kSaveUpdate replaces
  // the listed profile of its name. False when nothing was stored.
  bool SaveProfile(int flags);
  // Connects the last used profile, else the first of the list, unless the
  // zero-configuration service is in charge or "InitConnect" is off.
  void ConnectLast();

  // The page's profiles, in list order.
  const std::vector<WLProfile>& Profiles() const { return rows_; }

 private:
  void LoadProfileList();

  TImage* imgBG_;
  CNICAdapter* adapter_ = nullptr;
  bool zeroCfg_ = false;
  std::vector<WLProfile> rows_;
};
