#pragma once

#include <QList>
#include <QPainterPath>
#include <QString>
#include <QWidget>

class SiteList;
struct SiteSurveyEntry;

// The networks of a site list drawn by channel: one curve per row over the
// span its channel occupies, as high as its signal, 2.4 GHz above and 5 GHz
// below. It follows the list's rows, order, selection and associated network;
// the curve under the pointer names its network, and a click selects its row.
class ChannelGraph : public QWidget {
  Q_OBJECT

 public:
  explicit ChannelGraph(SiteList& list, QWidget* parent = nullptr);

  // The list row of the curve drawn topmost at this point, or -1.
  int RowAt(const QPointF& point);
  // Where the row's curve is drawn (empty when the row has none).
  QRectF CurveBounds(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct Curve {
    int row;
    bool low;  // 2.4 GHz
    QPainterPath path;
    QPointF peak;
    QString ssid;
    bool associated;
  };
  struct Pane {
    QRectF plot;
    bool low;
  };

  void Invalidate();
  void Rebuild();
  Pane PaneOf(bool low) const;
  double XOf(const Pane& pane, double mhz) const;
  double YOf(const Pane& pane, int32_t dbm) const;
  void DrawPane(QPainter& painter, const Pane& pane) const;
  void DrawCurve(QPainter& painter, const Curve& curve, bool selected) const;

  SiteList& list_;
  QList<Curve> curves_;  // bottom to top
  bool dirty_ = true;
  QString none_;
};
