// The access-point information page on the simulated access point with 64
// stations that stay: a status tick with the same stations, a tick in which
// one station leaves and another arrives, and a tick that fills the emptied
// list anew (after Refresh); and the list update alone. Each must stay well
// under 5 ms.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTreeWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "platform/text.h"
#include "ui/ap/frame_ap_info.h"
#include "ui/ap/station_rows.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/shell/form_res.h"

namespace {

namespace fs = std::filesystem;

constexpr int kStations = 64;

class NullNotifier : public Notifier {
 public:
  void Post(int, intptr_t) override {}
  intptr_t Send(int, intptr_t, Event&) override { return 0; }
};

std::string StationMac(int number) {
  char mac[32];
  std::snprintf(mac, sizeof mac, "02:4F:52:56:%02X:%02X", (number / 256) & 0xFF, number % 256);
  return mac;
}

void Simulator(const std::string& args) {
  const std::string command =
      "'" + std::string(ORV_BIN_DIR) + "/orvwl-sim' " + args + " >/dev/null";
  if (std::system(command.c_str()) != 0) std::abort();
}

// A program folder with the simulated library and an adapter manager whose
// access point runs with the stations pinned by the control tool.
struct Setup {
  Setup() {
    dir = (fs::temp_directory_path() / "orvapinfobench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream(dir + "/X.bin", std::ios::binary)
        << "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\nAutoRenewIP=0\r\n"
           "[SIM\\ORVWL_0001]\r\nEnableSoftAP=1\r\n";
    std::ofstream(dir + "/X.ini", std::ios::binary) << "";
    if (!FAGlobal().Startup(0, dir + "/X", WLLib())) std::abort();
    images = std::make_unique<TFormRes>();
    for (int i = 0; i < kStations; ++i) Simulator("add-station " + StationMac(i));

    AdapterIdent ident{};
    CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
    CopyText(ident.Tag, kAdapterIdentTag);
    CNICAdapter::Dependencies deps;
    deps.timing.firstCollect = std::chrono::milliseconds(1);
    deps.timing.collect = std::chrono::milliseconds(1);
    adapter = std::make_unique<CNICAdapter>(std::make_shared<NullNotifier>(), 0, ident, deps);
    adapter->Connect(adapter->DefaultAPProfile());
    WLANStatus status{};
    for (int i = 0; i < 200; ++i) {
      adapter->GetStatus(status);
      if (status.MediaState == kMediaConnected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (status.MediaState != kMediaConnected) std::abort();
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

struct ShownPage {
  ShownPage() {
    page.InitPage();
    page.AdapterChanged(g_setup->adapter.get(), 1, 1);
    page.show();
    Tick();
    list = page.findChild<QTreeWidget*>(QStringLiteral("LvMAC"));
    // The scenario's own visitors may be there too.
    if (list->topLevelItemCount() < kStations) std::abort();
    list->setCurrentItem(list->topLevelItem(kStations / 2));
    QApplication::processEvents();
  }
  void Tick() {
    page.AdapterNotify(g_setup->adapter.get(), PM_STATUS, 0);
    QApplication::processEvents();
  }

  TFrameAPInfo page;
  QTreeWidget* list = nullptr;
};

void BM_APInfoTickSameStations(benchmark::State& state) {
  ShownPage p;
  for (auto _ : state) p.Tick();
  state.counters["rows"] = p.list->topLevelItemCount();
}
BENCHMARK(BM_APInfoTickSameStations)->Unit(benchmark::kMicrosecond);

void BM_APInfoTickOneLeavesOneArrives(benchmark::State& state) {
  ShownPage p;
  int next = kStations;
  for (auto _ : state) {
    state.PauseTiming();
    Simulator("remove-station " + StationMac(next - kStations));
    Simulator("add-station " + StationMac(next));
    ++next;
    state.ResumeTiming();
    p.Tick();
  }
  state.counters["rows"] = p.list->topLevelItemCount();
}
BENCHMARK(BM_APInfoTickOneLeavesOneArrives)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_APInfoTickFillsTheList(benchmark::State& state) {
  ShownPage p;
  auto* refresh = p.page.findChild<TFABitmapBtn*>(QStringLiteral("BtnRefresh"));
  for (auto _ : state) {
    state.PauseTiming();
    refresh->click();
    QApplication::processEvents();
    state.ResumeTiming();
    p.Tick();
  }
  state.counters["rows"] = p.list->topLevelItemCount();
}
BENCHMARK(BM_APInfoTickFillsTheList)->Unit(benchmark::kMicrosecond);

// The list update alone, without the library: 64 rows, one station replaced each time.
void BM_StationRowsOneLeavesOneArrives(benchmark::State& state) {
  QTreeWidget list;
  list.setColumnCount(2);
  std::vector<APStation> stations;
  for (int i = 0; i < kStations; ++i) {
    stations.push_back(APStation{
        {0x02, 0x4F, 0x52, 0x56, static_cast<uint8_t>(i >> 8), static_cast<uint8_t>(i & 0xFF)}});
  }
  StationRows::Update(list, stations);
  int next = kStations;
  for (auto _ : state) {
    stations[static_cast<std::size_t>(next % kStations)] = APStation{
        {0x02, 0x4F, 0x52, 0x56, static_cast<uint8_t>(next >> 8), static_cast<uint8_t>(next)}};
    ++next;
    if (StationRows::Update(list, stations)) list.sortItems(1, Qt::AscendingOrder);
  }
  state.counters["rows"] = list.topLevelItemCount();
}
BENCHMARK(BM_StationRowsOneLeavesOneArrives)->Unit(benchmark::kMicrosecond);

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
