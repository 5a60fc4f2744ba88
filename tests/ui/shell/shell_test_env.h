#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The shell tests run against the program's global settings, started once on
// a temporary program folder holding X.bin (settings) and X.ini (strings).
// Each test writes the files it needs; every read sees them as they are now.
namespace ShellTestEnv {

const std::string& ProgramDir();  // ends with '/'
void WriteSettings(const std::string& content);
void WriteStrings(const std::string& content);

// The Qt Test classes of one executable; main runs them one after another.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& Tests();

template <typename Test>
bool Register() {
  Tests().push_back([] { return std::make_unique<Test>(); });
  return true;
}

}  // namespace ShellTestEnv
