#include "model/wl_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>

#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "tests/support/temp_dir.h"

namespace {

// A fresh object holds the English defaults.
class TextTest : public ::testing::Test {
 protected:
  CFAGlobalVar english;
};

TEST_F(TextTest, EncryptionTextCoversTheEightMethods) {
  const char* expected[] = {"Disabled", "WEP",  "WPA-PSK",  "WPA",
                            "RADIUS",   "LEAP", "WPA2-PSK", "WPA2"};
  for (int32_t v = 0; v < 8; ++v) EXPECT_EQ(EncryptionText(v, english), expected[v]) << v;
  EXPECT_EQ(EncryptionText(8, english), "");
  EXPECT_EQ(EncryptionText(-1, english), "");
  EXPECT_EQ(EncryptionText(INT32_MIN, english), "");
}

TEST_F(TextTest, SecurityCodeTextByRange) {
  EXPECT_EQ(SecurityCodeText(0, english), "Disabled");
  EXPECT_EQ(SecurityCodeText(1, english), "WEP");
  EXPECT_EQ(SecurityCodeText(16, english), "N/A");
  EXPECT_EQ(SecurityCodeText(99, english), "WPA-PSK");
  EXPECT_EQ(SecurityCodeText(1099, english), "WPA-PSK/ WPA2-PSK");
  for (int32_t code = -5; code <= 1200; ++code) {
    std::string expected = "N/A";
    if (code == 0) expected = "Disabled";
    if (code == 1) expected = "WEP";
    if (code >= 10 && code <= 15) expected = "WPA";
    if ((code >= 20 && code <= 25) || code == 99) expected = "WPA-PSK";
    if (code >= 110 && code <= 115) expected = "WPA2";
    if ((code >= 120 && code <= 125) || code == 199) expected = "WPA2-PSK";
    if (code >= 1010 && code <= 1015) expected = "WPA/ WPA2";
    if ((code >= 1020 && code <= 1025) || code == 1099) expected = "WPA-PSK/ WPA2-PSK";
    EXPECT_EQ(SecurityCodeText(code, english), expected) << code;
  }
}

TEST_F(TextTest, ModeToBandMaskTable) {
  const std::pair<int32_t, int32_t> table[] = {
      {1, 0x001},  {2, 0x002},  {3, 0x004},  {11, 0x005}, {12, 0x006}, {13, 0x003}, {14, 0x007},
      {21, 0x001}, {22, 0x102}, {23, 0x204}, {31, 0x205}, {32, 0x306}, {33, 0x103}, {34, 0x307},
  };
  for (auto [code, mask] : table) EXPECT_EQ(ModeToBandMask(code), mask) << code;
  for (int32_t other : {0, 4, 10, 15, 20, 24, 30, 35, -1, INT32_MAX, INT32_MIN}) {
    EXPECT_EQ(ModeToBandMask(other), 0x307) << other;
  }
}

TEST_F(TextTest, BandMaskToModeReversesEveryCodeButTwentyOne) {
  for (int32_t code : {1, 2, 3, 11, 12, 13, 14, 21, 22, 23, 31, 32, 33, 34}) {
    EXPECT_EQ(BandMaskToMode(ModeToBandMask(code)), code == 21 ? 1 : code) << code;
  }
}

TEST_F(TextTest, BandMaskToModeForEveryMask) {
  for (int32_t mask = 0; mask < 0x1000; ++mask) {
    const bool a = mask & 0x100, g = mask & 0x200;
    int32_t expected = 34;
    switch (mask & 0xFF) {
      case 1:
        expected = 1;
        break;
      case 2:
        expected = a ? 22 : 2;
        break;
      case 3:
        expected = a ? 33 : 13;
        break;
      case 4:
        expected = g ? 23 : 3;
        break;
      case 5:
        expected = g ? 31 : 11;
        break;
      case 6:
        expected = (a || g) ? 32 : 12;
        break;
      case 7:
        expected = (a || g) ? 34 : 14;
        break;
    }
    ASSERT_EQ(BandMaskToMode(mask), expected) << mask;
  }
  EXPECT_EQ(BandMaskToMode(-1), 34);
}

TEST_F(TextTest, BandTextAndBandName) {
  EXPECT_EQ(BandText(2, english), "5 GHz");
  EXPECT_EQ(BandText(11, english), "2.4 GHz");
  EXPECT_EQ(BandText(34, english), "2.4 GHz + 5 GHz");
  EXPECT_EQ(BandText(0, english), "2.4 GHz + 5 GHz");
  EXPECT_EQ(BandName(12, true, english), "802.11a");
  EXPECT_EQ(BandName(11, true, english), "802.11g");
  EXPECT_EQ(BandName(1, true, english), "802.11b");
  EXPECT_EQ(BandName(1, false, english), "2.4 GHz");
  EXPECT_EQ(BandName(13, false, english), "5 GHz");
  EXPECT_EQ(BandName(3, false, english), "2.4 GHz");
}

TEST_F(TextTest, SignalToPercentEdges) {
  EXPECT_EQ(SignalToPercent(0), 0);
  EXPECT_EQ(SignalToPercent(-95), 0);
  EXPECT_EQ(SignalToPercent(-96), 0);
  EXPECT_EQ(SignalToPercent(-94), 2);
  EXPECT_EQ(SignalToPercent(-71), 48);
  EXPECT_EQ(SignalToPercent(-70), 50);
  EXPECT_EQ(SignalToPercent(-46), 98);
  EXPECT_EQ(SignalToPercent(-45), 100);
  EXPECT_EQ(SignalToPercent(-44), 100);
  EXPECT_EQ(SignalToPercent(-1), 100);
  EXPECT_EQ(SignalToPercent(1), 100);
  EXPECT_EQ(SignalToPercent(INT32_MIN), 0);
  EXPECT_EQ(SignalToPercent(INT32_MAX), 100);
  for (int32_t s = -200; s <= 10; ++s) {
    const int p = SignalToPercent(s);
    ASSERT_GE(p, 0);
    ASSERT_LE(p, 100);
  }
}

TEST_F(TextTest, RateTextHalvesTheValue) {
  EXPECT_EQ(RateText(11, english), "5.5 Mbps");
  EXPECT_EQ(RateText(108, english), "54 Mbps");
  EXPECT_EQ(RateText(2, english), "1 Mbps");
  EXPECT_EQ(RateText(1, english), "0.5 Mbps");
  EXPECT_EQ(RateText(0, english), "0 Mbps");
  EXPECT_EQ(RateText(255, english), "127.5 Mbps");
  EXPECT_EQ(RateNumberText(-3), "-1.5 ");
  EXPECT_EQ(RateNumberText(-1), "-0.5 ");
  EXPECT_EQ(RateNumberText(-4), "-2 ");
  EXPECT_EQ(RateNumberText(INT32_MIN), "-1073741824 ");
  EXPECT_EQ(RateNumberText(INT32_MAX), "1073741823.5 ");
}

TEST_F(TextTest, RateTextIgnoresTheProcessLocale) {
  // Qt sets the process locale from the environment; a decimal comma must not appear.
  const std::string old = std::setlocale(LC_NUMERIC, nullptr);
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      comma = true;
      break;
    }
  }
  const std::string text = RateNumberText(11);
  std::setlocale(LC_NUMERIC, old.c_str());
  EXPECT_EQ(text, "5.5 ");
  if (!comma) GTEST_SKIP() << "no decimal-comma locale installed; checked in the C locale only";
}

TEST_F(TextTest, RadioAndNetworkModeTexts) {
  EXPECT_EQ(RadioText(1, english), "802.11b");
  EXPECT_EQ(RadioText(2, english), "802.11a");
  EXPECT_EQ(RadioText(3, english), "802.11g");
  EXPECT_EQ(RadioText(4, english), "");
  EXPECT_EQ(NetworkModeText(1, english), "Infrastructure");
  EXPECT_EQ(NetworkModeText(0, english), "Ad-Hoc");
  EXPECT_EQ(NetworkModeText(2, english), "Ad-Hoc");
}

TEST(TextTranslation, StringFileTranslatingOnlyEncryptNone) {
  TempDir dir;
  WriteFile(dir.File("X.bin"), "[Setting]\r\n");
  // Format directives in a translation are plain text to every conversion.
  WriteFile(dir.File("X.ini"), "[Common]\r\nEncrypt_None=Off\r\n[Other]\r\nMbps=%s%n\r\n");
  CFAGlobalVar global;
  WLLibrary library;  // no ORVWL.DLL in the folder: start-up fails after reading the texts
  global.Startup(0, dir.File("X"), library);

  EXPECT_EQ(EncryptionText(0, global), "Off");
  EXPECT_EQ(SecurityCodeText(0, global), "Off");
  EXPECT_EQ(EncryptionText(1, global), "WEP");
  EXPECT_EQ(SecurityCodeText(99, global), "WPA-PSK");
  EXPECT_EQ(SecurityCodeText(5, global), "N/A");
  EXPECT_EQ(RateText(11, global), "5.5 Mbps");
  EXPECT_EQ(BandText(34, global), "2.4 GHz + 5 GHz");
  CFAGlobalVar english;
  for (int i = 0; i < kDisplayStringCount; ++i) {
    if (i == kStrEncrypt_None) continue;
    EXPECT_EQ(global.DisplayString(i), english.DisplayString(i)) << i;
  }
}

TEST(TextTranslation, TranslatedTextsAreNeverFormats) {
  TempDir dir;
  WriteFile(dir.File("X.bin"), "[Setting]\r\n");
  WriteFile(dir.File("X.ini"), "[Common]\r\nMbps=%s%n%d\r\nGHz=%x\r\n");
  CFAGlobalVar global;
  WLLibrary library;
  global.Startup(0, dir.File("X"), library);
  EXPECT_EQ(RateText(108, global), "54 %s%n%d");
  EXPECT_EQ(BandText(34, global), "2.4 %x + 5 %x");
  EXPECT_EQ(BandName(2, false, global), "5 %x");
}

}  // namespace
