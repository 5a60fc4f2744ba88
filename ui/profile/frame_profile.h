#pragma once

#include <QIcon>
#include <QList>
#include <string>
#include <vector>

#include "model/wl_profile.h"
#include "ui/shell/property_page_frame.h"

class ProfileRow;
class QFrame;
class QLabel;
class QTreeWidgetItem;
class TEllipsisLabel;
class TFABitmapBtn;
class TFrameProfSet;
class TImage;
class TSortLv;

// The station-mode page "Profile": the stored station profiles, the main
// settings of the selected one, and activate, add, delete and edit. Adding
// and editing run the wizard host embedded in the page. The main window asks
// the page to store the station working profile (SaveProfile) and to connect
// automatically when station mode starts (ConnectLast).
class TFrameProfile : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // SaveProfile flag: replace the listed profile instead of adding one.
  static constexpr int kSaveUpdate = 0x100;
  // PM_SHOWPAGE arguments the wizard returns to.
  static constexpr int kReturnProfile = 2;
  static constexpr int kReturnSurvey = 3;

  explicit TFrameProfile(QWidget* parent = nullptr);

  void InitPage() override;
  void DonePage() override;
  void ResetPage() override;
  // A request with bit 0x200 (the site survey's) opens the wizard for the
  // found network's security; the page is not entered when that fails.
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

  // Shows the wizard host over the page; false without an adapter or when
  // the host refuses.
  bool OpenWizard(int returnPage, int request);
  // The wizard host, built on first use and kept.
  TFrameProfSet& Wizard();
  // Stores the station working profile: adds it, or with kSaveUpdate replaces
  // the listed profile of its name (or of the name it had when editing
  // began). False when nothing was stored.
  bool SaveProfile(int flags);
  // Connects the last used profile, else the first row in the list's present
  // order, unless the zero-configuration service is in charge or
  // "InitConnect" is off.
  void ConnectLast();

  // Copies of the rows' profiles, in list order.
  std::vector<WLProfile> Profiles() const;

 private:
  void CreateControls();
  void CreateInfoRow(int row, const char* caption, const char* captionText, const char* value);
  TFABitmapBtn* NewButton(const char* name);
  void SetFaces(TFABitmapBtn& button, QStringView picture);
  void PlaceButtons();

  void LoadProfileList();
  void ClearList();
  int RowCount() const;
  ProfileRow* RowAt(int index) const;
  ProfileRow* SelectedRow() const;
  ProfileRow* FindRow(std::string_view name, bool ignoreCase) const;
  void SelectRow(QTreeWidgetItem* row);
  void FocusList();
  void ShowSelection();
  void ShowInfo(const WLProfile& profile);
  void ClearInfo();
  void RefreshApplied();
  int LvProfCompare(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const;
  void LvProfColumnClick(int column);

  void BtnActivateClick();
  void BtnAddClick();
  void BtnDeleteClick();
  void BtnEditClick();

  TFrameProfSet* frameProfSet1_ = nullptr;
  QFrame* plProfile_;
  TImage* imgBG_ = nullptr;
  TSortLv* lvProf_ = nullptr;
  QList<QLabel*> captions_;
  QList<TEllipsisLabel*> values_;
  TEllipsisLabel* lblNetType_ = nullptr;
  TEllipsisLabel* lblWlMode_ = nullptr;
  TEllipsisLabel* lblChannel_ = nullptr;
  TEllipsisLabel* lblSecurity_ = nullptr;
  TEllipsisLabel* lblTxRate_ = nullptr;
  TFABitmapBtn* btnActivate_ = nullptr;
  TFABitmapBtn* btnAdd_ = nullptr;
  TFABitmapBtn* btnDelete_ = nullptr;
  TFABitmapBtn* btnEdit_ = nullptr;
  QList<QIcon> rowIcons_;

  CNICAdapter* adapter_ = nullptr;
  bool zeroCfg_ = false;
  WLProfile applied_{};
  std::string nameBeforeEdit_;
};
