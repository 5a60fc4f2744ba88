#include "simulator/control_state.h"

#include <algorithm>

#include "simulator/key_file.h"

namespace orvsim {

namespace {

constexpr std::string_view kKindNames[] = {"fail", "hang", "count", "garbage", "stuck"};

std::optional<int64_t> Number(const KeySection& section, std::string_view key) {
  const KeyEntry* entry = section.Find(key);
  if (entry == nullptr) return std::nullopt;
  return ParseInteger(entry->value);
}

std::optional<FaultRequest> ParseFault(const KeySection& section) {
  FaultRequest fault;
  const KeyEntry* call = section.Find("call");
  const KeyEntry* kind = section.Find("kind");
  const auto id = Number(section, "id");
  if (call == nullptr || kind == nullptr || !id || *id <= 0) return std::nullopt;
  const auto entry = FindEntryPoint(call->value);
  const auto parsedKind = ParseFaultKind(kind->value);
  if (!entry || !parsedKind || !SupportsFault(*entry, *parsedKind)) return std::nullopt;
  fault.id = static_cast<uint64_t>(*id);
  fault.call = *entry;
  fault.kind = *parsedKind;
  fault.value = std::clamp<int64_t>(Number(section, "value").value_or(0), 0, kLargestFaultValue);
  fault.times = std::max<int64_t>(Number(section, "times").value_or(1), 0);
  return fault;
}

}  // namespace

bool SupportsFault(EntryPoint call, FaultKind kind) {
  switch (kind) {
    case FaultKind::kFail:
    case FaultKind::kHang:
    case FaultKind::kStuck:
      return true;
    case FaultKind::kCount:
      return call == EntryPoint::ORVWL_SiteSurveyGet;
    case FaultKind::kGarbage:
      return call == EntryPoint::ORVWL_SiteSurveyGet || call == EntryPoint::ORVWL_GetWLANStatus ||
             call == EntryPoint::ORVWL_GetNetworkInfo ||
             call == EntryPoint::ORVWL_GetAPStationList || call == EntryPoint::ORVWL_QueryOID;
  }
  return false;
}

std::optional<FaultKind> ParseFaultKind(std::string_view text) {
  const std::string folded = FoldAscii(Trim(text));
  for (std::size_t i = 0; i < std::size(kKindNames); ++i) {
    if (kKindNames[i] == folded) return static_cast<FaultKind>(i);
  }
  return std::nullopt;
}

std::string_view FaultKindName(FaultKind kind) { return kKindNames[static_cast<int>(kind)]; }

std::string WriteControlState(const ControlState& state) {
  KeyFile file;
  KeySection& control = file.AddSection("control");
  control.Add("next_id", std::to_string(state.nextId));
  control.Add("plugged", state.plugged ? "1" : "0");
  control.Add("signal_offset", std::to_string(state.signalOffset));
  if (state.advancedMs != 0) control.Add("advanced_ms", std::to_string(state.advancedMs));
  for (const std::string& removed : state.removed) control.Add("remove", removed);
  for (const MacAddress& station : state.stations) control.Add("station", FormatMac(station));
  if (state.traffic) {
    KeySection& traffic = file.AddSection("traffic");
    traffic.Add("id", std::to_string(state.traffic->id));
    traffic.Add("kbps", std::to_string(state.traffic->kbps));
    traffic.Add("seconds", std::to_string(state.traffic->seconds));
    traffic.Add("started_ms", std::to_string(state.traffic->startedUnixMs));
  }
  for (const FaultRequest& fault : state.faults) {
    KeySection& section = file.AddSection("fault");
    section.Add("id", std::to_string(fault.id));
    section.Add("call", std::string(EntryPointName(fault.call)));
    section.Add("kind", std::string(FaultKindName(fault.kind)));
    section.Add("value", std::to_string(fault.value));
    section.Add("times", std::to_string(fault.times));
  }
  for (const ScenarioNetwork& network : state.addedNetworks) {
    WriteNetwork(network, file.AddSection("network"));
  }
  return file.Write("orvwl-sim control state, rewritten by every orvwl-sim command");
}

ControlState ParseControlState(std::string_view text, std::vector<std::string>& warnings) {
  ControlState state;
  const KeyFile file = KeyFile::Parse(text);
  warnings = file.warnings;
  int index = 0;
  for (const KeySection& section : file.sections) {
    const std::string where = "line " + std::to_string(section.line) + ": ";
    if (section.name == "control") {
      state.nextId =
          static_cast<uint64_t>(std::max<int64_t>(Number(section, "next_id").value_or(1), 1));
      state.plugged = Number(section, "plugged").value_or(1) != 0;
      state.signalOffset =
          static_cast<int32_t>(std::clamp<int64_t>(Number(section, "signal_offset").value_or(0),
                                                   -kLargestSignalOffset, kLargestSignalOffset));
      state.advancedMs =
          std::clamp<int64_t>(Number(section, "advanced_ms").value_or(0), 0, kLargestAdvancedMs);
      for (const KeyEntry& entry : section.entries) {
        if (entry.key == "remove") state.removed.push_back(entry.value);
        if (entry.key != "station") continue;
        if (const auto mac = ParseMac(entry.value)) {
          state.stations.push_back(*mac);
        } else {
          warnings.push_back(where + "bad station address");
        }
      }
    } else if (section.name == "traffic") {
      const auto id = Number(section, "id");
      const auto kbps = Number(section, "kbps");
      const auto seconds = Number(section, "seconds");
      const auto started = Number(section, "started_ms");
      if (id && kbps && seconds && started && *kbps >= 0 && *seconds >= 0) {
        state.traffic = TrafficRequest{static_cast<uint64_t>(*id), *kbps, *seconds, *started};
      } else {
        warnings.push_back(where + "traffic skipped");
      }
    } else if (section.name == "fault") {
      if (auto fault = ParseFault(section)) {
        state.faults.push_back(*fault);
      } else {
        warnings.push_back(where + "fault skipped");
      }
    } else if (section.name == "network") {
      ScenarioNetwork network;
      std::string problem;
      if (ParseNetwork(section, state.nextId, index++, network, problem)) {
        state.addedNetworks.push_back(std::move(network));
      } else {
        warnings.push_back(where + "network skipped, " + problem);
      }
    } else {
      warnings.push_back(where + "unknown section '" + section.name + "'");
    }
  }
  return state;
}

std::optional<ControlState> ControlWatcher::Poll() {
  const FileStamp stamp = StampOf(path_);
  if (seen_ && *seen_ == stamp) return std::nullopt;
  seen_ = stamp;
  std::vector<std::string> warnings;
  const auto text = ReadWholeFile(path_);
  return ParseControlState(text.value_or(""), warnings);
}

}  // namespace orvsim
