#include "model/channel_use.h"

#include <algorithm>

namespace ChannelUse {

namespace {

constexpr int32_t kRadio80211b = 1;
constexpr int32_t kFloorDbm = -100;

int32_t OwnWidthMHz(int32_t centre) { return centre < 3000 ? 22 : 20; }

}  // namespace

int32_t WidthMHz(int32_t radio) { return radio == kRadio80211b ? 22 : 20; }

int32_t CentreMHz(int32_t channel) {
  if (channel >= 1 && channel <= 13) return 2407 + 5 * channel;
  if (channel == 14) return 2484;
  if (channel >= 32 && channel <= 196) return 5000 + 5 * channel;
  return 0;
}

double Score(int32_t channel, std::span<const Heard> heard) {
  const int32_t centre = CentreMHz(channel);
  if (centre == 0) return 0;
  const int32_t width = OwnWidthMHz(centre);
  const double low = centre - width / 2.0;
  const double high = centre + width / 2.0;
  double score = 0;
  for (const Heard& h : heard) {
    const double overlap = std::min(high, h.centreMHz + h.widthMHz / 2.0) -
                           std::max(low, h.centreMHz - h.widthMHz / 2.0);
    if (overlap <= 0) continue;
    const double loudness = std::max(1, std::clamp(h.signalDbm, kFloorDbm, 0) - kFloorDbm);
    score += h.centreMHz == centre ? loudness : loudness * 2.0 * overlap / width;
  }
  return score;
}

int32_t LeastUsed(std::span<const int32_t> channels, std::span<const Heard> heard,
                  int32_t preferred) {
  int32_t best = 0;
  double bestScore = 0;
  for (const int32_t channel : channels) {
    if (CentreMHz(channel) == 0) continue;
    const double score = Score(channel, heard);
    if (best == 0 || score < bestScore || (score == bestScore && channel == preferred)) {
      best = channel;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace ChannelUse
