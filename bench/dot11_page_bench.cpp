// The 802.1X wizard page entered with 300 personal and 300 trusted-root
// certificates in the simulated stores: both lists freed, read again, filled
// and the stored certificates looked up, then the page painted. Run with
// QT_QPA_PLATFORM=offscreen.

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

constexpr int kCertificates = 300;

std::string ManyCertificates() {
  std::string text = "[adapter]\nmac = 00:0E:2E:5A:10:01\n";
  for (int i = 0; i < kCertificates; ++i) {
    const std::string n = std::to_string(i);
    text += "[certificate]\nstore = personal\nsubject = user" + n +
            "@orvane.example\nissuer = Or-Vane Issuing CA " + std::to_string(i % 7) + "\n";
    text += "[certificate]\nstore = root\nsubject = Root CA " + n + "\n";
  }
  return text;
}

// A scratch program folder with the scenario beside the library, the adapter
// manager on it and the wizard host bound to it.
struct Fixture {
  Fixture() {
    dir = (fs::temp_directory_path() / "orvbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    std::ofstream(dir + "/ORVWL.sim", std::ios::binary) << ManyCertificates();
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream(dir + "/X.bin", std::ios::binary) << "[Setting]\r\nInitConnect=0\r\n";
    FAGlobal().Startup(0, dir + "/X", WLLib());
    AdapterIdent ident{};
    CopyText(ident.HardwareId, "SIM\\ORVWL_0001");
    CopyText(ident.Tag, kAdapterIdentTag);
    adapter = std::make_unique<CNICAdapter>(std::make_shared<NullNotifier>(), 0, ident);
    host = std::make_unique<TFrameProfSet>();
    host->InitPage();
    host->AdapterChanged(adapter.get(), TPropertyPageFrame::kAdapterAttached, 0);
    host->show();
    WLProfile& working = FAGlobal().StationProfile();
    working = adapter->DefaultProfile();
    working.EncryptionMethod = 7;
    working.MS8021xAuthMode = 1;
    // The last of each list, so that the look-ups walk them whole.
    const std::string last = std::to_string(kCertificates - 1);
    CopyText(working.sCertificate, "user" + last + "@orvane.example");
    CopyText(working.sCertificate_Issuer,
             "Or-Vane Issuing CA " + std::to_string((kCertificates - 1) % 7));
    CopyText(working.sCertAuthority, "Root CA " + last);
    CopyText(working.sCertAuthority_Issuer, "Root CA " + last);
    page = host->Page(TFrameProfSet::kDot11);
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
  TWizardPage* page = nullptr;
};

std::unique_ptr<Fixture> gFixture;

void BM_EnterWith300Certificates(benchmark::State& state) {
  Fixture& f = *gFixture;
  for (auto _ : state) {
    f.host->ShowWizardPage(f.page, TPropertyPageFrame::kDirNext);
    benchmark::DoNotOptimize(f.page->grab());
  }
  const auto* personal = f.page->findChild<QComboBox*>(QStringLiteral("CmbMyCert"));
  const auto* roots = f.page->findChild<QComboBox*>(QStringLiteral("CmbServerCA"));
  state.counters["personal"] = personal->count();
  state.counters["roots"] = roots->count();
  state.counters["chosen"] = personal->currentIndex() + roots->currentIndex();
}
BENCHMARK(BM_EnterWith300Certificates)->Unit(benchmark::kMillisecond);

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
