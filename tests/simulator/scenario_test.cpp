// Scenario and control files: what a user writes by hand, and what the tool
// and the library hand each other.

#include <gtest/gtest.h>

#include "simulator/control_state.h"
#include "simulator/key_file.h"
#include "simulator/scenario.h"
#include "tests/support/temp_dir.h"

using namespace orvsim;

namespace {

TEST(ScenarioTest, ShippedExampleIsTheBuiltInScenario) {
  const Scenario example =
      ParseScenario(ReadFile(std::string(ORV_SOURCE_DIR) + "/resources/ORVWL.sim.example"), "x");
  const Scenario& builtIn = DefaultScenario();
  EXPECT_TRUE(example.warnings.empty()) << example.warnings.front();
  EXPECT_TRUE(builtIn.warnings.empty()) << builtIn.warnings.front();
  ASSERT_EQ(example.networks.size(), builtIn.networks.size());
  for (std::size_t i = 0; i < builtIn.networks.size(); ++i) {
    KeyFile a, b;
    WriteNetwork(example.networks[i], a.AddSection("network"));
    WriteNetwork(builtIn.networks[i], b.AddSection("network"));
    EXPECT_EQ(a.Write(""), b.Write(""));
  }
  EXPECT_EQ(example.certificates.size(), builtIn.certificates.size());
  EXPECT_EQ(example.stations, builtIn.stations);
  EXPECT_EQ(example.seed, builtIn.seed);
  EXPECT_EQ(example.scanMs, 2000);
  EXPECT_EQ(example.associateMinMs, 1000);
  EXPECT_EQ(example.associateMaxMs, 2000);
}

TEST(ScenarioTest, UnusableLinesAreSkippedWithAWarningEach) {
  const Scenario s = ParseScenario(R"(
[adapter]
scan_ms = soon
colour = blue
[network]
ssid = NoKey
security = 21
[network]
ssid = WrongBand
channel = 36
radio = b
[network]
ssid = Fine
channel = 165
[network]
ssid = "  spaced \x01 out "
passphrase = "has \"quotes\""
security = 20
[weather]
this line has no equals sign
)",
                                   "test");
  ASSERT_EQ(s.networks.size(), 2u);
  EXPECT_EQ(s.networks[0].ssid, "Fine");
  EXPECT_EQ(s.networks[0].radio, Radio::k80211a);
  EXPECT_EQ(s.networks[1].ssid, "  spaced \x01 out ");
  EXPECT_EQ(s.networks[1].passphrase, "has \"quotes\"");
  EXPECT_EQ(s.scanMs, 2000);
  EXPECT_EQ(s.warnings.size(), 6u);
}

TEST(ScenarioTest, ControlStateSurvivesTheFileRoundTrip) {
  ControlState state;
  state.nextId = 9;
  state.plugged = false;
  state.signalOffset = -15;
  state.removed = {"OrvWPA", "00:0E:2E:10:00:01"};
  state.stations = {{0x02, 1, 2, 3, 4, 5}};
  state.traffic = TrafficRequest{4, 800, 30, 1700000000000};
  state.faults = {{5, EntryPoint::ORVWL_SiteSurveyGet, FaultKind::kCount, 300, 2},
                  {6, EntryPoint::ORVWL_DevDetect, FaultKind::kHang, 250, 0}};
  std::string problem;
  ScenarioNetwork added;
  KeySection section;
  section.Add("ssid", "Odd \"name\"\n");
  section.Add("security", "120");
  section.Add("passphrase", "coffee4all");
  ASSERT_TRUE(ParseNetwork(section, 1, 0, added, problem)) << problem;
  state.addedNetworks = {added};

  std::vector<std::string> warnings;
  const ControlState back = ParseControlState(WriteControlState(state), warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(WriteControlState(back), WriteControlState(state));
  EXPECT_EQ(back.addedNetworks.at(0).ssid, "Odd \"name\"\n");
  EXPECT_FALSE(back.plugged);
}

TEST(ScenarioTest, ControlFileGarbageGivesTheDefaultState) {
  std::vector<std::string> warnings;
  const ControlState state =
      ParseControlState("\x01\x02[fault]\ncall = Nowhere\nkind = fail\n[network]\n=\n", warnings);
  EXPECT_TRUE(state.plugged);
  EXPECT_TRUE(state.faults.empty());
  EXPECT_TRUE(state.addedNetworks.empty());
  EXPECT_FALSE(warnings.empty());
}

}  // namespace
