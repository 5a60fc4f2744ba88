#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "adapter/wl_records.h"
#include "ui/profile/wizard_page.h"

struct WLProfile;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;
class SiteList;
class TEllipsisLabel;
class TFABitmapBtn;

// Wizard page: profile name, SSID and network type, with the networks a scan
// found to take the SSID and the rest of a network's settings from.
class TFrameNetType : public TWizardPage {
  Q_OBJECT

 public:
  // From a scan's start until its results are read.
  static constexpr int kSurveyDelayMs = 3000;

  explicit TFrameNetType(QWidget* parent = nullptr);

  void InitPage() override;
  void DonePage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  bool LeavePage(TPropertyPageFrame* next, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

  // The name of the profile being edited, set by the wizard host on opening.
  void SetNameBeforeEdit(std::string name) { nameBeforeEdit_ = std::move(name); }
  // True when the name may be stored; otherwise says why and answers false.
  bool ValidateProfileName(const std::string& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRadioButton* NewChoice(const char* radio, const char* caption, const char* captionText,
                          const char* note, const char* noteText, QLabel*& captionOut,
                          QLabel*& noteOut);
  TFABitmapBtn* NewButton(const char* name);
  void PlaceControls();
  void ShowNetworkMode(int32_t networkMode);
  void ShowSsid(const WLProfile& profile);
  std::string NameBytes() const;
  std::string SsidBytes() const;
  void Refuse(const char* key, const QString& designText, QLineEdit& edit);

  void BtnScanClick();
  void BtnSelectClick();
  void TimerSurveyTimer();
  void LvSiteSelectItem();

  TEllipsisLabel* lbEdtMode_;
  TEllipsisLabel* lbName_;
  QLineEdit* edtName_;
  TEllipsisLabel* lbSSID_;
  QLineEdit* edtSSID_;
  TEllipsisLabel* lbNetType_;
  QRadioButton* rBtnInfra_ = nullptr;
  QLabel* lbInfra_ = nullptr;
  QLabel* lblInfra_ = nullptr;
  QRadioButton* rBtnAdHoc_ = nullptr;
  QLabel* lbAdHoc_ = nullptr;
  QLabel* lblAdHoc_ = nullptr;
  TEllipsisLabel* lbScan_ = nullptr;
  SiteList* lvSite_ = nullptr;
  QLabel* plSearch_ = nullptr;
  TFABitmapBtn* btnScan_ = nullptr;
  TFABitmapBtn* btnSelect_ = nullptr;
  QTimer* timerSurvey_ = nullptr;

  CNICAdapter* adapter_ = nullptr;
  int request_ = 0;
  std::string nameBeforeEdit_;
  WLANStatus status_{};
  // The texts as loaded and their bytes: unchanged, the bytes are kept as
  // they were, whatever their encoding.
  QString loadedName_;
  std::string loadedNameBytes_;
  QString loadedSsid_;
  std::string loadedSsidBytes_;
};
