#include "ui/profile/profile_row.h"

#include "model/wl_enums.h"
#include "ui/profile/profile_name_text.h"
#include "ui/shell/ssid_text.h"

namespace {

const QColor kAppliedBackground(234, 245, 247);
constexpr int kColumns = 3;

}  // namespace

ProfileRow::ProfileRow(const WLProfile& profile) : QTreeWidgetItem(kType), profile_(profile) {
  ShowTexts();
}

void ProfileRow::SetProfile(const WLProfile& profile) {
  profile_ = profile;
  ShowTexts();
}

int ProfileRow::ImageIndex() const {
  return (profile_.EncryptionMethod != 0 ? 2 : 0) +
         (profile_.NetworkMode != kNetworkModeInfrastructure ? 1 : 0);
}

void ProfileRow::SetApplied(bool applied) {
  if (applied == applied_) return;
  applied_ = applied;
  for (int column = 0; column < kColumns; ++column) {
    setBackground(column, applied ? QBrush(kAppliedBackground) : QBrush());
  }
}

void ProfileRow::ShowTexts() {
  setText(kColImage, QString());
  setText(kColName, ProfileNameText(profile_.ProfileName, sizeof profile_.ProfileName));
  setText(kColSsid, SsidDisplayText(profile_.Ssid1, sizeof profile_.Ssid1));
}
