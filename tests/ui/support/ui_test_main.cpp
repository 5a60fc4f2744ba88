#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/shell/form_res.h"

namespace {

TempDir& Folder() {
  static TempDir folder;
  return folder;
}

std::string FolderFile(const std::string& name) { return Folder().File(name); }

// The simulator's world with delays short enough for tests.
std::string FastScenario() {
  std::string scenario = ReadFile(std::string(ORV_SOURCE_DIR) + "/resources/ORVWL.sim.example");
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"scan_ms = 2000", "scan_ms = 20"},
        {"associate_ms = 1000-2000", "associate_ms = 10"}}) {
    const auto at = scenario.find(from);
    if (at != std::string::npos) scenario.replace(at, from.size(), to);
  }
  return scenario;
}

}  // namespace

namespace UiTestEnv {

const std::string& ProgramDir() { return FAGlobal().ProgramDir(); }

namespace {

// A new file under the old name: a reader's cache cannot take it for the old one.
void Replace(const std::string& name, const std::string& content) {
  const std::string path = FolderFile(name);
  WriteFile(path + ".new", content);
  std::filesystem::rename(path + ".new", path);
}

}  // namespace

void WriteSettings(const std::string& content) { Replace("X.bin", content); }

void WriteStrings(const std::string& content) { Replace("X.ini", content); }

std::string ReadSettings() { return ReadFile(FolderFile("X.bin")); }

bool Simulator(const std::vector<std::string>& args) {
  return RunProgram(std::string(ORV_BIN_DIR) + "/orvwl-sim", args) == 0;
}

std::vector<TestFactory>& Tests() {
  static std::vector<TestFactory> tests;
  return tests;
}

}  // namespace UiTestEnv

int main(int argc, char** argv) {
  std::filesystem::create_directory(FolderFile("run"));
  std::filesystem::permissions(FolderFile("run"), std::filesystem::perms::owner_all);
  WriteFile(FolderFile("scenario.sim"), FastScenario());
  // Set before anything reads them: the channel, the simulator's home and world.
  ::setenv("XDG_RUNTIME_DIR", FolderFile("run").c_str(), 1);
  ::setenv("ORVWL_SIM_HOME", FolderFile("sim").c_str(), 1);
  ::setenv("ORVWL_SIM_SCENARIO", FolderFile("scenario.sim").c_str(), 1);

  QApplication app(argc, argv);
  WriteFile(FolderFile("ORVWL.DLL"), ReadFile(std::string(ORV_BIN_DIR) + "/ORVWL.DLL"));
  // The string file is opened only when a settings file exists at start-up.
  UiTestEnv::WriteSettings("[Setting]\r\n");
  UiTestEnv::WriteStrings("");
  if (!FAGlobal().Startup(0, FolderFile("X"), WLLib())) {
    std::fprintf(stderr, "global start-up failed in %s\n", Folder().Path().c_str());
    return 1;
  }
  const TFormRes imageStore;
  int failed = 0;
  for (const UiTestEnv::TestFactory& make : UiTestEnv::Tests()) {
    const std::unique_ptr<QObject> test = make();
    failed += QTest::qExec(test.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
