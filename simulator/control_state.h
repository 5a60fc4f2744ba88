#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/entry_points.h"
#include "simulator/file_util.h"
#include "simulator/scenario.h"

namespace orvsim {

// What the orvwl-sim tool asks of every running copy of the library. The
// tool rewrites the control file atomically; each library re-reads it when
// its stamp changes. One-shot requests (traffic, faults) carry ids, so each
// library acts on a request once, however often it reads the file.

// kStuck: the call answers only once the fault is cleared, as a library that
// never returns, yet lets a test or campaign end.
enum class FaultKind { kFail, kHang, kCount, kGarbage, kStuck };

struct FaultRequest {
  uint64_t id = 0;
  EntryPoint call = EntryPoint::ORVWL_Initial;
  FaultKind kind = FaultKind::kFail;
  int64_t value = 0;  // hang: milliseconds; count: the survey count claimed
  int64_t times = 1;  // calls it affects in each process; 0 = every call
};

// Times between processes are wall-clock times; each library turns the rest
// of a burst into its own monotonic time when it first sees the request.
struct TrafficRequest {
  uint64_t id = 0;
  int64_t kbps = 0;  // received; a tenth of it goes back out
  int64_t seconds = 0;
  int64_t startedUnixMs = 0;
};

struct ControlState {
  uint64_t nextId = 1;
  bool plugged = true;
  int32_t signalOffset = 0;  // dB added to every network: closer > 0
  int64_t advancedMs = 0;    // running total of the simulator clock's advances
  std::vector<ScenarioNetwork> addedNetworks;
  std::vector<std::string> removed;  // SSIDs or BSSIDs of scenario networks
  std::vector<MacAddress> stations;  // soft-AP stations that stay
  std::optional<TrafficRequest> traffic;
  std::vector<FaultRequest> faults;
};

inline constexpr int32_t kLargestSignalOffset = 60;
// A day per advance; the running total stays far from overflowing.
inline constexpr int64_t kLargestAdvanceMs = 86400000;
inline constexpr int64_t kLargestAdvancedMs = INT64_MAX / 4;
// Hangs of up to two minutes; survey counts far beyond any buffer.
inline constexpr int64_t kLargestFaultValue = 120000;

// Which fault kinds an entry point can show; every entry point can fail or hang.
bool SupportsFault(EntryPoint call, FaultKind kind);
std::optional<FaultKind> ParseFaultKind(std::string_view text);
std::string_view FaultKindName(FaultKind kind);

std::string WriteControlState(const ControlState& state);
ControlState ParseControlState(std::string_view text, std::vector<std::string>& warnings);

// The library's view of the control file: a new state whenever the file's
// stamp changes (a missing file is the default state).
class ControlWatcher {
 public:
  explicit ControlWatcher(std::string path) : path_(std::move(path)) {}
  std::optional<ControlState> Poll();

 private:
  std::string path_;
  std::optional<FileStamp> seen_;
};

}  // namespace orvsim
