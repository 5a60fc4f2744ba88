// The scan list of the survey page with the largest survey, 256 networks, on
// the simulated library (channel numbers come from it): filling and sorting,
// the same with painting, a re-sort by a header click, and the highlight
// moving to another network; the channel view drawing the 256 curves (target
// under 20 ms). Run with QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QHeaderView>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "adapter/wl_library.h"
#include "adapter/wl_records.h"
#include "core/fa_global_var.h"
#include "ui/shell/form_res.h"
#include "ui/station/channel_graph.h"
#include "ui/station/site_list.h"

namespace {

namespace fs = std::filesystem;

std::vector<SiteSurveyEntry> Survey() {
  static constexpr int kChannels[] = {1, 6, 11, 3, 36, 44, 100, 149, 9, 165};
  std::vector<SiteSurveyEntry> entries;
  for (int i = 0; i < kSurveyMaxEntries; ++i) {
    SiteSurveyEntry e{};
    e.Bssid[0] = 0x02;
    e.Bssid[4] = static_cast<uint8_t>(i >> 8);
    e.Bssid[5] = static_cast<uint8_t>(i);
    // Names, channels and signals in no order of their own, mixed letter case.
    const int scrambled = (i * 7919) % kSurveyMaxEntries;
    const std::string ssid = (scrambled % 2 ? "Net-" : "net-") + std::to_string(scrambled);
    e.SsidLength = static_cast<int32_t>(ssid.size());
    std::memcpy(e.Ssid, ssid.data(), ssid.size());
    const int channel = kChannels[scrambled % 10];
    e.Frequency = channel <= 14 ? (2407 + 5 * channel) * 1000 : (5000 + 5 * channel) * 1000;
    e.Signal = -30 - (scrambled * 37) % 65;
    e.SecurityCode = scrambled % 3;
    e.InfrastructureMode = scrambled % 9 == 0 ? 0 : 1;
    e.Radio = channel <= 14 ? 3 : 2;
    entries.push_back(e);
  }
  return entries;
}

struct Fixture {
  Fixture() {
    dir = (fs::temp_directory_path() / "orvbench-XXXXXX").string();
    ::mkdtemp(dir.data());
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir + "/ORVWL.DLL");
    ::setenv("ORVWL_SIM_HOME", (dir + "/home").c_str(), 1);
    std::ofstream(dir + "/X.bin", std::ios::binary) << "[Setting]\r\n";
    FAGlobal().Startup(0, dir + "/X", WLLib());
    store = std::make_unique<TFormRes>();
    list.resize(307, 222);
    list.LoadPictures();
    list.show();
    graph.resize(307, 222);
  }
  ~Fixture() { fs::remove_all(dir); }

  std::string dir;
  std::unique_ptr<TFormRes> store;
  SiteList list;
  ChannelGraph graph{list};
  const std::vector<SiteSurveyEntry> survey = Survey();
};

std::unique_ptr<Fixture> gFixture;

void BM_FillSort256(benchmark::State& state) {
  Fixture& f = *gFixture;
  for (auto _ : state) f.list.Fill(f.survey);
  state.counters["rows"] = f.list.topLevelItemCount();
}
BENCHMARK(BM_FillSort256)->Unit(benchmark::kMillisecond);

void BM_FillSortPaint256(benchmark::State& state) {
  Fixture& f = *gFixture;
  for (auto _ : state) {
    f.list.Fill(f.survey);
    benchmark::DoNotOptimize(f.list.grab());
  }
}
BENCHMARK(BM_FillSortPaint256)->Unit(benchmark::kMillisecond);

// SSID, Channel, Signal in turn: every click is a new column.
void BM_ResortByHeaderClick256(benchmark::State& state) {
  Fixture& f = *gFixture;
  f.list.Fill(f.survey);
  int column = SiteList::kColSsid;
  for (auto _ : state) {
    emit f.list.header()->sectionClicked(column);
    column = column == SiteList::kColSignal ? SiteList::kColSsid : column + 1;
  }
}
BENCHMARK(BM_ResortByHeaderClick256)->Unit(benchmark::kMillisecond);

void BM_HighlightMoves256(benchmark::State& state) {
  Fixture& f = *gFixture;
  f.list.Fill(f.survey);
  int i = 0;
  for (auto _ : state) {
    f.list.SetAssociated(f.survey[static_cast<std::size_t>(i)].Bssid);
    i = (i + 1) % kSurveyMaxEntries;
    benchmark::DoNotOptimize(f.list.grab());
  }
}
BENCHMARK(BM_HighlightMoves256)->Unit(benchmark::kMillisecond);

// Every curve laid out again and drawn: the associated network moves first,
// as it does when the status changes, so nothing drawn before is reused.
void BM_ChannelGraphDraw256(benchmark::State& state) {
  Fixture& f = *gFixture;
  f.list.Fill(f.survey);
  f.list.setCurrentItem(f.list.topLevelItem(7));
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    f.list.SetAssociated(f.survey[static_cast<std::size_t>(i)].Bssid);
    i = (i + 1) % kSurveyMaxEntries;
    state.ResumeTiming();
    benchmark::DoNotOptimize(f.graph.grab());
  }
  state.counters["curves"] = f.list.topLevelItemCount();
}
BENCHMARK(BM_ChannelGraphDraw256)->Unit(benchmark::kMillisecond);

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
