// The soft access point through the ABI: started by an access-point profile,
// stations that come and go, the MAC filter.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <set>

#include "platform/text.h"
#include "simulator/pbkdf2.h"
#include "simulator/text_codec.h"
#include "tests/simulator/sim_library.h"
#include "tests/support/process.h"

using namespace orvsim;

namespace {

using std::chrono::milliseconds;

const std::string kQuickStations = "station_stay_ms = 30\nstation_away_ms = 30\n";
const MacAddress kFirst = {0x02, 0x4F, 0x52, 0x56, 0x00, 0x01};
const MacAddress kSecond = {0x02, 0x4F, 0x52, 0x56, 0x00, 0x02};
const MacAddress kThird = {0x02, 0x4F, 0x52, 0x56, 0x00, 0x03};
const MacAddress kFourth = {0x02, 0x4F, 0x52, 0x56, 0x00, 0x04};
// The key of the built-in scenario's first two stations; the third has another, the fourth none.
const std::string kStationsKey = "orvane-hotspot";

WLProfile AccessPoint(int32_t channel, int32_t mode, std::vector<MacAddress> filter = {},
                      int32_t filterMode = 0) {
  WLProfile p = StationProfile("OrvSoftAP");
  p.FuncMode = 1;
  p.Channel = channel;
  p.ABGMode = mode;
  p.APtxPwrLevel = 1;
  p.APMacFilterMode = filterMode;
  for (std::size_t i = 0; i < filter.size(); ++i) {
    std::copy(filter[i].begin(), filter[i].end(), p.APMacFilter[i]);
  }
  return p;
}

std::vector<MacAddress> Stations(const OrvwlApi& api) {
  StationBuffer buffer;
  std::memset(&buffer, 0x77, sizeof buffer);
  api.ORVWL_GetAPStationList(&buffer);
  std::vector<MacAddress> out;
  for (const APStation& s : buffer.Stations) {
    MacAddress mac;
    std::copy(std::begin(s.Mac), std::end(s.Mac), mac.begin());
    if (mac == MacAddress{}) break;
    out.push_back(mac);
  }
  return out;
}

// Every station seen over a while, and whether each was also seen missing.
struct Watch {
  std::set<MacAddress> seen;
  std::set<MacAddress> missed;
};

// A look every 10 ms of the simulator's clock.
Watch WatchStations(const SimLibrary& sim, milliseconds period) {
  Watch watch;
  for (milliseconds t{0}; t < period; t += milliseconds(10)) {
    const std::vector<MacAddress> now = Stations(sim.Api());
    for (const MacAddress& mac : now) watch.seen.insert(mac);
    for (const MacAddress& mac : watch.seen) {
      if (std::find(now.begin(), now.end(), mac) == now.end()) watch.missed.insert(mac);
    }
    sim.Advance(10);
  }
  return watch;
}

TEST(SoftApTest, AnAccessPointProfileStartsItAndStationsComeAndGo) {
  SimLibrary sim(SimLibrary::ManualClock(kQuickStations));
  ASSERT_EQ(sim.Apply(AccessPoint(6, 3)), 1);
  const WLANStatus status = sim.Status();
  EXPECT_EQ(status.MediaState, kMediaConnected);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(status.Ssid), status.SsidLength),
            "OrvSoftAP");
  EXPECT_EQ(sim.Api().ORVWL_FrequencyToChannel(status.Frequency), 6);
  EXPECT_EQ(status.Radio, 3);
  EXPECT_EQ(status.OutputPower, 1);
  const Watch watch = WatchStations(sim, milliseconds(400));
  EXPECT_EQ(watch.seen.size(), 4u);
  EXPECT_EQ(watch.missed.size(), 4u);
}

TEST(SoftApTest, TheMacFilterDecidesWhoGetsIn) {
  SimLibrary sim(SimLibrary::ManualClock(kQuickStations));
  ASSERT_EQ(sim.Apply(AccessPoint(1, 1, {kFirst, kSecond}, 1)), 1);
  EXPECT_EQ(WatchStations(sim, milliseconds(250)).seen, (std::set{kFirst, kSecond}));

  ASSERT_EQ(sim.Apply(AccessPoint(1, 1, {kFirst}, 2)), 1);
  const Watch rejecting = WatchStations(sim, milliseconds(250));
  EXPECT_EQ(rejecting.seen.count(kFirst), 0u);
  EXPECT_EQ(rejecting.seen.size(), 3u);

  const MacAddress pinned = {0x02, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE};
  ASSERT_EQ(sim.Tool({"add-station", FormatMac(pinned)}), 0);
  const Watch withPinned = WatchStations(sim, milliseconds(150));
  EXPECT_EQ(withPinned.seen.count(pinned), 1u);
  EXPECT_EQ(withPinned.missed.count(pinned), 0u) << "a pinned station stays";
}

WLProfile Wpa2AccessPoint(const std::string& key) {
  WLProfile p = AccessPoint(6, 3);
  p.EncryptionMethod = 6;
  p.WPAEncryptionType = 2;
  p.AuthenticationMode = 7;
  CopyText(p.WPAPassphrase, key);
  return p;
}

// Watches until both of the stations that hold the key have joined: their
// keys are derived on the library's own thread, in real time.
Watch WatchUntilKnownJoin(const SimLibrary& sim) {
  Watch watch;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline &&
         !(watch.seen.count(kFirst) && watch.seen.count(kSecond))) {
    for (const MacAddress& mac : Stations(sim.Api())) watch.seen.insert(mac);
    sim.Advance(10);
  }
  const Watch more = WatchStations(sim, milliseconds(300));
  watch.seen.insert(more.seen.begin(), more.seen.end());
  return watch;
}

TEST(SoftApTest, AWpa2AccessPointLetsInOnlyStationsThatHoldItsKey) {
  SimLibrary sim(SimLibrary::ManualClock(kQuickStations));
  ASSERT_EQ(sim.Apply(Wpa2AccessPoint(kStationsKey)), 1);
  EXPECT_EQ(sim.Status().SecurityMode, 6);
  EXPECT_EQ(WatchUntilKnownJoin(sim).seen, (std::set{kFirst, kSecond}))
      << "a wrong pass phrase or none never gets in";

  // The same key given as 64 hexadecimal digits.
  const Psk psk = WpaPsk(kStationsKey, "OrvSoftAP");
  ASSERT_EQ(sim.Apply(Wpa2AccessPoint(HexUpper(psk))), 1);
  EXPECT_EQ(WatchUntilKnownJoin(sim).seen, (std::set{kFirst, kSecond}));

  // Another key: nobody of the scenario knows it.
  ASSERT_EQ(sim.Apply(Wpa2AccessPoint("a-key-nobody-holds")), 1);
  EXPECT_TRUE(WatchStations(sim, milliseconds(300)).seen.empty());
  EXPECT_EQ(sim.ToolOutput({"status"}).find("02:4F:52:56:00:0"), std::string::npos);

  // Open, it lets in every station again.
  ASSERT_EQ(sim.Apply(AccessPoint(6, 3)), 1);
  EXPECT_EQ(WatchStations(sim, milliseconds(300)).seen,
            (std::set{kFirst, kSecond, kThird, kFourth}));
}

TEST(SoftApTest, AWpa2AccessPointNeedsAUsableKey) {
  SimLibrary sim(SimLibrary::ManualClock(kQuickStations));
  for (const std::string& key :
       {std::string(), std::string("1234567"), std::string(64, 'g'), std::string(65, 'a')}) {
    EXPECT_EQ(sim.Apply(Wpa2AccessPoint(key)), 0) << key;
  }
  EXPECT_EQ(sim.Apply(Wpa2AccessPoint("12345678")), 1);
}

// Starting a protected access point sets the key thread to work; unloading the
// library at once must wait for it, not deadlock with it. Every load is a fresh
// copy of the library, so every pass starts a key thread anew.
TEST(SoftApTest, TheLibraryUnloadsWhileItsKeyThreadStarts) {
  for (int pass = 0; pass < 40; ++pass) {
    SimLibrary sim(SimLibrary::ManualClock(kQuickStations));
    ASSERT_EQ(sim.Apply(Wpa2AccessPoint(kStationsKey)), 1);
  }
}

TEST(SoftApTest, ChannelsTheDomainRefusesAnAccessPointAreRefused) {
  SimLibrary sim;
  ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
  ASSERT_TRUE(sim.WaitConnected());
  for (int32_t channel : {52, 100, 12}) {
    EXPECT_EQ(sim.Apply(AccessPoint(channel, channel > 14 ? 2 : 3)), 0) << channel;
  }
  EXPECT_EQ(sim.Status().MediaState, kMediaConnected) << "a refused profile changes nothing";
  ASSERT_EQ(sim.Apply(AccessPoint(0, 3)), 1);
  const int32_t chosen = sim.Api().ORVWL_FrequencyToChannel(sim.Status().Frequency);
  EXPECT_TRUE(chosen == 1 || chosen == 6 || chosen == 11) << chosen;
}

}  // namespace
