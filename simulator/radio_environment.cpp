#include "simulator/radio_environment.h"

#include <algorithm>
#include <cstring>

#include "simulator/radio.h"

namespace orvsim {

namespace {

constexpr int32_t kMostWander = 4;

bool Removed(const ScenarioNetwork& network, const std::vector<std::string>& removed) {
  for (const std::string& name : removed) {
    const auto mac = ParseMac(name);
    if (mac ? *mac == network.bssid : name == network.ssid) return true;
  }
  return false;
}

}  // namespace

RadioEnvironment::RadioEnvironment(const Scenario& scenario)
    : base_(scenario.networks),
      active_(scenario.networks),
      prng_(MakePrng(scenario.seed, PrngStream::kScanSignal)) {}

void RadioEnvironment::ApplyControl(const ControlState& control) {
  active_.clear();
  for (const ScenarioNetwork& network : base_) {
    if (!Removed(network, control.removed)) active_.push_back(network);
  }
  for (const ScenarioNetwork& added : control.addedNetworks) {
    const bool taken = std::any_of(active_.begin(), active_.end(), [&](const ScenarioNetwork& n) {
      return n.bssid == added.bssid;
    });
    if (!taken) active_.push_back(added);
  }
  offset_ = control.signalOffset;
}

int32_t RadioEnvironment::SignalOf(const ScenarioNetwork& network) const {
  return std::clamp(network.signal + offset_, -100, -20);
}

const ScenarioNetwork* RadioEnvironment::Find(const MacAddress& bssid) const {
  for (const ScenarioNetwork& network : active_) {
    if (network.bssid == bssid) return &network;
  }
  return nullptr;
}

std::vector<SiteSurveyEntry> RadioEnvironment::Scan(std::string_view domain) {
  const std::vector<int32_t> channels = StationChannels(kBandB | kBandA | kBandG, domain);
  std::vector<SiteSurveyEntry> heard;
  for (const ScenarioNetwork& network : active_) {
    int32_t& wander = wander_[network.bssid];
    wander = std::clamp<int32_t>(wander + static_cast<int32_t>(prng_.Between(-2, 2)), -kMostWander,
                                 kMostWander);
    const int32_t signal = std::clamp(SignalOf(network) + wander, -100, -20);
    if (signal < kHearingFloorDbm ||
        std::find(channels.begin(), channels.end(), network.channel) == channels.end()) {
      continue;
    }
    SiteSurveyEntry entry{};
    std::copy(network.bssid.begin(), network.bssid.end(), entry.Bssid);
    if (!network.hidden) {
      entry.SsidLength = static_cast<int32_t>(network.ssid.size());
      std::memcpy(entry.Ssid, network.ssid.data(), network.ssid.size());
    }
    entry.SecurityCode = network.securityCode;
    entry.Signal = signal;
    entry.Radio = static_cast<int32_t>(network.radio);
    entry.Frequency = ChannelToFrequencyKHz(network.channel);
    entry.InfrastructureMode = network.infrastructure ? 1 : 0;
    heard.push_back(entry);
  }
  // A sweep meets the channels in order.
  std::stable_sort(
      heard.begin(), heard.end(),
      [](const SiteSurveyEntry& a, const SiteSurveyEntry& b) { return a.Frequency < b.Frequency; });
  if (heard.size() > kSurveyMaxEntries) heard.resize(kSurveyMaxEntries);
  return heard;
}

}  // namespace orvsim
