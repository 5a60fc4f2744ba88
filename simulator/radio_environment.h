#pragma once

#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "adapter/wl_records.h"
#include "simulator/control_state.h"
#include "simulator/prng.h"
#include "simulator/scenario.h"

namespace orvsim {

// The networks around the adapter: the scenario's, less those the control
// tool removed, plus those it added, all moved by its signal offset. Each
// completed scan lets every signal wander a step.
class RadioEnvironment {
 public:
  // Weaker networks are not heard; an association needs a little more, and
  // a link is lost a little below where it can be made.
  static constexpr int32_t kHearingFloorDbm = -95;
  static constexpr int32_t kAssociateFloorDbm = -90;
  static constexpr int32_t kLinkLossDbm = -93;

  explicit RadioEnvironment(const Scenario& scenario);

  void ApplyControl(const ControlState& control);

  // A completed scan: every network heard on the domain's channels.
  std::vector<SiteSurveyEntry> Scan(std::string_view domain);

  const std::vector<ScenarioNetwork>& Networks() const { return active_; }
  const ScenarioNetwork* Find(const MacAddress& bssid) const;
  // Where the adapter stands, without the scan's wander.
  int32_t SignalOf(const ScenarioNetwork& network) const;

 private:
  std::vector<ScenarioNetwork> base_;
  std::vector<ScenarioNetwork> active_;
  std::map<MacAddress, int32_t> wander_;  // by BSSID, so edits keep the others
  int32_t offset_ = 0;
  Prng prng_;
};

}  // namespace orvsim
