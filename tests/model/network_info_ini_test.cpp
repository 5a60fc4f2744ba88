#include "model/network_info_ini.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/ini_file.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "tests/model/random_records.h"
#include "tests/support/temp_dir.h"

namespace {

NetworkInfo Base() {
  NetworkInfo n{};
  const uint8_t addr[4] = {10, 0, 0, 7};
  std::memcpy(n.NI_IpAddr.bytes, addr, 4);
  n.NI_IpMask.bytes[0] = 255;
  n.NI_IpGate1.bytes[3] = 1;
  n.NI_IpDNS1.bytes[3] = 53;
  n.NI_IpDNS2.bytes[3] = 54;
  return n;
}

TEST(SameIPSettings, IgnoresWhatIsNotCompared) {
  const NetworkInfo a = Base();
  NetworkInfo b = Base();
  b.NI_IpGate2.bytes[0] = 9;
  b.NI_IpWINS1.bytes[0] = 9;
  b.NI_IpWINS2.bytes[0] = 9;
  CopyText(b.NI_strHostName, "other");
  CopyText(b.NI_sz_CurProfile, "other");
  b.NI_wNetFlags = 0xFFFE;  // every bit but bit 0
  b.NI_wFlags = 1;
  b.NI_VPI = 3;
  EXPECT_TRUE(SameIPSettings(a, b));
  EXPECT_TRUE(SameIPSettings(b, a));
}

TEST(SameIPSettings, EachComparedFieldDecides) {
  const NetworkInfo a = Base();
  NetworkInfo b = Base();
  b.NI_wNetFlags = 1;
  EXPECT_FALSE(SameIPSettings(a, b));
  for (IPData NetworkInfo::*field :
       {&NetworkInfo::NI_IpAddr, &NetworkInfo::NI_IpMask, &NetworkInfo::NI_IpGate1,
        &NetworkInfo::NI_IpDNS1, &NetworkInfo::NI_IpDNS2}) {
    for (int byte = 0; byte < 4; ++byte) {
      NetworkInfo c = Base();
      (c.*field).bytes[byte] ^= 0x80;
      EXPECT_FALSE(SameIPSettings(a, c)) << byte;
    }
  }
}

class NetworkInfoIniTest : public ::testing::Test {
 protected:
  TempDir dir;
  IniFile ini{dir.File("X.bin")};
};

TEST_F(NetworkInfoIniTest, RandomRecordsSurviveTheRoundTrip) {
  RandomRecords random(1036);
  for (int round = 0; round < 100; ++round) {
    const NetworkInfo written = random.Info();
    IniKeyValues keys;
    AppendNetworkInfoKeys(written, keys);
    ASSERT_TRUE(ini.WriteStrings("N", keys));
    NetworkInfo read{};
    ReadNetworkInfoKeys(ini, "N", read);
    ASSERT_EQ(std::memcmp(&written, &read, sizeof(NetworkInfo)), 0) << "round " << round;
  }
}

TEST_F(NetworkInfoIniTest, AddressesTakeTheFirstFourBytes) {
  WriteFile(ini.Path(),
            "[N]\r\nNI_IpAddr=C0A80001FFEE\r\nNI_IpMask=FFFF\r\nNI_IpGate1=\r\n"
            "NI_IpDNS1=0A0B0C0\r\n");
  NetworkInfo n{};
  std::memset(&n.NI_IpAddr, 0x33, 8 * sizeof(IPData));
  ReadNetworkInfoKeys(ini, "N", n);
  const uint8_t addr[4] = {0xC0, 0xA8, 0x00, 0x01};
  const uint8_t mask[4] = {0xFF, 0xFF, 0x33, 0x33};
  const uint8_t gate[4] = {0x33, 0x33, 0x33, 0x33};
  const uint8_t dns[4] = {0x0A, 0x0B, 0x0C, 0x33};
  EXPECT_EQ(std::memcmp(n.NI_IpAddr.bytes, addr, 4), 0);
  EXPECT_EQ(std::memcmp(n.NI_IpMask.bytes, mask, 4), 0);
  EXPECT_EQ(std::memcmp(n.NI_IpGate1.bytes, gate, 4), 0);
  EXPECT_EQ(std::memcmp(n.NI_IpDNS1.bytes, dns, 4), 0);
  EXPECT_EQ(std::memcmp(n.NI_IpGate2.bytes, gate, 4), 0);  // missing key
}

TEST_F(NetworkInfoIniTest, ProfileNameDefaultAndLowBits) {
  WriteFile(ini.Path(), "[N]\r\nNI_VPI=300\r\nNI_VCI=0x1FF\r\nNI_wPPPFlags=0x12345\r\n");
  NetworkInfo n{};
  ReadNetworkInfoKeys(ini, "N", n);
  EXPECT_STREQ(n.NI_sz_CurProfile, "(EditingProfile)");
  EXPECT_EQ(n.NI_VPI, 44);
  EXPECT_EQ(n.NI_VCI, 0xFF);
  EXPECT_EQ(n.NI_wPPPFlags, 0x2345);
}

TEST_F(NetworkInfoIniTest, ProfileSectionCarriesTheRecordUnchanged) {
  RandomRecords random(3);
  WLProfile p{};
  p.NetworkInfo = random.Info();
  ProfToIniFile(ini, p, "P");
  WLProfile read{};
  ASSERT_TRUE(ProfFromIniFile(ini, read, "P"));
  EXPECT_EQ(std::memcmp(&p.NetworkInfo, &read.NetworkInfo, sizeof(NetworkInfo)), 0);
}

}  // namespace
