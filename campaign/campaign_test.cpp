// The whole utility on the simulated adapter through library faults, plug
// storms and a long run: how long the window thread is kept from its event
// loop, what is left behind, and every page usable afterwards.
//
// The default run is short. ORV_CAMPAIGN_FULL=1 runs the full campaign
// (five-second hangs, 100 plug cycles 1-3 s apart, 20 resumes) and
// ORV_SOAK_MINUTES=N the soak; both print their figures (campaign/*.sh).

#include <sys/resource.h>

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>

#include "adapter/nic_adapter.h"
#include "platform/text.h"
#include "tests/ui/support/fast_timing.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/triface_label.h"
#include "ui/shell/form_base.h"
#include "ui/shell/form_main.h"
#include "ui/shell/property_page_frame.h"
#include "ui/shell/show_message.h"

namespace {

using std::chrono::milliseconds;
constexpr int kWait = 15000;

bool Full() { return std::getenv("ORV_CAMPAIGN_FULL") != nullptr; }

std::string Settings() {
  return "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\n"
         "[SIM\\ORVWL_0001]\r\nEnableSoftAP=1\r\n"
         "[FormMain_Visible]\r\nBtnSoftAP=1\r\nBtnStation=1\r\nLbSoftAP=1\r\nLbStation=1\r\n";
}

// The window thread's longest pause, seen by a timer that asks to run every 5 ms.
class Heartbeat {
 public:
  Heartbeat() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
      worst_ = std::max(worst_, clock_.restart());
      ++beats_;
    });
    Restart();
    timer_.start();
  }
  void Restart() {
    clock_.start();
    worst_ = 0;
    beats_ = 0;
  }
  qint64 WorstMs() const { return std::max(worst_, clock_.elapsed()); }
  int Beats() const { return beats_; }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 worst_ = 0;
  int beats_ = 0;
};

// A name as the simulator's tool reads it back: every byte outside printable
// ASCII as \xHH, a backslash doubled.
std::string EscapeForTool(const std::string& bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == '\\') {
      out += "\\\\";
    } else if (c < 0x20 || c >= 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

// The simulator's tool, run off the window thread so that its process start
// is not counted as the window's pause.
bool Sim(const std::vector<std::string>& args) {
  auto run = std::async(std::launch::async, [args] { return UiTestEnv::Simulator(args); });
  (void)QTest::qWaitFor([&] { return run.wait_for(milliseconds(0)) == std::future_status::ready; },
                        kWait);
  return run.get();
}

// What the process holds, from /proc.
struct Footprint {
  long threads = 0;
  long fds = 0;
  long rssKb = 0;
  double cpuSeconds = 0;

  static Footprint Now() {
    namespace fs = std::filesystem;
    Footprint f;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/task")) ++f.threads;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) ++f.fds;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmRSS:", 0) == 0) f.rssKb = std::atol(line.c_str() + 6);
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    f.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return f;
  }
};

struct Running {
  Running() {
    UiTestEnv::WriteSettings(Settings());
    window.Start(0);
    window.show();
  }
  bool Attached() {
    return QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait);
  }
  template <typename T = QWidget>
  T* Control(const char* name) {
    return UiTest::FindChild<T>(window, name);
  }
  QWidget* Page(const char* name) { return Control(name); }
  void Show(const char* label) { window.ShowPage(Control<TTrifaceLabel>(label), 0); }
  int Rows(const char* page, const char* list) {
    return UiTest::FindChild<QTreeWidget>(*Page(page), list)->topLevelItemCount();
  }
  // A scan from the survey page, answered once its results are in.
  bool Scan() {
    Show("LbSiteSurvey");
    auto* button = UiTest::FindChild<TFABitmapBtn>(*Page("FrameSurvey1"), "BtnScan");
    if (!QTest::qWaitFor([&] { return button->isEnabled(); }, kWait)) return false;
    button->click();
    return QTest::qWaitFor([&] { return button->isEnabled(); }, kWait);
  }
  // Every station page shows the adapter again.
  bool PagesUsable() {
    if (!Attached()) return false;
    for (int i = 0; i < 3; ++i) {
      if (Scan() && Rows("FrameSurvey1", "LvSite") > 0) break;
    }
    if (Rows("FrameSurvey1", "LvSite") == 0) return false;
    Show("LbProfile");
    if (!QTest::qWaitFor([&] { return Rows("FrameProfile1", "LvProf") > 0; }, kWait)) return false;
    Show("LbAdapter");
    Show("LbLinkInfo");
    return static_cast<QWidget*>(window.CurrentPage()) == Page("FrameLinkInfo1");
  }
  // No page shows anything of an adapter that has gone.
  bool PagesBlank() {
    return Rows("FrameSurvey1", "LvSite") == 0 && Rows("FrameProfile1", "LvProf") == 0 &&
           !Page("FrameProfSet1")->isVisible();
  }

  TFormMain window{UiTest::FastTiming(milliseconds(40))};
};

struct Fault {
  std::vector<std::string> arm;
  const char* what;
};

class CampaignTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(UiTestEnv::Simulator({"reset"})); }
  void cleanup() {
    SetMessageAnswerer({});
    UiTestEnv::Simulator({"reset"});
  }

  // Each fault while the window is shown: the window thread keeps running,
  // nothing crashes, and every page works again once the fault is cleared.
  void libraryFaultsLeaveTheWindowRunning() {
    Running r;
    QVERIFY(r.Attached());
    QVERIFY(r.PagesUsable());
    const std::string hang = Full() ? "5000" : "500";
    const int lasting = Full() ? 6000 : 800;
    const std::vector<Fault> faults = {
        {{"fault", "GetWLANStatus", "hang", hang}, "GetWLANStatus hang"},
        {{"fault", "SiteSurveyGet", "count", "300"}, "SiteSurveyGet count 300"},
        {{"fault", "SiteSurveyGet", "garbage"}, "SiteSurveyGet garbage"},
        {{"fault", "GetWLANStatus", "stuck"}, "GetWLANStatus never returns"},
    };
    Heartbeat heart;
    for (const Fault& fault : faults) {
      QVERIFY(Sim(fault.arm));
      heart.Restart();
      QElapsedTimer spent;
      spent.start();
      while (spent.elapsed() < lasting) {
        r.Scan();
        r.Show("LbProfile");
        r.Show("LbAdapter");
        r.Show("LbLinkInfo");
        QTest::qWait(50);
      }
      const qint64 worst = heart.WorstMs();
      qInfo("%s: longest window pause %lld ms, %d beats in %lld ms", fault.what, worst,
            heart.Beats(), spent.elapsed());
      QVERIFY2(heart.Beats() > 10, fault.what);
      QVERIFY(Sim({"fault", "clear"}));
      QVERIFY2(r.PagesUsable(), fault.what);
    }

    // The access point's station list, in garbage.
    SetMessageAnswerer([](QWidget*, const QString&, int) { return int{kIdOk}; });
    r.window.SetFuncMode(TFormMain::kModeAccessPoint);
    QTRY_VERIFY_WITH_TIMEOUT(r.window.FuncMode() == TFormMain::kModeAccessPoint, kWait);
    QVERIFY(Sim({"fault", "GetAPStationList", "garbage", "always"}));
    heart.Restart();
    QTest::qWait(lasting);
    qInfo("GetAPStationList garbage: longest window pause %lld ms", heart.WorstMs());
    QVERIFY(Sim({"fault", "clear"}));
    r.window.SetFuncMode(TFormMain::kModeStation);
    QTRY_VERIFY_WITH_TIMEOUT(r.window.FuncMode() == TFormMain::kModeStation, kWait);
    QVERIFY(r.PagesUsable());

    // Detection failing: the adapter may go, and comes back once it answers.
    QVERIFY(Sim({"fault", "DevDetect", "fail", "3"}));
    heart.Restart();
    QVERIFY(Sim({"resume"}));
    QTest::qWait(lasting);
    qInfo("DevDetect fail 3: longest window pause %lld ms", heart.WorstMs());
    QVERIFY(Sim({"fault", "clear"}));
    if (r.window.Adapter() == nullptr) QVERIFY(Sim({"resume"}));
    QVERIFY(r.PagesUsable());
  }

  // Unplug and plug again and again, with the wizard or a message box open at
  // times, and resumes between: every cycle attaches and detaches, no page
  // keeps a vanished adapter, and no thread or descriptor is left behind.
  void plugStormsLeaveNothingBehind() {
    Running r;
    QVERIFY(r.Attached());
    QVERIFY(r.PagesUsable());
    const Footprint before = Footprint::Now();
    const int cycles = Full() ? 100 : 10;
    const int resumes = Full() ? 20 : 3;
    QRandomGenerator random(25);
    int wizards = 0;
    int boxes = 0;
    int resumed = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
      QVERIFY(r.Attached());
      const int open = random.bounded(3);
      if (open == 1) {
        r.Show("LbProfile");
        auto* add = UiTest::FindChild<TFABitmapBtn>(*r.Page("FrameProfile1"), "BtnAdd");
        if (QTest::qWaitFor([&] { return add->isEnabled(); }, kWait)) {
          add->click();
          wizards += r.Page("FrameProfSet1")->isVisible() ? 1 : 0;
        }
      }
      if (Full()) QTest::qWait(1000 + random.bounded(2000));
      bool boxSeen = false;
      if (open == 2) {
        // A message box's own loop is running when the adapter goes.
        QTimer::singleShot(0, &r.window, [&] {
          boxSeen = TFormBase::TopModalForm() != nullptr;
          Sim({"unplug"});
        });
        ShowMessage(&r.window, QStringLiteral("plug storm"), kMbOk | kMbIconExclamation);
        boxes += boxSeen ? 1 : 0;
      } else {
        QVERIFY(Sim({"unplug"}));
      }
      QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
      QVERIFY2(r.PagesBlank(), qPrintable(QStringLiteral("cycle %1").arg(cycle)));
      if (Full()) QTest::qWait(1000 + random.bounded(2000));
      QVERIFY(Sim({"plug"}));
      QVERIFY2(r.Attached(), qPrintable(QStringLiteral("cycle %1").arg(cycle)));
      if (cycle % (cycles / resumes) == 0 && resumed < resumes) {
        ++resumed;
        QVERIFY(Sim({"resume"}));
        QVERIFY(r.Attached());
      }
    }
    QVERIFY(r.PagesUsable());
    // Short-lived threads end on their own: wait for them, not a fixed time.
    (void)QTest::qWaitFor([&] { return Footprint::Now().threads <= before.threads; }, kWait);
    const Footprint after = Footprint::Now();
    qInfo("plug storm: %d cycles, %d resumes, %d with the wizard open, %d with a message box",
          cycles, resumed, wizards, boxes);
    qInfo("plug storm: threads %ld -> %ld, descriptors %ld -> %ld, resident %ld -> %ld kB",
          before.threads, after.threads, before.fds, after.fds, before.rssKb, after.rssKb);
    QVERIFY(wizards > 0 && boxes > 0);
    // Fewer is fine: the first attach may have started helpers that end later.
    QVERIFY(after.threads <= before.threads);
    QVERIFY(after.fds <= before.fds);
  }

  // 256 neighbours with names no sane network has: the survey shows each on
  // one clean line, the open ones can be joined, and the settings file keeps
  // one entry per line.
  void hostileNeighboursShowSanelyAndJoinCleanly() {
    const std::string emoji =
        "\xF0\x9F\x98\x80\xF0\x9F\x93\xB6\xF0\x9F\x94\x92\xF0\x9F\x8C\x8D"
        "\xF0\x9F\x98\x80\xF0\x9F\x93\xB6\xF0\x9F\x94\x92\xF0\x9F\x8C\x8D";
    const std::vector<std::string> names = {
        "CR\r\nLF", std::string("N\0UL", 4), "\xFF\xFE\xFF", "%s%n%s%n", emoji, "    ", "Hidden"};
    QCOMPARE(emoji.size(), std::size_t{32});
    constexpr int kNetworks = 256;
    auto add = std::async(std::launch::async, [&] {
      for (int i = 0; i < kNetworks; ++i) {
        const std::string& name = names[i % names.size()];
        std::vector<std::string> args = {"add-network", EscapeForTool(name),
                                         "channel=" + std::to_string(1 + i % 11),
                                         "signal=" + std::to_string(-40 - i % 50)};
        if (i % 2 == 1) args.insert(args.end(), {"security=21", "passphrase=hostile-psk-1"});
        if (name == "Hidden") args.push_back("hidden=1");
        if (!UiTestEnv::Simulator(args)) return false;
      }
      return true;
    });
    QVERIFY(QTest::qWaitFor(
        [&] { return add.wait_for(milliseconds(0)) == std::future_status::ready; }, 60000));
    QVERIFY(add.get());

    Running r;
    QVERIFY(r.Attached());
    QVERIFY(r.Scan());
    QTRY_VERIFY_WITH_TIMEOUT(r.Rows("FrameSurvey1", "LvSite") >= kNetworks, kWait);
    auto* list = UiTest::FindChild<QTreeWidget>(*r.Page("FrameSurvey1"), "LvSite");
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      const QString shown = list->topLevelItem(row)->text(1);
      for (const QChar c : shown)
        QVERIFY2(!c.isNull() && c.category() != QChar::Other_Control, qPrintable(shown));
    }

    for (std::size_t kind = 0; kind < names.size(); ++kind) {
      const std::string& name = names[kind];
      WLProfile profile = r.window.Adapter()->DefaultProfile();
      CopyText(profile.ProfileName, "Hostile");
      std::memcpy(profile.Ssid1, name.data(), std::min(name.size(), sizeof profile.Ssid1 - 1));
      r.window.Adapter()->Connect(profile);
      const std::string joinable(profile.Ssid1, strnlen(profile.Ssid1, sizeof profile.Ssid1));
      WLANStatus status{};
      const bool joined = QTest::qWaitFor(
          [&] {
            r.window.Adapter()->GetStatus(status);
            return status.MediaState == kMediaConnected &&
                   std::string(reinterpret_cast<const char*>(status.Ssid),
                               std::clamp(status.SsidLength, 0, 32)) == joinable;
          },
          kWait);
      // A name cut at its NUL byte names no network: that join fails, and the
      // adapter never claims another network instead.
      if (joinable == name) {
        QVERIFY2(joined, qPrintable(QString::fromStdString(EscapeForTool(name))));
      } else {
        QVERIFY(!joined);
      }
    }
    QVERIFY(r.PagesUsable());
    const std::string settings = UiTestEnv::ReadSettings();
    std::size_t start = 0;
    for (std::size_t end; (end = settings.find('\n', start)) != std::string::npos;
         start = end + 1) {
      std::string line = settings.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      QVERIFY2(line.empty() || line.front() == ';' || line.front() == '[' ||
                   line.find('=') != std::string::npos,
               line.c_str());
    }
  }

  // Attached with traffic and a scan every minute, the footprint each minute.
  void soak() {
    const char* minutesText = std::getenv("ORV_SOAK_MINUTES");
    if (minutesText == nullptr) QSKIP("ORV_SOAK_MINUTES is not set");
    const int minutes = std::atoi(minutesText);
    Running r;
    QVERIFY(r.Attached());
    WLProfile profile = r.window.Adapter()->DefaultProfile();
    CopyText(profile.ProfileName, "Soak");
    CopyText(profile.Ssid1, "OrvOpen");
    r.window.Adapter()->Connect(profile);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          WLANStatus status{};
          r.window.Adapter()->GetStatus(status);
          return status.MediaState == kMediaConnected;
        }(),
        kWait);
    QVERIFY(Sim({"traffic", "8000", std::to_string(minutes * 60 + 120)}));
    Heartbeat heart;
    Footprint last = Footprint::Now();
    qInfo("soak minute,resident kB,cpu s in minute,threads,descriptors,longest pause ms");
    for (int minute = 1; minute <= minutes; ++minute) {
      heart.Restart();
      QVERIFY(r.Scan());
      r.Show("LbLinkInfo");
      QTest::qWait(60000);
      const Footprint now = Footprint::Now();
      qInfo("soak %d,%ld,%.2f,%ld,%ld,%lld", minute, now.rssKb, now.cpuSeconds - last.cpuSeconds,
            now.threads, now.fds, heart.WorstMs());
      last = now;
    }
    QVERIFY(r.window.Adapter() != nullptr);
  }
};

}  // namespace

static const bool registered = UiTestEnv::Register<CampaignTest>();

#include "campaign_test.moc"
