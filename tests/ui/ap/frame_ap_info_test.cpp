// The access-point information page: the access point's values from exact
// status records (a real adapter manager on a library the test controls), and
// the association list against the simulated access point and its stations.

#include <QHeaderView>
#include <QSet>
#include <QTest>
#include <cstring>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/ap/ap_test_support.h"
#include "tests/ui/station/fake_link_adapter.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/ap/frame_ap_info.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/sort_lv.h"
#include "ui/controls/triface_label.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_main.h"

namespace {

using ApTest::kWait;

const char* const kValueNames[] = {"LblSSID", "LblChannel", "LblTxRate", "LblSecurity",
                                   "LblMAC",  "LblPower",   "LblIP"};

// The page on a fake adapter manager in access-point mode, told what the main
// window would tell it.
struct InfoPage {
  InfoPage() {
    page.InitPage();
    page.AdapterChanged(&fake.Adapter(), TPropertyPageFrame::kAdapterAttached, 1);
  }

  bool Tick(const WLANStatus& status, const NetworkInfo& info = NetworkInfo{}) {
    if (!fake.Report(status, info)) return false;
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
    return true;
  }

  FakeLinkAdapter fake;
  TFrameAPInfo page;
};

// The simulated access point running, its information page shown.
struct SimPage {
  SimPage() {
    UiTestEnv::WriteSettings(ApTest::Settings("OperateMode=1\r\n"));
    window.Start(0);
    window.show();
  }

  bool Running() {
    if (!QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait)) return false;
    window.ShowPage(UiTest::FindChild<TTrifaceLabel>(window, "LbAPInfo"), 0);
    return QTest::qWaitFor([&] { return !Value("LblSSID").isEmpty(); }, kWait);
  }
  QString Value(const char* name) { return UiTest::FindChild<TEllipsisLabel>(*page, name)->text(); }
  QTreeWidgetItem* Row(const QString& mac) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      if (list->topLevelItem(i)->text(1) == mac) return list->topLevelItem(i);
    }
    return nullptr;
  }
  QStringList Macs() const {
    QStringList macs;
    for (int i = 0; i < list->topLevelItemCount(); ++i) macs.append(list->topLevelItem(i)->text(1));
    return macs;
  }

  TFormMain window{ApTest::FastTiming()};
  TFrameAPInfo* page = UiTest::FindChild<TFrameAPInfo>(window, "FrameAPInfo1");
  TSortLv* list = UiTest::FindChild<TSortLv>(*page, "LvMAC");
};

const QString kStationA = QStringLiteral("02:4F:52:56:0A:01");
const QString kStationB = QStringLiteral("02:4F:52:56:0B:02");

WLANStatus Running() {
  WLANStatus s = FakeLinkAdapter::Associated();
  const char ssid[] = "WLAN_AP";
  std::memset(s.Ssid, 0, sizeof s.Ssid);
  std::memcpy(s.Ssid, ssid, std::strlen(ssid));
  s.SsidLength = static_cast<int32_t>(std::strlen(ssid));
  s.Frequency = 2437000;
  s.SecurityMode = kEncryptWEP;
  s.OutputPower = 2;
  return s;
}

}  // namespace

class FrameAPInfoTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ApTest::ForgetProfiles();
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    UiTestEnv::WriteSettings("[Setting]\r\n");
    UiTestEnv::WriteStrings("");
  }

  void valuesComeFromTheStatus() {
    InfoPage r;
    QVERIFY(r.Tick(Running(), FakeLinkAdapter::WithAddress(192, 168, 123, 1)));
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("WLAN_AP"));
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("6"));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("54 Mbps"));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("WEP"));
    QCOMPARE(r.Value("LblMAC"), QString::fromStdString(r.fake.Adapter().MacText()));
    QCOMPARE(r.Value("LblPower"), QStringLiteral("Level 2"));
    QCOMPARE(r.Value("LblIP"), QStringLiteral("192.168.123.1"));

    // An odd rate byte is a half step; a power level without a text keeps the last one.
    WLANStatus s = Running();
    s.TxRate = 11;
    s.OutputPower = 7;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("5.5 Mbps"));
    QCOMPARE(r.Value("LblPower"), QStringLiteral("Level 2"));
    // Without an address the page says so with zeros.
    QCOMPARE(r.Value("LblIP"), QStringLiteral("0.0.0.0"));
    s.OutputPower = 0;
    QVERIFY(r.Tick(s));
    QCOMPARE(r.Value("LblPower"), QStringLiteral("Level 0(Max. Power)"));
  }

  void anAddressTheLibraryCannotWriteShowsZeros() {
    InfoPage r;
    QVERIFY(UiTestEnv::Simulator({"fault", "IPDataToStr", "fail", "always"}));
    const bool ticked = r.Tick(Running(), FakeLinkAdapter::WithAddress(10, 1, 2, 3));
    const QString shown = r.Value("LblIP");
    QVERIFY(UiTestEnv::Simulator({"fault", "clear"}));
    QVERIFY(ticked);
    QCOMPARE(shown, QStringLiteral("0.0.0.0"));
  }

  void aStatusWithoutTheAccessPointChangesNothing() {
    InfoPage r;
    QVERIFY(r.Tick(Running()));
    WLANStatus down = Running();
    down.MediaState = kMediaDisconnected;
    down.TxRate = 2;
    QVERIFY(r.Tick(down));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("54 Mbps"));
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("WLAN_AP"));
  }

  void anAccessPointConnectBlanksThePageAndRenewsTheAddressOnce() {
    InfoPage r;
    QVERIFY(r.Tick(Running()));
    // A station profile is not the page's business.
    r.Notify(PM_CONNECT, 0);
    QVERIFY(!r.AllBlank());

    r.Notify(PM_CONNECT, 1);
    QVERIFY(r.AllBlank());
    WLANStatus waiting = Running();
    waiting.MediaState = kMediaDisconnected;
    QVERIFY(r.Tick(waiting));
    QVERIFY(r.AllBlank());
    QCOMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 0);
    QVERIFY(r.Tick(Running()));
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("WLAN_AP"));
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRelease"), 1);
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 1);
    QVERIFY(r.Tick(Running()));
    QTRY_COMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 1);
  }

  void noRenewalWhenTheSettingIsOff() {
    UiTestEnv::WriteSettings("[Setting]\r\nAutoRenewIP=0\r\n");
    InfoPage r;
    r.Notify(PM_CONNECT, 1);
    QVERIFY(r.Tick(Running()));
    QCOMPARE(r.Value("LblSSID"), QStringLiteral("WLAN_AP"));
    QCOMPARE(FakeLinkAdapter::Calls("ORVWL_IPRelease"), 0);
    QCOMPARE(FakeLinkAdapter::Calls("ORVWL_IPRenew"), 0);
  }

  void zeroConfigurationBlanksThePageAndStopsItsRefresh() {
    InfoPage r;
    auto* refresh = UiTest::FindChild<TFABitmapBtn>(r.page, "BtnRefresh");
    QVERIFY(refresh->isEnabled());
    QVERIFY(r.Tick(Running()));
    r.Notify(PM_ZEROCFG, 1);
    QVERIFY(r.AllBlank());
    QVERIFY(!refresh->isEnabled());
    r.Notify(PM_ZEROCFG, 0);
    QVERIFY(refresh->isEnabled());
  }

  void stationModeLeavesThePageAlone() {
    FakeLinkAdapter fake;
    TFrameAPInfo page;
    page.InitPage();
    page.AdapterChanged(&fake.Adapter(), TPropertyPageFrame::kAdapterAttached, 0);
    QVERIFY(fake.Report(Running()));
    page.AdapterNotify(&fake.Adapter(), PM_STATUS, 0);
    QVERIFY(UiTest::FindChild<TEllipsisLabel>(page, "LblSSID")->text().isEmpty());
    QVERIFY(!UiTest::FindChild<TFABitmapBtn>(page, "BtnRefresh")->isEnabled());
  }

  void stationsThatStayKeepTheirRowsAndTheSelection() {
    SimPage p;
    QVERIFY(UiTestEnv::Simulator({"add-station", kStationA.toStdString()}));
    QVERIFY(UiTestEnv::Simulator({"add-station", kStationB.toStdString()}));
    QVERIFY(p.Running());
    QTRY_VERIFY_WITH_TIMEOUT(p.Row(kStationA) && p.Row(kStationB), kWait);
    QTreeWidgetItem* staying = p.Row(kStationB);
    p.list->setCurrentItem(staying);
    QVERIFY(UiTestEnv::Simulator({"remove-station", kStationA.toStdString()}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Row(kStationA) == nullptr, kWait);
    QCOMPARE(p.Row(kStationB), staying);
    QVERIFY(staying->isSelected());
    QCOMPARE(p.list->currentItem(), staying);
    // One row per station, sorted by address.
    const QStringList macs = p.Macs();
    QCOMPARE(QSet<QString>(macs.begin(), macs.end()).size(), macs.size());
    QStringList sorted = macs;
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(macs, sorted);
    QCOMPARE(p.Value("LblChannel"), QStringLiteral("6"));
    QCOMPARE(p.Value("LblMAC"), QString::fromStdString(p.window.Adapter()->MacText()));
  }

  void headerClickReversesTheOrderAndRefreshRefills() {
    SimPage p;
    QVERIFY(UiTestEnv::Simulator({"add-station", kStationA.toStdString()}));
    QVERIFY(UiTestEnv::Simulator({"add-station", kStationB.toStdString()}));
    QVERIFY(p.Running());
    QTRY_VERIFY_WITH_TIMEOUT(p.Row(kStationA) && p.Row(kStationB), kWait);
    p.list->header()->sectionClicked(1);
    QVERIFY(!p.list->Increase());
    QStringList descending = p.Macs();
    std::sort(descending.begin(), descending.end(), std::greater<>());
    QCOMPARE(p.Macs(), descending);
    // The narrow first column does not sort.
    p.list->header()->sectionClicked(0);
    QCOMPARE(p.list->SortColunm(), 1);

    UiTest::FindChild<TFABitmapBtn>(*p.page, "BtnRefresh")->click();
    QCOMPARE(p.list->topLevelItemCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(p.Row(kStationA) && p.Row(kStationB), kWait);
  }

  void aGarbledStationListGivesASaneList() {
    SimPage p;
    QVERIFY(UiTestEnv::Simulator({"add-station", kStationA.toStdString()}));
    QVERIFY(p.Running());
    QTRY_VERIFY_WITH_TIMEOUT(p.Row(kStationA), kWait);
    QVERIFY(UiTestEnv::Simulator({"fault", "GetAPStationList", "garbage", "always"}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Row(kStationA) == nullptr, kWait);
    const QStringList macs = p.Macs();
    QVERIFY(UiTestEnv::Simulator({"fault", "clear"}));
    QVERIFY(macs.size() <= kStationMaxEntries);
    QCOMPARE(QSet<QString>(macs.begin(), macs.end()).size(), macs.size());
    for (const QString& mac : macs) {
      QVERIFY2(mac.size() == 17 && mac != QStringLiteral("00:00:00:00:00:00"), qPrintable(mac));
      // No group address, which no station can have.
      QVERIFY2((mac.left(2).toInt(nullptr, 16) & 1) == 0, qPrintable(mac));
    }
    // The next good list replaces every made-up row.
    QTRY_VERIFY_WITH_TIMEOUT(p.Row(kStationA) && p.list->topLevelItemCount() <= 5, kWait);
  }

  void theRefreshButtonHasANameAndTip() {
    UiTestEnv::WriteStrings("[FrameAPInfo]\r\nBtnRefresh=Refresh list\r\n");
    TFrameAPInfo page;
    page.InitPage();
    auto* button = UiTest::FindChild<QWidget>(page, "BtnRefresh");
    QCOMPARE(button->accessibleName(), QStringLiteral("Refresh list"));
    QCOMPARE(button->toolTip(), QStringLiteral("Refresh list"));
  }

  void captionsShowWholeBesideTheirValues() {
    TFrameAPInfo page;
    page.InitPage();
    for (const char* name :
         {"LbSSID", "LbChannel", "LbTxRate", "LbSecurity", "LbMAC", "LbPower", "LbIP"}) {
      auto* caption = UiTest::FindChild<QLabel>(page, name);
      QVERIFY2(LabelTextWidth(*caption) <= caption->width(), name);
      auto* value = qobject_cast<QWidget*>(caption->buddy());
      QVERIFY2(value != nullptr, name);
      QVERIFY2(!caption->geometry().intersects(value->geometry()), name);
      QVERIFY2(value->geometry().right() < 322 && value->width() > 100, name);
    }
    const QRect list = UiTest::FindChild<QWidget>(page, "LvMAC")->geometry();
    QVERIFY(!list.intersects(UiTest::FindChild<QWidget>(page, "BtnRefresh")->geometry()));
  }
};

static const bool registered = UiTestEnv::Register<FrameAPInfoTest>();

#include "frame_ap_info_test.moc"
