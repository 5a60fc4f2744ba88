#pragma once

#include <QList>
#include <array>
#include <cstdint>

#include "adapter/wl_records.h"
#include "model/wl_profile.h"
#include "ui/shell/property_page_frame.h"
#include "ui/station/traffic_rate.h"

class TEllipsisLabel;
class TFABitmapBtn;
class TImage;
struct NetworkInfo;
struct WLANStatus;

// The station-mode page "Link Info": the state of the current link, its
// traffic and two level meters, refreshed on every status notification. It
// opens the statistics chart and feeds it while it is open.
class TFrameLinkInfo : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // The fifteen value labels, left column first.
  enum Value {
    kProfName,
    kSSID,
    kMAC,
    kNetType,
    kTxRate,
    kSecurity,
    kChannel,
    kIP,
    kTransRate,
    kRecvReate,
    kAuthen,
    kNetMode,
    kTrans,
    kRecv,
    kLinkQuality,
    kValueCount
  };

  explicit TFrameLinkInfo(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

  // The millisecond tick the rates are measured with; the chart it opens
  // uses the same.
  void SetTickSource(TickSource ticks) { ticks_ = std::move(ticks); }

  // Bars lit for a level in dBm: ceil((dBm + 95) / 5) within 0..10; 0 dBm
  // means no value.
  static int MeterBars(int32_t dBm);

 private:
  void FitCaptions();
  struct RowDef {
    const char* caption;
    const char* captionText;
    const char* value;
  };

  void BuildRows();
  void BuildMeters();
  TEllipsisLabel* NewLabel(const char* name, const char* text, const QRect& bounds, bool caption);
  void BtnTChartClick();
  void Refresh();
  void StartConnecting();
  void ShowBlank();
  void ShowLinkValues(const WLANStatus& status);
  void ShowIPAddress(const NetworkInfo& info);
  void ShowRates(const WLANStatus& status);
  void SetValue(Value value, const QString& text);
  void ShowMeter(int meter, int bars);
  QString AuthenticationText(const WLANStatus& status) const;

  TImage* imgBG_;
  std::array<TEllipsisLabel*, kValueCount> captions_{};
  std::array<TEllipsisLabel*, kValueCount> values_{};
  TEllipsisLabel* lbSignal_ = nullptr;
  TEllipsisLabel* lbQuality_ = nullptr;
  TFABitmapBtn* btnTChart_ = nullptr;
  std::array<QList<TImage*>, 2> meters_;  // signal, quality; lights from the left
  std::array<int, 2> litBars_{};

  CNICAdapter* adapter_ = nullptr;
  bool connecting_ = false;
  bool profileKnown_ = false;
  WLProfile applied_{};
  uint64_t lastTick_ = 0;
  // The status the link values were last taken from, unless blanked since.
  WLANStatus lastShown_{};
  bool linkShown_ = false;
  uint64_t lastRxBytes_ = 0;
  uint64_t lastTxBytes_ = 0;
  TickSource ticks_ = SystemTickMs;
};
