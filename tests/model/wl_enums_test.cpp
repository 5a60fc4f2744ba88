#include "model/wl_enums.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every index name must be "kStr" + its key: the list below spells each key
// once and pastes it onto kStr, so a name out of step with the table fails.
#define S(key) \
  { kStr##key, #key }
struct NamedIndex {
  int index;
  const char* key;
};
const NamedIndex kNamed[] = {
    S(Unknow),
    S(dBm),
    S(Kbps),
    S(Mbps),
    S(GHz),
    S(Auto),
    S(Scanning),
    S(TrustAny),
    S(None),
    S(NotUse),
    S(Enabled),
    S(Disabled),
    S(Signal),
    S(Quality),
    S(Connecting),
    S(Connected),
    S(DisConnected),
    S(SignalNull),
    S(SignalPoor),
    S(SignalGood),
    S(SignalVeryGood),
    S(SignalExcellent),
    S(Authenticating),
    S(AuthenRetry),
    S(AuthenFail),
    S(Authenticated),
    S(Infrastructure),
    S(AdHoc),
    S(Encrypt_None),
    S(Encrypt_WEP),
    S(Encrypt_WPA_PSK),
    S(Encrypt_WPA),
    S(Encrypt_Radius),
    S(Encrypt_LEAP),
    S(Encrypt_WPA2_PSK),
    S(Encrypt_WPA2),
    S(Encrypt_WPA_WPA2_PSK),
    S(Encrypt_WPA_WPA2),
    S(Authen_None),
    S(Authen_MD5),
    S(Authen_LEAP),
    S(Authen_TLS),
    S(Authen_TTLS),
    S(Authen_PEAP),
    S(WEP_64),
    S(WEP_128),
    S(WEP_152),
    S(WEP_256),
    S(WPA_TKIP),
    S(WPA_AES),
    S(AuthModeOpen),
    S(AuthModeShare),
    S(AuthModeAuto),
    S(AuthModeWPA),
    S(EAP_GTC),
    S(EAP_PAP),
    S(EAP_CHAP),
    S(EAP_MSCHAP),
    S(EAP_MSCHAP_2),
    S(Drv_Encrypt_None),
    S(Drv_Encrypt_WEP),
    S(Drv_Encrypt_AES),
    S(Drv_Encrypt_CKIP),
    S(Drv_Encrypt_TKIP),
    S(802B),
    S(802G),
    S(802A),
    S(802G_Trb),
    S(802A_Trb),
    S(PowSaveNo),
    S(PowSaveMax),
    S(PowSaveFast),
    S(PreambleLong),
    S(PreambleShort),
    S(PreambleAuto),
    S(RoamNo),
    S(RoamDef),
    S(RoamOpt),
    S(PowerLv0),
    S(PowerLv1),
    S(PowerLv2),
    S(PowerLv3),
};
#undef S

TEST(DisplayStringIndex, EveryNameMatchesTheKeyAtItsIndex) {
  ASSERT_EQ(std::size(kNamed), static_cast<std::size_t>(kDisplayStringCount));
  for (const NamedIndex& n : kNamed) {
    ASSERT_GE(n.index, 0);
    ASSERT_LT(n.index, kDisplayStringCount);
    EXPECT_STREQ(kDisplayStrings[n.index].key, n.key) << "index " << n.index;
  }
}

TEST(Enumerations, NumbersAreThoseOfTheRecords) {
  EXPECT_EQ(kModeDefault, 34);
  EXPECT_EQ(kTxRateAuto, 15);
  EXPECT_EQ(kWEPLevel256, 4);
  EXPECT_EQ(kBand24GHz, 0x005);
  EXPECT_EQ(kBand5GHz, 0x002);
  EXPECT_EQ(kTTLSEapMSCHAPv2, 3);
  EXPECT_EQ(kPeapEapMSCHAPv2, 2);
  EXPECT_EQ(k8021xMD5, 5);
}

TEST(SecurityClassOf, RangesAndSingleCodes) {
  struct Case {
    int32_t code;
    SecurityClass expected;
  };
  const Case cases[] = {
      {-1, SecurityClass::kUnknown},
      {0, SecurityClass::kOpen},
      {1, SecurityClass::kWEP},
      {2, SecurityClass::kUnknown},
      {9, SecurityClass::kUnknown},
      {10, SecurityClass::kWPA},
      {15, SecurityClass::kWPA},
      {16, SecurityClass::kUnknown},
      {19, SecurityClass::kUnknown},
      {20, SecurityClass::kWPA_PSK},
      {25, SecurityClass::kWPA_PSK},
      {26, SecurityClass::kUnknown},
      {98, SecurityClass::kUnknown},
      {99, SecurityClass::kWPA_PSK},
      {100, SecurityClass::kUnknown},
      {109, SecurityClass::kUnknown},
      {110, SecurityClass::kWPA2},
      {115, SecurityClass::kWPA2},
      {116, SecurityClass::kUnknown},
      {120, SecurityClass::kWPA2_PSK},
      {125, SecurityClass::kWPA2_PSK},
      {126, SecurityClass::kUnknown},
      {199, SecurityClass::kWPA2_PSK},
      {200, SecurityClass::kUnknown},
      {1009, SecurityClass::kUnknown},
      {1010, SecurityClass::kWPA_WPA2},
      {1015, SecurityClass::kWPA_WPA2},
      {1016, SecurityClass::kUnknown},
      {1020, SecurityClass::kWPA_WPA2_PSK},
      {1025, SecurityClass::kWPA_WPA2_PSK},
      {1026, SecurityClass::kUnknown},
      {1098, SecurityClass::kUnknown},
      {1099, SecurityClass::kWPA_WPA2_PSK},
      {1100, SecurityClass::kUnknown},
      {INT32_MIN, SecurityClass::kUnknown},
      {INT32_MAX, SecurityClass::kUnknown},
  };
  for (const Case& c : cases) EXPECT_EQ(SecurityClassOf(c.code), c.expected) << c.code;
}

}  // namespace
