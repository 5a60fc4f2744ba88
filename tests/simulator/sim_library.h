#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "adapter/orvwl.h"
#include "platform/dynamic_library.h"
#include "simulator/association.h"
#include "tests/support/temp_dir.h"

// A private copy of ORVWL.DLL loaded by path, the way the program loads it,
// with its own simulator home and scenario, so every test starts from a
// fresh adapter. The default scenario is the built-in one with timings cut
// down for tests.
class SimLibrary {
 public:
  static constexpr int kScanMs = 60;
  static constexpr int kAssociateMs = 30;

  static std::string FastScenario(const std::string& extra = "");
  // Scenario lines for a clock that moves only by Advance.
  static std::string ManualClock(const std::string& extra = "");

  // `home` shares a simulator home between loads; empty gives a fresh one.
  explicit SimLibrary(const std::string& scenario = FastScenario(), const std::string& home = "");
  ~SimLibrary();

  const OrvwlApi& Api() const { return api_; }
  const std::string& Home() const { return home_; }
  std::string Folder() const { return dir_.Path(); }

  // Runs orvwl-sim against this library's home; returns its exit code.
  int Tool(const std::vector<std::string>& args) const;
  // ... and what it printed.
  std::string ToolOutput(const std::vector<std::string>& args) const;
  // Moves the simulator's clock on; with ManualClock the only way it moves.
  void Advance(int ms) const;
  // Where this process's library publishes what it does.
  std::string LiveFile() const;

  WLANStatus Status() const;
  orvsim::LinkReport Report() const;
  std::vector<SiteSurveyEntry> Survey() const;
  // Scans and waits for the results.
  std::vector<SiteSurveyEntry> ScanNow() const;
  int32_t Apply(const WLProfile& profile) const;
  bool WaitConnected(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  // Waits until the network has answered the request one way or the other.
  orvsim::LinkReport WaitVerdict(
      std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

 private:
  TempDir dir_;
  std::string home_;
  DynamicLibrary library_;
  OrvwlApi api_;
};

// A station profile for an infrastructure network, open unless changed.
WLProfile StationProfile(const std::string& ssid);
std::string SsidOf(const SiteSurveyEntry& entry);
