// The link information page fed by an adapter manager whose library reports
// the test's own status records: what each value shows, the meters, the
// rates, the connecting display, the modes, and the chart button.

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/station/fake_link_adapter.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/triface_btn.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_base.h"
#include "ui/shell/image.h"
#include "ui/station/form_chart.h"
#include "ui/station/frame_link_info.h"

namespace {

const char* const kValueNames[] = {"LblProfName",  "LblSSID",      "LblMAC",        "LblNetType",
                                   "LblTxRate",    "LblSecurity",  "LblChannel",    "LblIP",
                                   "LblTransRate", "LblRecvReate", "LblAuthen",     "LblNetMode",
                                   "LblTrans",     "LblRecv",      "LblLinkQuality"};

// The page on a fake adapter manager, told what the main window would tell it.
struct LinkPage {
  explicit LinkPage(int mode = 0) {
    page.InitPage();
    page.SetTickSource([this] { return now; });
    page.AdapterChanged(&fake.Adapter(), TPropertyPageFrame::kAdapterAttached, mode);
  }

  // The manager collects the status; the page hears of it advanceMs later.
  bool Tick(const WLANStatus& status, const NetworkInfo& info = NetworkInfo{},
            uint64_t advanceMs = 2000) {
    if (!fake.Report(status, info)) return false;
    now += advanceMs;
    page.AdapterNotify(&fake.Adapter(), PM_STATUS, 0);
    return true;
  }
  void Notify(int code, intptr_t arg) { page.AdapterNotify(&fake.Adapter(), code, arg); }

  QString Value(const char* name) const {
    return UiTest::FindChild<TEllipsisLabel>(page, name)->text();
  }
  bool AllBlank() const {
    for (const char* name : kValueNames) {
      if (!Value(name).isEmpty()) return false;
    }
    return Lit("ImgSignal") == 0 && Lit("ImgQuality") == 0;
  }
  // The lit bars of a meter, which must be the leftmost ones; -1 otherwise.
  int Lit(const char* meter) const {
    int lit = 0;
    bool gap = false;
    for (int i = 0; i < 10; ++i) {
      const auto* light =
          UiTest::FindChild<TImage>(page, QStringLiteral("%1%2").arg(QLatin1String(meter)).arg(i));
      if (light->isHidden()) {
        gap = true;
      } else {
        if (gap) return -1;
        ++lit;
      }
    }
    return lit;
  }
  TFABitmapBtn* ChartButton() const { return UiTest::FindChild<TFABitmapBtn>(page, "BtnTChart"); }

  FakeLinkAdapter fake;
  TFrameLinkInfo page;
  uint64_t now = 100000;
};

WLProfile Profile(const char* name, int32_t encryption, int32_t eapMethod = 0) {
  WLProfile p{};
  CopyText(p.ProfileName, name);
  CopyText(p.Ssid1, "OrvHome");
  p.EncryptionMethod = encryption;
  p.MS8021xAuthMode = eapMethod;
  return p;
}

}  // namespace

class LinkInfoTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings("[Setting]\r\n");
    UiTestEnv::WriteStrings("");
  }

  void metersLightBarsFromTheLeft_data() {
    QTest::addColumn<int>("dBm");
    QTest::addColumn<int>("bars");
    QTest::newRow("no value") << 0 << 0;
    QTest::newRow("-96") << -96 << 0;
    QTest::newRow("-95") << -95 << 0;
    QTest::newRow("-94") << -94 << 1;
    QTest::newRow("-85") << -85 << 2;
    QTest::newRow("-60") << -60 << 7;
    QTest::newRow("-46") << -46 << 10;
    QTest::newRow("-45") << -45 << 10;
    QTest::newRow("-20") << -20 << 10;
  }
  void metersLightBarsFromTheLeft() {
    QFETCH(int, dBm);
    QFETCH(int, bars);
    LinkPage r;
    WLANStatus s = FakeLinkAdapter::Associated();
    s.Signal = dBm;
    s.LinkQuality = -60;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Lit("ImgSignal"), bars);
    QCOMPARE(r.Lit("ImgQuality"), 7);
    s.Signal = -60;
    s.LinkQuality = dBm;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Lit("ImgSignal"), 7);
    QCOMPARE(r.Lit("ImgQuality"), bars);
  }

  void transmissionRateShowsHalfSteps_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("shown");
    QTest::newRow("11") << 11 << "5.5 Mbps";
    QTest::newRow("2") << 2 << "1 Mbps";
    QTest::newRow("108") << 108 << "54 Mbps";
    QTest::newRow("1") << 1 << "0.5 Mbps";
  }
  void transmissionRateShowsHalfSteps() {
    QFETCH(int, rate);
    QFETCH(QString, shown);
    LinkPage r;
    WLANStatus s = FakeLinkAdapter::Associated();
    s.TxRate = static_cast<uint8_t>(rate);
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblTxRate"), shown);
  }

  void trafficRatesComeFromTheByteCounters() {
    LinkPage r;
    WLANStatus s = FakeLinkAdapter::Associated();
    QVERIFY(r.Tick(s));
    // The first sample only records the counters.
    QCOMPARE(r.Value("LblTransRate"), QString());
    QCOMPARE(r.Value("LblRecvReate"), QString());

    s.RxBytes += 256000;
    QVERIFY(r.Tick(s, {}, 2000));
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("1000 Kbps"));
    QCOMPARE(r.Value("LblTransRate"), QStringLiteral("0 Kbps"));

    s.TxBytes += 128 * 3;  // 3 units over 4000 ms: 0.75, shown whole
    s.RxBytes += 1280000;
    QVERIFY(r.Tick(s, {}, 4000));
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("2500 Kbps"));
    QCOMPARE(r.Value("LblTransRate"), QStringLiteral("1 Kbps"));

    // An adapter reset starts its counters again: no negative or huge rate.
    s.RxBytes = 10;
    s.TxBytes = 20;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("0 Kbps"));
    QCOMPARE(r.Value("LblTransRate"), QStringLiteral("0 Kbps"));

    // No time between two notifications gives 0, not a division by zero.
    s.RxBytes += 1000000;
    QVERIFY(r.Tick(s, {}, 0));
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("0 Kbps"));
  }

  void losingTheLinkBlanksThePageAndRestartsTheRates() {
    LinkPage r;
    WLANStatus s = FakeLinkAdapter::Associated();
    QVERIFY(r.Tick(s, FakeLinkAdapter::WithAddress(10, 0, 0, 2)));
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("0 Kbps"));
    WLANStatus lost = s;
    lost.MediaState = kMediaDisconnected;
    QVERIFY(r.Tick(lost));
    QVERIFY(r.AllBlank());
    s.RxBytes += 256000;
    QVERIFY(r.Tick(s));
    QVERIFY(!r.Value("LblSSID").isEmpty());
    QCOMPARE(r.Value("LblRecvReate"), QString());
  }

  void linkValuesComeFromTheStatus() {
    LinkPage r;
    WLANStatus s = FakeLinkAdapter::Associated();
    QVERIFY(r.Tick(s, FakeLinkAdapter::WithAddress(192, 168, 7, 23)));
    QCOMPARE(r.Value("LblProfName"), QString());
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("OrvHome"));
    QCOMPARE(r.Value("LblMAC"), QStringLiteral("00:0E:2E:10:A0:0F"));
    QCOMPARE(r.Value("LblNetType"), QStringLiteral("Infrastructure"));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("54 Mbps"));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("WPA2-PSK"));
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("36"));
    QCOMPARE(r.Value("LblIP"), QStringLiteral("192.168.7.23"));
    QCOMPARE(r.Value("LblAuthen"), QStringLiteral("Open"));
    QCOMPARE(r.Value("LblNetMode"), QStringLiteral("802.11a"));
    QCOMPARE(r.Value("LblTrans"), QStringLiteral("1234"));
    QCOMPARE(r.Value("LblRecv"), QStringLiteral("5000000000"));
    QCOMPARE(r.Value("LblLinkQuality"), QStringLiteral("-55 dBm"));

    s.NetworkType = 0;
    s.Frequency = 2437000;
    s.Radio = 3;
    s.SecurityMode = 1;
    s.AuthenticationMode = 1;
    s.Bssid[5] = 0xFF;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblNetType"), QStringLiteral("Ad-Hoc"));
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("6"));
    QCOMPARE(r.Value("LblNetMode"), QStringLiteral("802.11g"));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("WEP"));
    QCOMPARE(r.Value("LblAuthen"), QStringLiteral("Shared"));
    QCOMPARE(r.Value("LblMAC"), QStringLiteral("00:0E:2E:10:A0:FF"));
    QCOMPARE(r.Value("LblIP"), QStringLiteral("0.0.0.0"));

    // A radio without a text leaves the network mode as it was.
    s.Radio = 9;
    s.AuthenticationMode = 2;
    s.SecurityMode = 12;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblNetMode"), QStringLiteral("802.11g"));
    QCOMPARE(r.Value("LblAuthen"), QStringLiteral("Auto Switch"));
    QCOMPARE(r.Value("LblSecurity"), QString());
    s.AuthenticationMode = 7;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblAuthen"), QStringLiteral("Open"));
  }

  void anAddressTheLibraryCannotWriteShowsZeros() {
    LinkPage r;
    QVERIFY(UiTestEnv::Simulator({"fault", "IPDataToStr", "fail", "always"}));
    const bool ticked =
        r.Tick(FakeLinkAdapter::Associated(), FakeLinkAdapter::WithAddress(10, 1, 2, 3));
    const QString shown = r.Value("LblIP");
    QVERIFY(UiTestEnv::Simulator({"fault", "clear"}));
    QVERIFY(ticked);
    QCOMPARE(shown, QStringLiteral("0.0.0.0"));
  }

  void ssidBytesAreShownWithoutLosingAny_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9") << 5 << QStringLiteral(u"Café");
    QTest::newRow("latin-1 and a control byte")
        << QByteArray("Caf\xE9\x07z") << 6 << QStringLiteral(u"Café z");
    QTest::newRow("length past the buffer")
        << QByteArray(32, 'x') << 40 << QString(32, QLatin1Char('x'));
    QTest::newRow("negative length") << QByteArray("abc") << -3 << QString();
  }
  void ssidBytesAreShownWithoutLosingAny() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, length);
    QFETCH(QString, shown);
    LinkPage r;
    WLANStatus s = FakeLinkAdapter::Associated();
    std::memset(s.Ssid, 0, sizeof s.Ssid);
    std::memcpy(s.Ssid, bytes.constData(), std::min<std::size_t>(bytes.size(), sizeof s.Ssid));
    s.SsidLength = length;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblSSID"), shown);
  }

  void appliedProfileDecidesNameSecurityAndAuthentication_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("encryption");
    QTest::addColumn<int>("eap");
    QTest::addColumn<int>("statusAuth");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("security");
    QTest::addColumn<QString>("authen");
    QTest::newRow("open, shared key") << "Home" << 0 << 0 << 1 << "Home"
                                      << "Disabled"
                                      << "Shared";
    QTest::newRow("WEP, auto") << "Home" << 1 << 3 << 2 << "Home"
                               << "WEP"
                               << "Auto Switch";
    QTest::newRow("WEP, other") << "Home" << 1 << 0 << 4 << "Home"
                                << "WEP"
                                << "Open";
    QTest::newRow("WPA-PSK") << "Home" << 2 << 0 << 1 << "Home"
                             << "WPA-PSK"
                             << "None";
    QTest::newRow("WPA2-PSK") << "Home" << 6 << 1 << 1 << "Home"
                              << "WPA2-PSK"
                              << "None";
    QTest::newRow("WPA TLS") << "Work" << 3 << 1 << 1 << "Work"
                             << "WPA"
                             << "TLS";
    QTest::newRow("RADIUS MD5") << "Work" << 4 << 5 << 1 << "Work"
                                << "RADIUS"
                                << "MD5";
    QTest::newRow("WPA2 PEAP") << "Work" << 7 << 3 << 1 << "Work"
                               << "WPA2"
                               << "PEAP";
    QTest::newRow("WPA2 TTLS") << "Work" << 7 << 2 << 1 << "Work"
                               << "WPA2"
                               << "TTLS";
    QTest::newRow("WPA LEAP") << "Work" << 3 << 4 << 1 << "Work"
                              << "WPA"
                              << "LEAP";
    QTest::newRow("WPA2 no method") << "Work" << 7 << 0 << 1 << "Work"
                                    << "WPA2"
                                    << "";
    QTest::newRow("LEAP") << "Work" << 5 << 4 << 1 << "Work"
                          << "LEAP"
                          << "";
    QTest::newRow("unknown type") << "Work" << 9 << 4 << 1 << "Work"
                                  << ""
                                  << "";
    QTest::newRow("unsaved profile") << "(EditingProfile)" << 6 << 0 << 0 << ""
                                     << "WPA2-PSK"
                                     << "None";
  }
  void appliedProfileDecidesNameSecurityAndAuthentication() {
    QFETCH(QString, name);
    QFETCH(int, encryption);
    QFETCH(int, eap);
    QFETCH(int, statusAuth);
    QFETCH(QString, shownName);
    QFETCH(QString, security);
    QFETCH(QString, authen);
    LinkPage r;
    QVERIFY(r.fake.Apply(Profile(name.toLatin1().constData(), encryption, eap)));
    r.Notify(PM_CONNECT, 0);
    WLANStatus s = FakeLinkAdapter::Associated();
    s.SecurityMode = 0;  // the profile's type wins over the status's
    s.AuthenticationMode = statusAuth;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblProfName"), shownName);
    QCOMPARE(r.Value("LblSecurity"), security);
    QCOMPARE(r.Value("LblAuthen"), authen);
  }

  void connectingKeepsThePageBlankAndRenewsTheAddressOnce() {
    LinkPage r;
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QVERIFY(!r.Value("LblSSID").isEmpty());

    QVERIFY(r.fake.Apply(Profile("Home", 6)));
    r.Notify(PM_CONNECT, 0);
    QVERIFY(r.AllBlank());
    WLANStatus waiting = FakeLinkAdapter::Associated();
    waiting.MediaState = kMediaDisconnected;
    QVERIFY(r.Tick(waiting));
    QVERIFY(r.Tick(waiting));
    QVERIFY(r.AllBlank());
    QCOMPARE(FakeLinkAdapter::Calls("ORVWL_IPRelease"), 0);

    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QCOMPARE(r.Value("LblProfName"), QStringLiteral("Home"));
    QCOMPARE(r.Value("LblRecvReate"), QString());
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRelease"), 1);
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 1);
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("0 Kbps"));
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 1);

    // Losing the link without a new attempt blanks the page but renews nothing.
    QVERIFY(r.Tick(waiting));
    QVERIFY(r.AllBlank());
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 1);

    // The next attempt renews again.
    r.Notify(PM_CONNECT, 0);
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 2);
  }

  void noRenewalWhenTheSettingIsOff() {
    UiTestEnv::WriteSettings("[Setting]\r\nAutoRenewIP=0\r\n");
    LinkPage r;
    QVERIFY(r.fake.Apply(Profile("Home", 6)));
    r.Notify(PM_CONNECT, 0);
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QCOMPARE(r.Value("LblProfName"), QStringLiteral("Home"));
    QCOMPARE(FakeLinkAdapter::Calls("ORVWL_IPRelease"), 0);
    QCOMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 0);
  }

  void anAccessPointConnectLeavesTheStationValues() {
    LinkPage r;
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    r.Notify(PM_CONNECT, 1);
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("OrvHome"));
    QCOMPARE(r.Lit("ImgSignal"), 9);
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("0 Kbps"));
  }

  void accessPointModeLeavesThePageEmpty() {
    LinkPage r(1);
    QVERIFY(!r.ChartButton()->isEnabled());
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    r.Notify(PM_ZEROCFG, 0);
    QVERIFY(r.AllBlank());
    QVERIFY(!r.ChartButton()->isEnabled());
  }

  void detachingBlanksThePageAndForgetsTheAdapter() {
    LinkPage r;
    QVERIFY(r.ChartButton()->isEnabled());
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    r.page.AdapterChanged(&r.fake.Adapter(), TPropertyPageFrame::kAdapterDetached, 0);
    QVERIFY(r.AllBlank());
    QVERIFY(!r.ChartButton()->isEnabled());
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QVERIFY(r.AllBlank());
  }

  void zeroConfigurationServiceTakesThePageAway() {
    LinkPage r;
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    r.fake.Adapter().WriteUseWZC(true);
    r.Notify(PM_ZEROCFG, 1);
    QVERIFY(r.AllBlank());
    QVERIFY(!r.ChartButton()->isEnabled());
    // The last status is still in the manager; the page must not show it.
    r.Notify(PM_STATUS, 0);
    QVERIFY(r.AllBlank());

    r.fake.Adapter().WriteUseWZC(false);
    r.Notify(PM_ZEROCFG, 0);
    QVERIFY(r.ChartButton()->isEnabled());
    QVERIFY(r.Tick(FakeLinkAdapter::Associated()));
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("OrvHome"));
  }

  void attachingUnderTheZeroConfigurationServiceKeepsTheChartShut() {
    FakeLinkAdapter fake;
    fake.Adapter().WriteUseWZC(true);
    TFrameLinkInfo page;
    page.InitPage();
    page.AdapterChanged(&fake.Adapter(), TPropertyPageFrame::kAdapterAttached, 0);
    QVERIFY(!UiTest::FindChild<TFABitmapBtn>(page, "BtnTChart")->isEnabled());
    fake.Adapter().WriteUseWZC(false);
  }

  void chartButtonOpensOneChartFedByThePage() {
    LinkPage r;
    r.page.show();
    TFABitmapBtn* button = r.ChartButton();
    QCOMPARE(button->accessibleName(), QStringLiteral("Chart"));
    QCOMPARE(button->toolTip(), QStringLiteral("Chart"));
    TFormChart* seen = nullptr;
    int openDialogs = 0;
    QString rxShown;
    int rxSamples = -1;
    CNICAdapter* chartAdapter = nullptr;
    QTimer::singleShot(0, &r.page, [&] {
      seen = TFormChart::Open();
      if (seen == nullptr) return;
      chartAdapter = seen->Adapter();
      // A second click while the chart is open opens none.
      QTest::mouseClick(button, Qt::LeftButton);
      openDialogs = static_cast<int>(TFormBase::OpenModalForms().size());
      WLANStatus s = FakeLinkAdapter::Associated();
      if (r.Tick(s)) {
        s.RxBytes += 256000;
        if (r.Tick(s)) rxShown = UiTest::FindChild<QLineEdit>(*seen, "EdtRx")->text();
      }
      rxSamples = static_cast<int>(seen->RxGraph().Samples().size());
      QTest::mouseClick(UiTest::FindChild<TTrifaceBtn>(*seen, "BtnClose"), Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(seen != nullptr);
    QCOMPARE(chartAdapter, &r.fake.Adapter());
    QCOMPARE(openDialogs, 1);
    QCOMPARE(rxShown, QStringLiteral("1000"));
    QCOMPARE(rxSamples, 1);
    QCOMPARE(TFormChart::Open(), nullptr);
    QVERIFY(TFormBase::OpenModalForms().isEmpty());
    // The page went on with its own work meanwhile.
    QCOMPARE(r.Value("LblRecvReate"), QStringLiteral("1000 Kbps"));
  }

  void theShippedTextsFitTheirPlaces() {
    UiTestEnv::WriteStrings(ReadFile(std::string(ORV_SOURCE_DIR) + "/resources/orvane-wlan.ini"));
    TFrameLinkInfo page;
    page.InitPage();
    // The captions are fitted once the event loop runs.
    QCoreApplication::processEvents();
    const QRect leftCard(4, 4, 323, 304);
    const QRect rightCard(333, 4, 247, 304);
    QList<QRect> meterLights;
    for (const char* meter : {"ImgSignal", "ImgQuality"}) {
      for (int i = 0; i < 10; ++i) {
        meterLights.append(
            UiTest::FindChild<TImage>(page, QStringLiteral("%1%2").arg(QLatin1String(meter)).arg(i))
                ->geometry());
      }
    }
    QCOMPARE(meterLights.first().topLeft(), QPoint(125, 278));
    QCOMPARE(meterLights.at(10).topLeft(), QPoint(393, 278));
    QList<QRect> captions;
    const char* const captionNames[] = {"LbProfName",  "LbSSID",      "LbMAC",        "LbNetType",
                                        "LbTxRate",    "LbSecurity",  "LbChannel",    "LbIP",
                                        "LbTransRate", "LbRecvReate", "LbAuthen",     "LbNetMode",
                                        "LbTrans",     "LbRecv",      "LbLinkQuality"};
    for (int i = 0; i < 15; ++i) {
      const auto* caption = UiTest::FindChild<TEllipsisLabel>(page, captionNames[i]);
      const auto* value = UiTest::FindChild<TEllipsisLabel>(page, kValueNames[i]);
      const QRect card = i < 8 ? leftCard : rightCard;
      QVERIFY2(caption->ShownText() == caption->text(), captionNames[i]);
      QVERIFY2(LabelTextWidth(*caption) <= caption->width(), captionNames[i]);
      QVERIFY2(caption->geometry().right() < value->x(), captionNames[i]);
      QVERIFY2(value->width() > 60, kValueNames[i]);
      QVERIFY2(card.contains(caption->geometry()) && card.contains(value->geometry()),
               captionNames[i]);
      captions.append(caption->geometry());
    }
    for (const char* name : {"LbSignal", "LbQuality"}) {
      const auto* caption = UiTest::FindChild<TEllipsisLabel>(page, name);
      QVERIFY2(caption->ShownText() == caption->text(), name);
      QVERIFY2(LabelTextWidth(*caption) <= caption->width(), name);
      for (const QRect& light : meterLights) QVERIFY2(!caption->geometry().intersects(light), name);
      captions.append(caption->geometry());
    }
    QCOMPARE(UiTest::FindChild<TEllipsisLabel>(page, "LbSignal")->text(),
             QStringLiteral("Signal Strength"));
    const QRect button = UiTest::FindChild<TFABitmapBtn>(page, "BtnTChart")->geometry();
    QCOMPARE(button.x() + button.width(), 567);
    QVERIFY(
        !UiTest::FindChild<TEllipsisLabel>(page, "LbStatistics")->geometry().intersects(button));
    for (int i = 0; i < captions.size(); ++i) {
      QVERIFY(!captions[i].intersects(button));
      for (int j = i + 1; j < captions.size(); ++j) QVERIFY(!captions[i].intersects(captions[j]));
    }
  }
};

static const bool kRegistered = UiTestEnv::Register<LinkInfoTest>();

#include "link_info_test.moc"
