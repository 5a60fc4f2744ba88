// The link information page and the chart in the running main window, on the
// simulated adapter: a real connection to OrvHome, the meters as the adapter
// moves, the chart under traffic, and the adapter pulled out.

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "adapter/nic_adapter.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/support/fast_timing.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/shell/form_main.h"
#include "ui/shell/image.h"
#include "ui/station/form_chart.h"
#include "ui/station/frame_link_info.h"

namespace {

using std::chrono::milliseconds;

constexpr int kWait = 15000;

TFormMain::Timing FastTiming() { return UiTest::FastTiming(milliseconds(100)); }

WLProfile OrvHome(const CNICAdapter& adapter) {
  WLProfile p = adapter.DefaultProfile();
  CopyText(p.ProfileName, "OrvHome");
  CopyText(p.Ssid1, "OrvHome");
  p.EncryptionMethod = kEncryptWPA2_PSK;
  p.WPAEncryptionType = kWPAAES;
  CopyText(p.WPAPassphrase, "correct horse battery");
  return p;
}

struct Running {
  Running() {
    window.show();
    window.Start(0);
  }
  QString Value(const char* name) const {
    return UiTest::FindChild<TEllipsisLabel>(window, name)->text();
  }
  int SignalBars() const {
    int lit = 0;
    for (int i = 0; i < 10; ++i) {
      if (!UiTest::FindChild<TImage>(window, QStringLiteral("ImgSignal%1").arg(i))->isHidden())
        ++lit;
    }
    return lit;
  }
  bool Connected() {
    if (!QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait)) return false;
    window.Adapter()->Connect(OrvHome(*window.Adapter()));
    return QTest::qWaitFor([&] { return !Value("LblTransRate").isEmpty(); }, kWait);
  }

  TFormMain window{FastTiming()};
};

}  // namespace

class LinkInfoSimTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(
        "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\nInitConnect=0\r\nAutoRenewIP=1\r\n");
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
  }

  void connectedToOrvHomeThePageShowsEveryValue() {
    Running r;
    QVERIFY(r.Connected());
    QCOMPARE(r.Value("LblProfName"), QStringLiteral("OrvHome"));
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("OrvHome"));
    QCOMPARE(r.Value("LblMAC"), QStringLiteral("00:0E:2E:10:00:04"));
    QCOMPARE(r.Value("LblNetType"), QStringLiteral("Infrastructure"));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("WPA2-PSK"));
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("36"));
    QCOMPARE(r.Value("LblAuthen"), QStringLiteral("None"));
    QCOMPARE(r.Value("LblNetMode"), QStringLiteral("802.11a"));
    QVERIFY(r.Value("LblTxRate").endsWith(QStringLiteral(" Mbps")));
    QVERIFY(r.Value("LblLinkQuality").endsWith(QStringLiteral(" dBm")));
    QVERIFY(r.Value("LblRecvReate").endsWith(QStringLiteral(" Kbps")));
    QVERIFY(!r.Value("LblTrans").isEmpty());
    QVERIFY(!r.Value("LblRecv").isEmpty());
    // The address comes from the network's server once the renewal is through.
    QTRY_VERIFY_WITH_TIMEOUT(r.Value("LblIP") != QStringLiteral("0.0.0.0"), kWait);
    QVERIFY(r.SignalBars() > 0);
  }

  void metersFollowTheAdapterMoving() {
    Running r;
    QVERIFY(r.Connected());
    QTRY_VERIFY_WITH_TIMEOUT(r.SignalBars() >= 8, kWait);
    QVERIFY(UiTestEnv::Simulator({"farther", "20"}));
    QTRY_VERIFY_WITH_TIMEOUT(r.SignalBars() <= 6, kWait);
    QVERIFY(r.SignalBars() > 0);
    QVERIFY(UiTestEnv::Simulator({"closer", "20"}));
    QTRY_VERIFY_WITH_TIMEOUT(r.SignalBars() >= 8, kWait);
  }

  void chartPlotsTrafficAndClosesWhenTheAdapterIsPulledOut() {
    Running r;
    QVERIFY(r.Connected());
    auto* button = UiTest::FindChild<TFABitmapBtn>(r.window, "BtnTChart");
    QVERIFY(button->isEnabled());
    bool opened = false;
    bool rateSeen = false;
    int rxKbps = 0;
    int highest = 0;
    QTimer::singleShot(0, &r.window, [&] {
      TFormChart* chart = TFormChart::Open();
      opened = chart != nullptr;
      if (!opened) return;
      // Whatever happens here, the adapter goes at the end so that the chart closes.
      if (!UiTestEnv::Simulator({"traffic", "8000", "30"})) {
        UiTestEnv::Simulator({"unplug"});
        return;
      }
      auto* rx = UiTest::FindChild<QLineEdit>(*chart, "EdtRx");
      // A busy machine delays single readings, so one may stray; the rate settles.
      rateSeen = QTest::qWaitFor(
          [&] {
            rxKbps = rx->text().toInt();
            return rxKbps > 6500 && rxKbps < 10000;
          },
          kWait);
      for (const RateGraph::Sample& sample : chart->RxGraph().Samples())
        highest = std::max(highest, sample.height);
      UiTestEnv::Simulator({"unplug"});
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(opened);
    // 8000 kbit/s of 1000 bits is 7812 of 1024 bits, high above the 1000 line.
    QVERIFY2(rateSeen, qPrintable(QString::number(rxKbps)));
    QVERIFY2(highest >= 68, qPrintable(QString::number(highest)));
    QCOMPARE(TFormChart::Open(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
    for (const char* name : {"LblSSID", "LblIP", "LblRecvReate", "LblLinkQuality"}) {
      QCOMPARE(r.Value(name), QString());
    }
    QCOMPARE(r.SignalBars(), 0);
    QVERIFY(!button->isEnabled());
    QVERIFY(UiTestEnv::Simulator({"plug"}));
  }
};

static const bool kRegistered = UiTestEnv::Register<LinkInfoSimTest>();

#include "link_info_sim_test.moc"
