#pragma once

#include <cstdint>
#include <span>

// How crowded a channel is, from the networks one scan heard.
namespace ChannelUse {

// One network a scan heard: where it sends, how wide, how loud.
struct Heard {
  int32_t centreMHz;
  int32_t widthMHz;
  int32_t signalDbm;
};

// The width a scan entry occupies: 22 MHz for an 802.11b (DSSS) network,
// 20 MHz for every other; the survey reports no wider channels.
int32_t WidthMHz(int32_t radio);

// The centre of a channel number: 1-13 and 14 on 2.4 GHz, 5 GHz above; 0 for
// a number that names no channel.
int32_t CentreMHz(int32_t channel);

// The load on a channel, 0 for empty air. Every network whose span meets
// the channel's counts with its loudness (dB above -100 dBm, 1 to 100):
// once in full when it sends on the same centre, twice its overlapping share
// when it only overlaps, since a radio can share airtime with a network it
// decodes but hears a partly overlapping one as noise it cannot defer to.
double Score(int32_t channel, std::span<const Heard> heard);

// The channel of `channels` with the lowest score; `preferred` when it ties
// for lowest, else the first such in list order. Entries that are not
// channels (0 automatic, negatives) are skipped; 0 when none is left.
int32_t LeastUsed(std::span<const int32_t> channels, std::span<const Heard> heard,
                  int32_t preferred);

}  // namespace ChannelUse
