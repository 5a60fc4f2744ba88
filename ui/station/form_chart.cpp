#include "ui/station/form_chart.h"

#include <QLineEdit>
#include <QPainter>

#include "adapter/nic_adapter.h"
#include "adapter/wl_records.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/paint_panel.h"
#include "ui/controls/panel_cache_style.h"
#include "ui/controls/triface_btn.h"
#include "ui/shell/art_kit.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"
#include "ui/shell/shell_geometry.h"

namespace {

namespace G = ShellGeometry;

const QString kSection = QStringLiteral("FormChart");

// The rate rows stand over their graphs; the edits take whole kbit/s.
constexpr int kRowTop = 56;
constexpr int kRowHeight = 22;
constexpr int kEditWidth = 64;
constexpr int kCaptionIndent = 14;  // room for the mark before the caption
constexpr int kScaleLabelHeight = 14;

TFormChart* g_openChart = nullptr;

void Style(QWidget& label, const QColor& colour, int pixelSize, QFont::Weight weight) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
  label.setFont(ArtKit::PixelFont(pixelSize, weight));
}

void SetTextIfChanged(QLineEdit& edit, const QString& text) {
  if (edit.text() != text) edit.setText(text);
}

}  // namespace

TFormChart::TFormChart(QWidget* parent)
    : TFormBase(parent),
      imgBG_(new TImage(this)),
      lbDataRate_(NewLabel("LbDataRate", "Data Rate",
                           QRect(36, 0, G::kChartCloseRect.left() - 44, G::kChartHeaderHeight))),
      lbTx_(NewLabel("LbTx", "Transmit",
                     QRect(G::kChartTxGraph.left() + kCaptionIndent, kRowTop, 80, kRowHeight))),
      lbRx_(NewLabel("LbRx", "Receive",
                     QRect(G::kChartRxGraph.left() + kCaptionIndent, kRowTop, 80, kRowHeight))),
      edtTx_(NewRateEdit("EdtTx", QRect(0, kRowTop, kEditWidth, kRowHeight))),
      edtRx_(NewRateEdit("EdtRx", QRect(0, kRowTop, kEditWidth, kRowHeight))),
      lbTxKbps_(NewLabel("LbTxKbps", "Kbps", QRect(0, kRowTop, 48, kRowHeight))),
      lbRxKbps_(NewLabel("LbRxKbps", "Kbps", QRect(0, kRowTop, 48, kRowHeight))),
      pBoxTx_(NewGraphBox("PBoxTx", G::kChartTxGraph)),
      pBoxRx_(NewGraphBox("PBoxRx", G::kChartRxGraph)),
      btnClose_(new TTrifaceBtn(this)) {
  g_openChart = this;
  setObjectName(kSection);
  imgBG_->setObjectName(QStringLiteral("ImgBG"));
  imgBG_->SetDragsWindow(true);
  imgBG_->lower();
  btnClose_->setObjectName(QStringLiteral("BtnClose"));
  btnClose_->setGeometry(G::kChartCloseRect);
  btnClose_->SetNoFocusRect(true);
  connect(btnClose_, &TTrifaceBtn::clicked, this, [this] { done(kMrOk); });
  AddScaleLabels();

  Style(*lbDataRate_, Qt::white, 13, QFont::Bold);
  for (TEllipsisLabel* caption : {lbTx_, lbRx_})
    Style(*caption, ArtKit::kSlate, 12, QFont::DemiBold);
  for (TEllipsisLabel* unit : {lbTxKbps_, lbRxKbps_})
    Style(*unit, ArtKit::kSlate, 12, QFont::Normal);

  ApplyLayout(this, kSection);
  LoadStrings(kSection);
  setWindowTitle(QString::fromLocal8Bit(FAGlobal().AppTitle()));
  const QString kbps = QString::fromLocal8Bit(FAGlobal().DisplayString(kStrKbps));
  lbTxKbps_->setText(kbps);
  lbRxKbps_->setText(kbps);
  SetAccessibleNameFromStrings(*btnClose_, kSection, QStringLiteral("Close"));

  if (const TFormRes* res = TFormRes::Instance()) {
    imgBG_->SetPicture(res->Picture(u"ImgChartBG"));
    btnClose_->SetFaces(res->Picture(u"ImgBtnCloseN"));
    btnClose_->SetFacesDown(res->Picture(u"ImgBtnCloseH"));
    btnClose_->SetFacesOver(res->Picture(u"ImgBtnCloseH"));
    AddMarkImage(lbTx_, res->Picture(u"ImgMark"));
    AddMarkImage(lbRx_, res->Picture(u"ImgMark"));
  }
  setFixedSize(imgBG_->Picture().isNull() ? G::kChartClientSize : imgBG_->size());

  LayOutRow(lbTx_, edtTx_, lbTxKbps_);
  LayOutRow(lbRx_, edtRx_, lbRxKbps_);

  const QSize picture = pBoxTx_->size() - QSize(4, 4);
  txGraph_ = std::make_unique<RateGraph>(picture);
  rxGraph_ = std::make_unique<RateGraph>(picture);
  pBoxTx_->SetOnPaint([this](TPaintPanel& box, QPainter& canvas) {
    PaintGraph(canvas, box.rect(), box.PaintedRect(), *txGraph_);
  });
  pBoxRx_->SetOnPaint([this](TPaintPanel& box, QPainter& canvas) {
    PaintGraph(canvas, box.rect(), box.PaintedRect(), *rxGraph_);
  });
  Reset();
}

TFormChart::~TFormChart() {
  if (g_openChart == this) g_openChart = nullptr;
}

TFormChart* TFormChart::Open() { return g_openChart; }

int TFormChart::Show(QWidget* owner, CNICAdapter* adapter) {
  adapter_ = adapter;
  CenterOver(owner);
  // The close button, not a read-only number, takes the keyboard first.
  btnClose_->setFocus(Qt::OtherFocusReason);
  return ShowModalTracked();
}

void TFormChart::AdapterChanged(CNICAdapter* adapter, int event, int funcMode) {
  if (event == 1 && adapter != nullptr && (funcMode & 1) == 0) {
    adapter_ = adapter;
  } else if (event == 2) {
    Reset();
    adapter_ = nullptr;
  }
}

void TFormChart::AdapterNotify(CNICAdapter*, int code, intptr_t arg) {
  if (adapter_ == nullptr) return;
  if (code == PM_STATUS) {
    AddSample();
  } else if (code == PM_CONNECT && (arg & 1) == 0) {
    Reset();
  }
}

void TFormChart::Reset() {
  SetTextIfChanged(*edtTx_, QStringLiteral("0"));
  SetTextIfChanged(*edtRx_, QStringLiteral("0"));
  firstSample_ = true;
  lastTick_ = 0;
  txGraph_->Reset();
  rxGraph_->Reset();
  RepaintGraphs();
}

void TFormChart::AddSample() {
  WLANStatus status{};
  adapter_->GetStatus(status);
  const uint64_t now = ticks_();
  if (lastTick_ == 0) lastTick_ = now;
  const uint64_t elapsed = now >= lastTick_ ? now - lastTick_ : 0;
  lastTick_ = now;
  double tx = 0;
  double rx = 0;
  if (status.MediaState != kMediaConnected) {
    SetTextIfChanged(*edtTx_, QStringLiteral("0"));
    SetTextIfChanged(*edtRx_, QStringLiteral("0"));
  } else {
    if (firstSample_) {
      firstSample_ = false;
    } else {
      tx = TrafficKbps<double>(elapsed, status.TxBytes, lastTxBytes_);
      rx = TrafficKbps<double>(elapsed, status.RxBytes, lastRxBytes_);
      ShowRate(*edtTx_, tx);
      ShowRate(*edtRx_, rx);
    }
    lastTxBytes_ = status.TxBytes;
    lastRxBytes_ = status.RxBytes;
  }
  // No time passed, no sample: the graphs look as they did.
  if (elapsed == 0) return;
  txGraph_->Append(elapsed, tx);
  rxGraph_->Append(elapsed, rx);
  RepaintGraphs();
}

void TFormChart::ShowRate(QLineEdit& edit, double kbps) {
  SetTextIfChanged(edit, QString::asprintf("%.0f", kbps));
}

void TFormChart::RepaintGraphs() {
  // The frames stay as they are: only what lies inside them changes.
  pBoxTx_->update(GraphArea(pBoxTx_->rect()));
  pBoxRx_->update(GraphArea(pBoxRx_->rect()));
}

QRect TFormChart::GraphArea(const QRect& box) { return box.adjusted(2, 2, -2, -2); }

void TFormChart::PaintGraph(QPainter& canvas, const QRect& box, const QRect& painted,
                            const RateGraph& graph) {
  const QRect inside = GraphArea(box);
  const QSize picture = graph.PictureSize();
  const QPoint at(box.left() + (box.width() - picture.width()) / 2,
                  box.top() + (box.height() - picture.height()) / 2);
  if (inside.contains(painted) && QRect(at, picture).contains(painted)) {
    graph.Paint(canvas, at);
    return;
  }
  // A two-pixel sunken frame on the box's edges: shadow above and left,
  // light below and right.
  const QColor outerShadow(128, 146, 164);
  const QColor innerShadow(52, 64, 78);
  const QColor outerLight(Qt::white);
  const QColor innerLight(214, 224, 233);
  const QRect inner = box.adjusted(1, 1, -1, -1);
  for (const auto& [rect, shadow, light] :
       {std::tuple{box, outerShadow, outerLight}, std::tuple{inner, innerShadow, innerLight}}) {
    canvas.setPen(shadow);
    canvas.drawLine(rect.topLeft(), rect.topRight());
    canvas.drawLine(rect.topLeft(), rect.bottomLeft());
    canvas.setPen(light);
    canvas.drawLine(rect.bottomLeft(), rect.bottomRight());
    canvas.drawLine(rect.topRight(), rect.bottomRight());
  }
  canvas.fillRect(inside, QColor::fromRgb(RateGraph::kGround));
  graph.Paint(canvas, at);
}

TEllipsisLabel* TFormChart::NewLabel(const char* name, const char* designText,
                                     const QRect& bounds) {
  auto* label = new TEllipsisLabel(QString::fromLatin1(designText), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(bounds);
  label->SetEllipsisEnd(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // A drag that starts on a label moves the window, as one on the background does.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QLineEdit* TFormChart::NewRateEdit(const char* name, const QRect& bounds) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(bounds);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->setFont(ArtKit::PixelFont(12));
  auto* style = new TPanelCacheStyle;
  style->setParent(edit);
  edit->setStyle(style);
  return edit;
}

TPaintPanel* TFormChart::NewGraphBox(const char* name, const QRect& bounds) {
  auto* box = new TPaintPanel(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(bounds);
  // The frame and the graph cover the whole box.
  box->setAutoFillBackground(false);
  box->setAttribute(Qt::WA_OpaquePaintEvent);
  return box;
}

void TFormChart::AddScaleLabels() {
  // Between the graphs, each mark centred on the height of its grid line.
  const QRect graph = G::kChartTxGraph;
  const int pictureTop = graph.top() + 2;
  const int pictureHeight = graph.height() - 4;
  const int quarter = pictureHeight / 4;
  const int left = G::kChartTxGraph.right() + 1;
  const int width = G::kChartRxGraph.left() - left;
  const char* const marks[][2] = {
      {"Lb0", "0"}, {"Lb10", "10"}, {"Lb100", "100"}, {"Lb1000", "1000"}, {"Lb10000", "10000"}};
  for (int level = 0; level < 5; ++level) {
    const int y = pictureTop + pictureHeight - level * quarter;
    TEllipsisLabel* label =
        NewLabel(marks[level][0], marks[level][1],
                 QRect(left, y - kScaleLabelHeight / 2, width, kScaleLabelHeight));
    label->setAlignment(Qt::AlignCenter);
    Style(*label, ArtKit::kSlate, 11, QFont::Normal);
  }
}

void TFormChart::LayOutRow(TEllipsisLabel* caption, QLineEdit* edit, TEllipsisLabel* unit) {
  caption->setBuddy(edit);
  FitLabel(caption);
  edit->move(caption->x() + caption->width() + 2, edit->y());
  unit->move(edit->x() + edit->width() + 4, unit->y());
}
