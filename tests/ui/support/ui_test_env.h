#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The GUI tests of windows and pages run against the simulated adapter:
// the global settings are started once on a temporary program folder (X.bin,
// X.ini and ORVWL.DLL), with a simulator home, a scenario with short delays
// and a per-user runtime folder of their own.
namespace UiTestEnv {

const std::string& ProgramDir();  // ends with '/'
// Replaces the settings file; every read sees the new one.
void WriteSettings(const std::string& content);
std::string ReadSettings();
// Replaces the string file; every read sees the new one.
void WriteStrings(const std::string& content);
// Runs the simulator's control tool ("plug", "unplug", "reset", ...); true on success.
bool Simulator(const std::vector<std::string>& args);

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& Tests();

template <typename Test>
bool Register() {
  Tests().push_back([] { return std::make_unique<Test>(); });
  return true;
}

}  // namespace UiTestEnv
