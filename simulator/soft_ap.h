#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "adapter/wl_records.h"
#include "simulator/association.h"
#include "simulator/prng.h"
#include "simulator/psk_deriver.h"
#include "simulator/radio.h"
#include "simulator/radio_environment.h"
#include "simulator/traffic_meter.h"

namespace orvsim {

// The soft access point: started by an access-point profile, it serves the
// scenario's stations, which arrive and leave on a schedule drawn from the
// seed, and the stations the control tool pins, all through its MAC filter
// (0 off, 1 accept only the listed addresses, 2 reject them). A WPA-PSK or
// WPA2-PSK access point lets in only the scenario's stations that hold its
// key; pinned stations stand for devices the user has let in.
class SoftAp {
 public:
  static constexpr int32_t kFilterOff = 0;
  static constexpr int32_t kFilterAccept = 1;
  static constexpr int32_t kFilterReject = 2;

  SoftAp(const Scenario& scenario, PskDeriver& deriver);

  // False when the profile asks for a channel the domain does not allow an
  // access point (radar channels included), names no SSID, or protects it with
  // a pre-shared key that is neither a pass phrase nor 64 hexadecimal digits.
  bool Start(const AssociationRequest& request, const RadioEnvironment& environment,
             std::string_view domain, int64_t nowMs);
  void Stop() { running_ = false; }
  bool Running() const { return running_; }
  const AssociationRequest& Request() const { return request_; }
  int32_t Channel() const { return channel_; }

  void SetPinned(std::vector<MacAddress> stations) { pinned_ = std::move(stations); }
  void Burst(int64_t kbps, int64_t untilMs) { meter_.Burst(kbps, untilMs); }
  int32_t FilterMode() const { return filterMode_; }
  void SetFilterMode(int32_t mode) { filterMode_ = mode; }
  const std::vector<MacAddress>& FilterList() const { return filterList_; }
  void SetFilterList(std::vector<MacAddress> list) { filterList_ = std::move(list); }

  // The stations associated now.
  std::vector<MacAddress> Stations(int64_t nowMs);
  void FillStatus(WLANStatus& status, const MacAddress& ownMac, int64_t nowMs);

 private:
  struct Visitor {
    const ScenarioStation* station;
    Prng prng;
    bool present = false;
    int64_t changeAtMs = 0;
  };

  bool Admits(const MacAddress& mac) const;
  bool Protected() const;
  // Whether the station holds the access point's key; false while either key is still derived.
  bool KnowsKey(const ScenarioStation& station);
  int64_t Draw(Prng& prng, int64_t mean) const;

  const Scenario& scenario_;
  PskDeriver& deriver_;
  TrafficMeter meter_;
  bool running_ = false;
  AssociationRequest request_{};
  int32_t channel_ = 0;
  Radio radio_ = Radio::k80211g;
  int32_t filterMode_ = kFilterOff;
  std::vector<MacAddress> filterList_;
  std::vector<MacAddress> pinned_;
  std::vector<Visitor> visitors_;
};

}  // namespace orvsim
