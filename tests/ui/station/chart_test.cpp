// The statistics chart: its graphs' scale and spacing, the bound on its
// samples, and the window fed by an adapter manager that reports the test's
// own counters.

#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "core/notifier.h"
#include "tests/ui/station/fake_link_adapter.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/paint_panel.h"
#include "ui/controls/triface_btn.h"
#include "ui/shell/image.h"
#include "ui/station/form_chart.h"
#include "ui/station/rate_graph.h"

namespace {

constexpr QSize kDesignPicture(186, 72);

bool White(const QImage& picture, int x, int y) {
  return picture.pixel(x, y) == qRgb(255, 255, 255);
}

// The chart on a fake adapter manager, with a clock of the test's own.
struct Chart {
  Chart() {
    window.SetTickSource([this] { return now; });
    window.AdapterChanged(&fake.Adapter(), 1, 0);
  }
  bool Tick(const WLANStatus& status, uint64_t advanceMs = 2000) {
    if (!fake.Report(status)) return false;
    now += advanceMs;
    window.AdapterNotify(&fake.Adapter(), PM_STATUS, 0);
    return true;
  }
  QString Tx() const { return UiTest::FindChild<QLineEdit>(window, "EdtTx")->text(); }
  QString Rx() const { return UiTest::FindChild<QLineEdit>(window, "EdtRx")->text(); }

  FakeLinkAdapter fake;
  TFormChart window;
  uint64_t now = 50000;
};

}  // namespace

class ChartTest : public QObject {
  Q_OBJECT

 private slots:
  void gridHasDottedLinesAtEachQuarter() {
    const RateGraph graph(kDesignPicture);
    QCOMPARE(graph.Quarter(), 18);
    const QImage& grid = graph.Grid();
    QCOMPARE(grid.size(), kDesignPicture);
    for (int y : {18, 36, 54}) {
      QCOMPARE(grid.pixel(0, y), RateGraph::kGridLine);
      QCOMPARE(grid.pixel(1, y), RateGraph::kGround);
      QCOMPARE(grid.pixel(184, y), RateGraph::kGridLine);
    }
    QCOMPARE(grid.pixel(0, 17), RateGraph::kGround);
    QCOMPARE(grid.pixel(185, 71), RateGraph::kGround);
    QCOMPARE(graph.Picture(), grid);
  }

  void heightsFollowTheDecades_data() {
    QTest::addColumn<double>("kbps");
    QTest::addColumn<int>("height");
    QTest::newRow("0") << 0.0 << 1;
    QTest::newRow("below 1") << 0.5 << 1;
    QTest::newRow("1") << 1.0 << 1;
    QTest::newRow("10 on the lowest line") << 10.0 << 18;
    QTest::newRow("100") << 100.0 << 36;
    QTest::newRow("1000 on the third line") << 1000.0 << 54;
    QTest::newRow("5000") << 5000.0 << 66;
    QTest::newRow("10000 at the top") << 10000.0 << 72;
    QTest::newRow("20000 stays at the top") << 20000.0 << 72;
  }
  void heightsFollowTheDecades() {
    QFETCH(double, kbps);
    QFETCH(int, height);
    RateGraph graph(kDesignPicture);
    graph.Append(2000, kbps);
    QCOMPARE(graph.Samples().back(), (RateGraph::Sample{2, height}));
    // The one point stands at the right edge.
    QVERIFY(White(graph.Picture(), 185, 72 - height));
    QVERIFY(!White(graph.Picture(), 184, 72 - height));
  }

  void samplesTwoSecondsApartAreFourPixelsApart() {
    RateGraph graph(kDesignPicture);
    graph.Append(2000, 10);
    graph.Append(2000, 1000);
    graph.Append(2000, 10);
    const QImage& picture = graph.Picture();
    QVERIFY(White(picture, 185, 54));
    QVERIFY(White(picture, 181, 18));
    QVERIFY(White(picture, 177, 54));
    // The line joins them and ends at the oldest point.
    QVERIFY(White(picture, 183, 36));
    QVERIFY(!White(picture, 176, 54));
    for (int y = 0; y < 72; ++y) QVERIFY(!White(picture, 170, y));
  }

  void samplesLessThanASecondApartShareTheirPlace() {
    RateGraph graph(kDesignPicture);
    graph.Append(2000, 10);
    graph.Append(500, 1000);
    graph.Append(0, 10000);  // no time: no sample
    QCOMPARE(graph.Samples().size(), std::size_t{2});
    QCOMPARE(graph.Samples().back(), (RateGraph::Sample{0, 54}));
    QVERIFY(White(graph.Picture(), 185, 18));
    QVERIFY(White(graph.Picture(), 185, 54));
    QVERIFY(!White(graph.Picture(), 184, 54));
  }

  void keepsOneSampleMoreThanThePictureIsWide() {
    RateGraph graph(kDesignPicture);
    for (int i = 0; i < 500; ++i) graph.Append(2000, i);
    QCOMPARE(graph.Samples().size(), std::size_t{187});
    QCOMPARE(graph.Samples().back().height, RateGraph::HeightOf(499, 18, 72));
    // 47 samples four pixels apart fill the width; the older ones lie past the left edge.
    QVERIFY(White(graph.Picture(), 1, 72 - RateGraph::HeightOf(453, 18, 72)));
    graph.Reset();
    QVERIFY(graph.Samples().empty());
    QCOMPARE(graph.Picture(), graph.Grid());
  }

  // The picture scrolls and gains one line per sample; after every append it
  // must equal the samples drawn afresh, through gaps, pauses and dropped samples.
  void scrolledPictureMatchesTheSamplesDrawnAfresh_data() {
    QTest::addColumn<QList<qint64>>("intervals");
    QTest::addColumn<QList<double>>("rates");
    QTest::newRow("two seconds") << QList<qint64>{2000} << QList<double>{5, 9000, 40, 1, 700, 3};
    QTest::newRow("uneven") << QList<qint64>{1000, 3000, 2500, 700, 9000}
                            << QList<double>{12, 0.5, 60000, 333, 8, 2500, 77};
    // Samples that share a place stay long enough to be dropped while in view.
    QList<double> oneLow(250, 150.0);
    oneLow[0] = 1;
    QTest::newRow("under a second") << QList<qint64>{300} << oneLow;
    QTest::newRow("mostly under a second")
        << QList<qint64>{400, 400, 400, 400, 400, 400, 400, 400, 400, 1200} << oneLow;
    QTest::newRow("long pauses") << QList<qint64>{2000, 95000, 2000, 4000000000000}
                                 << QList<double>{50, 5000, 7};
  }
  void scrolledPictureMatchesTheSamplesDrawnAfresh() {
    QFETCH(QList<qint64>, intervals);
    QFETCH(QList<double>, rates);
    RateGraph graph(kDesignPicture);
    for (int i = 0; i < 600; ++i) {
      graph.Append(static_cast<uint64_t>(intervals[i % intervals.size()]), rates[i % rates.size()]);
      if (graph.Picture() != RateGraph::Drawn(graph.Grid(), graph.Samples())) {
        QFAIL(qPrintable(QStringLiteral("differs after sample %1").arg(i)));
      }
    }
  }

  void windowIsLaidOutAsDesigned() {
    UiTestEnv::WriteStrings("");
    TFormChart chart;
    const auto* caption = UiTest::FindChild<TEllipsisLabel>(chart, "LbTx");
    const auto* edit = UiTest::FindChild<QLineEdit>(chart, "EdtTx");
    const auto* unit = UiTest::FindChild<TEllipsisLabel>(chart, "LbTxKbps");
    QCOMPARE(edit->x(), caption->x() + caption->width() + 2);
    QCOMPARE(unit->x(), edit->x() + edit->width() + 4);
    QCOMPARE(unit->text(), QStringLiteral("Kbps"));
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->text(), QStringLiteral("0"));
    const auto* box = UiTest::FindChild<TPaintPanel>(chart, "PBoxTx");
    QCOMPARE(chart.TxGraph().Picture().size(), box->size() - QSize(4, 4));
    // Each scale mark is centred on its grid line.
    const int pictureTop = box->y() + 2;
    const struct {
      const char* name;
      int y;
    } marks[] = {{"Lb10000", pictureTop},
                 {"Lb1000", pictureTop + 18},
                 {"Lb100", pictureTop + 36},
                 {"Lb10", pictureTop + 54},
                 {"Lb0", pictureTop + 72}};
    for (const auto& mark : marks) {
      const auto* label = UiTest::FindChild<TEllipsisLabel>(chart, mark.name);
      QCOMPARE(label->geometry().center().y() + 1, mark.y);
      QCOMPARE(label->ShownText(), label->text());
      QVERIFY(label->x() > box->geometry().right());
    }
    const auto* close = UiTest::FindChild<TTrifaceBtn>(chart, "BtnClose");
    QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
    QVERIFY(UiTest::FindChild<TImage>(chart, "ImgBG")->DragsWindow());
    QCOMPARE(TFormChart::Open(), &chart);
  }

  void ratesAppearFromTheSecondAssociatedStatus() {
    Chart c;
    WLANStatus s = FakeLinkAdapter::Associated();
    QVERIFY(c.Tick(s));
    QCOMPARE(c.Rx(), QStringLiteral("0"));
    QVERIFY(c.window.RxGraph().Samples().empty());

    s.RxBytes += 256000;
    s.TxBytes += 2560;
    QVERIFY(c.Tick(s));
    QCOMPARE(c.Rx(), QStringLiteral("1000"));
    QCOMPARE(c.Tx(), QStringLiteral("10"));
    QCOMPARE(c.window.RxGraph().Samples().back(), (RateGraph::Sample{2, 54}));
    QCOMPARE(c.window.TxGraph().Samples().back(), (RateGraph::Sample{2, 18}));

    s.RxBytes = 0;
    QVERIFY(c.Tick(s));
    QCOMPARE(c.Rx(), QStringLiteral("0"));
    QCOMPARE(c.window.RxGraph().Samples().back().height, 1);
  }

  void losingTheLinkShowsZerosAndKeepsPlotting() {
    Chart c;
    WLANStatus lost = FakeLinkAdapter::Associated();
    lost.MediaState = kMediaDisconnected;
    QVERIFY(c.Tick(lost));
    QVERIFY(c.Tick(lost));
    QCOMPARE(c.Tx(), QStringLiteral("0"));
    QCOMPARE(c.Rx(), QStringLiteral("0"));
    QCOMPARE(c.window.RxGraph().Samples().size(), std::size_t{1});
    // The first associated status after that only records the counters.
    QVERIFY(c.Tick(FakeLinkAdapter::Associated()));
    QCOMPARE(c.window.RxGraph().Samples().size(), std::size_t{2});
    QCOMPARE(c.window.RxGraph().Samples().back().height, 1);
    QCOMPARE(c.Rx(), QStringLiteral("0"));
  }

  void aNewSampleRepaintsTheGraphWithinItsFrame() {
    Chart c;
    c.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c.window));
    WLANStatus s = FakeLinkAdapter::Associated();
    QVERIFY(c.Tick(s));
    s.RxBytes += 256000;
    QVERIFY(c.Tick(s));
    const auto* box = UiTest::FindChild<TPaintPanel>(c.window, "PBoxRx");
    const QRect inside(box->mapTo(&c.window, QPoint(2, 2)), box->size() - QSize(4, 4));
    const auto onScreen = [&] {
      return c.window.screen()
          ->grabWindow(c.window.winId())
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
    };
    QTRY_COMPARE(onScreen().copy(inside), c.window.RxGraph().Picture());
    const QImage shown = onScreen();
    // The frame around it stays: shadow above and to the left, light below and to the right.
    const QRect outer(box->mapTo(&c.window, QPoint(0, 0)), box->size());
    QCOMPARE(shown.pixel(outer.topLeft() + QPoint(5, 0)), qRgb(128, 146, 164));
    QCOMPARE(shown.pixel(outer.topLeft() + QPoint(5, 1)), qRgb(52, 64, 78));
    QCOMPARE(shown.pixel(outer.bottomLeft() + QPoint(5, 0)), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(outer.bottomLeft() + QPoint(5, -1)), qRgb(214, 224, 233));
  }

  void aStationConnectOrADetachStartsAfresh() {
    Chart c;
    WLANStatus s = FakeLinkAdapter::Associated();
    QVERIFY(c.Tick(s));
    s.RxBytes += 256000;
    QVERIFY(c.Tick(s));
    QCOMPARE(c.Rx(), QStringLiteral("1000"));

    c.window.AdapterNotify(&c.fake.Adapter(), PM_CONNECT, 1);
    QCOMPARE(c.window.RxGraph().Samples().size(), std::size_t{1});
    c.window.AdapterNotify(&c.fake.Adapter(), PM_CONNECT, 0);
    QVERIFY(c.window.RxGraph().Samples().empty());
    QCOMPARE(c.Rx(), QStringLiteral("0"));
    QCOMPARE(c.window.RxGraph().Picture(), c.window.RxGraph().Grid());
    // Counters before the reset do not count against the first status after it.
    s.RxBytes += 256000;
    QVERIFY(c.Tick(s));
    QCOMPARE(c.Rx(), QStringLiteral("0"));

    c.window.AdapterChanged(&c.fake.Adapter(), 2, 0);
    QCOMPARE(c.window.Adapter(), nullptr);
    QVERIFY(c.Tick(s));
    QVERIFY(c.window.RxGraph().Samples().empty());
    // An access-point attach gives the chart nothing to watch.
    c.window.AdapterChanged(&c.fake.Adapter(), 1, 1);
    QCOMPARE(c.window.Adapter(), nullptr);
  }
};

static const bool kRegistered = UiTestEnv::Register<ChartTest>();

#include "chart_test.moc"
