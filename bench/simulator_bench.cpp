// The simulated ORVWL.DLL's entry points, each timed through the ABI on a
// library loaded by path with a private home and the built-in scenario made
// fast: an adapter connected to a WPA2 network, a survey of every built-in
// network, twenty stored profiles.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "adapter/orvwl.h"
#include "platform/dynamic_library.h"
#include "platform/text.h"
#include "simulator/scenario.h"

using namespace orvsim;

namespace {

namespace fs = std::filesystem;

WLProfile Profile(const char* name, const char* ssid) {
  WLProfile p{};
  CopyText(p.ProfileName, name);
  CopyText(p.Ssid1, ssid);
  p.NetworkMode = 1;
  p.ABGMode = 34;
  p.TxRate = 15;
  p.EncryptionMethod = 6;
  p.WPAEncryptionType = 2;
  CopyText(p.WPAPassphrase, "correct horse battery");
  return p;
}

// The loaded library, shared by every benchmark of the run.
class Bench {
 public:
  Bench() {
    std::string dir = (fs::temp_directory_path() / "orvsimbench-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr) std::abort();
    dir_ = dir;
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir_ + "/ORVWL.DLL");
    std::ofstream(dir_ + "/bench.sim")
        << DefaultScenarioText() << "\n[adapter]\nscan_ms = 1\nassociate_ms = 1\n";
    ::setenv("ORVWL_SIM_HOME", (dir_ + "/home").c_str(), 1);
    ::setenv("ORVWL_SIM_SCENARIO", (dir_ + "/bench.sim").c_str(), 1);
    if (!library_.Open(dir_ + "/ORVWL.DLL")) std::abort();
#define RESOLVE(name, params) \
  api.name = reinterpret_cast<decltype(api.name)>(library_.Symbol(#name));
    ORVWL_ENTRY_POINTS(RESOLVE)
#undef RESOLVE
    api.ORVWL_Initial("Orvane", 1);
    Prepare();
  }
  ~Bench() { fs::remove_all(dir_); }

  OrvwlApi api;

 private:
  void Prepare() {
    api.ORVWL_SetWLProfileDir("Bench");
    for (int i = 0; i < 20; ++i) {
      const std::string name = "Profile " + std::to_string(i);
      const WLProfile p = Profile(name.c_str(), "OrvHome");
      api.ORVWL_SetWLProfile(name.c_str(), &p);
    }
    const WLProfile home = Profile("Home", "OrvHome");
    WLANStatus status{};
    api.ORVWL_WLProfileToWLStatus(&home, &status);
    uint32_t result;
    api.ORVWL_SetWLANStatus(&result, &status);
    api.ORVWL_SiteSurveyScan();
    for (int i = 0; i < 500; ++i) {
      int32_t media = 1;
      api.ORVWL_QueryOID(kOidGenMediaConnectStatus, &media, 4, nullptr);
      if (media == kMediaConnected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  std::string dir_;
  DynamicLibrary library_;
};

Bench& B() {
  static Bench bench;
  return bench;
}

void BM_DevDetect(benchmark::State& state) {
  DeviceEntry entry{};
  CopyText(entry.HardwareId, "SIM\\ORVWL_0001");
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_DevDetect(&entry));
}
BENCHMARK(BM_DevDetect);

void BM_QueryMediaState(benchmark::State& state) {
  int32_t media = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        B().api.ORVWL_QueryOID(kOidGenMediaConnectStatus, &media, sizeof media, nullptr));
  }
  state.counters["connected"] = media == kMediaConnected;
}
BENCHMARK(BM_QueryMediaState);

void BM_GetWLANStatus(benchmark::State& state) {
  WLANStatus status{};
  int32_t more = 0;
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_GetWLANStatus(&more, &status));
}
BENCHMARK(BM_GetWLANStatus);

void BM_SiteSurveyScan(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_SiteSurveyScan());
}
BENCHMARK(BM_SiteSurveyScan);

void BM_SiteSurveyGet(benchmark::State& state) {
  static SurveyBuffer buffer;
  for (auto _ : state)
    benchmark::DoNotOptimize(B().api.ORVWL_SiteSurveyGet(&buffer, sizeof buffer));
  state.counters["entries"] = buffer.Count;
}
BENCHMARK(BM_SiteSurveyGet);

// Applying a WPA2 profile: the key derivation runs off the caller's thread.
void BM_ApplyWpa2Profile(benchmark::State& state) {
  const WLProfile profile = Profile("Home", "OrvHome");
  for (auto _ : state) {
    WLANStatus status{};
    B().api.ORVWL_WLProfileToWLStatus(&profile, &status);
    uint32_t result;
    benchmark::DoNotOptimize(B().api.ORVWL_SetWLANStatus(&result, &status));
  }
}
BENCHMARK(BM_ApplyWpa2Profile);

// The program's ReadProfileList: enumerate and read every stored profile.
void BM_ReadTwentyProfiles(benchmark::State& state) {
  char name[kProfileNameBufferSize];
  WLProfile profile;
  for (auto _ : state) {
    for (int32_t i = 0; B().api.ORVWL_EnumWLProfiles(i, name) == 1; ++i) {
      benchmark::DoNotOptimize(B().api.ORVWL_GetWLProfile(name, &profile));
    }
  }
}
BENCHMARK(BM_ReadTwentyProfiles);

void BM_SetWLProfile(benchmark::State& state) {
  const WLProfile profile = Profile("Profile 7", "OrvWPA");
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_SetWLProfile("Profile 7", &profile));
}
BENCHMARK(BM_SetWLProfile);

void BM_GetNetworkInfo(benchmark::State& state) {
  NetworkInfo info;
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_GetNetworkInfo(&info));
}
BENCHMARK(BM_GetNetworkInfo);

void BM_FrequencyToChannel(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_FrequencyToChannel(5180000));
}
BENCHMARK(BM_FrequencyToChannel);

void BM_IPDataToStr(benchmark::State& state) {
  const IPData ip{{192, 168, 36, 117}};
  char text[kIPTextBufferSize];
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_IPDataToStr(&ip, text));
}
BENCHMARK(BM_IPDataToStr);

void BM_PassphraseToWEPKey(benchmark::State& state) {
  WEPKeySet keys;
  for (auto _ : state) {
    benchmark::DoNotOptimize(B().api.ORVWL_PassphraseToWEPKey(
        "a pass phrase", static_cast<int32_t>(state.range(0)), &keys));
  }
}
BENCHMARK(BM_PassphraseToWEPKey)->Arg(1)->Arg(2);

void BM_GetAllowedChannel(benchmark::State& state) {
  ChannelList list;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        B().api.ORVWL_GetAllowedChannel(list.Channels, kChannelListCapacity, 2, "US"));
  }
}
BENCHMARK(BM_GetAllowedChannel);

void BM_EnumCertificates(benchmark::State& state) {
  const CertificateEntry* list = nullptr;
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_EnumCertificates(&list, 1));
}
BENCHMARK(BM_EnumCertificates);

void BM_GetAPStationList(benchmark::State& state) {
  static StationBuffer buffer;
  for (auto _ : state) benchmark::DoNotOptimize(B().api.ORVWL_GetAPStationList(&buffer));
}
BENCHMARK(BM_GetAPStationList);

}  // namespace

int main(int argc, char** argv) {
  B();  // loading and preparing is not part of any figure
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
