// The site survey page in the running main window, on the simulated adapter:
// the first results after attaching, rescans by the navigation labels, the
// details of the chosen network, connecting to open and secured networks, the
// highlight of the associated one, hand-over to the zero-configuration
// service, detaching, and the library's bad survey answers.

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <iterator>
#include <string>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/support/fast_timing.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/triface_label.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_main.h"
#include "ui/station/channel_graph.h"
#include "ui/station/frame_survey.h"
#include "ui/station/site_list.h"

namespace {

using std::chrono::milliseconds;

constexpr int kWait = 15000;
// The simulator scans in 20 ms; the tests do not wait the page's 3 s for it.
constexpr int kShortSurveyMs = 150;

TFormMain::Timing FastTiming() { return UiTest::FastTiming(milliseconds(100)); }

QString Name(const char* text) { return QString::fromLatin1(text); }

// Keeps what the window shows in the folder ORV_SCREENSHOTS names, if any,
// for a person to look at.
void Shot(QWidget& window, const char* name) {
  const QString folder = qEnvironmentVariable("ORV_SCREENSHOTS");
  if (!folder.isEmpty())
    window.grab().save(QDir(folder).filePath(Name(name) + QStringLiteral(".png")));
}

struct Running {
  explicit Running(bool shortSurvey = true) {
    page = UiTest::FindChild<TFrameSurvey>(window, "FrameSurvey1");
    list = UiTest::FindChild<SiteList>(*page, "LvSite");
    timer = UiTest::FindChild<QTimer>(*page, "TimerSurvey");
    if (shortSurvey) timer->setInterval(kShortSurveyMs);
    window.show();
    window.Start(0);
    attached = QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait);
  }

  template <typename T = QWidget>
  T* Control(const char* name) {
    return UiTest::FindChild<T>(*page, name);
  }
  QString Value(const char* name) { return Control<TEllipsisLabel>(name)->text(); }
  bool Enabled(const char* name) { return Control(name)->isEnabled(); }
  bool Searching() { return !Control("PlSearch")->isHidden(); }
  bool Listed() {
    return QTest::qWaitFor([&] { return !Searching() && Enabled("BtnScan"); }, kWait);
  }
  void OpenPage() {
    QTest::mouseClick(UiTest::FindChild<TTrifaceLabel>(window, "LbSiteSurvey"), Qt::LeftButton);
  }
  QTreeWidgetItem* Row(const char* bssid) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      list->setCurrentItem(list->topLevelItem(i));
      if (Value("LblMAC") == Name(bssid)) return list->topLevelItem(i);
    }
    return nullptr;
  }
  QStringList Ssids() const {
    QStringList names;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      names.append(list->topLevelItem(i)->text(SiteList::kColSsid));
    }
    return names;
  }
  QString Current() const { return window.CurrentPage()->objectName(); }
  WLProfile Applied() {
    WLProfile applied{};
    if (window.Adapter() != nullptr) window.Adapter()->GetAppliedProfile(applied);
    return applied;
  }

  TFormMain window{FastTiming()};
  TFrameSurvey* page = nullptr;
  SiteList* list = nullptr;
  QTimer* timer = nullptr;
  bool attached = false;
};

}  // namespace

class SurveyPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(
        "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\nInitConnect=0\r\nAutoRenewIP=0\r\n");
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    QVERIFY(UiTestEnv::Simulator({"fault", "clear"}));
  }

  void firstResultsComeThreeSecondsAfterAttaching() {
    Running r(false);
    QVERIFY(r.attached);
    QCOMPARE(r.timer->interval(), 3000);
    QVERIFY(r.timer->isSingleShot());
    QVERIFY(r.Searching());
    QVERIFY(!r.Enabled("BtnScan"));
    QVERIFY(!r.Enabled("BtnConnect"));
    // The results wait for the timer, not for the scan to be done.
    const int left = r.timer->remainingTime();
    QVERIFY(left > 0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(r.Listed());
    QVERIFY(clock.elapsed() >= left - 50);

    // Every network of the scenario but the distant printer, strongest first.
    QCOMPARE(r.list->topLevelItemCount(), 13);
    QCOMPARE(r.list->topLevelItem(0)->text(SiteList::kColSsid), QStringLiteral("OrvOpen"));
    QVERIFY(r.Ssids().contains(QString()));  // the hidden network
    QCOMPARE(r.list->SortColunm(), int(SiteList::kColSignal));
    QVERIFY(!r.list->Increase());
    QCOMPARE(r.list->currentItem(), r.list->topLevelItem(0));
    QVERIFY(r.list->topLevelItem(0)->isSelected());
    QCOMPARE(r.Value("LblNetType"), QStringLiteral("Infrastructure"));
    QCOMPARE(r.Value("LblWlMode"), QStringLiteral("802.11g"));
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("6"));
    QCOMPARE(r.Value("LblEncry"), QStringLiteral("Disabled"));
    QCOMPARE(r.Value("LblMAC"), QStringLiteral("00:0E:2E:10:00:01"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                .match(r.Value("LblTime"))
                .hasMatch());
    QVERIFY(r.Enabled("BtnConnect"));
  }

  void navigationRescansAndTheMainWindowsRequestDoesNot() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    r.OpenPage();
    QCOMPARE(r.Current(), QStringLiteral("FrameSurvey1"));
    QVERIFY(r.Searching());
    QCOMPARE(r.list->topLevelItemCount(), 0);
    QVERIFY(r.Value("LblTime").isEmpty());
    QVERIFY(r.Listed());
    QVERIFY(r.list->topLevelItemCount() > 0);
    const QString time = r.Value("LblTime");

    QTest::mouseClick(UiTest::FindChild<TTrifaceLabel>(r.window, "LbLinkInfo"), Qt::LeftButton);
    r.window.HandleNotify(PM_SHOWPAGE, 3);  // request 1024
    QCOMPARE(r.Current(), QStringLiteral("FrameSurvey1"));
    QVERIFY(!r.Searching());
    QVERIFY(r.list->topLevelItemCount() > 0);
    QCOMPARE(r.Value("LblTime"), time);

    // A selection survives a visit without rescan; removing it empties the details.
    r.list->clearSelection();
    QVERIFY(r.Value("LblMAC").isEmpty());
    QVERIFY(r.Value("LblEncry").isEmpty());
    QCOMPARE(r.Value("LblTime"), time);
    QVERIFY(!r.Enabled("BtnConnect"));

    QTest::mouseClick(r.Control("BtnScan"), Qt::LeftButton);
    QVERIFY(r.Searching());
    QVERIFY(!r.Enabled("BtnScan"));
    QVERIFY(r.Listed());
  }

  void connectingToAnOpenNetworkShowsTheLinkPage() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    r.OpenPage();
    QVERIFY(r.Listed());
    QVERIFY(r.Row("00:0E:2E:10:00:01") != nullptr);
    QCOMPARE(r.Value("LblEncry"), QStringLiteral("Disabled"));
    QTest::mouseClick(r.Control("BtnConnect"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(r.Current(), QStringLiteral("FrameLinkInfo1"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(Name(r.Applied().Ssid1), QStringLiteral("OrvOpen"), kWait);
    const WLProfile applied = r.Applied();
    QCOMPARE(Name(applied.ProfileName), QStringLiteral("(EditingProfile)"));
    QCOMPARE(Name(applied.NetworkInfo.NI_sz_CurProfile), QStringLiteral("(EditingProfile)"));
    QCOMPARE(applied.EncryptionMethod, int32_t{kEncryptNone});
    auto* ssid = UiTest::FindChild<TEllipsisLabel>(r.window, "LblSSID");
    QTRY_COMPARE_WITH_TIMEOUT(ssid->text(), QStringLiteral("OrvOpen"), kWait);
    Shot(r.window, "survey_connected_link_page");
  }

  void aSecuredNetworkGoesToTheWizardByEnter() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    r.OpenPage();
    QVERIFY(r.Listed());
    QVERIFY(r.Row("00:0E:2E:10:00:04") != nullptr);  // OrvHome, WPA2-PSK
    r.list->setFocus();
    QTest::keyClick(r.list, Qt::Key_Return);
    QCOMPARE(r.Current(), QStringLiteral("FrameProfile1"));
    const WLProfile& working = FAGlobal().StationProfile();
    QCOMPARE(Name(working.ProfileName), QStringLiteral("(EditingProfile)"));
    QCOMPARE(Name(working.NetworkInfo.NI_sz_CurProfile), QStringLiteral("(EditingProfile)"));
    QCOMPARE(Name(working.Ssid1), QStringLiteral("OrvHome"));
    QCOMPARE(working.EncryptionMethod, int32_t{kEncryptWPA2_PSK});
    QCOMPARE(UiTest::FindChild<TFrameProfSet>(r.window, "FrameProfSet1")->Request() &
                 TFrameProfSet::kRequestSecurityOnly,
             TFrameProfSet::kRequestSecurityOnly);
    // Nothing was handed to the adapter: the keys are still to come.
    QTest::qWait(300);
    QVERIFY(Name(r.Applied().Ssid1) != QStringLiteral("OrvHome"));
  }

  void theAssociatedNetworkIsHighlighted() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    // The page's own scan: the manager's start-up scan may still be running
    // when the first list is read, and then that list is empty.
    r.OpenPage();
    QVERIFY(r.Listed());
    WLProfile open = r.window.Adapter()->DefaultProfile();
    CopyText(open.ProfileName, "Open");
    CopyText(open.Ssid1, "OrvOpen");
    r.window.Adapter()->Connect(open);
    // Of the two access points named OrvOpen, only the one joined stands out.
    QTreeWidgetItem* near = r.Row("00:0E:2E:10:00:01");
    QTreeWidgetItem* far = r.Row("00:0E:2E:10:00:07");
    QVERIFY(near != nullptr && far != nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(near->background(SiteList::kColSsid).color(), QColor(234, 244, 247),
                              kWait);
    QCOMPARE(far->background(SiteList::kColSsid).style(), Qt::NoBrush);
    r.list->clearSelection();
    Shot(r.window, "survey_highlight");
  }

  void theZeroConfigurationServiceTakesEverythingAway() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    r.OpenPage();
    QVERIFY(r.Listed());
    r.page->AdapterNotify(r.window.Adapter(), PM_ZEROCFG, 1);
    QCOMPARE(r.list->topLevelItemCount(), 0);
    QVERIFY(!r.Enabled("BtnScan"));
    QVERIFY(!r.Enabled("BtnConnect"));
    // A visit asks for no scan while the service has the adapter.
    r.page->EnterPage(nullptr, 0, 0);
    QTest::qWait(2 * kShortSurveyMs);
    QVERIFY(!r.Searching());
    QCOMPARE(r.list->topLevelItemCount(), 0);
    r.page->AdapterNotify(r.window.Adapter(), PM_ZEROCFG, 0);
    QVERIFY(r.Searching());
    QVERIFY(r.Listed());
    QVERIFY(r.list->topLevelItemCount() > 0);
  }

  void detachingDuringAScanStopsIt() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    r.OpenPage();
    QVERIFY(r.Searching());
    QVERIFY(UiTestEnv::Simulator({"unplug"}));
    QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
    QVERIFY(!r.timer->isActive());
    QVERIFY(!r.Searching());
    QCOMPARE(r.list->topLevelItemCount(), 0);
    QVERIFY(!r.Enabled("BtnScan"));
  }

  void anEmptyResultLeavesConnectOffAndShowsTheTime() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    QVERIFY(UiTestEnv::Simulator({"fault", "SiteSurveyGet", "count", "0", "always"}));
    r.OpenPage();
    QVERIFY(r.Listed());
    QCOMPARE(r.list->topLevelItemCount(), 0);
    QVERIFY(!r.Enabled("BtnConnect"));
    QVERIFY(!r.Value("LblTime").isEmpty());
    QVERIFY(r.Value("LblMAC").isEmpty());
    QTest::mouseClick(r.Control("BtnConnect"), Qt::LeftButton);
    QCOMPARE(r.Current(), QStringLiteral("FrameSurvey1"));
  }

  // Set ORV_SCREENSHOTS to a folder to keep what this test sees.
  void theShippedTextsFitAndTheButtonsSitWhereTheyShould() {
    std::ifstream shipped(std::string(ORV_SOURCE_DIR) + "/resources/orvane-wlan.ini",
                          std::ios::binary);
    UiTestEnv::WriteStrings(std::string(std::istreambuf_iterator<char>(shipped), {}));
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    r.OpenPage();
    QVERIFY(r.Searching());
    Shot(r.window, "survey_searching");
    QVERIFY(r.Control("PlSearch")->geometry().intersects(r.list->geometry()));
    QVERIFY(r.list->geometry().contains(r.Control("PlSearch")->geometry()));
    QVERIFY(r.Listed());
    QVERIFY(r.Row("00:0E:2E:10:00:05") != nullptr);  // OrvCorp: the longest details
    Shot(r.window, "survey_listed");

    for (const char* row : {"NetType", "WlMode", "Channel", "Encry", "MAC", "Time"}) {
      auto* caption = r.Control<QLabel>(qPrintable(QStringLiteral("Lb%1").arg(Name(row))));
      auto* value = r.Control<TEllipsisLabel>(qPrintable(QStringLiteral("Lbl%1").arg(Name(row))));
      QVERIFY2(caption->geometry().right() < value->geometry().left(), row);
      QVERIFY2(LabelTextWidth(*caption) <= caption->width(), row);
      QCOMPARE(value->geometry().right() + 1, 577);
      QVERIFY2(value->ShownText() == value->text(), row);
      QCOMPARE(caption->buddy(), value);
    }
    const QRect scan = r.Control("BtnScan")->geometry();
    const QRect connect = r.Control("BtnConnect")->geometry();
    QCOMPARE(connect.right() + 1, 317);
    QCOMPARE(scan.right() + 1 + 8, connect.left());
    QVERIFY(scan.top() >= r.list->geometry().bottom());
    for (const char* button : {"BtnScan", "BtnConnect"}) {
      QVERIFY2(!r.Control(button)->accessibleName().isEmpty(), button);
      QVERIFY2(!r.Control(button)->toolTip().isEmpty(), button);
    }
    // The four columns fit the list without a horizontal scroll bar.
    QVERIFY(!r.list->horizontalScrollBar()->isVisible());
  }

  // Set ORV_SCREENSHOTS to a folder to keep the two bands as drawn.
  void theChannelViewFollowsScansAndSelection() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    r.OpenPage();
    QVERIFY(r.Listed());
    auto* graph = r.page->findChild<ChannelGraph*>(QStringLiteral("ChannelGraph"));
    QVERIFY(graph != nullptr);
    auto* channels = r.Control<QToolButton>("BtnViewChannels");
    QVERIFY(!channels->toolTip().isEmpty() && !channels->accessibleName().isEmpty());
    QVERIFY(graph->isHidden());
    QTest::mouseClick(channels, Qt::LeftButton);
    QVERIFY(graph->isVisible());
    QVERIFY(r.list->isHidden());

    // Every row has its curve, in its own band's half: 2.4 GHz above 5 GHz.
    const int half = graph->height() / 2;
    for (int i = 0; i < r.list->topLevelItemCount(); ++i) {
      const QRectF curve = graph->CurveBounds(i);
      QVERIFY(!curve.isEmpty());
      const int channel = r.list->topLevelItem(i)->text(SiteList::kColChannel).toInt();
      QCOMPARE(curve.bottom() < half, channel <= 14);
    }

    // A click on a curve selects its row; the point names it as a tooltip would.
    const auto pointOf = [&](int row) {
      const QRect curve = graph->CurveBounds(row).toAlignedRect();
      for (int y = curve.bottom() - 1; y > curve.top(); --y) {
        for (int x = curve.left() + 1; x < curve.right(); ++x) {
          if (graph->RowAt(QPointF(x, y)) == row) return QPoint(x, y);
        }
      }
      return QPoint(-1, -1);
    };
    QTreeWidgetItem* home = r.Row("00:0E:2E:10:00:04");  // OrvHome, channel 36
    QVERIFY(home != nullptr);
    r.list->clearSelection();
    const int homeRow = r.list->indexOfTopLevelItem(home);
    const QPoint onHome = pointOf(homeRow);
    QVERIFY(onHome.x() >= 0);
    const QColor before = graph->grab().toImage().pixelColor(onHome);
    QTest::mouseClick(graph, Qt::LeftButton, {}, onHome);
    QCOMPARE(r.list->selectedItems().value(0), home);
    QCOMPARE(r.Value("LblMAC"), QStringLiteral("00:0E:2E:10:00:04"));
    QVERIFY(graph->grab().toImage().pixelColor(onHome) != before);
    Shot(r.window, "survey_channels");

    // Sorting reorders the rows, and the curves follow their rows.
    QTest::mouseClick(r.list->header()->viewport(), Qt::LeftButton, {},
                      QPoint(r.list->header()->sectionViewportPosition(SiteList::kColSsid) + 5, 5));
    const int sortedRow = r.list->indexOfTopLevelItem(home);
    QVERIFY(sortedRow != homeRow);
    QCOMPARE(graph->RowAt(onHome), sortedRow);

    // A new scan brings a new network's curve.
    QVERIFY(UiTestEnv::Simulator({"add-network", "OrvNew", "bssid=00:0E:2E:10:00:99", "channel=2",
                                  "radio=g", "signal=-40"}));
    QTest::mouseClick(r.Control("BtnScan"), Qt::LeftButton);
    QVERIFY(r.Listed());
    QTreeWidgetItem* fresh = r.Row("00:0E:2E:10:00:99");
    QVERIFY(fresh != nullptr);
    const int freshRow = r.list->indexOfTopLevelItem(fresh);
    const QPoint onFresh = pointOf(freshRow);
    QVERIFY(onFresh.x() >= 0);
    QVERIFY(onFresh.y() < half);
    QCOMPARE(SiteList::SsidOf(*r.list->topLevelItem(graph->RowAt(onFresh))),
             QStringLiteral("OrvNew"));
    Shot(r.window, "survey_channels_new_scan");
  }

  void badSurveyAnswersGiveASaneList() {
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Listed());
    QVERIFY(UiTestEnv::Simulator({"fault", "SiteSurveyGet", "count", "300", "always"}));
    r.OpenPage();
    QVERIFY(r.Listed());
    QCOMPARE(r.list->topLevelItemCount(), 13);  // the zeroed rest has no BSSID

    QVERIFY(UiTestEnv::Simulator({"fault", "SiteSurveyGet", "garbage", "always"}));
    for (int scan = 0; scan < 5; ++scan) {
      QTest::mouseClick(r.Control("BtnScan"), Qt::LeftButton);
      QVERIFY(r.Listed());
      QVERIFY(r.list->topLevelItemCount() <= kSurveyMaxEntries);
      for (int i = 0; i < r.list->topLevelItemCount(); ++i) {
        const QString ssid = r.list->topLevelItem(i)->text(SiteList::kColSsid);
        QVERIFY(ssid.toUtf8().size() <= 32 || ssid.size() <= 32);
        r.list->setCurrentItem(r.list->topLevelItem(i));
      }
    }
  }
};

#include "survey_page_test.moc"

static const bool registered = UiTestEnv::Register<SurveyPageTest>();
