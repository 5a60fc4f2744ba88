// Scans through the ABI: timing, what is heard, wander, determinism.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>

#include "tests/simulator/sim_library.h"
#include "tests/support/process.h"

namespace {

TEST(ScanTest, ResultsArriveOnlyWhenTheScanCompletes) {
  SimLibrary sim(SimLibrary::ManualClock());
  EXPECT_TRUE(sim.Survey().empty()) << "nothing before the first scan";
  ASSERT_EQ(sim.Api().ORVWL_SiteSurveyScan(), 1);
  sim.Advance(SimLibrary::kScanMs - 1);
  EXPECT_TRUE(sim.Survey().empty());
  ASSERT_EQ(sim.Api().ORVWL_SiteSurveyScan(), 1) << "a scan under way is not restarted";
  sim.Advance(1);
  EXPECT_FALSE(sim.Survey().empty());
}

TEST(ScanTest, TheBuiltInNetworksAreHeardWithTheirRadioFacts) {
  SimLibrary sim;
  const std::vector<SiteSurveyEntry> entries = sim.ScanNow();
  struct Expected {
    int32_t frequency;
    int32_t radio;
    int32_t security;
    int32_t infrastructure;
  };
  const std::map<std::string, Expected> named = {
      {"OrvWEP", {2412000, 1, 1, 1}},    {"OrvWPA", {2462000, 3, 21, 1}},
      {"OrvHome", {5180000, 2, 123, 1}}, {"OrvCorp", {5220000, 2, 113, 1}},
      {"OrvPeer", {2422000, 1, 0, 0}},   {"OrvLab", {5500000, 2, 113, 1}}};
  for (const auto& [ssid, expected] : named) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const SiteSurveyEntry& e) { return SsidOf(e) == ssid; });
    ASSERT_NE(it, entries.end()) << ssid;
    EXPECT_EQ(it->Frequency, expected.frequency) << ssid;
    EXPECT_EQ(sim.Api().ORVWL_FrequencyToChannel(it->Frequency),
              sim.Api().ORVWL_FrequencyToChannel(expected.frequency));
    EXPECT_EQ(it->Radio, expected.radio) << ssid;
    EXPECT_EQ(it->SecurityCode, expected.security) << ssid;
    EXPECT_EQ(it->InfrastructureMode, expected.infrastructure) << ssid;
  }
  EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                          [](const SiteSurveyEntry& e) { return SsidOf(e) == "OrvOpen"; }),
            2)
      << "one SSID on two BSSIDs";
  EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const SiteSurveyEntry& e) {
    return e.SsidLength == 0;
  })) << "a hidden network shows no SSID";
  EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return a.Frequency < b.Frequency;
  }));
}

TEST(ScanTest, SignalsWanderAFewDbmBetweenScans) {
  SimLibrary sim;
  std::map<std::string, std::pair<int32_t, int32_t>> range;  // by BSSID text
  for (int scan = 0; scan < 5; ++scan) {
    for (const SiteSurveyEntry& e : sim.ScanNow()) {
      const std::string key(reinterpret_cast<const char*>(e.Bssid), 6);
      auto [it, added] = range.try_emplace(key, e.Signal, e.Signal);
      it->second.first = std::min(it->second.first, e.Signal);
      it->second.second = std::max(it->second.second, e.Signal);
    }
  }
  int moved = 0;
  for (const auto& [bssid, minMax] : range) {
    EXPECT_LE(minMax.second - minMax.first, 8);
    moved += minMax.second != minMax.first;
  }
  EXPECT_GT(moved, 0);
}

TEST(ScanTest, TheSameSeedHearsTheSameAndAnotherSeedDoesNot) {
  const auto firstScan = [](const std::string& scenario) {
    SimLibrary sim(scenario);
    std::vector<int32_t> signals;
    for (int i = 0; i < 2; ++i) {
      for (const SiteSurveyEntry& e : sim.ScanNow()) signals.push_back(e.Signal);
    }
    return signals;
  };
  const auto a = firstScan(SimLibrary::FastScenario());
  EXPECT_EQ(a, firstScan(SimLibrary::FastScenario()));
  EXPECT_NE(a, firstScan(SimLibrary::FastScenario("seed = 7\n")));
}

TEST(ScanTest, TheDomainDecidesWhichChannelsAreHeard) {
  SimLibrary sim(
      SimLibrary::FastScenario("[network]\nssid = Thirteen\nchannel = 13\nsignal = -50\n"
                               "[network]\nssid = Radar\nchannel = 144\nsignal = -50\n"));
  const auto heard = [&](const char* ssid) {
    const auto entries = sim.ScanNow();
    return std::any_of(entries.begin(), entries.end(),
                       [&](const SiteSurveyEntry& e) { return SsidOf(e) == ssid; });
  };
  EXPECT_FALSE(heard("Thirteen"));
  EXPECT_TRUE(heard("Radar"));
  ASSERT_EQ(sim.Api().ORVWL_SetWLANDomain("DE"), 1);
  EXPECT_TRUE(heard("Thirteen"));
  EXPECT_FALSE(heard("Radar")) << "ETSI stops at channel 140";
}

}  // namespace
