// InfoRead on a settings file of 2000 lines, each read seeing the file as it
// is on disk; and the same while another process keeps rewriting the file.

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/ini_file.h"

namespace {

std::string MakeSettings(const std::string& dir, int variant) {
  const std::string path = dir + "/bench.bin";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (int s = 0; s < 100; ++s) {
    out << "[Section" << s << "]\r\n";
    for (int k = 0; k < 19; ++k) out << "Key" << k << "=" << (s * 100 + k + variant) << "\r\n";
  }
  out << "[Setting]\r\nAutoRenewIP=" << variant << "\r\n";
  return path;
}

std::string BenchDir() {
  std::string dir = (std::filesystem::temp_directory_path() / "orvbench-XXXXXX").string();
  ::mkdtemp(dir.data());
  return dir;
}

void BM_InfoReadUnchangedFile(benchmark::State& state) {
  const std::string dir = BenchDir();
  IniFile ini(MakeSettings(dir, 1));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ini.ReadString("Section57", "Key11", ""));
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_InfoReadUnchangedFile);

// A reader that has not seen the file yet: open, read and parse all of it.
void BM_InfoReadFirstRead(benchmark::State& state) {
  const std::string dir = BenchDir();
  const std::string path = MakeSettings(dir, 1);
  for (auto _ : state) {
    IniFile ini(path);
    benchmark::DoNotOptimize(ini.ReadString("Section57", "Key11", ""));
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_InfoReadFirstRead);

// Every read follows a change written by another process, so every read
// parses the file again: the worst case.
void BM_InfoReadAfterEachForeignWrite(benchmark::State& state) {
  const std::string dir = BenchDir();
  const std::string path = MakeSettings(dir, 0);
  IniFile ini(path);
  int variant = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++variant;
    const pid_t child = ::fork();
    if (child == 0) {
      MakeSettings(dir, variant);
      ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    state.ResumeTiming();
    if (ini.ReadInteger("Setting", "AutoRenewIP", -1) != variant) state.SkipWithError("stale read");
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_InfoReadAfterEachForeignWrite);

}  // namespace

BENCHMARK_MAIN();
