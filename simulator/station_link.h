#pragma once

#include <cstdint>
#include <optional>

#include "adapter/wl_records.h"
#include "simulator/association.h"
#include "simulator/prng.h"
#include "simulator/psk_deriver.h"
#include "simulator/radio_environment.h"
#include "simulator/traffic_meter.h"

namespace orvsim {

// The station side of the adapter: a requested association that is tried
// after a delay and again after each failure, for as long as the request
// stands; once made, a link whose signal wanders and whose counters grow.
class StationLink {
 public:
  enum class Change { kNone, kConnected, kLost };

  StationLink(const Scenario& scenario);

  void Start(const AssociationRequest& request, int64_t nowMs);
  void Stop();
  void Burst(int64_t kbps, int64_t untilMs) { meter_.Burst(kbps, untilMs); }

  Change Update(int64_t nowMs, const RadioEnvironment& environment, PskDeriver& deriver);

  bool Connected() const { return connected_.has_value(); }
  const ScenarioNetwork* Network() const { return connected_ ? &*connected_ : nullptr; }
  // The transmit rate in 500 kbit/s units at the signal of the last status reading.
  uint8_t TxRate(const RadioEnvironment& environment) const;

  // The status: the link's fields when connected (each reading moves the
  // signal a little), and the report of where the association stands.
  void FillStatus(WLANStatus& status, int64_t nowMs, const RadioEnvironment& environment);

 private:
  bool Compatible(const ScenarioNetwork& network) const;
  void ScheduleAttempt(int64_t nowMs);

  const Scenario& scenario_;
  Prng delayPrng_;
  Prng signalPrng_;
  TrafficMeter meter_;
  std::optional<AssociationRequest> request_;
  std::optional<ScenarioNetwork> connected_;
  int64_t attemptAtMs_ = 0;
  LinkReport report_;
  int32_t signalWander_ = 0;
  int32_t qualityWander_ = 0;
};

}  // namespace orvsim
