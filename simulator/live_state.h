#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/text_codec.h"

namespace orvsim {

// What the library inside one process is doing, published for orvwl-sim
// status: one file per process under <home>/live, replaced atomically
// whenever the state changes and removed when the library is unloaded.

struct LiveAssociation {
  std::string ssid;
  MacAddress bssid{};
  int32_t channel = 0;
  int32_t securityCode = 0;
  int64_t rateKbps = 0;
  bool operator==(const LiveAssociation&) const = default;
};

struct LiveAccessPoint {
  std::string ssid;
  bool hidden = false;
  int32_t channel = 0;
  int32_t encryption = 0;  // the profile's EncryptionMethod
  int32_t filterMode = 0;
  std::vector<MacAddress> stations;
  bool operator==(const LiveAccessPoint&) const = default;
};

struct LiveState {
  std::string device;  // "plugged in", "pulled out", "radio off"
  std::string profile;
  std::optional<LiveAssociation> association;
  std::optional<LiveAccessPoint> accessPoint;
  std::optional<int64_t> lastScanUnixMs;
  bool operator==(const LiveState&) const = default;
};

// A process as the system knows it; the start time tells a reused pid apart.
struct ProcessIdentity {
  int pid = 0;
  unsigned long long started = 0;  // clock ticks after boot; 0 = unknown
  std::string program;
};

ProcessIdentity ThisProcess();
bool ProcessAlive(const ProcessIdentity& process);

struct LiveRecord {
  ProcessIdentity process;
  int64_t sinceUnixMs = 0;  // when the state last changed
  LiveState state;
};

std::string LiveFolder(const std::string& home);
std::string WriteLiveRecord(const LiveRecord& record);
std::optional<LiveRecord> ParseLiveRecord(std::string_view text);

// The library's side: writes the state when it differs from the last one.
class LivePublisher {
 public:
  explicit LivePublisher(const std::string& home);
  ~LivePublisher();
  LivePublisher(const LivePublisher&) = delete;
  LivePublisher& operator=(const LivePublisher&) = delete;

  void Publish(const LiveState& state, int64_t unixMs);
  const std::string& Path() const { return path_; }

 private:
  bool OwnProcess() const;

  std::string folder_;
  ProcessIdentity self_;
  std::string path_;
  std::optional<LiveState> published_;  // also after a failed write: retried on change
};

// The tool's side: every record in the home, those of ended processes marked.
struct LiveEntry {
  LiveRecord record;
  bool stale = false;
};
std::vector<LiveEntry> CollectLiveRecords(const std::string& home);
// Removes the file of a record whose process has ended.
void RemoveStaleRecord(const std::string& home, const LiveEntry& entry);
std::string DescribeLive(const std::vector<LiveEntry>& entries);

}  // namespace orvsim
