// The main window against the simulated adapter: attach and removal, page
// switching, the mode switch, the tray icon and the zero-configuration hand-over.

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "core/start_flags.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "tests/ui/support/fast_timing.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/triface_btn.h"
#include "ui/controls/triface_label.h"
#include "ui/profile/frame_profile.h"
#include "ui/shell/form_base.h"
#include "ui/shell/form_main.h"
#include "ui/shell/form_msg_box.h"
#include "ui/shell/show_message.h"
#include "ui/shell/tray_icon.h"

namespace {

using std::chrono::milliseconds;

// The installation's settings, with more lines for section "Setting".
std::string Settings(const std::string& moreSetting = {}) {
  return "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\n" + moreSetting +
         "[SIM\\ORVWL_0001]\r\nEnableSoftAP=1\r\n"
         "[FormMain_Visible]\r\nBtnSoftAP=1\r\nBtnStation=1\r\nLbSoftAP=1\r\nLbStation=1\r\n";
}
constexpr int kWait = 10000;

TFormMain::Timing FastTiming() { return UiTest::FastTiming(milliseconds(40)); }

// A page that records what the window tells it and can refuse to be left.
class ProbePage : public TPropertyPageFrame {
 public:
  struct Change {
    int event;
    int mode;
    bool withAdapter;
    bool operator==(const Change&) const = default;
  };

  explicit ProbePage(QWidget* parent) : TPropertyPageFrame(parent) { hide(); }

  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override {
    ++enters;
    lastRequest = request;
    return TPropertyPageFrame::EnterPage(previous, direction, request);
  }
  bool LeavePage(TPropertyPageFrame*, int, int) override {
    ++leaves;
    return !refuseLeave;
  }
  void AdapterChanged(CNICAdapter* adapter, int event, int mode) override {
    changes.append({event, mode, adapter != nullptr});
  }
  void AdapterNotify(CNICAdapter*, int code, intptr_t arg) override {
    if (code == PM_STATUS) {
      ++statuses;
    } else {
      notifies.append({code, static_cast<int>(arg)});
    }
  }

  QList<Change> changes;
  QList<QPair<int, int>> notifies;
  int statuses = 0;
  int enters = 0;
  int leaves = 0;
  int lastRequest = -1;
  bool refuseLeave = false;
};

// A running window with a probe page among its pages.
struct Running {
  explicit Running(uint32_t flags = 0) : probe(new ProbePage(&window)) { window.Start(flags); }

  bool Attached() {
    return QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait);
  }
  template <typename T = QWidget>
  T* Control(const char* name) {
    return UiTest::FindChild<T>(window, name);
  }
  QString Applied() const {
    WLProfile applied{};
    if (window.Adapter() == nullptr || !window.Adapter()->GetAppliedProfile(applied)) return {};
    return QString::fromLocal8Bit(std::string(TextOf(applied.ProfileName)));
  }

  TFormMain window{FastTiming()};
  ProbePage* probe;
};

QString Name(const WLProfile& profile) {
  return QString::fromLocal8Bit(std::string(TextOf(profile.ProfileName)));
}

// A dialog that stays open when asked to close, until the test lets it go.
class StubbornDialog : public TFormBase {
 public:
  bool mayClose = false;
  int closeRequests = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closeRequests;
    if (mayClose) {
      TFormBase::closeEvent(event);
    } else {
      event->ignore();
    }
  }
};

// Receives the files the help button hands to the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls.append(url); }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void cleanup() { SetMessageAnswerer({}); }

  void pictureButtonsAreNamedForScreenReaders() {
    TFormMain window(FastTiming());
    for (const char* name : {"BtnHelp", "BtnAbout", "BtnStation", "BtnSoftAP"}) {
      const auto* button = UiTest::FindChild<TTrifaceBtn>(window, name);
      QVERIFY2(!button->accessibleName().isEmpty(), name);
      QCOMPARE(button->toolTip(), button->accessibleName());
    }
    QCOMPARE(UiTest::FindChild<TTrifaceBtn>(window, "BtnHelp")->accessibleName(),
             QStringLiteral("Help"));
  }

  void attachesTheAdapterFoundAtStartAndConnectsTheLastProfile() {
    Running r;
    QVERIFY(r.Attached());
    QCOMPARE(r.window.FuncMode(), TFormMain::kModeStation);
    QCOMPARE(r.window.CurrentPage()->objectName(), QStringLiteral("FrameLinkInfo1"));
    QCOMPARE(r.probe->changes, (QList<ProbePage::Change>{{1, 0, true}}));
    QVERIFY(r.Control("BtnSoftAP")->isEnabled());
    QVERIFY(r.Control("BtnStation")->isEnabled());
    QVERIFY(r.window.TrayIconMain().Visible());
    QCOMPARE(Name(FAGlobal().APProfile()), QStringLiteral("Default_SoftAP"));
    const auto* profiles = r.Control<TFrameProfile>("FrameProfile1");
    QVERIFY(!profiles->Profiles().empty());
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), Name(profiles->Profiles().front()), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(r.probe->statuses > 0, kWait);
  }

  void pagesBuiltOnDemandFollowTheAdapterAttachedBeforeThem() {
    TFormMain::Timing timing = FastTiming();
    timing.pagesOnDemand = true;
    TFormMain window(timing);
    const auto page = [&](const char* name) {
      return window.findChild<TPropertyPageFrame*>(QString::fromLatin1(name));
    };
    QVERIFY(page("FrameLinkInfo1") != nullptr);
    QVERIFY(page("FrameSurvey1") == nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Start(0);
    QVERIFY(QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait));
    // The automatic connection needs the profile page; nothing needs the others yet.
    const auto* profiles = UiTest::FindChild<TFrameProfile>(window, "FrameProfile1");
    QVERIFY(!profiles->Profiles().empty());
    QVERIFY(page("FrameSurvey1") == nullptr);
    QVERIFY(page("FrameAPCfg1") == nullptr);
    const auto applied = [&] {
      WLProfile profile{};
      window.Adapter()->GetAppliedProfile(profile);
      return Name(profile);
    };
    QTRY_COMPARE_WITH_TIMEOUT(applied(), Name(profiles->Profiles().front()), kWait);

    // Built at the first look, after the attach, it still works the adapter.
    QTest::mouseClick(UiTest::FindChild<TTrifaceLabel>(window, "LbSiteSurvey"), Qt::LeftButton);
    QCOMPARE(window.CurrentPage(), page("FrameSurvey1"));
    auto* sites = UiTest::FindChild<QTreeWidget>(*page("FrameSurvey1"), "LvSite");
    QTRY_VERIFY_WITH_TIMEOUT(sites->topLevelItemCount() > 0, kWait);
  }

  void serviceStartConnectsTheLastAppliedProfileInItsMode() {
    WLProfile last{};
    ResetSecurity(last);
    last.FuncMode = 1;
    CopyText(last.ProfileName, "Shop AP");
    CopyText(last.Ssid1, "ShopNet");
    ProfToIniFile(*FAGlobal().SettingsFile(), last, "LastApplyProf");
    Running r(kStartService);
    QVERIFY(r.Attached());
    QCOMPARE(r.window.FuncMode(), TFormMain::kModeAccessPoint);
    QCOMPARE(r.window.CurrentPage()->objectName(), QStringLiteral("FrameAPInfo1"));
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), QStringLiteral("Shop AP"), kWait);
    QVERIFY(!r.window.TrayIconMain().Visible());
  }

  void serviceModeSwitchKeepsOutOfTheNotificationArea() {
    Running r(kStartService);
    QVERIFY(r.Attached());
    QCOMPARE(r.window.FuncMode(), TFormMain::kModeStation);
    QTest::mouseClick(r.Control("BtnSoftAP"), Qt::LeftButton);
    QCOMPARE(r.window.FuncMode(), TFormMain::kModeAccessPoint);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), QStringLiteral("Default_SoftAP"), kWait);
    QVERIFY(!r.window.TrayIconMain().Visible());
  }

  void pageSwitchingFollowsTheRules() {
    TFormMain window(FastTiming());
    window.show();
    // A probe stands in for the survey page, found by its component name.
    UiTest::FindChild<QWidget>(window, "FrameSurvey1")
        ->setObjectName(QStringLiteral("SurveyAside"));
    auto* probe = new ProbePage(&window);
    probe->setObjectName(QStringLiteral("FrameSurvey1"));
    auto* lbLink = UiTest::FindChild<TTrifaceLabel>(window, "LbLinkInfo");
    auto* lbSurvey = UiTest::FindChild<TTrifaceLabel>(window, "LbSiteSurvey");
    auto* lbProfile = UiTest::FindChild<TTrifaceLabel>(window, "LbProfile");
    auto* linkPage = UiTest::FindChild<QWidget>(window, "FrameLinkInfo1");

    // The page changes as the button goes down, not when it comes up.
    QTest::mousePress(lbSurvey, Qt::LeftButton);
    QCOMPARE(window.CurrentPage(), probe);
    QCOMPARE(window.CurrentLabel(), lbSurvey);
    QTest::mouseRelease(lbSurvey, Qt::LeftButton);
    QCOMPARE(probe->enters, 1);
    QCOMPARE(probe->lastRequest, 0);
    QVERIFY(!probe->isHidden());
    QVERIFY(linkPage->isHidden());
    QCOMPARE(lbSurvey->FontCrNormal(), QColor(Qt::white));
    QCOMPARE(lbLink->FontCrNormal(), QColor(80, 100, 121));

    QTest::mouseClick(lbSurvey, Qt::LeftButton);
    QCOMPARE(probe->enters, 1);
    QCOMPARE(probe->leaves, 0);

    probe->refuseLeave = true;
    QTest::mouseClick(lbProfile, Qt::LeftButton);
    QCOMPARE(probe->leaves, 1);
    QCOMPARE(window.CurrentPage(), probe);
    QCOMPARE(window.CurrentLabel(), lbSurvey);
    QVERIFY(UiTest::FindChild<QWidget>(window, "FrameProfile1")->isHidden());

    probe->refuseLeave = false;
    window.HandleNotify(PM_SHOWPAGE, 1);
    QCOMPARE(window.CurrentPage(), linkPage);
    window.HandleNotify(PM_SHOWPAGE, 3);
    QCOMPARE(window.CurrentPage(), probe);
    QCOMPARE(probe->lastRequest, TFormMain::kSurveyRequest);
    window.HandleNotify(PM_SHOWPAGE, 7);
    QCOMPARE(window.CurrentPage(), probe);
    window.HandleNotify(PM_NEWPROFILE, 0);
    QCOMPARE(window.CurrentLabel(), lbProfile);
    // Without an adapter the profile page cannot open the wizard a network asks for.
    window.HandleNotify(PM_SHOWPAGE, 3);
    window.HandleNotify(PM_NEWPROFILE, 512);
    QCOMPARE(window.CurrentPage(), probe);
  }

  void modeSwitchWithoutAdapterOnlyChangesTheNavigation() {
    TFormMain window(FastTiming());
    auto* softAP = UiTest::FindChild<TTrifaceBtn>(window, "BtnSoftAP");
    QVERIFY(!softAP->isEnabled());
    softAP->setEnabled(true);
    QTest::mouseClick(softAP, Qt::LeftButton);
    QCOMPARE(window.FuncMode(), TFormMain::kModeAccessPoint);
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("FrameAPInfo1"));
    QVERIFY(UiTest::FindChild<QWidget>(window, "LbLinkInfo")->isHidden());
    QVERIFY(!UiTest::FindChild<QWidget>(window, "LbAPFilter")->isHidden());
    QCOMPARE(window.TrayIconMain().Index(), TFormMain::kTrayAccessPoint);
    QVERIFY(!QString::fromStdString(UiTestEnv::ReadSettings()).contains(u"OperateMode"));
  }

  void modeSwitchWithAdapterReattachesThePagesAndStartsTheAccessPoint() {
    Running r;
    QVERIFY(r.Attached());
    QTRY_VERIFY_WITH_TIMEOUT(!r.Applied().isEmpty(), kWait);
    r.probe->changes.clear();

    QTest::mouseClick(r.Control("BtnSoftAP"), Qt::LeftButton);
    QCOMPARE(r.window.FuncMode(), TFormMain::kModeAccessPoint);
    QCOMPARE(r.window.TrayIconMain().Index(), TFormMain::kTrayAccessPoint);
    QCOMPARE(r.probe->changes, (QList<ProbePage::Change>{{2, 0, true}, {1, 1, true}}));
    QCOMPARE(r.window.Adapter()->Settings().ReadSet("OperateMode", int32_t{0}), 1);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), QStringLiteral("Default_SoftAP"), kWait);
    // In access-point mode every status shows the access-point icon.
    const int seen = r.probe->statuses;
    QTRY_VERIFY_WITH_TIMEOUT(r.probe->statuses > seen, kWait);
    QCOMPARE(r.window.TrayIconMain().Index(), TFormMain::kTrayAccessPoint);

    QTest::mouseClick(r.Control("BtnSoftAP"), Qt::LeftButton);
    QCOMPARE(r.probe->changes.size(), 2);

    QTest::mouseClick(r.Control("BtnStation"), Qt::LeftButton);
    QCOMPARE(r.window.FuncMode(), TFormMain::kModeStation);
    QCOMPARE(r.window.CurrentPage()->objectName(), QStringLiteral("FrameLinkInfo1"));
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), QStringLiteral("Default"), kWait);
  }

  void savedProfileConnectsAndTheTrayShowsTheLink() {
    Running r;
    QVERIFY(r.Attached());
    WLProfile& working = FAGlobal().StationProfile();
    working = r.window.Adapter()->DefaultProfile();
    CopyText(working.ProfileName, "Cafe");
    CopyText(working.Ssid1, "OrvOpen");
    QCOMPARE(r.window.HandleNotify(PM_SAVEPROFILE, 0), intptr_t{1});
    const auto* page = r.Control<TFrameProfile>("FrameProfile1");
    QCOMPARE(Name(page->Profiles().front()), QStringLiteral("Cafe"));
    QVERIFY(r.window.Adapter()->ProfileExists("Cafe"));
    // Bit 0 is not the profile page's business; an update of an unknown name fails.
    QCOMPARE(r.window.HandleNotify(PM_SAVEPROFILE, 1), intptr_t{0});
    CopyText(working.ProfileName, "Nowhere");
    QCOMPARE(r.window.HandleNotify(PM_SAVEPROFILE, TFrameProfile::kSaveUpdate), intptr_t{0});
    QVERIFY(!r.window.Adapter()->ProfileExists("Nowhere"));

    r.window.Adapter()->Connect(page->Profiles().front());
    QTRY_COMPARE_WITH_TIMEOUT(r.window.TrayIconMain().Index(), TFormMain::kTrayConnected, kWait);
    QVERIFY(r.probe->notifies.contains(qMakePair(int{PM_CONNECT}, 0)));
  }

  void connectLastTakesTheFirstProfileWhenTheLastIsGone() {
    Running r;
    QVERIFY(r.Attached());
    auto* page = r.Control<TFrameProfile>("FrameProfile1");
    WLProfile second = page->Profiles().front();
    CopyText(second.ProfileName, "Second");
    FAGlobal().StationProfile() = second;
    QCOMPARE(r.window.HandleNotify(PM_SAVEPROFILE, 0), intptr_t{1});
    QCOMPARE(Name(page->Profiles().front()), QStringLiteral("Second"));
    r.window.Adapter()->Settings().WriteSet("LastProf", "Deleted long ago");
    page->ConnectLast();
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), QStringLiteral("Second"), kWait);
  }

  void connectLastHonoursInitConnect() {
    UiTestEnv::WriteSettings(Settings("InitConnect=0\r\n"));
    Running quiet;
    QVERIFY(quiet.Attached());
    // Several collections later nothing has been applied.
    QTRY_VERIFY_WITH_TIMEOUT(quiet.probe->statuses >= 3, kWait);
    QVERIFY(quiet.Applied().isEmpty());
  }

  void zeroConfigurationHandOverAndCancelledTakeBack() {
    Running r;
    QVERIFY(r.Attached());
    r.window.show();
    auto* page = r.Control<TFrameProfile>("FrameProfile1");
    QVERIFY(!page->Profiles().empty());

    r.window.UpdateTrayMenu();
    auto* wzc = r.Control<QAction>("MenuItWZC");
    QVERIFY(wzc->isVisible());
    QVERIFY(!wzc->isChecked());
    QVERIFY(!r.Control<QAction>("MenuItOpen")->isVisible());
    wzc->trigger();
    QVERIFY(r.window.Adapter()->ZeroCfgEnabled());
    QVERIFY(r.probe->notifies.contains(qMakePair(int{PM_ZEROCFG}, 1)));
    QVERIFY(!r.window.isVisible());
    QCOMPARE(r.window.TrayIconMain().Index(), TFormMain::kTrayStation);
    QVERIFY(page->Profiles().empty());
    r.window.UpdateTrayMenu();
    QVERIFY(wzc->isChecked());

    QStringList asked;
    SetMessageAnswerer([&](QWidget*, const QString& text, int flags) {
      asked.append(text);
      // A second request while the question is open answers false at once.
      if (asked.size() == 1) {
        asked.append(r.window.AskUseUtility() ? QStringLiteral("again")
                                              : QStringLiteral("refused"));
      }
      return flags == (kMbOkCancel | kMbIconInformation) ? kIdCancel : -1;
    });
    r.window.HandleNotify(PM_SHOW, 0);
    QCOMPARE(asked, (QStringList{QStringLiteral("Use Or-Vane Wireless LAN Utility manage this "
                                                "wireless adapter?"),
                                 QStringLiteral("refused")}));
    QVERIFY(!r.window.isVisible());
    QVERIFY(r.window.Adapter()->ZeroCfgEnabled());

    SetMessageAnswerer([](QWidget*, const QString&, int) { return kIdOk; });
    r.window.HandleNotify(PM_SHOW, 0);
    QVERIFY(!r.window.Adapter()->ZeroCfgEnabled());
    QVERIFY(r.probe->notifies.contains(qMakePair(int{PM_ZEROCFG}, 0)));
    QVERIFY(r.window.isVisible());
    QCOMPARE(r.window.CurrentPage()->objectName(), QStringLiteral("FrameLinkInfo1"));
    QVERIFY(!page->Profiles().empty());
  }

  void removalClosesTheOpenMessageBoxBeforeTheAdapterGoes() {
    UiTestEnv::WriteSettings(Settings("EnableZeroCfg=1\r\n"));
    Running r;
    QVERIFY(r.Attached());
    QVERIFY(r.window.Adapter()->ZeroCfgEnabled());
    bool boxOpen = false;
    bool adapterAliveWhenBoxClosed = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<TFormMsgBox*>(TFormBase::TopModalForm());
      boxOpen = box != nullptr;
      if (box == nullptr) return;
      connect(box, &QDialog::finished, box,
              [&] { adapterAliveWhenBoxClosed = r.window.Adapter() != nullptr; });
      QVERIFY(UiTestEnv::Simulator({"unplug"}));
    });
    // Opening while the service is in charge asks first; the removal answers.
    r.window.HandleNotify(PM_SHOW, 0);
    QVERIFY(boxOpen);
    QVERIFY(adapterAliveWhenBoxClosed);
    QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
    QCOMPARE(r.probe->changes.last(), (ProbePage::Change{2, 0, true}));
    QVERIFY(!r.window.TrayIconMain().Visible());
    QVERIFY(!r.window.isVisible());
    QVERIFY(!r.Control("BtnSoftAP")->isEnabled());

    QVERIFY(UiTestEnv::Simulator({"plug"}));
    QVERIFY(r.Attached());
    QCOMPARE(r.probe->changes.last(), (ProbePage::Change{1, 0, true}));
  }

  void deviceEventsDuringARemovalAreIgnored() {
    Running r;
    QVERIFY(r.Attached());
    StubbornDialog dialog;
    bool removing = false;
    QTimer::singleShot(0, [&] {
      r.window.HandleNotify(PM_DEVICE, 3);
      removing = r.window.RemovalInProgress();
      QTRY_VERIFY_WITH_TIMEOUT(dialog.closeRequests == 1, kWait);
      r.window.HandleNotify(PM_DEVICE, 3);
      // A second removal would ask the dialog again.
      QVERIFY(!QTest::qWaitFor([&] { return dialog.closeRequests > 1; }, 300));
      dialog.mayClose = true;
      dialog.done(TFormBase::kMrCancel);
    });
    dialog.ShowModalTracked();
    QVERIFY(removing);
    QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
    QVERIFY(!r.window.RemovalInProgress());
    int detaches = 0;
    for (const ProbePage::Change& change : r.probe->changes) detaches += change.event == 2;
    QCOMPARE(detaches, 1);
  }

  // After a resume the adapter comes back while the removal still waits on a
  // dialog: that news is kept and the adapter attached once the removal ends.
  void anAdapterBackDuringTheRemovalIsAttachedAfterIt() {
    Running r;
    QVERIFY(r.Attached());
    StubbornDialog dialog;
    QTimer::singleShot(0, [&] {
      r.window.HandleNotify(PM_DEVICE, 3);
      QTRY_VERIFY_WITH_TIMEOUT(dialog.closeRequests == 1, kWait);
      r.window.HandleNotify(PM_DEVICE, 4);
      dialog.mayClose = true;
      dialog.done(TFormBase::kMrCancel);
    });
    dialog.ShowModalTracked();
    QTRY_VERIFY_WITH_TIMEOUT(!r.window.RemovalInProgress(), kWait);
    QVERIFY(r.Attached());
    QCOMPARE(r.probe->changes.size(), 3);
    QCOMPARE(r.probe->changes.at(1).event, 2);
    QCOMPARE(r.probe->changes.at(2).event, 1);
  }

  void notificationsWithoutAdapterAreDropped() {
    TFormMain window(FastTiming());
    auto* probe = new ProbePage(&window);
    for (int code : {PM_STATUS, PM_ZEROCFG, PM_CONNECT, PM_PROFILELIST}) {
      window.HandleNotify(code, 0);
    }
    QVERIFY(probe->notifies.isEmpty());
    QCOMPARE(probe->statuses, 0);
    QCOMPARE(window.HandleNotify(PM_SAVEPROFILE, 0), intptr_t{0});
  }

  void trayMenuShowsOnlyCloseBelowLevelSevenOrWithoutAdapter() {
    Running r;
    QVERIFY(r.Attached());
    FAGlobal().SetOSLevel(6);
    r.window.UpdateTrayMenu();
    QVERIFY(!r.Control<QAction>("MenuItWZC")->isVisible());
    QVERIFY(!r.Control<QAction>("N1")->isVisible());
    QVERIFY(r.Control<QAction>("MenuItClose")->isVisible());
    FAGlobal().SetOSLevel(7);
    TFormMain idle(FastTiming());
    idle.UpdateTrayMenu();
    QVERIFY(!UiTest::FindChild<QAction>(idle, "MenuItWZC")->isVisible());
  }

  void titleBarCloseHidesAndOpenBringsTheWindowBack() {
    TFormMain idle(FastTiming());
    idle.show();
    idle.close();
    QVERIFY(!idle.isVisible());
    // Without adapter and without the tray icon switch there is nothing to open.
    idle.HandleNotify(PM_SHOW, 0);
    QVERIFY(!idle.isVisible());

    Running r(kStartTrayIcon);
    r.window.show();
    r.window.close();
    QVERIFY(!r.window.isVisible());
    r.window.HandleNotify(PM_SHOW, 0);
    QVERIFY(r.window.isVisible());
  }

  void helpOpensTheConfiguredFileBesideTheProgram() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    TFormMain window(FastTiming());
    auto* help = UiTest::FindChild<TTrifaceBtn>(window, "BtnHelp");
    QTest::mouseClick(help, Qt::LeftButton);
    QVERIFY(catcher.urls.isEmpty());
    UiTestEnv::WriteSettings(Settings("HelpFile=doc\\help.html\r\n"));
    QTest::mouseClick(help, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.urls, (QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(
                               UiTestEnv::ProgramDir() + "doc/help.html"))}));
  }
};

static const bool registered = UiTestEnv::Register<MainWindowTest>();

#include "main_window_test.moc"
