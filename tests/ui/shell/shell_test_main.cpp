#include <QApplication>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/shell/shell_test_env.h"

namespace {

TempDir& Folder() {
  static TempDir folder;
  return folder;
}

}  // namespace

namespace ShellTestEnv {

const std::string& ProgramDir() { return FAGlobal().ProgramDir(); }

namespace {

// A new file under the old name, so that a reader's cache cannot mistake it
// for the old one even when both were written within one clock tick.
void Replace(const std::string& name, const std::string& content) {
  const std::string path = Folder().File(name);
  WriteFile(path + ".new", content);
  std::filesystem::rename(path + ".new", path);
}

}  // namespace

void WriteSettings(const std::string& content) { Replace("X.bin", content); }

void WriteStrings(const std::string& content) { Replace("X.ini", content); }

std::vector<TestFactory>& Tests() {
  static std::vector<TestFactory> tests;
  return tests;
}

}  // namespace ShellTestEnv

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  WriteFile(Folder().File("ORVWL.DLL"), ReadFile(std::string(ORV_BIN_DIR) + "/ORVWL.DLL"));
  // The string file is opened only when a settings file exists at start-up.
  ShellTestEnv::WriteSettings("[Setting]\r\n");
  ShellTestEnv::WriteStrings("");
  static WLLibrary library;
  if (!FAGlobal().Startup(0, Folder().File("X"), library)) {
    std::fprintf(stderr, "global start-up failed in %s\n", Folder().Path().c_str());
    return 1;
  }
  int failed = 0;
  for (const ShellTestEnv::TestFactory& make : ShellTestEnv::Tests()) {
    const std::unique_ptr<QObject> test = make();
    failed += QTest::qExec(test.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
