#pragma once

#include <array>
#include <cstdint>

#include "ui/shell/property_page_frame.h"

class QTreeWidgetItem;
class TEllipsisLabel;
class TFABitmapBtn;
class TImage;
class TSortLv;
struct NetworkInfo;
struct WLANStatus;

// The first access-point page "Link Info": the soft access point and the
// stations associated with it, refreshed on every status notification. The
// main window asks it to start the access point when access-point mode
// starts (ConnectLast).
class TFrameAPInfo : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // The seven caption/value rows, top to bottom.
  enum Value { kSSID, kChannel, kTxRate, kSecurity, kMAC, kPower, kIP, kValueCount };

  explicit TFrameAPInfo(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

  // Applies the access-point working profile unless "InitConnect" is off.
  void ConnectLast();

 private:
  TEllipsisLabel* NewLabel(const char* name, const char* text, int top, bool caption);
  void BuildList();
  void Refresh();
  void StartConnecting();
  void ShowBlank();
  void ShowValues(const WLANStatus& status, const NetworkInfo& info);
  void UpdateStations();
  void SetValue(Value value, const QString& text);
  int LvMACCompare(const QTreeWidgetItem& a, const QTreeWidgetItem& b) const;
  void LvMACColumnClick(int column);
  void BtnRefreshClick();

  TImage* imgBG_;
  std::array<TEllipsisLabel*, kValueCount> captions_{};
  std::array<TEllipsisLabel*, kValueCount> values_{};
  TSortLv* lvMAC_ = nullptr;
  TFABitmapBtn* btnRefresh_ = nullptr;

  int rowHeight_ = 0;

  CNICAdapter* adapter_ = nullptr;
  bool renew_ = false;
};
