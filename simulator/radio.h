#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace orvsim {

// 802.11 arithmetic and regulatory knowledge: channel/frequency conversion,
// the channels each domain allows per radio, and the rate sets.

// Radio codes of the status and survey records.
enum class Radio : int32_t { k80211b = 1, k80211a = 2, k80211g = 3 };

// Band bits of the allowed-channel calls and of wireless-mode masks.
inline constexpr int32_t kBandB = 0x001;
inline constexpr int32_t kBandA = 0x002;
inline constexpr int32_t kBandG = 0x004;

int32_t FrequencyKHzToChannel(int32_t kHz);
int32_t ChannelToFrequencyKHz(int32_t channel);
bool Is5GHzChannel(int32_t channel);
// Channels where a device must detect radar before transmitting: 52-144.
bool IsDfsChannel(int32_t channel);

// Channels a station may use on the radios of `bands` in a regulatory domain
// ("US", "CA", "JP", "CN", "IL", an ETSI country or "ETSI"; any other text
// gets the channels every domain shares), ascending and without repeats.
std::vector<int32_t> StationChannels(int32_t bands, std::string_view domain);
// The same for the soft access point: no radar channels, and 0 (automatic
// choice) first.
std::vector<int32_t> AccessPointChannels(int32_t bands, std::string_view domain);

// Band bits of a wireless-mode code (ABGMode): 1 b, 2 a, 3 g, 11 b+g, ...
int32_t ModeBands(int32_t mode);
int32_t RadioBand(Radio radio);

// Rates in 500 kbit/s units, ascending.
const std::vector<uint8_t>& RateSet(Radio radio);
// The fastest rate of the set that a link at this signal sustains.
uint8_t RateForSignal(Radio radio, int32_t signalDbm);

}  // namespace orvsim
