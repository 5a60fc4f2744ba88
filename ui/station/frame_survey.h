#pragma once

#include <QList>
#include <cstdint>

#include "ui/shell/property_page_frame.h"

class ChannelGraph;
class QLabel;
class QToolButton;
class QTimer;
class SiteList;
class TEllipsisLabel;
class TFABitmapBtn;
class TImage;

// The station-mode page "Site Survey": the networks a scan found, the details
// of the chosen one, and a connection to it, directly when it is open or
// through the profile wizard when it needs keys.
class TFrameSurvey : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // A page request with this bit shows the page without a new scan.
  static constexpr int kNoRescan = 0x400;
  // The scan results are read this long after a scan starts.
  static constexpr int kSurveyMs = 3000;

  explicit TFrameSurvey(QWidget* parent = nullptr);

  void InitPage() override;
  void DonePage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

 private:
  enum Detail { kNetType, kWlMode, kChannel, kEncry, kMAC, kTime, kDetailCount };

  void BuildDetails();
  void BtnScanClick();
  void BtnConnectClick();
  void TimerSurveyTimer();
  void LvSiteSelectItem();
  void UpdateHighlight();
  void ClearList();
  void PlaceButtons();
  void BuildViewSwitch();
  void ShowChannels(bool channels);

  TImage* imgBG_;
  SiteList* lvSite_;
  ChannelGraph* graph_;
  QToolButton* btnViewList_;
  QToolButton* btnViewChannels_;
  QLabel* plSearch_;
  TFABitmapBtn* btnScan_;
  TFABitmapBtn* btnConnect_;
  QTimer* timerSurvey_;
  QList<TEllipsisLabel*> captions_;
  QList<TEllipsisLabel*> values_;

  CNICAdapter* adapter_ = nullptr;
  bool zeroCfg_ = false;
};
