#include "simulator/live_state.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <sstream>

#include "platform/file_replace.h"
#include "simulator/file_util.h"
#include "simulator/key_file.h"
#include "simulator/security.h"

namespace orvsim {

namespace {

constexpr char kSuffix[] = ".state";
constexpr std::size_t kLargestRecord = 64 * 1024;

// Field 22 of /proc/<pid>/stat, counted after the command name, which may
// itself hold blanks and parentheses.
unsigned long long StartTicks(int pid) {
  const auto text = ReadWholeFile("/proc/" + std::to_string(pid) + "/stat", 4096);
  if (!text) return 0;
  const std::size_t close = text->rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(text->substr(close + 1));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
    if (i == 22) return ParseInteger(field).value_or(0);
  }
  return 0;
}

std::string ProgramOf(int pid) {
  char buffer[4096];
  const std::string link = "/proc/" + std::to_string(pid) + "/exe";
  const ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string RecordPath(const std::string& folder, int pid) {
  return folder + "/" + std::to_string(pid) + kSuffix;
}

std::optional<int64_t> Number(const KeySection& section, std::string_view key) {
  const KeyEntry* entry = section.Find(key);
  if (entry == nullptr) return std::nullopt;
  const auto value = ParseInteger(entry->value);
  return value ? std::optional<int64_t>(*value) : std::nullopt;
}

std::string Text(const KeySection& section, std::string_view key) {
  const KeyEntry* entry = section.Find(key);
  return entry != nullptr ? entry->value : std::string();
}

int32_t Small(const KeySection& section, std::string_view key) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(Number(section, key).value_or(0), INT32_MIN, INT32_MAX));
}

std::string LocalTime(int64_t unixMs) {
  const std::time_t seconds = static_cast<std::time_t>(unixMs / 1000);
  std::tm parts{};
  char text[32] = "?";
  if (::localtime_r(&seconds, &parts) != nullptr) {
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  }
  return text;
}

std::string RateText(int64_t kbps) {
  const std::string whole = std::to_string(kbps / 1000);
  return (kbps % 1000 == 0 ? whole : whole + "." + std::to_string(kbps % 1000 / 100)) + " Mbit/s";
}

std::string_view FilterName(int32_t mode) {
  switch (mode) {
    case 0:
      return "no MAC filter";
    case 1:
      return "MAC filter accepts listed";
    case 2:
      return "MAC filter rejects listed";
  }
  return "MAC filter ?";
}

}  // namespace

ProcessIdentity ThisProcess() {
  const int pid = static_cast<int>(::getpid());
  return {pid, StartTicks(pid), ProgramOf(pid)};
}

bool ProcessAlive(const ProcessIdentity& process) {
  if (process.pid <= 0) return false;
  if (::kill(process.pid, 0) != 0 && errno != EPERM) return false;
  const unsigned long long started = StartTicks(process.pid);
  // Without /proc the pid alone has to do.
  return process.started == 0 || started == 0 || started == process.started;
}

std::string LiveFolder(const std::string& home) { return home + "/live"; }

std::string WriteLiveRecord(const LiveRecord& record) {
  KeyFile file;
  KeySection& process = file.AddSection("process");
  process.Add("pid", std::to_string(record.process.pid));
  process.Add("started", std::to_string(record.process.started));
  process.Add("program", record.process.program);
  process.Add("since_ms", std::to_string(record.sinceUnixMs));
  const LiveState& state = record.state;
  KeySection& adapter = file.AddSection("adapter");
  adapter.Add("device", state.device);
  adapter.Add("profile", state.profile);
  if (state.lastScanUnixMs) adapter.Add("last_scan_ms", std::to_string(*state.lastScanUnixMs));
  if (const auto& link = state.association) {
    KeySection& section = file.AddSection("association");
    section.Add("ssid", link->ssid);
    section.Add("bssid", FormatMac(link->bssid));
    section.Add("channel", std::to_string(link->channel));
    section.Add("security", std::to_string(link->securityCode));
    section.Add("rate_kbps", std::to_string(link->rateKbps));
  }
  if (const auto& ap = state.accessPoint) {
    KeySection& section = file.AddSection("access_point");
    section.Add("ssid", ap->ssid);
    section.Add("hidden", ap->hidden ? "1" : "0");
    section.Add("channel", std::to_string(ap->channel));
    section.Add("encryption", std::to_string(ap->encryption));
    section.Add("filter_mode", std::to_string(ap->filterMode));
    for (const MacAddress& mac : ap->stations) section.Add("station", FormatMac(mac));
  }
  // The last line: a reader that finds it has the whole record.
  file.AddSection("end");
  return file.Write("what the simulated adapter in process " + std::to_string(record.process.pid) +
                    " does, rewritten on every change");
}

std::optional<LiveRecord> ParseLiveRecord(std::string_view text) {
  const KeyFile file = KeyFile::Parse(text);
  if (file.sections.empty() || file.sections.back().name != "end") return std::nullopt;
  LiveRecord record;
  bool identified = false;
  for (const KeySection& section : file.sections) {
    if (section.name == "process") {
      record.process.pid = Small(section, "pid");
      record.process.started = static_cast<unsigned long long>(
          std::max<int64_t>(Number(section, "started").value_or(0), 0));
      record.process.program = Text(section, "program");
      record.sinceUnixMs = Number(section, "since_ms").value_or(0);
      identified = record.process.pid > 0;
    } else if (section.name == "adapter") {
      record.state.device = Text(section, "device");
      record.state.profile = Text(section, "profile");
      record.state.lastScanUnixMs = Number(section, "last_scan_ms");
    } else if (section.name == "association") {
      LiveAssociation link;
      link.ssid = Text(section, "ssid");
      link.bssid = ParseMac(Text(section, "bssid")).value_or(MacAddress{});
      link.channel = Small(section, "channel");
      link.securityCode = Small(section, "security");
      link.rateKbps = Number(section, "rate_kbps").value_or(0);
      record.state.association = link;
    } else if (section.name == "access_point") {
      LiveAccessPoint ap;
      ap.ssid = Text(section, "ssid");
      ap.hidden = Number(section, "hidden").value_or(0) != 0;
      ap.channel = Small(section, "channel");
      ap.encryption = Small(section, "encryption");
      ap.filterMode = Small(section, "filter_mode");
      for (const KeyEntry& entry : section.entries) {
        if (entry.key != "station") continue;
        if (const auto mac = ParseMac(entry.value)) ap.stations.push_back(*mac);
      }
      record.state.accessPoint = ap;
    }
  }
  if (!identified) return std::nullopt;
  return record;
}

LivePublisher::LivePublisher(const std::string& home)
    : folder_(LiveFolder(home)), self_(ThisProcess()), path_(RecordPath(folder_, self_.pid)) {}

LivePublisher::~LivePublisher() {
  if (published_ && OwnProcess()) ::unlink(path_.c_str());
}

// A child forked by the host shares our memory but is not us.
bool LivePublisher::OwnProcess() const { return ::getpid() == self_.pid; }

void LivePublisher::Publish(const LiveState& state, int64_t unixMs) {
  if ((published_ && *published_ == state) || !OwnProcess()) return;
  published_ = state;
  if (!MakeFolders(folder_)) return;
  ReplaceFileContent(path_, WriteLiveRecord({self_, unixMs, state}));
}

std::vector<LiveEntry> CollectLiveRecords(const std::string& home) {
  std::vector<LiveEntry> entries;
  const std::string folder = LiveFolder(home);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* item = ::readdir(dir)) {
    const std::string_view name = item->d_name;
    if (name.size() <= sizeof kSuffix - 1 || !name.ends_with(kSuffix)) continue;
    const auto text = ReadWholeFile(folder + "/" + std::string(name), kLargestRecord);
    const auto record = text ? ParseLiveRecord(*text) : std::nullopt;
    // The name says whose file it is; a record claiming another pid is not trusted.
    if (!record || std::to_string(record->process.pid) + kSuffix != name) continue;
    entries.push_back({*record, !ProcessAlive(record->process)});
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const LiveEntry& a, const LiveEntry& b) {
    return a.record.process.pid < b.record.process.pid;
  });
  return entries;
}

void RemoveStaleRecord(const std::string& home, const LiveEntry& entry) {
  if (!entry.stale) return;
  const std::string path = RecordPath(LiveFolder(home), entry.record.process.pid);
  // Look once more: a new process with the same pid may have written it since.
  const auto text = ReadWholeFile(path, kLargestRecord);
  const auto now = text ? ParseLiveRecord(*text) : std::nullopt;
  if (now && now->process.started == entry.record.process.started && !ProcessAlive(now->process)) {
    ::unlink(path.c_str());
  }
}

std::string DescribeLive(const std::vector<LiveEntry>& entries) {
  std::ostringstream out;
  out << (entries.empty() ? "processes: none using the library\n" : "processes:\n");
  for (const LiveEntry& entry : entries) {
    const LiveRecord& r = entry.record;
    const LiveState& s = r.state;
    out << "  pid " << r.process.pid;
    if (!r.process.program.empty()) out << " (" << EscapeBytes(r.process.program) << ")";
    if (entry.stale) {
      out << "  [stale: the process has ended without unloading the library]";
    } else {
      out << ", since " << LocalTime(r.sinceUnixMs);
    }
    out << "\n    adapter:      " << EscapeBytes(s.device);
    out << "\n    profile:      " << (s.profile.empty() ? "none applied" : EscapeBytes(s.profile));
    out << "\n    association:  ";
    if (const auto& link = s.association) {
      out << EscapeBytes(link->ssid) << "  " << FormatMac(link->bssid) << "  ch " << link->channel
          << ", " << SecurityName(link->securityCode) << ", " << RateText(link->rateKbps);
    } else {
      out << "not associated";
    }
    out << "\n    access point: ";
    if (const auto& ap = s.accessPoint) {
      out << EscapeBytes(ap->ssid) << "  ch " << ap->channel << (ap->hidden ? ", hidden" : "")
          << ", " << EncryptionName(ap->encryption) << ", " << FilterName(ap->filterMode) << ", "
          << ap->stations.size() << " station(s)";
      for (const MacAddress& mac : ap->stations) out << "\n                  " << FormatMac(mac);
    } else {
      out << "not running";
    }
    out << "\n    last scan:    "
        << (s.lastScanUnixMs ? LocalTime(*s.lastScanUnixMs) : std::string("none")) << "\n";
  }
  return out.str();
}

}  // namespace orvsim
