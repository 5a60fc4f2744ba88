#include "model/profile_ini.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "platform/text.h"
#include "tests/model/random_records.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

bool SameBytes(const WLProfile& a, const WLProfile& b) {
  return std::memcmp(&a, &b, sizeof(WLProfile)) == 0;
}

std::string FirstDifference(const WLProfile& a, const WLProfile& b) {
  const auto* x = reinterpret_cast<const unsigned char*>(&a);
  const auto* y = reinterpret_cast<const unsigned char*>(&b);
  for (std::size_t i = 0; i < sizeof(WLProfile); ++i) {
    if (x[i] != y[i]) return "first difference at offset " + std::to_string(i);
  }
  return "equal";
}

WLProfile Filled(uint8_t byte) {
  WLProfile p;
  std::memset(&p, byte, sizeof p);
  return p;
}

class ProfileIniTest : public ::testing::Test {
 protected:
  TempDir dir;
  IniFile ini{dir.File("X.bin")};
};

TEST_F(ProfileIniTest, RandomProfilesSurviveTheRoundTripByteForByte) {
  RandomRecords random(4711);
  for (int round = 0; round < 40; ++round) {
    const WLProfile written = random.Profile();
    ProfToIniFile(ini, written, "LastApplyProf");
    WLProfile read{};
    ASSERT_TRUE(ProfFromIniFile(ini, read, "LastApplyProf"));
    ASSERT_TRUE(SameBytes(written, read))
        << "round " << round << ": " << FirstDifference(written, read);
  }
}

TEST_F(ProfileIniTest, ProfilesInNeighbouringSectionsStayApart) {
  RandomRecords random(99);
  const WLProfile a = random.Profile();
  const WLProfile b = random.Profile();
  WriteFile(ini.Path(), "; settings\r\n[Setting]\r\nProfRoot=Home\r\n\r\n[Other]\r\nKey=1\r\n");
  ProfToIniFile(ini, a, "A");
  ProfToIniFile(ini, b, "B");
  WLProfile readA{}, readB{};
  ASSERT_TRUE(ProfFromIniFile(ini, readA, "a"));  // section names compare without case
  ASSERT_TRUE(ProfFromIniFile(ini, readB, "B"));
  EXPECT_TRUE(SameBytes(a, readA)) << FirstDifference(a, readA);
  EXPECT_TRUE(SameBytes(b, readB)) << FirstDifference(b, readB);
  EXPECT_EQ(ini.ReadString("Setting", "ProfRoot", ""), "Home");
  EXPECT_EQ(ini.ReadString("Other", "Key", ""), "1");
  EXPECT_EQ(ReadFile(ini.Path()).rfind("; settings\r\n[Setting]\r\nProfRoot=Home\r\n\r\n", 0), 0u);
}

TEST_F(ProfileIniTest, KeysAreWrittenInTheirFixedOrder) {
  ProfToIniFile(ini, WLProfile{}, "P");
  std::vector<std::string> expected = {"FuncMode"};
  for (int i = 0; i < 16; ++i) expected.push_back("APMacFilter" + std::to_string(i));
  for (const char* key : {"APMacFilterMode",
                          "APtxPwrLevel",
                          "Channel",
                          "AdHocBand",
                          "TxRate",
                          "NetworkMode",
                          "ABGMode",
                          "ProfileName",
                          "Ssid1",
                          "Ssid2",
                          "Ssid3",
                          "ApSSIDHide",
                          "WEPEncryptionLevel",
                          "PassPhrase",
                          "WEPKey1",
                          "WEPKey2",
                          "WEPKey3",
                          "WEPKey4",
                          "DefaultKey",
                          "WEPKeyFormat",
                          "AuthenticationMode",
                          "EncryptionMethod",
                          "WPAEncryptionType",
                          "WPAPassphrase",
                          "FragThreshold",
                          "RTSThreshold",
                          "PreambleMode",
                          "PowerMode",
                          "txPwrLevel",
                          "LoginName",
                          "LoginPassword",
                          "DomainName",
                          "sCertificate",
                          "sCertificate_Issuer",
                          "sCertAuthority",
                          "sCertAuthority_Issuer",
                          "ValidateServerCert",
                          "MS8021xAuthMode",
                          "TTLSEap",
                          "PeapEap",
                          "ApplyNetwork",
                          "QosEnabled",
                          "NI_sz_CurProfile",
                          "NI_wFlags",
                          "NI_wNetFlags",
                          "NI_wPPPFlags",
                          "NI_wEthWINSMode",
                          "NI_VPI",
                          "NI_VCI",
                          "NI_wEncapsulation",
                          "NI_IpAddr",
                          "NI_IpMask",
                          "NI_IpGate1",
                          "NI_IpGate2",
                          "NI_IpDNS1",
                          "NI_IpDNS2",
                          "NI_IpWINS1",
                          "NI_IpWINS2",
                          "NI_strScopeId",
                          "NI_strHostName",
                          "NI_strDomain",
                          "NI_strDomSufSearch",
                          "NI_strLoginUsr",
                          "NI_strLoginPsw",
                          "NI_strLoginDom"}) {
    expected.push_back(key);
  }
  EXPECT_EQ(ini.KeyNames("P"), expected);
}

TEST_F(ProfileIniTest, ValuesAreWrittenInTheirTextForms) {
  WLProfile p{};
  p.FuncMode = 1;
  const uint8_t mac[6] = {0x00, 0x11, 0xAA, 0xBB, 0xCC, 0xDD};
  std::memcpy(p.APMacFilter[2], mac, 6);
  p.Channel = -5;
  CopyText(p.Ssid1, "Home net=1;x");
  p.ApplyNetwork = 7;
  const uint8_t ip[4] = {192, 168, 0, 1};
  std::memcpy(p.NetworkInfo.NI_IpAddr.bytes, ip, 4);
  p.NetworkInfo.NI_wFlags = 65535;
  ProfToIniFile(ini, p, "P");
  const std::string text = ReadFile(ini.Path());
  for (const char* line :
       {"[P]\r\nFuncMode=1\r\n", "APMacFilter0=000000000000\r\n", "APMacFilter2=0011AABBCCDD\r\n",
        "Channel=-5\r\n", "Ssid1=Home net=1;x\r\n", "Ssid2=\r\n", "ApplyNetwork=1\r\n",
        "NI_IpAddr=C0A80001\r\n", "NI_wFlags=65535\r\n", "QosEnabled=0\r\nNI_sz_CurProfile=\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST_F(ProfileIniTest, MissingSectionLeavesTheRecordUntouched) {
  WriteFile(ini.Path(), "[Other]\r\nFuncMode=1\r\n");
  WLProfile p = Filled(0xAB);
  const WLProfile before = p;
  EXPECT_FALSE(ProfFromIniFile(ini, p, "LastApplyProf"));
  EXPECT_TRUE(SameBytes(p, before));
  IniFile none(dir.File("none.bin"));
  EXPECT_FALSE(ProfFromIniFile(none, p, "LastApplyProf"));
  EXPECT_TRUE(SameBytes(p, before));
}

TEST_F(ProfileIniTest, EmptySectionGivesTheDefaults) {
  WriteFile(ini.Path(), "[LastApplyProf]\r\n[Next]\r\nTxRate=3\r\n");
  WLProfile p = Filled(0xAB);
  ASSERT_TRUE(ProfFromIniFile(ini, p, "LastApplyProf"));
  EXPECT_EQ(p.FuncMode, 0);
  EXPECT_EQ(p.TxRate, 15);
  EXPECT_EQ(p.NetworkMode, 1);
  EXPECT_EQ(p.ABGMode, 34);
  EXPECT_STREQ(p.ProfileName, "(EditingProfile)");
  EXPECT_STREQ(p.NetworkInfo.NI_sz_CurProfile, "(EditingProfile)");
  EXPECT_EQ(p.AuthenticationMode, 2);
  EXPECT_EQ(p.WPAEncryptionType, 1);
  EXPECT_EQ(p.FragThreshold, 2346);
  EXPECT_EQ(p.RTSThreshold, 2347);
  EXPECT_EQ(p.PreambleMode, 2);
  for (int32_t v : {p.APMacFilterMode, p.APtxPwrLevel, p.Channel, p.AdHocBand, p.ApSSIDHide,
                    p.WEPEncryptionLevel, p.DefaultKey, p.WEPKeyFormat, p.EncryptionMethod,
                    p.PowerMode, p.txPwrLevel, p.ValidateServerCert, p.MS8021xAuthMode, p.TTLSEap,
                    p.PeapEap, p.QosEnabled}) {
    EXPECT_EQ(v, 0);
  }
  EXPECT_EQ(p.ApplyNetwork, 0);
  for (const char* text :
       {p.Ssid1, p.Ssid2, p.Ssid3, p.PassPhrase, p.WEPKey1, p.WEPKey4, p.WPAPassphrase, p.LoginName,
        p.LoginPassword, p.DomainName, p.sCertificate, p.sCertAuthority_Issuer,
        p.NetworkInfo.NI_strHostName, p.NetworkInfo.NI_strLoginDom}) {
    EXPECT_STREQ(text, "");
  }
  EXPECT_EQ(p.NetworkInfo.NI_wFlags, 0);
  EXPECT_EQ(p.NetworkInfo.NI_VPI, 0);
  // Byte fields and padding keep what they held.
  for (const auto& entry : p.APMacFilter) {
    for (uint8_t b : entry) EXPECT_EQ(b, 0xAB);
  }
  for (uint8_t b : p.NetworkInfo.NI_IpAddr.bytes) EXPECT_EQ(b, 0xAB);
  for (uint8_t b : p.NetworkInfo.NI_IpWINS2.bytes) EXPECT_EQ(b, 0xAB);
  EXPECT_EQ(p.padding793[0], 0xAB);
}

TEST_F(ProfileIniTest, ShortMacValueChangesOnlyTheBytesItSupplies) {
  WriteFile(ini.Path(),
            "[P]\r\nAPMacFilter3=AABBCC\r\nAPMacFilter4=0011223\r\nAPMacFilter5=\r\n"
            "APMacFilter6=F\r\nAPMacFilter7=00112233445566778899\r\n");
  WLProfile p = Filled(0x77);
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  const uint8_t three[6] = {0xAA, 0xBB, 0xCC, 0x77, 0x77, 0x77};
  const uint8_t odd[6] = {0x00, 0x11, 0x22, 0x77, 0x77, 0x77};
  const uint8_t unchanged[6] = {0x77, 0x77, 0x77, 0x77, 0x77, 0x77};
  const uint8_t first6[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
  EXPECT_EQ(std::memcmp(p.APMacFilter[3], three, 6), 0);
  EXPECT_EQ(std::memcmp(p.APMacFilter[4], odd, 6), 0);
  EXPECT_EQ(std::memcmp(p.APMacFilter[5], unchanged, 6), 0);
  EXPECT_EQ(std::memcmp(p.APMacFilter[6], unchanged, 6), 0);
  EXPECT_EQ(std::memcmp(p.APMacFilter[7], first6, 6), 0);
  EXPECT_EQ(std::memcmp(p.APMacFilter[8], unchanged, 6), 0);
}

TEST_F(ProfileIniTest, MacValuesWithForeignCharactersHaveDefinedBytes) {
  // Each pair converts like strtol: up to the first character that is not a digit.
  WriteFile(ini.Path(), "[P]\r\nAPMacFilter0=ZZ1G-1 F+AXX\r\nAPMacFilter1=0x0x0x0x0x0x\r\n");
  WLProfile p = Filled(0x77);
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  const uint8_t foreign[6] = {0x00, 0x01, 0xFF, 0x0F, 0x0A, 0x00};
  const uint8_t zeros[6] = {};
  EXPECT_EQ(std::memcmp(p.APMacFilter[0], foreign, 6), 0);
  EXPECT_EQ(std::memcmp(p.APMacFilter[1], zeros, 6), 0);
}

TEST_F(ProfileIniTest, HexadecimalIntegers) {
  WriteFile(ini.Path(),
            "[P]\r\nABGMode=0x22\r\nChannel=0X0b\r\nTxRate=0x\r\nFuncMode=0xFFFFFFFF\r\n"
            "NetworkMode=0x100000000\r\n");
  WLProfile p{};
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  EXPECT_EQ(p.ABGMode, 34);
  EXPECT_EQ(p.Channel, 11);
  EXPECT_EQ(p.TxRate, 15);      // "0x" without digits is not a number
  EXPECT_EQ(p.FuncMode, -1);    // 32 bits of hexadecimal
  EXPECT_EQ(p.NetworkMode, 1);  // more than 32 bits is not a number
}

TEST_F(ProfileIniTest, ValuesThatAreNotNumbersGiveTheDefaults) {
  WriteFile(ini.Path(),
            "[P]\r\nTxRate=abc\r\nNetworkMode=12abc\r\nABGMode=1.5\r\nFragThreshold=\r\n"
            "RTSThreshold= \r\nPreambleMode=--1\r\nAuthenticationMode=99999999999\r\n"
            "ApplyNetwork=yes\r\nNI_wFlags=x\r\nChannel\r\n");
  WLProfile p = Filled(0x11);
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  EXPECT_EQ(p.TxRate, 15);
  EXPECT_EQ(p.NetworkMode, 1);
  EXPECT_EQ(p.ABGMode, 34);
  EXPECT_EQ(p.FragThreshold, 2346);
  EXPECT_EQ(p.RTSThreshold, 2347);
  EXPECT_EQ(p.PreambleMode, 2);
  EXPECT_EQ(p.AuthenticationMode, 2);
  EXPECT_EQ(p.ApplyNetwork, 0);
  EXPECT_EQ(p.NetworkInfo.NI_wFlags, 0);
  EXPECT_EQ(p.Channel, 0);  // a key without "=" has no value
}

TEST_F(ProfileIniTest, NarrowFieldsKeepTheLowBits) {
  WriteFile(ini.Path(),
            "[P]\r\nNI_wFlags=-1\r\nNI_wNetFlags=70000\r\nNI_VPI=300\r\nNI_VCI=-1\r\n"
            "NI_wEncapsulation=-65536\r\nApplyNetwork=-3\r\nFuncMode=-2147483648\r\n");
  WLProfile p{};
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  EXPECT_EQ(p.NetworkInfo.NI_wFlags, 0xFFFF);
  EXPECT_EQ(p.NetworkInfo.NI_wNetFlags, 70000 & 0xFFFF);
  EXPECT_EQ(p.NetworkInfo.NI_VPI, 44);
  EXPECT_EQ(p.NetworkInfo.NI_VCI, 0xFF);
  EXPECT_EQ(p.NetworkInfo.NI_wEncapsulation, 0);
  EXPECT_EQ(p.ApplyNetwork, 1);
  EXPECT_EQ(p.FuncMode, INT32_MIN);
}

TEST_F(ProfileIniTest, OverlongTextsAreCutToTheirBuffers) {
  const std::string huge(5000, 'k');
  std::string file = "[P]\r\n";
  for (const char* key :
       {"ProfileName", "Ssid1", "PassPhrase", "WEPKey1", "WPAPassphrase", "sCertAuthority_Issuer",
        "NI_sz_CurProfile", "NI_strLoginDom", "NI_strScopeId"}) {
    file += std::string(key) + "=" + huge + "\r\n";
  }
  WriteFile(ini.Path(), file);
  WLProfile p = Filled(0x5A);
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  EXPECT_EQ(std::string(p.ProfileName), std::string(64, 'k'));
  EXPECT_EQ(std::string(p.Ssid1), std::string(32, 'k'));
  EXPECT_EQ(std::string(p.PassPhrase), std::string(256, 'k'));
  EXPECT_EQ(std::string(p.WEPKey1), std::string(58, 'k'));
  EXPECT_EQ(std::string(p.WPAPassphrase), std::string(259, 'k'));
  EXPECT_EQ(std::string(p.sCertAuthority_Issuer), std::string(259, 'k'));
  EXPECT_EQ(std::string(p.NetworkInfo.NI_sz_CurProfile), std::string(259, 'k'));
  EXPECT_EQ(std::string(p.NetworkInfo.NI_strLoginDom), std::string(67, 'k'));
  EXPECT_EQ(std::string(p.NetworkInfo.NI_strScopeId), std::string(131, 'k'));
  // The neighbours of each text are the fields read after it, or padding.
  EXPECT_EQ(p.padding793[0], 0x5A);
  EXPECT_EQ(p.padding2933, 0x5A);
  EXPECT_EQ(p.padding3970[0], 0x5A);
}

TEST_F(ProfileIniTest, ShorterTextLeavesNoOlderTextBehindItsEnd) {
  WriteFile(ini.Path(), "[P]\r\nWPAPassphrase=new\r\n");
  WLProfile p{};
  CopyText(p.WPAPassphrase, "a much longer old secret");
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  EXPECT_STREQ(p.WPAPassphrase, "new");
  for (std::size_t i = 3; i < sizeof p.WPAPassphrase; ++i) ASSERT_EQ(p.WPAPassphrase[i], 0) << i;
}

TEST_F(ProfileIniTest, QuotedValuesAndBlanksFollowTheIniRules) {
  WriteFile(ini.Path(), "[P]\r\n  Ssid1 =  \"  spaced  \"  \r\nSsid2='x'\r\nSsid3=\"a'\r\n");
  WLProfile p{};
  ASSERT_TRUE(ProfFromIniFile(ini, p, "P"));
  EXPECT_STREQ(p.Ssid1, "  spaced  ");
  EXPECT_STREQ(p.Ssid2, "x");
  EXPECT_STREQ(p.Ssid3, "\"a'");
}

TEST_F(ProfileIniTest, ResetSecurityTouchesOnlySecurityFields) {
  RandomRecords random(5);
  WLProfile p = random.Profile();
  CopyText(p.ProfileName, "Office");
  p.EncryptionMethod = 6;
  const WLProfile before = p;
  ResetSecurity(p);
  EXPECT_EQ(p.EncryptionMethod, 0);
  EXPECT_EQ(p.WEPEncryptionLevel, 0);
  EXPECT_EQ(p.WEPKeyFormat, 1);
  EXPECT_EQ(p.DefaultKey, 0);
  EXPECT_EQ(p.AuthenticationMode, 2);
  EXPECT_EQ(p.WPAEncryptionType, 1);
  EXPECT_EQ(p.MS8021xAuthMode, 0);
  EXPECT_EQ(p.TTLSEap, 3);
  EXPECT_EQ(p.PeapEap, 2);
  EXPECT_EQ(p.ValidateServerCert, 0);
  for (const char* text :
       {p.PassPhrase, p.WEPKey1, p.WEPKey2, p.WEPKey3, p.WEPKey4, p.WPAPassphrase, p.LoginName,
        p.LoginPassword, p.DomainName, p.sCertificate, p.sCertificate_Issuer, p.sCertAuthority,
        p.sCertAuthority_Issuer}) {
    EXPECT_STREQ(text, "");
  }
  for (std::size_t i = 0; i < sizeof p.WPAPassphrase; ++i) ASSERT_EQ(p.WPAPassphrase[i], 0);

  // Everything else is as it was: restore the security fields and compare.
  WLProfile rest = p;
  rest.EncryptionMethod = before.EncryptionMethod;
  rest.WEPEncryptionLevel = before.WEPEncryptionLevel;
  rest.WEPKeyFormat = before.WEPKeyFormat;
  rest.DefaultKey = before.DefaultKey;
  rest.AuthenticationMode = before.AuthenticationMode;
  rest.WPAEncryptionType = before.WPAEncryptionType;
  rest.MS8021xAuthMode = before.MS8021xAuthMode;
  rest.TTLSEap = before.TTLSEap;
  rest.PeapEap = before.PeapEap;
  rest.ValidateServerCert = before.ValidateServerCert;
  auto restore = [](auto& field, const auto& old) { std::memcpy(field, old, sizeof field); };
  restore(rest.PassPhrase, before.PassPhrase);
  restore(rest.WEPKey1, before.WEPKey1);
  restore(rest.WEPKey2, before.WEPKey2);
  restore(rest.WEPKey3, before.WEPKey3);
  restore(rest.WEPKey4, before.WEPKey4);
  restore(rest.WPAPassphrase, before.WPAPassphrase);
  restore(rest.LoginName, before.LoginName);
  restore(rest.LoginPassword, before.LoginPassword);
  restore(rest.DomainName, before.DomainName);
  restore(rest.sCertificate, before.sCertificate);
  restore(rest.sCertificate_Issuer, before.sCertificate_Issuer);
  restore(rest.sCertAuthority, before.sCertAuthority);
  restore(rest.sCertAuthority_Issuer, before.sCertAuthority_Issuer);
  EXPECT_TRUE(SameBytes(rest, before)) << FirstDifference(rest, before);
}

// Runs in a copy of this program started by the test below, so that the
// process-wide debug log belongs to a program file in a temporary folder.
TEST(ProfileIniChild, WriteIntoAFolderThatDoesNotExist) {
  const char* path = std::getenv("ORV_MODEL_CHILD_INI");
  if (path == nullptr) GTEST_SKIP() << "runs only as the child of FailedWriteIsLogged";
  IniFile ini(path);
  ProfToIniFile(ini, WLProfile{}, "LastApplyProf");
}

TEST(ProfileIniLog, FailedWriteIsLogged) {
  TempDir dir;
  const std::string child = dir.File("mt");
  fs::copy_file(std::string(ORV_TEST_BIN_DIR) + "/model_tests", child);
  WriteFile(dir.File("mt.Log"), "");
  const std::string target = dir.File("missing/X.bin");
  ASSERT_EQ(
      RunProgram(child, {"--gtest_filter=ProfileIniChild.*"}, {"ORV_MODEL_CHILD_INI=" + target}),
      0);
  const std::string log = ReadFile(dir.File("mt.Log"));
  EXPECT_NE(log.find("ProfToIniFile exception: Unable to write to " + target + "\r\n"),
            std::string::npos)
      << log;
  EXPECT_FALSE(fs::exists(dir.File("missing")));
}

TEST_F(ProfileIniTest, ANetworkNameWithLineBreaksCannotAddKeys) {
  WLProfile written{};
  written.EncryptionMethod = 3;
  CopyText(written.Ssid1, "x\r\nEncryptionMethod=0");
  CopyText(written.ProfileName, "a\nb");
  ProfToIniFile(ini, written, "LastApplyProf");
  WLProfile read{};
  ASSERT_TRUE(ProfFromIniFile(ini, read, "LastApplyProf"));
  EXPECT_EQ(read.EncryptionMethod, 3);
  EXPECT_STREQ(read.Ssid1, "x  EncryptionMethod=0");
  EXPECT_STREQ(read.ProfileName, "a b");
  EXPECT_EQ(ini.KeyNames("LastApplyProf").size(), ProfileIniKeyValues(written).size());
}

}  // namespace
