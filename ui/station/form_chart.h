#pragma once

#include <QPointer>
#include <cstdint>
#include <memory>

#include "ui/shell/form_base.h"
#include "ui/station/rate_graph.h"
#include "ui/station/traffic_rate.h"

class CNICAdapter;
class QLineEdit;
class QPainter;
class TEllipsisLabel;
class TImage;
class TPaintPanel;
class TTrifaceBtn;

// The statistics chart: the current transmit and receive rates as numbers and
// as two scrolling logarithmic graphs. It runs modally over the link page,
// which feeds it the adapter notifications while it is open. Only one exists
// at a time.
class TFormChart : public TFormBase {
  Q_OBJECT

 public:
  explicit TFormChart(QWidget* parent = nullptr);
  ~TFormChart() override;

  // The chart window that exists now, or nullptr.
  static TFormChart* Open();

  // Keeps the adapter manager and runs the window modally over the owner's window.
  int Show(QWidget* owner, CNICAdapter* adapter);

  // event 1 with a station-mode adapter manager keeps it; event 2 resets and forgets it.
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode);
  // PM_STATUS adds a sample; PM_CONNECT for a station profile starts afresh.
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg);

  // Both edits "0", no samples, empty graphs; the next associated status only
  // records the counters.
  void Reset();

  void SetTickSource(TickSource ticks) { ticks_ = std::move(ticks); }

  const RateGraph& TxGraph() const { return *txGraph_; }
  const RateGraph& RxGraph() const { return *rxGraph_; }
  CNICAdapter* Adapter() const { return adapter_; }

 private:
  TEllipsisLabel* NewLabel(const char* name, const char* designText, const QRect& bounds);
  QLineEdit* NewRateEdit(const char* name, const QRect& bounds);
  TPaintPanel* NewGraphBox(const char* name, const QRect& bounds);
  void AddScaleLabels();
  void LayOutRow(TEllipsisLabel* caption, QLineEdit* edit, TEllipsisLabel* unit);
  void AddSample();
  void ShowRate(QLineEdit& edit, double kbps);
  void RepaintGraphs();
  static QRect GraphArea(const QRect& box);
  static void PaintGraph(QPainter& canvas, const QRect& box, const QRect& painted,
                         const RateGraph& graph);

  TImage* imgBG_;
  TEllipsisLabel* lbDataRate_;
  TEllipsisLabel* lbTx_;
  TEllipsisLabel* lbRx_;
  QLineEdit* edtTx_;
  QLineEdit* edtRx_;
  TEllipsisLabel* lbTxKbps_;
  TEllipsisLabel* lbRxKbps_;
  TPaintPanel* pBoxTx_;
  TPaintPanel* pBoxRx_;
  TTrifaceBtn* btnClose_;
  std::unique_ptr<RateGraph> txGraph_;
  std::unique_ptr<RateGraph> rxGraph_;

  CNICAdapter* adapter_ = nullptr;
  TickSource ticks_ = SystemTickMs;
  bool firstSample_ = true;
  uint64_t lastTick_ = 0;
  uint64_t lastRxBytes_ = 0;
  uint64_t lastTxBytes_ = 0;
};
