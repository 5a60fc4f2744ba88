#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// A child process of a test: the real executable started as a user would.
class ChildProcess {
 public:
  // Environment entries "NAME=value" are added to (or replace) the test's own.
  ChildProcess(const std::string& program, const std::vector<std::string>& args,
               const std::vector<std::string>& env = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Exit code, or -1 when it did not end in time (it is then stopped).
  int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(20));
  bool Running();

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

// Runs a program to its end and returns its exit code.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::vector<std::string>& env = {},
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

// Polls until the condition holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(10));

#include <thread>
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return condition();
}
