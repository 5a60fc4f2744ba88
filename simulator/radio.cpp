#include "simulator/radio.h"

int32_t FrequencyKHzToChannel(int32_t kHz) {
  const int32_t mhz = kHz / 1000;
  if (mhz == 2484) return 14;
  if (mhz >= 2412 && mhz < 2484) return (mhz - 2407) / 5;
  if (mhz >= 4910 && mhz <= 4980) return (mhz - 4000) / 5;
  if (mhz >= 5000 && mhz <= 5900) return (mhz - 5000) / 5;
  return 0;
}

int32_t ChannelToFrequencyKHz(int32_t channel) {
  if (channel == 14) return 2484000;
  if (channel >= 1 && channel <= 13) return (2407 + 5 * channel) * 1000;
  if (channel >= 182 && channel <= 196) return (4000 + 5 * channel) * 1000;
  if (channel >= 32 && channel <= 177) return (5000 + 5 * channel) * 1000;
  return 0;
}
