// The adapter settings page: its rate list from the settings, the values it
// selects for the applied profile, the radio standard it follows, and Save in
// the running main window on the simulated adapter.

#include <QComboBox>
#include <QTest>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/station/fake_link_adapter.h"
#include "tests/ui/support/fast_timing.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/triface_label.h"
#include "ui/shell/form_main.h"
#include "ui/station/frame_adapter.h"

namespace {

using std::chrono::milliseconds;

constexpr int kWait = 15000;

// The list as "text=value" items, top first.
QString Items(const QComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) {
    items << QStringLiteral("%1=%2").arg(list.itemText(i)).arg(list.itemData(i).toInt());
  }
  return items.join(QStringLiteral(", "));
}

struct Rates {
  std::string b = "2,4,11,22";
  std::string g = "2,4,11,12,18,22,24,36,48,72,96,108";
  std::string a = "12,18,24,36,48,72,96,108";
};

std::string Settings(const Rates& rates = {}) {
  return "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\nInitConnect=0\r\nSupportMode=14\r\nTxRateB=" +
         rates.b + "\r\nTxRateG=" + rates.g + "\r\nTxRateA=" + rates.a + "\r\n";
}

// The page on a fake adapter manager, told what the main window would tell it.
struct AdapterPage {
  AdapterPage() {
    page.InitPage();
    page.AdapterChanged(&fake.Adapter(), TPropertyPageFrame::kAdapterAttached, 0);
  }
  QComboBox& List(const char* name) { return *UiTest::FindChild<QComboBox>(page, name); }
  bool Follow(int32_t radio) {
    WLANStatus status = FakeLinkAdapter::Associated();
    status.Radio = radio;
    if (!fake.Report(status)) return false;
    page.AdapterNotify(&fake.Adapter(), PM_STATUS, 0);
    return true;
  }

  FakeLinkAdapter fake;
  TFrameAdapter page;
};

TFormMain::Timing FastTiming() { return UiTest::FastTiming(milliseconds(100)); }

// The running window, connected to OrvOpen with a profile of the list.
struct Running {
  Running() {
    window.show();
    window.Start(0);
  }
  CNICAdapter& Adapter() { return *window.Adapter(); }
  bool Attached() {
    return QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait);
  }
  bool ConnectedWith(const char* name, bool listed) {
    WLProfile p = Adapter().DefaultProfile();
    CopyText(p.ProfileName, name);
    CopyText(p.NetworkInfo.NI_sz_CurProfile, name);
    CopyText(p.Ssid1, "OrvOpen");
    if (listed) {  // as the wizard saves it
      FAGlobal().StationProfile() = p;
      if (window.HandleNotify(PM_SAVEPROFILE, 0) != 1) return false;
    }
    Adapter().Connect(p);
    return QTest::qWaitFor([&] { return !Value("LblTxRate").isEmpty(); }, kWait);
  }
  void OpenAdapterPage() {
    QTest::mousePress(UiTest::FindChild<TTrifaceLabel>(window, "LbAdapter"), Qt::LeftButton);
  }
  // Other pages have buttons of the same names: everything is looked up in this page.
  QWidget& Page() { return *UiTest::FindChild<TFrameAdapter>(window, "FrameAdapter1"); }
  QComboBox& List(const char* name) { return *UiTest::FindChild<QComboBox>(Page(), name); }
  QString Value(const char* name) const {
    return UiTest::FindChild<TEllipsisLabel>(window, name)->text();
  }
  WLProfile Applied() {
    WLProfile applied{};
    Adapter().GetAppliedProfile(applied);
    return applied;
  }
  void Save() {
    QTest::mouseClick(UiTest::FindChild<TFABitmapBtn>(Page(), "BtnSave"), Qt::LeftButton);
  }
  void Choose(const char* list, int32_t value) {
    QComboBox& combo = List(list);
    combo.setCurrentIndex(combo.findData(static_cast<int>(value)));
  }

  TFormMain window{FastTiming()};
};

}  // namespace

class AdapterPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
  }

  void rateListsComeReversedFromTheSettingUnderAuto() {
    AdapterPage p;
    QCOMPARE(p.page.FilledStandard(), TFrameAdapter::kStandardG);
    p.page.InitTxRate(TFrameAdapter::kStandardB);
    QCOMPARE(Items(p.List("CmbTxRate")),
             QStringLiteral("Auto=15, 11 Mbps=22, 5.5 Mbps=11, 2 Mbps=4, 1 Mbps=2"));
    QCOMPARE(p.page.FilledStandard(), TFrameAdapter::kStandardB);

    UiTestEnv::WriteSettings(Settings({.b = "2,x,4,0,11"}));
    p.page.InitTxRate(TFrameAdapter::kStandardB);
    QCOMPARE(Items(p.List("CmbTxRate")), QStringLiteral("Auto=15, 2 Mbps=4, 1 Mbps=2"));

    p.page.InitTxRate(4);  // not a radio standard: logged, list kept
    QCOMPARE(p.List("CmbTxRate").count(), 3);
    QCOMPARE(p.page.FilledStandard(), TFrameAdapter::kStandardB);

    Rates many;
    many.a.clear();
    for (int i = 1; i <= 300; ++i) many.a += std::to_string(i) + ",";
    UiTestEnv::WriteSettings(Settings(many));
    p.page.InitTxRate(TFrameAdapter::kStandardA);
    QCOMPARE(p.List("CmbTxRate").count(), TFrameAdapter::kMaxRates + 1);
    QCOMPARE(p.List("CmbTxRate").itemData(1).toInt(), TFrameAdapter::kMaxRates);

    UiTestEnv::WriteSettings("[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\n");
    p.page.InitTxRate(TFrameAdapter::kStandardG);
    QCOMPARE(Items(p.List("CmbTxRate")), QStringLiteral("Auto=15"));
  }

  void selectsTheAppliedValuesOrTheirFallbacks() {
    AdapterPage p;
    WLProfile profile = p.fake.Adapter().DefaultProfile();
    profile.TxRate = 99;  // not offered
    profile.PreambleMode = 7;
    profile.PowerMode = kPowerSaveFast;
    QVERIFY(p.fake.Apply(profile));
    p.page.AdapterNotify(&p.fake.Adapter(), PM_CONNECT, 0);
    QCOMPARE(p.List("CmbTxRate").currentData().toInt(), 15);
    QCOMPARE(p.List("CmbPreamble").currentData().toInt(), static_cast<int>(kPreambleAuto));
    QCOMPARE(p.List("CmbPower").currentData().toInt(), static_cast<int>(kPowerSaveFast));

    profile.TxRate = 108;
    profile.PreambleMode = kPreambleShort;
    QVERIFY(p.fake.Apply(profile));
    p.page.AdapterNotify(&p.fake.Adapter(), PM_CONNECT, 1);  // an access point: not ours
    QCOMPARE(p.List("CmbTxRate").currentData().toInt(), 15);
    QVERIFY(p.page.EnterPage(nullptr, TPropertyPageFrame::kDirTab, 0));
    QCOMPARE(p.List("CmbTxRate").currentData().toInt(), 108);
    QCOMPARE(p.List("CmbPreamble").currentData().toInt(), static_cast<int>(kPreambleShort));
  }

  void rateListFollowsTheRadioStandardOfTheLink() {
    AdapterPage p;
    QVERIFY(p.Follow(kRadio80211g));
    QCOMPARE(p.List("CmbTxRate").count(), 13);
    QVERIFY(p.Follow(kRadio80211b));
    QCOMPARE(p.page.FilledStandard(), TFrameAdapter::kStandardB);
    QCOMPARE(p.List("CmbTxRate").count(), 5);
    QVERIFY(p.Follow(kRadio80211a));
    QCOMPARE(p.List("CmbTxRate").itemData(1).toInt(), 108);
  }

  void detachingAndTheZeroConfigurationServiceDisableEverything() {
    AdapterPage p;
    auto* save = UiTest::FindChild<TFABitmapBtn>(p.page, "BtnSave");
    QVERIFY(save->isEnabled());
    p.page.AdapterNotify(&p.fake.Adapter(), PM_ZEROCFG, 1);
    QVERIFY(!save->isEnabled());
    QCOMPARE(p.List("CmbTxRate").count(), 0);
    p.page.AdapterNotify(&p.fake.Adapter(), PM_ZEROCFG, 0);
    QVERIFY(p.List("CmbPower").isEnabled());
    p.page.AdapterChanged(&p.fake.Adapter(), TPropertyPageFrame::kAdapterDetached, 0);
    QVERIFY(!p.List("CmbPower").isEnabled());
    QCOMPARE(p.page.FilledStandard(), TFrameAdapter::kNotFilled);
    p.page.AdapterChanged(&p.fake.Adapter(), TPropertyPageFrame::kAdapterAttached, 1);
    QVERIFY2(!save->isEnabled(), "access-point mode leaves the page off");
  }

  void savingStoresTheValuesAndTheLinkTakesTheFixedRate() {
    Running r;
    QVERIFY(r.Attached());
    QVERIFY(r.ConnectedWith("Corner", true));
    r.OpenAdapterPage();
    QCOMPARE(r.window.CurrentPage()->objectName(), QStringLiteral("FrameAdapter1"));
    QTRY_COMPARE_WITH_TIMEOUT(r.List("CmbTxRate").count(), 13, kWait);
    r.Choose("CmbTxRate", 22);
    r.Choose("CmbPreamble", kPreambleLong);
    r.Choose("CmbPower", kPowerSaveMax);
    r.Save();
    std::vector<WLProfile> list;
    r.Adapter().GetProfileList(0, list);
    const auto stored = std::find_if(list.begin(), list.end(), [](const WLProfile& p) {
      return std::string(TextOf(p.ProfileName)) == "Corner";
    });
    QVERIFY(stored != list.end());
    QCOMPARE(stored->TxRate, 22);
    QCOMPARE(stored->PreambleMode, static_cast<int32_t>(kPreambleLong));
    QCOMPARE(stored->PowerMode, static_cast<int32_t>(kPowerSaveMax));
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied().TxRate, 22, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Value("LblTxRate"), QStringLiteral("11 Mbps"), kWait);
  }

  void anUnsavedProfileIsAppliedAgainButNotStored() {
    Running r;
    QVERIFY(r.Attached());
    QVERIFY(r.ConnectedWith(kEditingProfileName, false));
    std::vector<WLProfile> before;
    r.Adapter().GetProfileList(0, before);
    r.OpenAdapterPage();
    QTRY_COMPARE_WITH_TIMEOUT(r.List("CmbTxRate").count(), 13, kWait);
    r.Choose("CmbTxRate", 108);
    r.Save();
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied().TxRate, 108, kWait);
    std::vector<WLProfile> after;
    r.Adapter().GetProfileList(0, after);
    QCOMPARE(after.size(), before.size());
  }

  void saveWithoutAnAppliedProfileChangesNothing() {
    Running r;
    QVERIFY(r.Attached());
    r.OpenAdapterPage();
    r.Save();
    WLProfile applied{};
    QVERIFY(!r.Adapter().GetAppliedProfile(applied));
  }
};

static const bool kRegistered = UiTestEnv::Register<AdapterPageTest>();

#include "adapter_page_test.moc"
