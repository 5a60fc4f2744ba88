// The profile list page with 500 stored profiles on the simulated library:
// loading the list (copies, rows, sort, first row shown) and painting it, a
// re-sort by a header click, and the highlight after a connection starts.
// Run with QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QHeaderView>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "ui/controls/sort_lv.h"
#include "ui/profile/frame_profile.h"
#include "ui/shell/form_res.h"

namespace {

namespace fs = std::filesystem;

class NullNotifier : public Notifier {
 public:
  void Post(int, intptr_t) override {}
  intptr_t Send(int, intptr_t, Event&) override { return 0; }
};

constexpr int kProfiles = 500;

// A scratch program folder whose library store holds 500 station profiles,
// the adapter manager that read them, and the page.
struct Fixture {
  Fixture() {
    dir = (fs::temp_directory_path() / "orvbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream(dir + "/X.bin", std::ios::binary) << "[Setting]\r\nInitConnect=0\r\n";
    FAGlobal().Startup(0, dir + "/X", WLLib());
    for (int i = 0; i < kProfiles; ++i) {
      WLProfile p{};
      ResetSecurity(p);
      p.NetworkMode = i % 7 == 0 ? 2 : 1;
      p.EncryptionMethod = i % 3;
      p.TxRate = 15;
      p.ABGMode = 34;
      // Names and networks in no order of their own.
      const int scrambled = (i * 7919) % kProfiles;
      CopyText(p.ProfileName, "Profile " + std::to_string(scrambled));
      CopyText(p.Ssid1, "net" + std::to_string((scrambled * 31) % kProfiles));
      WLLib().Api().ORVWL_SetWLProfile(p.ProfileName, &p);
    }
    AdapterIdent ident{};
    CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
    CopyText(ident.Tag, kAdapterIdentTag);
    adapter = std::make_unique<CNICAdapter>(std::make_shared<NullNotifier>(), 0, ident);
    page = std::make_unique<TFrameProfile>();
    page->InitPage();
    page->show();
    list = page->findChild<TSortLv*>(QStringLiteral("LvProf"));
  }
  ~Fixture() {
    page.reset();
    adapter.reset();
    fs::remove_all(dir);
  }

  std::string dir;
  TFormRes store;
  std::unique_ptr<CNICAdapter> adapter;
  std::unique_ptr<TFrameProfile> page;
  TSortLv* list = nullptr;
};

// Made in main, inside the application's lifetime.
std::unique_ptr<Fixture> gFixture;

Fixture& Shared() { return *gFixture; }

void BM_LoadSortShow500(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    f.page->AdapterChanged(f.adapter.get(), TPropertyPageFrame::kAdapterAttached, 0);
    benchmark::DoNotOptimize(f.page->grab());
  }
  state.counters["rows"] = f.list->topLevelItemCount();
}
BENCHMARK(BM_LoadSortShow500)->Unit(benchmark::kMillisecond);

void BM_ResortByHeaderClick500(benchmark::State& state) {
  Fixture& f = Shared();
  f.page->AdapterChanged(f.adapter.get(), TPropertyPageFrame::kAdapterAttached, 0);
  int column = 1;
  for (auto _ : state) {
    column = 3 - column;
    emit f.list->header()->sectionClicked(column);
    benchmark::DoNotOptimize(f.page->grab());
  }
}
BENCHMARK(BM_ResortByHeaderClick500)->Unit(benchmark::kMillisecond);

void BM_HighlightAfterConnect500(benchmark::State& state) {
  Fixture& f = Shared();
  f.page->AdapterChanged(f.adapter.get(), TPropertyPageFrame::kAdapterAttached, 0);
  for (auto _ : state) {
    f.page->AdapterNotify(f.adapter.get(), PM_CONNECT, 0);
    benchmark::DoNotOptimize(f.page->grab());
  }
}
BENCHMARK(BM_HighlightAfterConnect500)->Unit(benchmark::kMillisecond);

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
