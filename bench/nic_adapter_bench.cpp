// The adapter manager on the simulated library: reading a list of 500 stored
// profiles in their saved order, and status copies while the worker collects.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "platform/text.h"

namespace {

namespace fs = std::filesystem;

class NullNotifier : public Notifier {
 public:
  void Post(int, intptr_t) override {}
  intptr_t Send(int, intptr_t, Event&) override { return 0; }
};

constexpr int kProfiles = 500;

struct Fixture {
  Fixture() {
    dir = (fs::temp_directory_path() / "orvbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream settings(dir + "/X.bin", std::ios::binary);
    settings << "[SIM\\ORVWL_0001-9999]\r\nProfCount=" << kProfiles << "\r\n";
    // Saved in the reverse of the library's order, so every one moves.
    for (int i = 0; i < kProfiles; ++i) {
      settings << "Prof" << i << "=Profile " << (kProfiles - 1 - i) << "\r\n";
    }
    settings.close();
    global.Startup(0, dir + "/X", library);
    for (int i = 0; i < kProfiles; ++i) {
      WLProfile p{};
      CopyText(p.ProfileName, "Profile " + std::to_string(i));
      CopyText(p.Ssid1, "net" + std::to_string(i));
      library.Api().ORVWL_SetWLProfile(p.ProfileName, &p);
    }
    AdapterIdent ident{};
    CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
    CopyText(ident.Tag, kAdapterIdentTag);
    CNICAdapter::Dependencies deps;
    deps.global = &global;
    deps.library = &library;
    deps.timing.firstCollect = std::chrono::milliseconds(1);
    deps.timing.collect = std::chrono::milliseconds(1);
    adapter = std::make_unique<CNICAdapter>(std::make_shared<NullNotifier>(), 0, ident, deps);
  }
  ~Fixture() {
    adapter.reset();
    fs::remove_all(dir);
  }

  std::string dir;
  CFAGlobalVar global;
  WLLibrary library;
  std::unique_ptr<CNICAdapter> adapter;
};

void BM_ReadProfileList500(benchmark::State& state) {
  Fixture f;
  std::vector<WLProfile> list;
  for (auto _ : state) {
    f.adapter->ReadProfileList(0, list);
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["profiles"] = static_cast<double>(list.size());
}
BENCHMARK(BM_ReadProfileList500)->Unit(benchmark::kMillisecond);

void BM_GetStatusWhileCollecting(benchmark::State& state) {
  Fixture f;
  WLANStatus status{};
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) f.adapter->GetStatus(status);
    benchmark::DoNotOptimize(status.MediaState);
  }
}
BENCHMARK(BM_GetStatusWhileCollecting)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
