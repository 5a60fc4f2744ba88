#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simulator/control_state.h"
#include "simulator/scenario.h"

namespace orvsim {

// The commands of the orvwl-sim tool as changes to the control state, apart
// from the files and the channel, so that they can be checked on their own.

struct ToolResult {
  bool ok = false;
  std::string message;        // what to tell the user
  bool writesState = false;   // the control file must be rewritten
  bool removesState = false;  // the control file must go (reset)
  int32_t deviceEvent = 0;    // channel event to send afterwards, 0 = none
};

// Device events on the per-user channel.
inline constexpr int32_t kDeviceNodesChanged = 1;
inline constexpr int32_t kResumedFromSuspend = 2;

ToolResult RunToolCommand(const std::vector<std::string>& args, ControlState& state,
                          int64_t unixMs);

std::string ToolHelp();
std::string DescribeState(const ControlState& state, const Scenario& scenario, int64_t unixMs);

}  // namespace orvsim
