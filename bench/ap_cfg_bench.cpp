// The access-point configuration page on the simulated library: refilling the
// channel list when the wireless mode changes (a list of 256 channels from the
// settings, and the library's own list), and drawing the network's QR code.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "model/wifi_qr_text.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "ui/ap/frame_ap_cfg.h"
#include "ui/ap/qr_code_image.h"
#include "ui/shell/form_res.h"

namespace {

namespace fs = std::filesystem;

class NullNotifier : public Notifier {
 public:
  void Post(int, intptr_t) override {}
  intptr_t Send(int, intptr_t, Event&) override { return 0; }
};

// The program's global settings on a scratch folder with the simulated
// library, and the page attached to the adapter in access-point mode.
struct Fixture {
  Fixture() {
    dir = (fs::temp_directory_path() / "orvbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream settings(dir + "/X.bin", std::ios::binary);
    settings << "[SIM\\ORVWL_0001]\r\nSoftAPChB=";
    for (int ch = 1; ch <= TFrameAPCfg::kMaxChannels; ++ch) settings << ch << ',';
    settings << "\r\n";
    settings.close();
    FAGlobal().Startup(0, dir + "/X", WLLib());
    res = std::make_unique<TFormRes>();
    AdapterIdent ident{};
    CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
    CopyText(ident.Tag, kAdapterIdentTag);
    adapter = std::make_unique<CNICAdapter>(std::make_shared<NullNotifier>(), 0, ident);
    page.InitPage();
    page.AdapterChanged(adapter.get(), TPropertyPageFrame::kAdapterAttached, 1);
    modes = page.findChild<QComboBox*>(QStringLiteral("CmbMode"));
    channels = page.findChild<QComboBox*>(QStringLiteral("CmbCh"));
  }
  ~Fixture() {
    page.AdapterChanged(adapter.get(), TPropertyPageFrame::kAdapterDetached, 1);
    adapter.reset();
    fs::remove_all(dir);
  }

  void Choose(int32_t mode) {
    const int index = modes->findData(mode);
    modes->setCurrentIndex(index);
    emit modes->activated(index);
  }

  std::string dir;
  std::unique_ptr<TFormRes> res;
  std::unique_ptr<CNICAdapter> adapter;
  TFrameAPCfg page;
  QComboBox* modes = nullptr;
  QComboBox* channels = nullptr;
};

// Made in main, while the application object lives.
Fixture* page = nullptr;

Fixture& Page() { return *page; }

// Every iteration fills the list twice: the 256 listed channels, then the mode's own.
void BM_ModeSwitch256ListedChannels(benchmark::State& state) {
  Fixture& f = Page();
  int items = 0;
  for (auto _ : state) {
    f.Choose(kModeB);
    items = f.channels->count();
    f.Choose(kModeG);
  }
  state.counters["channels"] = items;
}
BENCHMARK(BM_ModeSwitch256ListedChannels)->Unit(benchmark::kMicrosecond);

void BM_ModeSwitchLibraryChannels(benchmark::State& state) {
  Fixture& f = Page();
  int items = 0;
  for (auto _ : state) {
    f.Choose(kModeA);
    items = f.channels->count();
  }
  state.counters["channels"] = items;
}
BENCHMARK(BM_ModeSwitchLibraryChannels)->Unit(benchmark::kMicrosecond);

void BM_QrCodeOfALongWEPNetwork(benchmark::State& state) {
  WLProfile network{};
  CopyText(network.Ssid1, std::string(32, ';'));
  network.EncryptionMethod = kEncryptWEP;
  CopyText(network.WEPKey1, std::string(58, 'A'));
  const std::string text = WifiQrText(network);
  int side = 0;
  for (auto _ : state) side = QrCodeImage(text, 5).width();
  state.counters["pixels"] = side;
}
BENCHMARK(BM_QrCodeOfALongWEPNetwork)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Fixture fixture;
  page = &fixture;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
