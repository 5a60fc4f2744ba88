#include "simulator/sim_tool.h"

#include <algorithm>
#include <sstream>

#include "simulator/key_file.h"
#include "simulator/security.h"

namespace orvsim {

namespace {

constexpr int64_t kDefaultStepDb = 5;
constexpr int64_t kDefaultTrafficSeconds = 30;
constexpr uint64_t kAddedNetworkSeed = 0x0A7E5EEDULL;

ToolResult Fail(std::string message) { return {false, std::move(message), false, false, 0}; }

ToolResult Changed(std::string message, int32_t deviceEvent = 0) {
  return {true, std::move(message), true, false, deviceEvent};
}

std::optional<int64_t> Bounded(const std::string& text, int64_t lo, int64_t hi) {
  const auto value = ParseInteger(text);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return *value;
}

std::optional<MacAddress> StationMac(const std::string& text) {
  const auto mac = ParseMac(text);
  if (!mac || (*mac)[0] & 1 || *mac == MacAddress{}) return std::nullopt;
  return mac;
}

ToolResult AddNetwork(const std::vector<std::string>& args, ControlState& state) {
  if (args.size() < 2) return Fail("add-network needs an SSID");
  const std::string ssid = DecodeEscapes(args[1]);
  const auto removed = std::find(state.removed.begin(), state.removed.end(), ssid);
  const bool wasRemoved = removed != state.removed.end();
  if (wasRemoved) state.removed.erase(removed);
  if (wasRemoved && args.size() == 2) return Changed("network " + EscapeBytes(ssid) + " is back");
  KeySection section;
  section.Add("ssid", ssid);
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::size_t equals = args[i].find('=');
    if (equals == std::string::npos)
      return Fail("expected key=value, got '" + EscapeBytes(args[i]) + "'");
    section.Add(args[i].substr(0, equals), args[i].substr(equals + 1));
  }
  ScenarioNetwork network;
  std::string problem;
  if (!ParseNetwork(section, kAddedNetworkSeed, static_cast<int>(state.nextId++), network,
                    problem)) {
    return Fail("network not added: " + problem);
  }
  state.addedNetworks.push_back(network);
  return Changed("network " + EscapeBytes(ssid) + " added as " + FormatMac(network.bssid));
}

ToolResult RemoveNetwork(const std::vector<std::string>& args, ControlState& state) {
  if (args.size() != 2) return Fail("remove-network needs an SSID or a BSSID");
  const std::string name = DecodeEscapes(args[1]);
  const auto mac = ParseMac(name);
  const std::size_t before = state.addedNetworks.size();
  std::erase_if(state.addedNetworks,
                [&](const ScenarioNetwork& n) { return mac ? n.bssid == *mac : n.ssid == name; });
  if (state.addedNetworks.size() == before &&
      std::find(state.removed.begin(), state.removed.end(), name) == state.removed.end()) {
    state.removed.push_back(name);
  }
  return Changed("network " + EscapeBytes(name) + " removed");
}

ToolResult Fault(const std::vector<std::string>& args, ControlState& state) {
  if (args.size() == 2 && args[1] == "clear") {
    state.faults.clear();
    return Changed("faults cleared");
  }
  if (args.size() < 3) return Fail("fault needs a call and a kind (see help)");
  const auto call = FindEntryPoint(args[1]);
  if (!call) return Fail("no entry point named '" + args[1] + "'");
  const auto kind = ParseFaultKind(args[2]);
  if (!kind) return Fail("fault kinds are fail, hang, count, garbage and stuck");
  if (!SupportsFault(*call, *kind)) {
    return Fail(std::string(EntryPointName(*call)) + " cannot show '" + args[2] + "'");
  }
  FaultRequest fault;
  fault.call = *call;
  fault.kind = *kind;
  std::size_t next = 3;
  if (*kind == FaultKind::kHang || *kind == FaultKind::kCount) {
    const auto value =
        next < args.size() ? Bounded(args[next], 0, kLargestFaultValue) : std::nullopt;
    if (!value) return Fail("hang needs milliseconds and count a number, up to 120000");
    fault.value = *value;
    ++next;
  }
  if (next < args.size()) {
    const auto times =
        args[next] == "always" ? std::optional<int64_t>(0) : Bounded(args[next], 1, 1000000);
    if (!times) return Fail("times is a positive number or 'always'");
    fault.times = *times;
    ++next;
  }
  if (next != args.size()) return Fail("too many arguments for fault");
  fault.id = state.nextId++;
  state.faults.push_back(fault);
  return Changed("fault #" + std::to_string(fault.id) + " armed");
}

}  // namespace

ToolResult RunToolCommand(const std::vector<std::string>& args, ControlState& state,
                          int64_t unixMs) {
  if (args.empty()) return Fail("no command (see help)");
  const std::string& command = args[0];
  const auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::string(); };
  if (command == "plug" || command == "unplug") {
    if (args.size() != 1) return Fail(command + " takes no arguments");
    state.plugged = command == "plug";
    return Changed(command == "plug" ? "adapter plugged in" : "adapter pulled out",
                   kDeviceNodesChanged);
  }
  if (command == "resume") {
    return {true, "resume announced", false, false, kResumedFromSuspend};
  }
  if (command == "reset") {
    return {true, "back to the scenario, adapter plugged in", false, true, kDeviceNodesChanged};
  }
  if (command == "closer" || command == "farther") {
    const auto db = args.size() > 1 ? Bounded(args[1], 1, 60) : kDefaultStepDb;
    if (!db || args.size() > 2) return Fail(command + " takes a step in dB, 1 to 60");
    const int64_t offset = state.signalOffset + (command == "closer" ? *db : -*db);
    state.signalOffset = static_cast<int32_t>(
        std::clamp<int64_t>(offset, -kLargestSignalOffset, kLargestSignalOffset));
    return Changed("signal offset " + std::to_string(state.signalOffset) + " dB");
  }
  if (command == "add-network") return AddNetwork(args, state);
  if (command == "remove-network") return RemoveNetwork(args, state);
  if (command == "traffic") {
    const auto kbps = Bounded(arg(1), 1, 1000000);
    const auto seconds = args.size() > 2 ? Bounded(args[2], 1, 86400) : kDefaultTrafficSeconds;
    if (!kbps || !seconds || args.size() > 3) return Fail("traffic KBITPS [SECONDS]");
    state.traffic = TrafficRequest{state.nextId++, *kbps, *seconds, unixMs};
    return Changed("traffic of " + std::to_string(*kbps) + " kbit/s for " +
                   std::to_string(*seconds) + " s");
  }
  if (command == "add-station" || command == "remove-station") {
    const auto mac = StationMac(arg(1));
    if (!mac || args.size() != 2) return Fail(command + " needs a unicast MAC address");
    std::erase(state.stations, *mac);
    if (command == "add-station") state.stations.push_back(*mac);
    return Changed("station " + FormatMac(*mac) +
                   (command == "add-station" ? " joins" : " leaves") + " the access point");
  }
  if (command == "fault") return Fault(args, state);
  if (command == "advance") {
    const auto ms = Bounded(arg(1), 1, kLargestAdvanceMs);
    if (!ms || args.size() != 2) return Fail("advance takes milliseconds, 1 to 86400000");
    state.advancedMs = std::min(state.advancedMs + *ms, kLargestAdvancedMs);
    return Changed("clock advanced by " + std::to_string(*ms) + " ms");
  }
  return Fail("unknown command '" + command + "' (see help)");
}

std::string ToolHelp() {
  return R"(orvwl-sim: drives the simulated wireless adapter (ORVWL.DLL) at run time.

usage: orvwl-sim [--home DIR] [--root NAME] COMMAND [ARGUMENTS]

  status                          what the adapter is told, the scenario, and
                                  what the library in each running process does
  plug | unplug                   put the adapter in, pull it out
  resume                          announce a resume from suspend
  closer [DB] | farther [DB]      move towards or away from every network (5 dB)
  add-network SSID [KEY=VALUE...] a network as in a scenario's [network]
                                  section; naming a removed one brings it back
  remove-network SSID|BSSID       take a network off the air
  traffic KBITPS [SECONDS]        traffic on the link or access point (30 s)
  add-station MAC                 a station that stays with the access point
  remove-station MAC
  fault CALL fail [TIMES]         make an entry point fail
  fault CALL hang MS [TIMES]      ... answer only after MS milliseconds
  fault SiteSurveyGet count N [TIMES]
                                  ... claim N survey entries
  fault CALL garbage [TIMES]      ... fill its buffer with garbage (survey,
                                  status, network info, station list, OIDs)
  fault CALL stuck [TIMES]        ... never answer until the faults are cleared
  fault clear                     disarm every fault
  advance MS                      move the simulator's clock on (the only way
                                  it moves in a scenario with clock = manual)
  reset                           forget every change, back to the scenario
  help

SSIDs may hold any byte written as \xHH (and a backslash as \\), the way
status shows them.
TIMES counts calls in each process using the library (default 1); 'always'
keeps the fault armed. --home names the simulator's folder (default
$ORVWL_SIM_HOME, else ~/.local/share/orvwl-sim); --root the utility's profile
root (default Or-Vane), whose channel hears about plug, unplug and resume.
)";
}

std::string DescribeState(const ControlState& state, const Scenario& scenario, int64_t unixMs) {
  std::ostringstream out;
  // Every text that came from a file or a command line is escaped: a scenario
  // may hold any byte, and a NUL or line break must not cut or split the output.
  out << "scenario:  " << EscapeBytes(scenario.source) << "\n";
  for (const std::string& warning : scenario.warnings)
    out << "  warning: " << EscapeBytes(warning) << "\n";
  out << "adapter:   " << (state.plugged ? "plugged in" : "pulled out") << ", MAC "
      << FormatMac(scenario.mac) << ", domain " << EscapeBytes(scenario.domain) << "\n";
  out << "signal:    " << (state.signalOffset > 0 ? "+" : "") << state.signalOffset << " dB\n";
  out << "networks:\n";
  const auto line = [&](const ScenarioNetwork& n, const char* note) {
    const std::string ssid = EscapeBytes(n.ssid);
    out << "  " << ssid << std::string(ssid.size() < 14 ? 14 - ssid.size() : 1, ' ')
        << FormatMac(n.bssid) << "  ch " << n.channel << "  "
        << (n.infrastructure ? "" : "ad hoc, ") << SecurityName(n.securityCode) << ", " << n.signal
        << " dBm" << (n.hidden ? ", hidden" : "") << note << "\n";
  };
  for (const ScenarioNetwork& n : scenario.networks) {
    const bool gone = std::any_of(state.removed.begin(), state.removed.end(), [&](const auto& r) {
      const auto mac = ParseMac(r);
      return mac ? *mac == n.bssid : r == n.ssid;
    });
    line(n, gone ? "  [removed]" : "");
  }
  for (const ScenarioNetwork& n : state.addedNetworks) line(n, "  [added]");
  for (const MacAddress& mac : state.stations) out << "station:   " << FormatMac(mac) << "\n";
  if (state.traffic) {
    const int64_t left =
        (state.traffic->startedUnixMs + state.traffic->seconds * 1000 - unixMs + 999) / 1000;
    out << "traffic:   " << state.traffic->kbps << " kbit/s, "
        << (left > 0 ? std::to_string(left) + " s left" : std::string("over")) << "\n";
  }
  for (const FaultRequest& f : state.faults) {
    out << "fault #" << f.id << ": " << EntryPointName(f.call) << " " << FaultKindName(f.kind);
    if (f.kind == FaultKind::kHang || f.kind == FaultKind::kCount) out << " " << f.value;
    out << ", " << (f.times == 0 ? std::string("every call") : std::to_string(f.times) + " call(s)")
        << "\n";
  }
  return out.str();
}

}  // namespace orvsim
