#include "simulator/radio.h"

#include <algorithm>
#include <array>

#include "simulator/text_codec.h"

namespace orvsim {

namespace {

struct Range {
  int32_t first;
  int32_t last;
};

struct Domain {
  std::string_view names;  // space separated
  int32_t last24;          // 2.4 GHz channels 1..last24
  bool channel14ForB;
  std::vector<Range> channels5;
};

const std::vector<Domain>& Domains() {
  static const std::vector<Domain> domains = {
      {"US", 11, false, {{36, 48}, {52, 64}, {100, 144}, {149, 165}}},
      {"CA", 11, false, {{36, 64}, {100, 116}, {132, 144}, {149, 165}}},
      {"ETSI EU DE FR GB UK ES IT NL BE AT CH DK FI IE NO PL PT SE",
       13,
       false,
       {{36, 64}, {100, 140}}},
      {"JP", 13, true, {{36, 64}, {100, 140}}},
      {"CN", 13, false, {{36, 64}, {149, 165}}},
      {"IL", 13, false, {{36, 64}}},
  };
  return domains;
}

// What every domain of the table allows.
const Domain& CommonDomain() {
  static const Domain common = {"", 11, false, {{36, 64}}};
  return common;
}

const Domain* FindDomain(std::string_view name) {
  const std::string folded = FoldAscii(Trim(name));
  if (folded.empty()) return nullptr;
  for (const Domain& domain : Domains()) {
    std::string_view names = domain.names;
    while (!names.empty()) {
      const std::size_t space = names.find(' ');
      if (FoldAscii(names.substr(0, space)) == folded) return &domain;
      names.remove_prefix(space == std::string_view::npos ? names.size() : space + 1);
    }
  }
  return nullptr;
}

bool Is5GHzRangeChannel(int32_t channel) { return channel >= 32 && channel <= 177; }

// Sensitivities (dBm) a rate needs: the 802.11 minimum input levels for the
// OFDM rates, and comparable levels for the DSSS/CCK rates.
int32_t RequiredSignal(uint8_t rate) {
  switch (rate) {
    case 2:
      return -94;
    case 4:
      return -91;
    case 11:
      return -87;
    case 22:
      return -82;
    case 12:
      return -82;
    case 18:
      return -81;
    case 24:
      return -79;
    case 36:
      return -77;
    case 48:
      return -74;
    case 72:
      return -70;
    case 96:
      return -66;
    default:
      return -65;
  }
}

}  // namespace

int32_t FrequencyKHzToChannel(int32_t kHz) {
  const int32_t mhz = kHz / 1000;
  if (mhz == 2484) return 14;
  if (mhz >= 2412 && mhz <= 2472 && (mhz - 2407) % 5 == 0) return (mhz - 2407) / 5;
  if (mhz >= 4910 && mhz <= 4980 && mhz % 5 == 0) return (mhz - 4000) / 5;
  if (mhz >= 5160 && mhz <= 5885 && mhz % 5 == 0) return (mhz - 5000) / 5;
  return 0;
}

int32_t ChannelToFrequencyKHz(int32_t channel) {
  if (channel == 14) return 2484000;
  if (channel >= 1 && channel <= 13) return (2407 + 5 * channel) * 1000;
  if (channel >= 182 && channel <= 196) return (4000 + 5 * channel) * 1000;
  if (Is5GHzRangeChannel(channel)) return (5000 + 5 * channel) * 1000;
  return 0;
}

bool Is5GHzChannel(int32_t channel) {
  return Is5GHzRangeChannel(channel) || (channel >= 182 && channel <= 196);
}

bool IsDfsChannel(int32_t channel) { return channel >= 52 && channel <= 144; }

std::vector<int32_t> StationChannels(int32_t bands, std::string_view domainName) {
  const Domain* found = FindDomain(domainName);
  const Domain& domain = found != nullptr ? *found : CommonDomain();
  std::vector<int32_t> channels;
  if ((bands & (kBandB | kBandG)) != 0) {
    for (int32_t ch = 1; ch <= domain.last24; ++ch) channels.push_back(ch);
    if (domain.channel14ForB && (bands & kBandB) != 0) channels.push_back(14);
  }
  if ((bands & kBandA) != 0) {
    for (const Range& range : domain.channels5) {
      for (int32_t ch = range.first; ch <= range.last; ch += 4) channels.push_back(ch);
    }
  }
  return channels;
}

std::vector<int32_t> AccessPointChannels(int32_t bands, std::string_view domain) {
  std::vector<int32_t> channels = StationChannels(bands, domain);
  std::erase_if(channels, IsDfsChannel);
  if (!channels.empty()) channels.insert(channels.begin(), 0);
  return channels;
}

int32_t ModeBands(int32_t mode) {
  switch (mode) {
    case 1:
    case 21:
      return kBandB;
    case 2:
    case 22:
      return kBandA;
    case 3:
    case 23:
      return kBandG;
    case 11:
    case 31:
      return kBandB | kBandG;
    case 12:
    case 32:
      return kBandA | kBandG;
    case 13:
    case 33:
      return kBandB | kBandA;
    default:
      return kBandB | kBandA | kBandG;
  }
}

int32_t RadioBand(Radio radio) {
  switch (radio) {
    case Radio::k80211b:
      return kBandB;
    case Radio::k80211a:
      return kBandA;
    case Radio::k80211g:
      return kBandG;
  }
  return 0;
}

const std::vector<uint8_t>& RateSet(Radio radio) {
  static const std::vector<uint8_t> b = {2, 4, 11, 22};
  static const std::vector<uint8_t> a = {12, 18, 24, 36, 48, 72, 96, 108};
  static const std::vector<uint8_t> g = {2, 4, 11, 12, 18, 22, 24, 36, 48, 72, 96, 108};
  switch (radio) {
    case Radio::k80211b:
      return b;
    case Radio::k80211a:
      return a;
    case Radio::k80211g:
      return g;
  }
  return g;
}

uint8_t RateForSignal(Radio radio, int32_t signalDbm) {
  const std::vector<uint8_t>& rates = RateSet(radio);
  uint8_t best = rates.front();
  for (uint8_t rate : rates) {
    if (signalDbm >= RequiredSignal(rate)) best = std::max(best, rate);
  }
  return best;
}

}  // namespace orvsim
