// One status tick of the whole main window: the PM_STATUS fan-out to the tray
// icon and to every page (all built), with and without the statistics chart
// open, on the simulated adapter connected to OrvHome with traffic flowing.
// The ticks are the adapter manager's own; each iteration is the window
// thread's CPU time from one tick to the end of the repaint it causes, idle
// waiting excluded. The cases run with the thread sleeping between ticks, as
// in use, and back to back, because on a machine whose caches go cold while
// the thread sleeps the two differ by a factor of two or more.

#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "ui/shell/form_main.h"
#include "ui/shell/form_res.h"
#include "ui/shell/property_page_frame.h"
#include "ui/station/form_chart.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Adds up the window thread's CPU time in the delivery of events, so that a
// tick is timed without the wake-up of the event loop that brings it.
class TimedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    if (depth_++ > 0) {
      const bool handled = QApplication::notify(receiver, event);
      --depth_;
      return handled;
    }
    const double before = ThreadCpuSeconds();
    const bool handled = QApplication::notify(receiver, event);
    spent += ThreadCpuSeconds() - before;
    --depth_;
    return handled;
  }
  double spent = 0;

 private:
  int depth_ = 0;
};

TimedApplication* g_app = nullptr;

// Among the window's pages, it counts the ticks that reach them.
class TickCounter : public TPropertyPageFrame {
 public:
  explicit TickCounter(QWidget* parent) : TPropertyPageFrame(parent) { hide(); }
  void AdapterNotify(CNICAdapter*, int code, intptr_t) override {
    if (code == PM_STATUS) ++ticks;
  }
  int ticks = 0;
};

bool WaitFor(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  QTimer wake;
  wake.start(20);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// A program folder with the simulated library and its image store.
struct Program {
  Program() {
    dir = (fs::temp_directory_path() / "orvwindowbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream(dir + "/X.bin", std::ios::binary)
        << "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\nAutoRenewIP=0\r\n";
    std::ofstream(dir + "/X.ini", std::ios::binary) << "";
    if (!FAGlobal().Startup(0, dir + "/X", WLLib())) std::abort();
    images = std::make_unique<TFormRes>();
  }
  ~Program() {
    images.reset();
    fs::remove_all(dir);
  }
  std::string dir;
  std::unique_ptr<TFormRes> images;
};

// The window running on the simulated adapter, associated with OrvHome under
// 8000 kbit/s, collecting at the given interval.
struct Running {
  explicit Running(milliseconds collect) {
    TFormMain::Timing timing;
    timing.detect.detectDelay = milliseconds(30);
    timing.adapter.firstCollect = milliseconds(10);
    timing.adapter.collect = collect;
    timing.adapter.afterConnect = milliseconds(10);
    window = std::make_unique<TFormMain>(timing);
    counter = new TickCounter(window.get());
    window->show();
    window->Start(0);
    if (!WaitFor([this] { return window->Adapter() != nullptr; })) std::abort();

    CNICAdapter& adapter = *window->Adapter();
    WLProfile home = adapter.DefaultProfile();
    CopyText(home.ProfileName, "OrvHome");
    CopyText(home.Ssid1, "OrvHome");
    home.EncryptionMethod = kEncryptWPA2_PSK;
    home.WPAEncryptionType = kWPAAES;
    CopyText(home.WPAPassphrase, "correct horse battery");
    adapter.Connect(home);
    if (!WaitFor([&] {
          WLANStatus status{};
          adapter.GetStatus(status);
          return status.MediaState == kMediaConnected;
        })) {
      std::abort();
    }
    const std::string traffic =
        "'" + std::string(ORV_BIN_DIR) + "/orvwl-sim' traffic 8000 600 >/dev/null";
    if (std::system(traffic.c_str()) != 0) std::abort();
  }

  // The window thread's CPU time per tick in delivering the next ticks and the
  // repaint they cause; ticks that queued up meanwhile share the figure.
  double NextTick() {
    const int seen = counter->ticks;
    g_app->spent = 0;
    while (counter->ticks == seen) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    return g_app->spent / (counter->ticks - seen);
  }

  std::unique_ptr<TFormMain> window;
  TickCounter* counter = nullptr;
};

// The chart as the link page opens it; its clock moves by the real collect
// interval per sample, so that its graphs scroll as they do in use.
struct OpenChart {
  explicit OpenChart(Running& running) : chart(running.window.get()) {
    chart.SetTickSource([now = uint64_t{0}]() mutable { return now += 2000; });
    chart.AdapterChanged(running.window->Adapter(), TPropertyPageFrame::kAdapterAttached, 0);
    chart.show();
    chart.findChild<QWidget*>(QStringLiteral("BtnClose"))->setFocus(Qt::OtherFocusReason);
  }
  TFormChart chart;
};

// The graphs fill up before timing starts: a full width of samples.
constexpr int kFillTicks = 48;

// The mean is reported as the time; on a virtual machine a few ticks the
// host delays pull it up, so the median and the ninth decile come with it.
void TimeTicks(benchmark::State& state, Running& running) {
  running.NextTick();
  std::vector<double> ticks;
  for (auto _ : state) {
    ticks.push_back(running.NextTick());
    state.SetIterationTime(ticks.back());
  }
  std::sort(ticks.begin(), ticks.end());
  state.counters["median_us"] = ticks[ticks.size() / 2] * 1e6;
  state.counters["p90_us"] = ticks[ticks.size() * 9 / 10] * 1e6;
}

// Ticks 100 ms apart: between them the window thread sleeps long enough to
// start most of each tick with cold caches, as between the adapter manager's
// ticks two seconds apart, and more ticks fit in a run.
void BM_WindowTickChartOpen(benchmark::State& state) {
  Running running(milliseconds(100));
  OpenChart open(running);
  for (int i = 0; i < kFillTicks; ++i) running.NextTick();
  TimeTicks(state, running);
  state.counters["samples"] = static_cast<double>(open.chart.RxGraph().Samples().size());
}
BENCHMARK(BM_WindowTickChartOpen)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(100);

// The adapter manager's own pace; the graphs scroll alike whatever their
// fill, so they are not filled first.
void BM_WindowTickChartOpenEveryTwoSeconds(benchmark::State& state) {
  Running running(milliseconds(2000));
  OpenChart open(running);
  TimeTicks(state, running);
}
BENCHMARK(BM_WindowTickChartOpenEveryTwoSeconds)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);

// The same with a tick every millisecond: the cost of the work itself.
void BM_WindowTickChartOpenBackToBack(benchmark::State& state) {
  Running running(milliseconds(1));
  OpenChart open(running);
  for (int i = 0; i < kFillTicks; ++i) running.NextTick();
  TimeTicks(state, running);
}
BENCHMARK(BM_WindowTickChartOpenBackToBack)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500);

void BM_WindowTick(benchmark::State& state) {
  Running running(milliseconds(100));
  TimeTicks(state, running);
}
BENCHMARK(BM_WindowTick)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(100);

void BM_WindowTickBackToBack(benchmark::State& state) {
  Running running(milliseconds(1));
  TimeTicks(state, running);
}
BENCHMARK(BM_WindowTickBackToBack)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(500);

void BM_HiddenWindowTick(benchmark::State& state) {
  Running running(milliseconds(100));
  running.window->hide();
  TimeTicks(state, running);
}
BENCHMARK(BM_HiddenWindowTick)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(100);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TimedApplication app(argc, argv);
  g_app = &app;
  benchmark::Initialize(&argc, argv);
  Program program;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
