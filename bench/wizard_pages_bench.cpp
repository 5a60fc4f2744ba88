// The profile wizard's network pages on the simulated library: a status tick
// of the network type page (the associated network unchanged), its scan
// results read into the list and painted, and the ad hoc page entered with a
// channel setting of 256 numbers. Run with QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "platform/text.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/wizard_page.h"
#include "ui/shell/form_res.h"

namespace {

namespace fs = std::filesystem;

class NullNotifier : public Notifier {
 public:
  void Post(int, intptr_t) override {}
  intptr_t Send(int, intptr_t, Event&) override { return 0; }
};

std::string ManyChannels() {
  std::string text;
  for (int i = 1; i <= 256; ++i) text += (i > 1 ? "," : "") + std::to_string(i);
  return text;
}

// A scratch program folder, the adapter manager on the simulated library and
// the wizard host bound to it.
struct Fixture {
  Fixture() {
    dir = (fs::temp_directory_path() / "orvbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream(dir + "/X.bin", std::ios::binary)
        << "[Setting]\r\nInitConnect=0\r\nAdHocChB=" << ManyChannels() << "\r\n";
    FAGlobal().Startup(0, dir + "/X", WLLib());
    AdapterIdent ident{};
    CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
    CopyText(ident.Tag, kAdapterIdentTag);
    adapter = std::make_unique<CNICAdapter>(std::make_shared<NullNotifier>(), 0, ident);
    host = std::make_unique<TFrameProfSet>();
    host->InitPage();
    host->AdapterChanged(adapter.get(), TPropertyPageFrame::kAdapterAttached, 0);
    host->show();
    FAGlobal().StationProfile() = adapter->DefaultProfile();
    host->EnterPage(nullptr, 2, TFrameProfSet::kRequestAdd);
    netType = host->Page(TFrameProfSet::kNetType);
    timer = netType->findChild<QTimer*>(QStringLiteral("TimerSurvey"));
    list = netType->findChild<QTreeWidget*>(QStringLiteral("LvSite"));
  }
  ~Fixture() {
    host.reset();
    adapter.reset();
    fs::remove_all(dir);
  }

  std::string dir;
  TFormRes store;
  std::unique_ptr<CNICAdapter> adapter;
  std::unique_ptr<TFrameProfSet> host;
  TWizardPage* netType = nullptr;
  QTimer* timer = nullptr;
  QTreeWidget* list = nullptr;
};

std::unique_ptr<Fixture> gFixture;

void BM_NetTypeStatusTick(benchmark::State& state) {
  Fixture& f = *gFixture;
  for (auto _ : state) f.host->AdapterNotify(f.adapter.get(), PM_STATUS, 0);
}
BENCHMARK(BM_NetTypeStatusTick)->Unit(benchmark::kMicrosecond);

void BM_NetTypeScanResultsShown(benchmark::State& state) {
  Fixture& f = *gFixture;
  for (auto _ : state) {
    QMetaObject::invokeMethod(f.timer, "timeout", Qt::DirectConnection);
    benchmark::DoNotOptimize(f.netType->grab());
  }
  state.counters["rows"] = f.list->topLevelItemCount();
}
BENCHMARK(BM_NetTypeScanResultsShown)->Unit(benchmark::kMillisecond);

void BM_AdHocPageEnter256Channels(benchmark::State& state) {
  Fixture& f = *gFixture;
  WLProfile& working = FAGlobal().StationProfile();
  working.NetworkMode = 0;
  working.AdHocBand = 1;
  TWizardPage* page = f.host->Page(TFrameProfSet::kWlMode);
  for (auto _ : state) {
    benchmark::DoNotOptimize(page->EnterPage(nullptr, TPropertyPageFrame::kDirNext, 0));
  }
}
BENCHMARK(BM_AdHocPageEnter256Channels)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  gFixture = std::make_unique<Fixture>();
  benchmark::RunSpecifiedBenchmarks();
  gFixture.reset();
  benchmark::Shutdown();
  return 0;
}
