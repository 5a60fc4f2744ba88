// Associations through the ABI, as the program makes them: a profile turned
// into a status and applied. Right credentials connect after the delay;
// wrong ones are refused and leave the adapter not connected.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include "platform/text.h"
#include "simulator/pbkdf2.h"
#include "simulator/text_codec.h"
#include "tests/simulator/sim_library.h"
#include "tests/support/process.h"

using namespace orvsim;

namespace {

WLProfile Wep(const char* ssid, const char* key, int slot, int format) {
  WLProfile p = StationProfile(ssid);
  p.EncryptionMethod = 1;
  p.WEPEncryptionLevel = 1;
  p.WEPKeyFormat = format;
  p.DefaultKey = slot;
  char* keys[] = {p.WEPKey1, p.WEPKey2, p.WEPKey3, p.WEPKey4};
  CopyText(keys[slot], sizeof p.WEPKey1, key);
  return p;
}

WLProfile Psk(const char* ssid, int method, int cipher, const std::string& phrase) {
  WLProfile p = StationProfile(ssid);
  p.EncryptionMethod = method;
  p.WPAEncryptionType = cipher;
  CopyText(p.WPAPassphrase, phrase);
  return p;
}

WLProfile Eap(const char* ssid, int method, const char* user, const char* password) {
  WLProfile p = Psk(ssid, 7, 2, "");
  p.MS8021xAuthMode = method;
  p.PeapEap = 2;
  CopyText(p.LoginName, user);
  CopyText(p.LoginPassword, password);
  return p;
}

WLProfile Tls(const char* certificate) {
  WLProfile p = Eap("OrvLab", 1, "", "");
  CopyText(p.sCertificate, certificate);
  p.ValidateServerCert = 1;
  CopyText(p.sCertAuthority, "Or-Vane Root CA");
  return p;
}

WLProfile AdHoc(const char* ssid) {
  WLProfile p = StationProfile(ssid);
  p.NetworkMode = 0;
  return p;
}

std::string RawKey(const char* phrase, const char* ssid) { return HexUpper(WpaPsk(phrase, ssid)); }

TEST(AssociationTest, EachSecurityTypeConnectsOnlyWithTheRightCredential) {
  WLProfile untrusting = Eap("OrvCorp", 3, "alice", "wonderland");
  untrusting.ValidateServerCert = 1;
  CopyText(untrusting.sCertAuthority, "Example Global Root R2");
  const struct {
    const char* name;
    WLProfile profile;
    bool connects;
  } cases[] = {
      {"open", StationProfile("OrvOpen"), true},
      {"open network asked for WEP", Wep("OrvOpen", "abcde", 0, 2), false},
      {"WEP ASCII key", Wep("OrvWEP", "abcde", 0, 2), true},
      {"WEP hex key", Wep("OrvWEP", "6162636465", 0, 1), true},
      {"WEP wrong key", Wep("OrvWEP", "abcdf", 0, 2), false},
      {"WEP right key, wrong transmit slot", Wep("OrvWEP", "abcde", 1, 2), false},
      {"WPA pass phrase", Psk("OrvWPA", 2, 1, "orvane-psk-1"), true},
      {"WPA raw key", Psk("OrvWPA", 2, 1, RawKey("orvane-psk-1", "OrvWPA")), true},
      {"WPA wrong pass phrase", Psk("OrvWPA", 2, 1, "orvane-psk-2"), false},
      {"WPA key of another SSID", Psk("OrvWPA", 2, 1, RawKey("orvane-psk-1", "OrvHome")), false},
      {"WPA with the wrong cipher", Psk("OrvWPA", 2, 2, "orvane-psk-1"), false},
      {"WPA2 pass phrase", Psk("OrvHome", 6, 2, "correct horse battery"), true},
      {"WPA2 network asked for WPA", Psk("OrvHome", 2, 2, "correct horse battery"), false},
      {"WPA2 pass phrase too short", Psk("OrvHome", 6, 2, "short"), false},
      {"hidden WPA2 network by name", Psk("OrvHidden", 6, 2, "hidden in plain sight"), true},
      {"802.1X PEAP", Eap("OrvCorp", 3, "alice", "wonderland"), true},
      {"802.1X wrong password", Eap("OrvCorp", 3, "alice", "looking-glass"), false},
      {"802.1X wrong method", Eap("OrvCorp", 2, "alice", "wonderland"), false},
      {"802.1X untrusted server", untrusting, false},
      {"802.1X TLS with alice's certificate", Tls("alice@orvane.example"), true},
      {"802.1X TLS with bob's certificate", Tls("bob@orvane.example"), false},
      {"ad hoc peer", AdHoc("OrvPeer"), true},
      {"ad hoc peer as infrastructure", StationProfile("OrvPeer"), false},
  };
  SimLibrary sim;
  for (const auto& c : cases) {
    ASSERT_EQ(sim.Apply(c.profile), 1) << c.name;
    const LinkReport report = sim.WaitVerdict();
    EXPECT_EQ(report.state == LinkState::kConnected, c.connects) << c.name;
    EXPECT_EQ(sim.Status().MediaState, c.connects ? kMediaConnected : kMediaDisconnected) << c.name;
  }
}

TEST(AssociationTest, TheLinkComesUpOnlyAfterTheAssociationDelay) {
  SimLibrary sim(SimLibrary::ManualClock("associate_ms = 300\n"));
  ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
  sim.Advance(299);
  EXPECT_EQ(sim.Status().MediaState, kMediaDisconnected);
  sim.Advance(1);
  EXPECT_EQ(sim.Status().MediaState, kMediaConnected);
}

TEST(AssociationTest, AConnectedStatusCarriesTheLink) {
  SimLibrary sim;
  WLProfile profile = Psk("OrvHome", 6, 2, "correct horse battery");
  profile.txPwrLevel = 2;
  ASSERT_EQ(sim.Apply(profile), 1);
  ASSERT_TRUE(sim.WaitConnected());
  const WLANStatus s = sim.Status();
  const uint8_t bssid[6] = {0x00, 0x0E, 0x2E, 0x10, 0x00, 0x04};
  EXPECT_EQ(std::memcmp(s.Bssid, bssid, 6), 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Ssid), s.SsidLength), "OrvHome");
  EXPECT_EQ(s.NetworkType, 1);
  EXPECT_EQ(sim.Api().ORVWL_FrequencyToChannel(s.Frequency), 36);
  EXPECT_EQ(s.SecurityMode, 6);
  EXPECT_EQ(s.Radio, 2);
  EXPECT_EQ(s.TxRate, 108) << "a strong 802.11a link runs at 54 Mbit/s";
  EXPECT_EQ(s.OutputPower, 2);
  EXPECT_NEAR(s.Signal, -52, 5);
  EXPECT_NEAR(s.LinkQuality, s.Signal - 3, 3);
  uint32_t written = 0;
  int32_t media = -1;
  EXPECT_EQ(sim.Api().ORVWL_QueryOID(kOidGenMediaConnectStatus, &media, 4, &written), 0);
  EXPECT_EQ(media, kMediaConnected);
  EXPECT_EQ(written, 4u);
}

TEST(AssociationTest, CountersGrowWithTimeAndWithTraffic) {
  SimLibrary sim(SimLibrary::ManualClock());
  ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
  sim.Advance(SimLibrary::kAssociateMs);
  ASSERT_EQ(sim.Status().MediaState, kMediaConnected);
  const WLANStatus first = sim.Status();
  EXPECT_EQ(sim.Status().RxBytes, first.RxBytes) << "nothing flows while time stands still";
  sim.Advance(150);
  const WLANStatus idle = sim.Status();
  EXPECT_GT(idle.RxBytes, first.RxBytes);
  EXPECT_GE(idle.TxBytes, first.TxBytes);
  EXPECT_GE(idle.RxPackets, first.RxPackets);

  ASSERT_EQ(sim.Tool({"traffic", "8000", "5"}), 0);
  sim.Status();  // the library takes up the request
  sim.Advance(150);
  const WLANStatus busy = sim.Status();
  // 8000 kbit/s for 150 ms is 150 kB; the idle trickle is a few hundred bytes.
  EXPECT_GT(busy.RxBytes - idle.RxBytes, 75000u);
  EXPECT_GT(busy.RxPackets - idle.RxPackets, 100u);
  EXPECT_GT(busy.TxBytes, idle.TxBytes);
}

TEST(AssociationTest, MovingAwayLosesTheLinkAndComingBackRestoresIt) {
  SimLibrary sim;
  ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
  ASSERT_TRUE(sim.WaitConnected());
  ASSERT_EQ(sim.Tool({"farther", "50"}), 0);
  EXPECT_TRUE(WaitUntil([&] { return sim.Status().MediaState == kMediaDisconnected; }));
  ASSERT_EQ(sim.Tool({"closer", "50"}), 0);
  EXPECT_TRUE(sim.WaitConnected()) << "the applied profile keeps trying";
}

TEST(AssociationTest, PbkdfKeysWorkForAnySsidAsTheReferenceVectorsSay) {
  SimLibrary sim(SimLibrary::FastScenario(
      "[network]\nssid = IEEE\nchannel = 1\nsecurity = 20\npassphrase = password\nsignal = -40\n"
      "[network]\nssid = ThisIsASSID\nchannel = 6\nsecurity = 20\npassphrase = ThisIsAPassword\n"));
  const struct {
    const char* ssid;
    const char* key;
  } vectors[] = {
      {"IEEE", "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e"},
      {"ThisIsASSID", "0dc0d6eb90555ed6419756b9a15ec3e3209b63df707dd508d14581f8982721af"}};
  for (const auto& v : vectors) {
    ASSERT_EQ(sim.Apply(Psk(v.ssid, 2, 1, v.key)), 1);
    EXPECT_EQ(sim.WaitVerdict().state, LinkState::kConnected) << v.ssid;
  }
}

}  // namespace
