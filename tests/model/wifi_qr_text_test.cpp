#include "model/wifi_qr_text.h"

#include <gtest/gtest.h>

#include "model/wl_enums.h"
#include "model/wl_profile.h"
#include "platform/text.h"

namespace {

WLProfile Network(const std::string& ssid, int32_t encryption) {
  WLProfile p{};
  CopyText(p.Ssid1, ssid);
  p.EncryptionMethod = encryption;
  return p;
}

TEST(WifiQrText, OpenNetworkHasNoPassword) {
  EXPECT_EQ(WifiQrText(Network("OrvAP", kEncryptNone)), "WIFI:T:nopass;S:OrvAP;;");
  WLProfile hidden = Network("OrvAP", kEncryptNone);
  hidden.ApSSIDHide = 1;
  EXPECT_EQ(WifiQrText(hidden), "WIFI:T:nopass;S:OrvAP;H:true;;");
}

TEST(WifiQrText, WEPGivesTheTransmitKeyAsStored) {
  WLProfile p = Network("OrvAP", kEncryptWEP);
  p.WEPEncryptionLevel = kWEPLevel64;
  CopyText(p.WEPKey1, "ABCDEF0123");
  CopyText(p.WEPKey3, "hello");
  p.DefaultKey = 0;
  EXPECT_EQ(WifiQrText(p), "WIFI:T:WEP;S:OrvAP;P:ABCDEF0123;;");
  p.DefaultKey = 2;
  p.ApSSIDHide = 1;
  EXPECT_EQ(WifiQrText(p), "WIFI:T:WEP;S:OrvAP;P:hello;H:true;;");
  // Only 1 means hidden.
  p.ApSSIDHide = 2;
  EXPECT_EQ(WifiQrText(p), "WIFI:T:WEP;S:OrvAP;P:hello;;");
}

TEST(WifiQrText, SpecialCharactersAreEscaped) {
  WLProfile p = Network("a;b,c:d\\e\"f", kEncryptWEP);
  CopyText(p.WEPKey1, ";,:\\\"");
  EXPECT_EQ(WifiQrText(p), "WIFI:T:WEP;S:a\\;b\\,c\\:d\\\\e\\\"f;P:\\;\\,\\:\\\\\\\";;");
  EXPECT_EQ(WifiQrEscaped("plain text"), "plain text");
}

TEST(WifiQrText, SsidBytesStayAsTheyAre) {
  const std::string bytes = "\xC3\xA9t\xE9\x01" + std::string(27, 'x');
  ASSERT_EQ(bytes.size(), 32u);
  EXPECT_EQ(WifiQrText(Network(bytes, kEncryptNone)), "WIFI:T:nopass;S:" + bytes + ";;");
}

TEST(WifiQrText, PreSharedKeysAreWPAAndEnterpriseIsNotShared) {
  for (int32_t psk : {kEncryptWPA_PSK, kEncryptWPA2_PSK}) {
    WLProfile p = Network("Home", psk);
    CopyText(p.WPAPassphrase, "pass:word");
    EXPECT_EQ(WifiQrText(p), "WIFI:T:WPA;S:Home;P:pass\\:word;;");
  }
  for (int32_t other : {int32_t{kEncryptWPA}, int32_t{kEncryptRadius}, int32_t{kEncryptLEAP},
                        int32_t{kEncryptWPA2}, int32_t{42}}) {
    EXPECT_EQ(WifiQrText(Network("Corp", other)), "") << other;
  }
}

}  // namespace
