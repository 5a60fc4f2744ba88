// The terminal command against a running window and the simulated adapter:
// what it does shows in the window, what it prints matches the pages.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include "adapter/nic_adapter.h"
#include "core/ctl_message.h"
#include "core/fa_global_var.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/support/fast_timing.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/triface_btn.h"
#include "ui/shell/form_main.h"
#include "ui/shell/tray_icon.h"

namespace {

using std::chrono::milliseconds;
constexpr int kWait = 15000;

struct CtlRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
  QJsonObject Json() const { return QJsonDocument::fromJson(out).object(); }
};

// Runs the command while the window goes on handling events.
CtlRun Ctl(std::initializer_list<const char*> words,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QStringList args;
  for (const char* word : words) args << QLatin1String(word);
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(ORV_BIN_DIR "/orvane-wlan-ctl"), args);
  CtlRun run;
  if (!process.waitForStarted()) return run;
  (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000);
  if (process.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

WLProfile Profile(const WLProfile& base, const char* name, const char* ssid) {
  WLProfile profile = base;
  CopyText(profile.ProfileName, name);
  CopyText(profile.NetworkInfo.NI_sz_CurProfile, name);
  CopyText(profile.Ssid1, ssid);
  return profile;
}

struct Running {
  Running() { window.Start(0); }
  bool Attached() {
    return QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait);
  }
  QString Link(const char* name) { return UiTest::FindChild<TEllipsisLabel>(window, name)->text(); }

  TFormMain window{UiTest::FastTiming(milliseconds(40))};
};

class CtlTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(
        "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\nInitConnect=0\r\n"
        "[SIM\\ORVWL_0001]\r\nEnableSoftAP=1\r\n");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void connectHomeAssociatesAndTheWindowShowsIt() {
    Running r;
    QVERIFY(r.Attached());
    CNICAdapter& adapter = *r.window.Adapter();
    QVERIFY(adapter.AddProfile(Profile(adapter.DefaultProfile(), "Home", "OrvOpen")));
    const std::string settingsBefore = UiTestEnv::ReadSettings();

    const CtlRun connect = Ctl({"connect", "Home"});
    QCOMPARE(connect.exitCode, 0);
    QVERIFY2(connect.out.contains("ssid: OrvOpen\n"), connect.out.constData());
    QTRY_COMPARE_WITH_TIMEOUT(r.Link("LblSSID"), QStringLiteral("OrvOpen"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Link("LblProfName"), QStringLiteral("Home"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.window.TrayIconMain().Index(), TFormMain::kTrayConnected, kWait);
    // What the profile page's Activate writes, and nothing else.
    const std::string settings = UiTestEnv::ReadSettings();
    QVERIFY(settings.find("LastProf=Home") != std::string::npos);
    QVERIFY(settings.find("[LastApplyProf]") != std::string::npos);
    QVERIFY(settingsBefore.find("[LastApplyProf]") == std::string::npos);

    // The JSON status says what the link page says (the address may still be
    // renewing, so compare once both have settled on the same collection).
    QJsonObject status;
    const auto matchesPage = [&] {
      status = Ctl({"status", "--json"}).Json();
      return status.value(QLatin1String("ssid")).toString() == r.Link("LblSSID") &&
             status.value(QLatin1String("profile")).toString() == r.Link("LblProfName") &&
             QString::number(status.value(QLatin1String("channel")).toInt()) ==
                 r.Link("LblChannel") &&
             status.value(QLatin1String("rate")).toString() == r.Link("LblTxRate") &&
             status.value(QLatin1String("security")).toString() == r.Link("LblSecurity") &&
             status.value(QLatin1String("ip")).toString() == r.Link("LblIP");
    };
    QVERIFY(QTest::qWaitFor(matchesPage, kWait));
    QCOMPARE(status.value(QLatin1String("mode")).toString(), QStringLiteral("station"));
    QCOMPARE(status.value(QLatin1String("associated")).toBool(), true);
    QCOMPARE(status.value(QLatin1String("mac")).toString(),
             QString::fromStdString(adapter.MacText()));
    QVERIFY(status.value(QLatin1String("rx_bytes")).isDouble());

    const QJsonArray profiles =
        Ctl({"--json", "profiles"}).Json().value(QLatin1String("profiles")).toArray();
    bool homeApplied = false;
    for (const QJsonValue& p : profiles) {
      if (p.toObject().value(QLatin1String("name")) == QStringLiteral("Home")) {
        homeApplied = p.toObject().value(QLatin1String("applied")).toBool();
      }
    }
    QVERIFY(homeApplied);

    const CtlRun disconnect = Ctl({"disconnect", "--json"});
    QCOMPARE(disconnect.exitCode, 0);
    QCOMPARE(disconnect.Json().value(QLatin1String("associated")).toBool(true), false);
    QTRY_COMPARE_WITH_TIMEOUT(r.Link("LblSSID"), QString(), kWait);
  }

  void scanListsAFreshSurvey() {
    Running r;
    QVERIFY(r.Attached());
    const CtlRun scan = Ctl({"scan", "--json"});
    QCOMPARE(scan.exitCode, 0);
    QStringList names;
    for (const QJsonValue& network : scan.Json().value(QLatin1String("networks")).toArray()) {
      names << network.toObject().value(QLatin1String("ssid")).toString();
    }
    QVERIFY2(names.contains(QStringLiteral("OrvOpen")), qPrintable(names.join(QLatin1Char(','))));
    QVERIFY(names.contains(QStringLiteral("Cafe Guest")));
  }

  void everyFailureHasItsExitCode() {
    Running r;
    QVERIFY(r.Attached());
    CNICAdapter& adapter = *r.window.Adapter();
    QVERIFY(adapter.AddProfile(Profile(adapter.DefaultProfile(), "Far", "NotInRange")));

    QCOMPARE(Ctl({"bogus"}).exitCode, int{ctl::kUsage});
    QCOMPARE(Ctl({"connect"}).exitCode, int{ctl::kUsage});
    const CtlRun missing = Ctl({"connect", "Nope"});
    QCOMPARE(missing.exitCode, int{ctl::kNoProfile});
    QVERIFY(missing.err.contains("Nope"));
    QCOMPARE(Ctl({"connect", "Far", "--timeout", "1"}).exitCode, int{ctl::kConnectFailed});
    QCOMPARE(Ctl({"ap", "status"}).exitCode, int{ctl::kWrongMode});

    TempDir elsewhere;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(elsewhere.Path()));
    QCOMPARE(Ctl({"status"}, env).exitCode, int{ctl::kNoInstance});

    QVERIFY(UiTestEnv::Simulator({"unplug"}));
    QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
    QCOMPARE(Ctl({"status"}).exitCode, int{ctl::kNoAdapter});
  }

  void apStatusInAccessPointMode() {
    Running r;
    QVERIFY(r.Attached());
    QTest::mouseClick(UiTest::FindChild<TTrifaceBtn>(r.window, "BtnSoftAP"), Qt::LeftButton);
    QCOMPARE(r.window.FuncMode(), TFormMain::kModeAccessPoint);
    // The settings hold InitConnect=0, so the mode switch alone starts nothing.
    r.window.Adapter()->Connect(FAGlobal().APProfile());
    CtlRun last;
    const bool active = QTest::qWaitFor(
        [&] {
          last = Ctl({"ap", "status", "--json"});
          return last.Json().value(QLatin1String("active")).toBool();
        },
        kWait);
    QVERIFY2(active, (last.out + last.err).constData());
    const QJsonObject ap = last.Json();
    QCOMPARE(ap.value(QLatin1String("mode")).toString(), QStringLiteral("access point"));
    QVERIFY(ap.value(QLatin1String("stations")).isArray());
    QCOMPARE(Ctl({"scan"}).exitCode, int{ctl::kWrongMode});
  }
};

const bool registered = UiTestEnv::Register<CtlTest>();

}  // namespace

#include "ctl_test.moc"
