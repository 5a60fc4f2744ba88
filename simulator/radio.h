#pragma once

#include <cstdint>

// Channel and frequency arithmetic of 802.11; frequencies in kHz.
int32_t FrequencyKHzToChannel(int32_t kHz);
int32_t ChannelToFrequencyKHz(int32_t channel);
