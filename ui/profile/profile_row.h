#pragma once

#include <QTreeWidgetItem>

#include "model/wl_profile.h"

// One row of the profile list. It owns a copy of its profile, so that no row
// ever points into the adapter manager's records; removing the row frees it.
class ProfileRow : public QTreeWidgetItem {
 public:
  static constexpr int kType = QTreeWidgetItem::UserType + 1;
  enum Column { kColImage = 0, kColName = 1, kColSsid = 2 };

  explicit ProfileRow(const WLProfile& profile);

  const WLProfile& Profile() const { return profile_; }
  // Takes a copy of the profile and shows it.
  void SetProfile(const WLProfile& profile);

  // The row picture in ImgsType: 0 infrastructure open, 1 ad hoc open,
  // 2 infrastructure protected, 3 ad hoc protected.
  int ImageIndex() const;

  // The row of the profile the adapter was last given stands out.
  bool Applied() const { return applied_; }
  void SetApplied(bool applied);

 private:
  void ShowTexts();

  WLProfile profile_;
  bool applied_ = false;
};
