#include "simulator/soft_ap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/text.h"
#include "simulator/security.h"

namespace orvsim {

namespace {

constexpr int64_t kBytesPerStationPerSecond = 4000;
// Schedules never fall further behind than this many changes per look.
constexpr int kMostChangesPerLook = 10000;

Radio RadioOfMode(int32_t abgMode) {
  const int32_t bands = ModeBands(abgMode);
  if (bands == kBandB) return Radio::k80211b;
  if (bands == kBandA) return Radio::k80211a;
  return Radio::k80211g;
}

// The quietest of the usual non-overlapping channels, or of the allowed 5 GHz ones.
int32_t ChooseChannel(Radio radio, const RadioEnvironment& environment,
                      const std::vector<int32_t>& allowed) {
  std::vector<int32_t> choices;
  for (int32_t ch : allowed) {
    const bool usual24 = ch == 1 || ch == 6 || ch == 11;
    if (ch > 0 && (radio == Radio::k80211a ? Is5GHzChannel(ch) : usual24)) choices.push_back(ch);
  }
  int32_t best = 0;
  int bestLoad = 0;
  for (int32_t ch : choices) {
    int load = 0;
    for (const ScenarioNetwork& n : environment.Networks()) {
      if (std::abs(n.channel - ch) < (radio == Radio::k80211a ? 1 : 3)) ++load;
    }
    if (best == 0 || load < bestLoad) {
      best = ch;
      bestLoad = load;
    }
  }
  return best;
}

}  // namespace

SoftAp::SoftAp(const Scenario& scenario, PskDeriver& deriver)
    : scenario_(scenario),
      deriver_(deriver),
      meter_(MakePrng(scenario.seed, PrngStream::kTraffic, 1)) {}

int64_t SoftAp::Draw(Prng& prng, int64_t mean) const {
  return prng.Between(mean / 2, mean * 3 / 2);
}

bool SoftAp::Start(const AssociationRequest& request, const RadioEnvironment& environment,
                   std::string_view domain, int64_t nowMs) {
  const Radio radio = RadioOfMode(request.ABGMode);
  const std::vector<int32_t> allowed = AccessPointChannels(RadioBand(radio), domain);
  int32_t channel = request.Channel;
  if (channel == 0) channel = ChooseChannel(radio, environment, allowed);
  if (RequestSsid(request).empty() || channel <= 0 ||
      std::find(allowed.begin(), allowed.end(), channel) == allowed.end()) {
    return false;
  }
  const bool psk =
      request.EncryptionMethod == kEncryptWpaPsk || request.EncryptionMethod == kEncryptWpa2Psk;
  if (psk && !IsPskText(TextOf(request.WPAPassphrase))) return false;
  request_ = request;
  channel_ = channel;
  radio_ = radio;
  filterMode_ = request.APMacFilterMode;
  filterList_.clear();
  for (const auto& entry : request.APMacFilter) {
    MacAddress mac;
    std::copy(std::begin(entry), std::end(entry), mac.begin());
    if (mac != MacAddress{}) filterList_.push_back(mac);
  }
  visitors_.clear();
  for (std::size_t i = 0; i < scenario_.stations.size(); ++i) {
    Visitor visitor{&scenario_.stations[i], MakePrng(scenario_.seed, PrngStream::kStations, i)};
    visitor.changeAtMs = nowMs + visitor.prng.Between(0, scenario_.stationAwayMs);
    visitors_.push_back(visitor);
  }
  meter_.Reset(nowMs);
  running_ = true;
  // Derive the keys ahead of the first look.
  if (Protected()) {
    for (const Visitor& v : visitors_) KnowsKey(*v.station);
  }
  return true;
}

bool SoftAp::Protected() const {
  return request_.EncryptionMethod == kEncryptWpaPsk ||
         request_.EncryptionMethod == kEncryptWpa2Psk;
}

bool SoftAp::KnowsKey(const ScenarioStation& station) {
  if (station.passphrase.empty()) return false;
  const std::string_view ssid = RequestSsid(request_);
  const auto own = PskOf(TextOf(request_.WPAPassphrase), ssid, deriver_);
  const auto theirs = PskOf(station.passphrase, ssid, deriver_);
  return own && theirs && *own == *theirs;
}

bool SoftAp::Admits(const MacAddress& mac) const {
  const bool listed = std::find(filterList_.begin(), filterList_.end(), mac) != filterList_.end();
  if (filterMode_ == kFilterAccept) return listed;
  if (filterMode_ == kFilterReject) return !listed;
  return true;
}

std::vector<MacAddress> SoftAp::Stations(int64_t nowMs) {
  std::vector<MacAddress> stations;
  if (!running_) return stations;
  for (Visitor& v : visitors_) {
    for (int i = 0; i < kMostChangesPerLook && v.changeAtMs <= nowMs; ++i) {
      v.present = !v.present;
      v.changeAtMs += Draw(v.prng, v.present ? scenario_.stationStayMs : scenario_.stationAwayMs);
    }
    if (v.changeAtMs <= nowMs) v.changeAtMs = nowMs + 1;
  }
  const auto add = [&](const MacAddress& mac) {
    if (Admits(mac) && std::find(stations.begin(), stations.end(), mac) == stations.end() &&
        stations.size() < kStationMaxEntries) {
      stations.push_back(mac);
    }
  };
  for (const MacAddress& mac : pinned_) add(mac);
  const bool keyed = Protected();
  for (const Visitor& v : visitors_) {
    if (v.present && (!keyed || KnowsKey(*v.station))) add(v.station->mac);
  }
  return stations;
}

void SoftAp::FillStatus(WLANStatus& status, const MacAddress& ownMac, int64_t nowMs) {
  if (!running_) return;
  const std::size_t stations = Stations(nowMs).size();
  meter_.Advance(nowMs, kBytesPerStationPerSecond * static_cast<int64_t>(stations));
  std::copy(ownMac.begin(), ownMac.end(), status.Bssid);
  const std::string_view ssid = RequestSsid(request_);
  status.SsidLength = static_cast<int32_t>(ssid.size());
  std::memset(status.Ssid, 0, sizeof status.Ssid);
  std::memcpy(status.Ssid, ssid.data(), ssid.size());
  status.Signal = 0;
  status.NetworkType = 1;
  status.Frequency = ChannelToFrequencyKHz(channel_);
  status.AuthenticationMode = request_.EncryptionMethod == 1 ? request_.AuthenticationMode : 0;
  const TrafficMeter::Counters& counters = meter_.Totals();
  status.RxPackets = counters.rxPackets;
  status.TxPackets = counters.txPackets;
  status.RxBytes = counters.rxBytes;
  status.TxBytes = counters.txBytes;
  status.SecurityMode = request_.EncryptionMethod;
  status.Radio = static_cast<int32_t>(radio_);
  status.TxRate = RateSet(radio_).back();
  status.MediaState = kMediaConnected;
  status.LinkQuality = 0;
  status.OutputPower = std::clamp(request_.APtxPwrLevel, 0, 3);
  WriteLinkReport({LinkState::kAccessPoint, 0, 0}, status);
}

}  // namespace orvsim
