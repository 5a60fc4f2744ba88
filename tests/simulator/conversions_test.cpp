// The library's tables and conversions through the ABI: channel lists by
// band and domain, channel/frequency, WEP keys from pass phrases, IP text.

#include <gtest/gtest.h>

#include <numeric>

#include "platform/text.h"
#include "tests/simulator/sim_library.h"

namespace {

std::vector<int32_t> Range(int32_t first, int32_t last, int32_t step = 1) {
  std::vector<int32_t> out;
  for (int32_t ch = first; ch <= last; ch += step) out.push_back(ch);
  return out;
}

std::vector<int32_t> Join(std::initializer_list<std::vector<int32_t>> parts) {
  std::vector<int32_t> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

std::vector<int32_t> Channels(const OrvwlApi& api, int32_t band, const char* domain, bool ap) {
  std::vector<int32_t> list(kChannelListCapacity + 1, -7);
  const int32_t n = (ap ? api.ORVWL_GetAPAllowedChannel : api.ORVWL_GetAllowedChannel)(
      list.data(), kChannelListCapacity, band, domain);
  EXPECT_EQ(list[kChannelListCapacity], -7);
  list.resize(static_cast<std::size_t>(std::max(n, 0)));
  return list;
}

TEST(ConversionsTest, AllowedChannelsFollowTheRegulatoryTables) {
  SimLibrary sim;
  const auto us5 =
      Join({Range(36, 48, 4), Range(52, 64, 4), Range(100, 144, 4), Range(149, 165, 4)});
  const struct {
    const char* domain;
    int32_t band;
    std::vector<int32_t> station;
    std::vector<int32_t> accessPoint;
  } cases[] = {
      {"US", 1, Range(1, 11), Join({{0}, Range(1, 11)})},
      {"US", 4, Range(1, 11), Join({{0}, Range(1, 11)})},
      {"US", 2, us5, Join({{0}, Range(36, 48, 4), Range(149, 165, 4)})},
      {"CA", 2,
       Join({Range(36, 64, 4), Range(100, 116, 4), Range(132, 144, 4), Range(149, 165, 4)}),
       Join({{0}, Range(36, 48, 4), Range(149, 165, 4)})},
      {"DE", 4, Range(1, 13), Join({{0}, Range(1, 13)})},
      {"ETSI", 2, Join({Range(36, 64, 4), Range(100, 140, 4)}), Join({{0}, Range(36, 48, 4)})},
      {"JP", 1, Join({Range(1, 13), {14}}), Join({{0}, Range(1, 13), {14}})},
      {"JP", 4, Range(1, 13), Join({{0}, Range(1, 13)})},
      {"CN", 2, Join({Range(36, 64, 4), Range(149, 165, 4)}),
       Join({{0}, Range(36, 48, 4), Range(149, 165, 4)})},
      {"IL", 2, Range(36, 64, 4), Join({{0}, Range(36, 48, 4)})},
      {"IL", 1, Range(1, 13), Join({{0}, Range(1, 13)})},
      {"", 2, us5, Join({{0}, Range(36, 48, 4), Range(149, 165, 4)})},  // the adapter's domain
      {"Atlantis", 1, Range(1, 11), Join({{0}, Range(1, 11)})},
      {"Atlantis", 2, Range(36, 64, 4), Join({{0}, Range(36, 48, 4)})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Channels(sim.Api(), c.band, c.domain, false), c.station) << c.domain << c.band;
    EXPECT_EQ(Channels(sim.Api(), c.band, c.domain, true), c.accessPoint) << c.domain << c.band;
  }
  int32_t small[4] = {-1, -1, -1, -1};
  EXPECT_EQ(sim.Api().ORVWL_GetAllowedChannel(small, 3, 1, "US"), 3);
  EXPECT_EQ(small[3], -1) << "never past the capacity";
  EXPECT_EQ(sim.Api().ORVWL_GetAllowedChannel(small, 0, 1, "US"), 0);
}

TEST(ConversionsTest, ChannelsAndFrequenciesConvertBothWays) {
  SimLibrary sim;
  const struct {
    int32_t channel;
    int32_t kHz;
  } pairs[] = {{1, 2412000},   {6, 2437000},   {13, 2472000},  {14, 2484000}, {36, 5180000},
               {100, 5500000}, {165, 5825000}, {184, 4920000}, {196, 4980000}};
  for (const auto& p : pairs) {
    EXPECT_EQ(sim.Api().ORVWL_ChannelToFrequency(p.channel), p.kHz);
    EXPECT_EQ(sim.Api().ORVWL_FrequencyToChannel(p.kHz), p.channel);
  }
  for (int32_t bad : {0, -5, 2400000, 2413000, 9999999}) {
    EXPECT_EQ(sim.Api().ORVWL_FrequencyToChannel(bad), 0) << bad;
  }
  EXPECT_EQ(sim.Api().ORVWL_ChannelToFrequency(0), 0);
  EXPECT_EQ(sim.Api().ORVWL_ChannelToFrequency(15), 0);
}

TEST(ConversionsTest, WepKeysFromPassPhrasesMatchTheVectors) {
  SimLibrary sim;
  const struct {
    const char* phrase;
    int32_t level;
    std::vector<std::string> keys;
  } cases[] = {
      {"foobar", 1, {"A4BEB3B8EC", "B697E900C8", "B5D2BB755B", "197EA2ABE7"}},
      {"foobar", 2, std::vector<std::string>(4, "49D68437B1FFB0DB3FDF2D4A93")},
      {"x", 2, std::vector<std::string>(4, "C1BB4F81D892B2D57947682AEB")},
      {"foobar", 4, {}},
      {"", 1, {}},
      {"foobar", 3, {}},
  };
  for (const auto& c : cases) {
    WEPKeySet keys{};
    const int32_t made = sim.Api().ORVWL_PassphraseToWEPKey(c.phrase, c.level, &keys);
    EXPECT_EQ(made, c.keys.empty() ? 0 : 1) << c.phrase << " " << c.level;
    for (std::size_t i = 0; i < c.keys.size(); ++i) EXPECT_EQ(TextOf(keys.Keys[i]), c.keys[i]);
  }
}

TEST(ConversionsTest, IpAddressesConvertToAndFromDottedText) {
  SimLibrary sim;
  const IPData ip{{192, 168, 36, 7}};
  char text[kIPTextBufferSize + 1];
  std::memset(text, 'z', sizeof text);
  ASSERT_EQ(sim.Api().ORVWL_IPDataToStr(&ip, text), 1);
  EXPECT_STREQ(text, "192.168.36.7");
  const struct {
    const char* text;
    bool valid;
    IPData ip;
  } cases[] = {{"10.0.0.1", true, {{10, 0, 0, 1}}},
               {"255.255.255.255", true, {{255, 255, 255, 255}}},
               {"0.0.0.0", true, {{0, 0, 0, 0}}},
               {"256.1.1.1", false, {}},
               {"1.2.3", false, {}},
               {"1.2.3.4.5", false, {}},
               {"1.2.3.4 ", false, {}},
               {"a.b.c.d", false, {}},
               {"", false, {}},
               {"1..2.3", false, {}}};
  for (const auto& c : cases) {
    IPData parsed{{9, 9, 9, 9}};
    EXPECT_EQ(sim.Api().ORVWL_StrToIPData(c.text, &parsed), c.valid ? 1 : 0) << c.text;
    if (c.valid) {
      EXPECT_EQ(std::memcmp(&parsed, &c.ip, 4), 0) << c.text;
    }
  }
}

}  // namespace
