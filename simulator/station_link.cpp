#include "simulator/station_link.h"

#include <algorithm>
#include <cstring>

#include "simulator/radio.h"
#include "simulator/security.h"

namespace orvsim {

namespace {

constexpr int64_t kIdleBytesPerSecond = 1500;
constexpr int32_t kMostLinkWander = 5;

// The radio a network and a station's wireless mode meet on: 802.11g
// networks also serve 802.11b stations, 802.11b networks 802.11g ones at b rates.
std::optional<Radio> SharedRadio(Radio network, int32_t stationBands) {
  switch (network) {
    case Radio::k80211a:
      if ((stationBands & kBandA) != 0) return Radio::k80211a;
      break;
    case Radio::k80211g:
      if ((stationBands & kBandG) != 0) return Radio::k80211g;
      if ((stationBands & kBandB) != 0) return Radio::k80211b;
      break;
    case Radio::k80211b:
      if ((stationBands & (kBandB | kBandG)) != 0) return Radio::k80211b;
      break;
  }
  return std::nullopt;
}

int32_t Step(Prng& prng, int32_t value, int32_t limit) {
  return std::clamp<int32_t>(value + static_cast<int32_t>(prng.Between(-2, 2)), -limit, limit);
}

}  // namespace

StationLink::StationLink(const Scenario& scenario)
    : scenario_(scenario),
      delayPrng_(MakePrng(scenario.seed, PrngStream::kAssociationDelay)),
      signalPrng_(MakePrng(scenario.seed, PrngStream::kLinkSignal)),
      meter_(MakePrng(scenario.seed, PrngStream::kTraffic)) {}

void StationLink::Start(const AssociationRequest& request, int64_t nowMs) {
  request_ = request;
  connected_.reset();
  report_ = {LinkState::kSearching, 0, 0};
  ScheduleAttempt(nowMs);
}

void StationLink::Stop() {
  request_.reset();
  connected_.reset();
  report_ = {};
}

void StationLink::ScheduleAttempt(int64_t nowMs) {
  attemptAtMs_ = nowMs + delayPrng_.Between(scenario_.associateMinMs, scenario_.associateMaxMs);
}

bool StationLink::Compatible(const ScenarioNetwork& network) const {
  return network.ssid == RequestSsid(*request_) &&
         network.infrastructure == (request_->NetworkMode == 1) &&
         SharedRadio(network.radio, ModeBands(request_->ABGMode)).has_value();
}

StationLink::Change StationLink::Update(int64_t nowMs, const RadioEnvironment& environment,
                                        PskDeriver& deriver) {
  if (!request_) return Change::kNone;
  if (connected_) {
    const ScenarioNetwork* network = environment.Find(connected_->bssid);
    if (network != nullptr && environment.SignalOf(*network) >= RadioEnvironment::kLinkLossDbm) {
      return Change::kNone;
    }
    connected_.reset();
    report_.state = LinkState::kSearching;
    ScheduleAttempt(nowMs);
    return Change::kLost;
  }
  if (nowMs < attemptAtMs_) return Change::kNone;
  std::vector<const ScenarioNetwork*> candidates;
  for (const ScenarioNetwork& network : environment.Networks()) {
    if (Compatible(network) &&
        environment.SignalOf(network) >= RadioEnvironment::kAssociateFloorDbm) {
      candidates.push_back(&network);
    }
  }
  // The strongest access point of the network answers first.
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&](const ScenarioNetwork* a, const ScenarioNetwork* b) {
                     return environment.SignalOf(*a) > environment.SignalOf(*b);
                   });
  bool pending = false;
  for (const ScenarioNetwork* network : candidates) {
    const Verdict verdict = CheckAccess(*request_, *network, scenario_.certificates, deriver);
    if (verdict == Verdict::kAccepted) {
      connected_ = *network;
      meter_.Reset(nowMs);
      signalWander_ = qualityWander_ = 0;
      ++report_.attempts;
      report_.state = LinkState::kConnected;
      return Change::kConnected;
    }
    pending |= verdict == Verdict::kPending;
  }
  if (pending) {
    report_.state = LinkState::kAuthenticating;
    return Change::kNone;
  }
  // Each attempt counts once, however long its keys took to derive.
  ++report_.attempts;
  if (candidates.empty()) {
    report_.state = LinkState::kSearching;
  } else {
    report_.state = LinkState::kRejected;
    ++report_.rejections;
  }
  ScheduleAttempt(nowMs);
  return Change::kNone;
}

uint8_t StationLink::TxRate(const RadioEnvironment& environment) const {
  if (!connected_ || !request_) return 0;
  const ScenarioNetwork& network = *connected_;
  const int32_t signal = std::clamp(environment.SignalOf(network) + signalWander_, -100, -20);
  const Radio radio =
      SharedRadio(network.radio, ModeBands(request_->ABGMode)).value_or(network.radio);
  const std::vector<uint8_t>& rates = RateSet(radio);
  const bool fixedRate = std::find(rates.begin(), rates.end(), request_->TxRate) != rates.end();
  return fixedRate ? static_cast<uint8_t>(request_->TxRate) : RateForSignal(radio, signal);
}

void StationLink::FillStatus(WLANStatus& status, int64_t nowMs,
                             const RadioEnvironment& environment) {
  WriteLinkReport(report_, status);
  if (!connected_ || !request_) return;
  const ScenarioNetwork& network = *connected_;
  signalWander_ = Step(signalPrng_, signalWander_, kMostLinkWander);
  qualityWander_ = Step(signalPrng_, qualityWander_, 3);
  const int32_t signal = std::clamp(environment.SignalOf(network) + signalWander_, -100, -20);
  meter_.Advance(nowMs, kIdleBytesPerSecond);
  const Radio radio =
      SharedRadio(network.radio, ModeBands(request_->ABGMode)).value_or(network.radio);

  std::copy(network.bssid.begin(), network.bssid.end(), status.Bssid);
  status.SsidLength = static_cast<int32_t>(network.ssid.size());
  std::memset(status.Ssid, 0, sizeof status.Ssid);
  std::memcpy(status.Ssid, network.ssid.data(), network.ssid.size());
  status.Signal = signal;
  status.NetworkType = network.infrastructure ? 1 : 0;
  status.Frequency = ChannelToFrequencyKHz(network.channel);
  status.AuthenticationMode =
      request_->EncryptionMethod == kEncryptWep ? request_->AuthenticationMode : 0;
  const TrafficMeter::Counters& counters = meter_.Totals();
  status.RxPackets = counters.rxPackets;
  status.TxPackets = counters.txPackets;
  status.RxBytes = counters.rxBytes;
  status.TxBytes = counters.txBytes;
  status.SecurityMode = request_->EncryptionMethod;
  status.Radio = static_cast<int32_t>(radio);
  status.TxRate = TxRate(environment);
  status.MediaState = kMediaConnected;
  status.LinkQuality = std::clamp(signal - 3 + qualityWander_, -100, -20);
  status.OutputPower = std::clamp(request_->txPwrLevel, 0, 3);
}

}  // namespace orvsim
