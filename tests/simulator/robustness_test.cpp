// What a host may throw at the library: null pointers, short buffers, texts
// too long for their fields, and calls from many threads at once.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/text.h"
#include "tests/simulator/sim_library.h"
#include "tests/support/process.h"

namespace {

TEST(RobustnessTest, NullPointersGiveAnErrorResult) {
  SimLibrary sim;
  const OrvwlApi& a = sim.Api();
  EXPECT_EQ(a.ORVWL_DevDetect(nullptr), 0);
  EXPECT_EQ(a.ORVWL_EnumAvailableDevice(0, nullptr), 0);
  EXPECT_NE(a.ORVWL_QueryOID(kOidGenMediaConnectStatus, nullptr, 4, nullptr), 0);
  EXPECT_NE(a.ORVWL_SetOID(kOidVendorAntenna, nullptr, 1), 0);
  EXPECT_EQ(a.ORVWL_SiteSurveyGet(nullptr, sizeof(SurveyBuffer)), 0);
  EXPECT_EQ(a.ORVWL_GetWLANStatus(nullptr, nullptr), 0);
  EXPECT_EQ(a.ORVWL_SetWLANStatus(nullptr, nullptr), 0);
  EXPECT_EQ(a.ORVWL_WLProfileToWLStatus(nullptr, nullptr), 0);
  EXPECT_EQ(a.ORVWL_SetWLProfileDir(nullptr), 0);
  EXPECT_EQ(a.ORVWL_EnumWLProfiles(0, nullptr), 0);
  EXPECT_EQ(a.ORVWL_GetWLProfile(nullptr, nullptr), 0);
  EXPECT_EQ(a.ORVWL_SetWLProfile("x", nullptr), 0);
  EXPECT_EQ(a.ORVWL_DeleteWLProfile(nullptr), 0);
  EXPECT_EQ(a.ORVWL_RegExportProfile(nullptr), 0);
  EXPECT_EQ(a.ORVWL_RegImportProfile(nullptr), 0);
  EXPECT_EQ(a.ORVWL_GetNetworkInfo(nullptr), 0);
  EXPECT_EQ(a.ORVWL_SetNetworkInfo(nullptr), 0);
  EXPECT_EQ(a.ORVWL_IPDataToStr(nullptr, nullptr), 0);
  EXPECT_EQ(a.ORVWL_StrToIPData(nullptr, nullptr), 0);
  EXPECT_EQ(a.ORVWL_GetWLANDriverPath(nullptr), 0);
  EXPECT_EQ(a.ORVWL_GetWLANDomain(nullptr), 0);
  EXPECT_EQ(a.ORVWL_SetWLANDomain(nullptr), 0);
  EXPECT_EQ(a.ORVWL_PassphraseToWEPKey(nullptr, 1, nullptr), 0);
  EXPECT_EQ(a.ORVWL_EnumCertificates(nullptr, 1), 0);
  EXPECT_EQ(a.ORVWL_GetAllowedChannel(nullptr, 10, 1, "US"), 0);
  EXPECT_EQ(a.ORVWL_GetAPAllowedChannel(nullptr, 10, 1, nullptr), 0);
  EXPECT_EQ(a.ORVWL_GetAPStationList(nullptr), 0);
  EXPECT_EQ(a.ORVWL_GetCurrentProfile(nullptr), 0);
  EXPECT_EQ(a.ORVWL_GetAPFilterList(nullptr), 0);
  EXPECT_EQ(a.ORVWL_SetAPFilterList(nullptr), 0);
  DeviceEntry entry{};
  EXPECT_EQ(a.ORVWL_DevDetect(&entry), 1) << "and the library still works";
}

TEST(RobustnessTest, BuffersAreNeverWrittenPastTheirSize) {
  SimLibrary sim;
  const OrvwlApi& a = sim.Api();
  sim.ScanNow();
  const std::string longText(400, 'D');
  ASSERT_EQ(a.ORVWL_SetWLANDomain(longText.c_str()), 1);
  char text[kLibraryTextBufferSize + 16];
  std::memset(text, '#', sizeof text);
  ASSERT_EQ(a.ORVWL_GetWLANDomain(text), 1);
  EXPECT_EQ(std::strlen(text), kLibraryTextBufferSize - 1u);
  EXPECT_EQ(text[kLibraryTextBufferSize], '#');

  // A survey buffer smaller than a full one holds whole entries only.
  std::vector<uint8_t> survey(4 + 3 * sizeof(SiteSurveyEntry) + 50 + 16, 0xEE);
  a.ORVWL_SiteSurveyGet(survey.data(), static_cast<uint32_t>(survey.size() - 16));
  int32_t count;
  std::memcpy(&count, survey.data(), 4);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(survey[survey.size() - 16], 0xEE);

  uint8_t mac[8] = {0, 0, 0, 0, 0, 0, 0xEE, 0xEE};
  uint32_t written = 99;
  EXPECT_NE(a.ORVWL_QueryOID(kOid8023CurrentAddress, mac, 5, &written), 0);
  EXPECT_EQ(a.ORVWL_QueryOID(kOid8023CurrentAddress, mac, 6, &written), 0);
  EXPECT_EQ(written, 6u);
  EXPECT_EQ(mac[6], 0xEE);
  EXPECT_NE(a.ORVWL_QueryOID(0x0DEADBEE, mac, 6, &written), 0) << "unknown OIDs are errors";
  uint8_t antenna = 2;
  EXPECT_EQ(a.ORVWL_SetOID(kOidVendorAntenna, &antenna, 1), 0);
}

TEST(RobustnessTest, UnlockedCallsRunBesideLockedOnes) {
  SimLibrary sim;
  const OrvwlApi& a = sim.Api();
  std::atomic<bool> stop{false};
  std::atomic<int> wrong{0};
  std::atomic<int> rounds[3] = {0, 0, 0};
  std::vector<std::thread> threads;
  // The four calls the program makes without its library lock...
  threads.emplace_back([&] {
    for (; !stop; ++rounds[2]) {
      if (a.ORVWL_FrequencyToChannel(2437000) != 6) ++wrong;
      const IPData ip{{10, 0, 0, 1}};
      char text[kIPTextBufferSize];
      a.ORVWL_IPDataToStr(&ip, text);
      if (std::string(text) != "10.0.0.1") ++wrong;
      WEPKeySet keys;
      if (a.ORVWL_PassphraseToWEPKey("foobar", 2, &keys) != 1) ++wrong;
      a.ORVWL_SetWLProfileDir(std::rand() % 2 == 0 ? "Or-Vane" : "Other");
    }
  });
  // ...beside the locked ones, from two threads where the program has one.
  for (int t = 0; t < 2; ++t) {
    threads.emplace_back([&, t] {
      WLProfile profile = StationProfile("OrvOpen");
      for (; !stop; ++rounds[t]) {
        a.ORVWL_SiteSurveyScan();
        SurveyBuffer survey;
        a.ORVWL_SiteSurveyGet(&survey, sizeof survey);
        WLANStatus status{};
        int32_t more;
        a.ORVWL_GetWLANStatus(&more, &status);
        a.ORVWL_SetWLProfile(t == 0 ? "A" : "B", &profile);
        char name[kProfileNameBufferSize];
        a.ORVWL_EnumWLProfiles(0, name);
        if (t == 0) sim.Apply(profile);
      }
    });
  }
  // Every thread goes round often enough to meet the others inside.
  EXPECT_TRUE(WaitUntil([&] {
    return std::all_of(std::begin(rounds), std::end(rounds), [](const auto& n) { return n >= 50; });
  }));
  stop = true;
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, 0);
}

}  // namespace
