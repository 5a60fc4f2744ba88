// One status tick of the link page, of the statistics chart and of the adapter
// page (with the adapter page's largest rate list filled), on the
// simulated adapter connected to OrvHome with traffic flowing: the refresh
// alone, the refresh with the repaint it causes, every value set anew (as
// after a connection attempt), and the chart's sample with the redraw of its
// two graphs.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "ui/shell/form_res.h"
#include "ui/station/form_chart.h"
#include "ui/station/frame_adapter.h"
#include "ui/station/frame_link_info.h"

namespace {

namespace fs = std::filesystem;

class NullNotifier : public Notifier {
 public:
  void Post(int, intptr_t) override {}
  intptr_t Send(int, intptr_t, Event&) override { return 0; }
};

// A program folder with the simulated library, an adapter manager that
// collects every millisecond, associated with OrvHome under 8000 kbit/s.
struct Setup {
  Setup() {
    dir = (fs::temp_directory_path() / "orvlinkbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    // The adapter page's largest rate list: 256 rates for 802.11a.
    std::string rates;
    for (int i = 1; i <= 256; ++i) rates += std::to_string(i) + ",";
    std::ofstream(dir + "/X.bin", std::ios::binary)
        << "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\nAutoRenewIP=0\r\nTxRateA=" << rates << "\r\n";
    std::ofstream(dir + "/X.ini", std::ios::binary) << "";
    if (!FAGlobal().Startup(0, dir + "/X", WLLib())) std::abort();
    images = std::make_unique<TFormRes>();

    AdapterIdent ident{};
    CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
    CopyText(ident.Tag, kAdapterIdentTag);
    CNICAdapter::Dependencies deps;
    deps.timing.firstCollect = std::chrono::milliseconds(1);
    deps.timing.collect = std::chrono::milliseconds(1);
    adapter = std::make_unique<CNICAdapter>(std::make_shared<NullNotifier>(), 0, ident, deps);
    WLProfile home = adapter->DefaultProfile();
    CopyText(home.ProfileName, "OrvHome");
    CopyText(home.Ssid1, "OrvHome");
    home.EncryptionMethod = kEncryptWPA2_PSK;
    home.WPAEncryptionType = kWPAAES;
    CopyText(home.WPAPassphrase, "correct horse battery");
    adapter->Connect(home);
    WLANStatus status{};
    for (int i = 0; i < 200; ++i) {
      adapter->GetStatus(status);
      if (status.MediaState == kMediaConnected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (status.MediaState != kMediaConnected) std::abort();
    const std::string traffic =
        "'" + std::string(ORV_BIN_DIR) + "/orvwl-sim' traffic 8000 600 >/dev/null";
    if (std::system(traffic.c_str()) != 0) std::abort();
  }
  ~Setup() {
    adapter.reset();
    images.reset();
    fs::remove_all(dir);
  }

  std::string dir;
  std::unique_ptr<TFormRes> images;
  std::unique_ptr<CNICAdapter> adapter;
};

Setup* g_setup = nullptr;

// A clock that moves two seconds per tick, as the manager's collections do.
struct TwoSecondClock {
  uint64_t now = 1000;
  uint64_t operator()() { return now += 2000; }
};

struct ShownPage {
  ShownPage() {
    page.InitPage();
    page.SetTickSource([this] { return clock(); });
    page.AdapterChanged(g_setup->adapter.get(), 1, 0);
    page.show();
    // The page has already been drawn once when a tick comes.
    page.AdapterNotify(g_setup->adapter.get(), PM_STATUS, 0);
    QApplication::processEvents();
  }
  void Tick() { page.AdapterNotify(g_setup->adapter.get(), PM_STATUS, 0); }

  TwoSecondClock clock;
  TFrameLinkInfo page;
};

// Each real tick brings a status with new counters; waiting for one is not timed.
void WaitForNewStatus(benchmark::State& state) {
  static uint64_t lastRx = 0;
  state.PauseTiming();
  WLANStatus status{};
  do {
    g_setup->adapter->GetStatus(status);
  } while (status.RxBytes == lastRx);
  lastRx = status.RxBytes;
  state.ResumeTiming();
}

struct ShownChart {
  ShownChart() {
    chart.SetTickSource([this] { return clock(); });
    chart.AdapterChanged(g_setup->adapter.get(), 1, 0);
    chart.show();
    // A chart open long enough to hold a full graph.
    for (int i = 0; i < 200; ++i) Tick();
    QApplication::processEvents();
  }
  void Tick() { chart.AdapterNotify(g_setup->adapter.get(), PM_STATUS, 0); }

  TwoSecondClock clock;
  TFormChart chart;
};

void BM_LinkPageTick(benchmark::State& state) {
  ShownPage p;
  for (auto _ : state) {
    WaitForNewStatus(state);
    p.Tick();
  }
}
BENCHMARK(BM_LinkPageTick)->Unit(benchmark::kMicrosecond);

void BM_LinkPageTickPainted(benchmark::State& state) {
  ShownPage p;
  for (auto _ : state) {
    WaitForNewStatus(state);
    p.Tick();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LinkPageTickPainted)->Unit(benchmark::kMicrosecond);

// The same status again: no label is set, nothing is repainted.
void BM_LinkPageUnchangedTick(benchmark::State& state) {
  ShownPage p;
  for (auto _ : state) {
    p.Tick();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LinkPageUnchangedTick)->Unit(benchmark::kMicrosecond);

// A connection attempt blanks every value; the next status sets each again.
void BM_LinkPageEveryValueSetAnew(benchmark::State& state) {
  ShownPage p;
  for (auto _ : state) {
    p.page.AdapterNotify(g_setup->adapter.get(), PM_CONNECT, 0);
    p.Tick();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LinkPageEveryValueSetAnew)->Unit(benchmark::kMicrosecond);

void BM_ChartSampleAndRedraw(benchmark::State& state) {
  ShownChart c;
  for (auto _ : state) c.Tick();
  state.counters["samples"] = static_cast<double>(c.chart.RxGraph().Samples().size());
}
BENCHMARK(BM_ChartSampleAndRedraw)->Unit(benchmark::kMicrosecond);

void BM_ChartSampleRedrawPainted(benchmark::State& state) {
  ShownChart c;
  for (auto _ : state) {
    c.Tick();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ChartSampleRedrawPainted)->Unit(benchmark::kMicrosecond);

// The page with the chart open: the page forwards each tick to it first.
void BM_LinkPageWithChartTickPainted(benchmark::State& state) {
  ShownChart c;
  ShownPage p;
  for (auto _ : state) {
    WaitForNewStatus(state);
    p.Tick();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LinkPageWithChartTickPainted)->Unit(benchmark::kMicrosecond);

// The adapter page hears every status; on the same radio standard it only compares.
void BM_AdapterPageTick(benchmark::State& state) {
  TFrameAdapter page;
  page.InitPage();
  page.AdapterChanged(g_setup->adapter.get(), 1, 0);
  page.AdapterNotify(g_setup->adapter.get(), PM_STATUS, 0);
  for (auto _ : state) page.AdapterNotify(g_setup->adapter.get(), PM_STATUS, 0);
}
BENCHMARK(BM_AdapterPageTick)->Unit(benchmark::kMicrosecond);

void BM_AdapterPageRateListFill(benchmark::State& state) {
  TFrameAdapter page;
  page.InitPage();
  page.AdapterChanged(g_setup->adapter.get(), 1, 0);
  for (auto _ : state) page.InitTxRate(TFrameAdapter::kStandardA);
}
BENCHMARK(BM_AdapterPageRateListFill)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Setup setup;
  g_setup = &setup;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_setup = nullptr;
  return 0;
}
