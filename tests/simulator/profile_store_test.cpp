// The profile store through the ABI: round trips, hostile names, order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/text.h"
#include "simulator/live_state.h"
#include "tests/simulator/sim_library.h"

using namespace orvsim;

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const OrvwlApi& api) {
  std::vector<std::string> names;
  char name[kProfileNameBufferSize + 8];
  while (true) {
    std::memset(name, 0x5A, sizeof name);
    if (api.ORVWL_EnumWLProfiles(static_cast<int32_t>(names.size()), name) != 1) break;
    EXPECT_EQ(name[kProfileNameBufferSize], 0x5A) << "wrote past the name buffer";
    names.emplace_back(TextOf(name, kProfileNameBufferSize));
  }
  return names;
}

// A profile whose every byte of every field says something, texts ending in
// zeros the way the program keeps them.
WLProfile Distinctive(const std::string& name, unsigned seed) {
  std::mt19937 random(seed);
  WLProfile p{};
  auto* bytes = reinterpret_cast<uint8_t*>(&p);
  for (std::size_t i = 0; i < sizeof p; ++i) bytes[i] = static_cast<uint8_t>(random());
  const auto text = [&](char* field, std::size_t size) {
    std::memset(field, 0, size);
    std::string value(random() % size, ' ');
    for (char& c : value) c = static_cast<char>(1 + random() % 255);
    CopyText(field, size, value);
  };
  std::memset(p.ProfileName, 0, sizeof p.ProfileName);
  CopyText(p.ProfileName, name);
  for (char* field : {p.Ssid1, p.Ssid2, p.Ssid3}) text(field, 33);
  text(p.PassPhrase, sizeof p.PassPhrase);
  for (char* field : {p.WEPKey1, p.WEPKey2, p.WEPKey3, p.WEPKey4}) text(field, 59);
  for (char* field : {p.WPAPassphrase, p.LoginName, p.LoginPassword, p.DomainName, p.sCertificate,
                      p.sCertificate_Issuer, p.sCertAuthority, p.sCertAuthority_Issuer}) {
    text(field, 260);
  }
  NetworkInfo& ni = p.NetworkInfo;
  text(ni.NI_sz_CurProfile, sizeof ni.NI_sz_CurProfile);
  for (char* field :
       {ni.NI_strScopeId, ni.NI_strHostName, ni.NI_strDomain, ni.NI_strDomSufSearch}) {
    text(field, 132);
  }
  for (char* field : {ni.NI_strLoginUsr, ni.NI_strLoginPsw, ni.NI_strLoginDom}) text(field, 68);
  std::memset(p.padding793, 0, sizeof p.padding793);
  p.padding2933 = 0;
  std::memset(p.padding3970, 0, sizeof p.padding3970);
  return p;
}

TEST(ProfileStoreTest, EveryByteOfAProfileSurvivesTheStore) {
  SimLibrary sim;
  ASSERT_EQ(sim.Api().ORVWL_SetWLProfileDir("Or-Vane"), 1);
  for (unsigned seed = 1; seed <= 20; ++seed) {
    const WLProfile stored = Distinctive("P" + std::to_string(seed), seed);
    ASSERT_EQ(sim.Api().ORVWL_SetWLProfile(stored.ProfileName, &stored), 1);
    WLProfile back{};
    ASSERT_EQ(sim.Api().ORVWL_GetWLProfile(stored.ProfileName, &back), 1);
    EXPECT_EQ(std::memcmp(&back, &stored, sizeof stored), 0) << "seed " << seed;
  }
}

TEST(ProfileStoreTest, HostileNamesStayInsideTheStore) {
  SimLibrary sim;
  ASSERT_EQ(sim.Api().ORVWL_SetWLProfileDir("../../escape/root"), 1);
  const std::vector<std::string> names = {"../../../../tmp/evil",
                                          "a/b\\c",
                                          "..",
                                          ".",
                                          "\"quoted\" 'name'",
                                          "semi;colon=equals",
                                          "[section]",
                                          "%41%2F",
                                          "\xC3\xA9t\xC3\xA9 \xFF\x01",
                                          "tab\there",
                                          "line\nbreak",
                                          " blank ",
                                          std::string(64, 'x'),
                                          "CON"};
  for (const std::string& name : names) {
    WLProfile p = StationProfile("Net");
    ASSERT_EQ(sim.Api().ORVWL_SetWLProfile(name.c_str(), &p), 1) << name;
  }
  EXPECT_EQ(Names(sim.Api()), names);
  for (const std::string& name : names) {
    WLProfile back{};
    ASSERT_EQ(sim.Api().ORVWL_GetWLProfile(name.c_str(), &back), 1) << name;
    EXPECT_EQ(TextOf(back.ProfileName), name);
  }
  // Nothing was created anywhere but in one folder under the store.
  std::vector<fs::path> folders;
  for (const auto& item : fs::recursive_directory_iterator(sim.Folder())) {
    // The live state of this process has a folder of its own.
    if (item.is_directory() && item.path() != LiveFolder(sim.Home())) {
      folders.push_back(item.path());
    }
  }
  std::sort(folders.begin(), folders.end());
  ASSERT_EQ(folders.size(), 3u) << "home, profiles, one root folder";
  for (const auto& item : fs::directory_iterator(folders.back())) {
    EXPECT_EQ(item.path().parent_path(), folders.back());
  }
  EXPECT_EQ(folders[1].filename(), "profiles");
}

TEST(ProfileStoreTest, NamesCompareWithoutCaseAndLongNamesAreCut) {
  SimLibrary sim;
  WLProfile p = StationProfile("Net");
  ASSERT_EQ(sim.Api().ORVWL_SetWLProfile("Home", &p), 1);
  ASSERT_EQ(sim.Api().ORVWL_SetWLProfile("HOME", &p), 1);
  EXPECT_EQ(Names(sim.Api()), std::vector<std::string>{"HOME"});
  WLProfile back{};
  EXPECT_EQ(sim.Api().ORVWL_GetWLProfile("home", &back), 1);
  const std::string longName(70, 'n');
  ASSERT_EQ(sim.Api().ORVWL_SetWLProfile(longName.c_str(), &p), 1);
  EXPECT_EQ(Names(sim.Api()).back(), longName.substr(0, 64));
  EXPECT_EQ(sim.Api().ORVWL_SetWLProfile("", &p), 0);
  EXPECT_EQ(sim.Api().ORVWL_DeleteWLProfile("nobody"), 0);
}

TEST(ProfileStoreTest, EnumerationKeepsCreationOrderAcrossUpdatesAndLoads) {
  const std::vector<std::string> expected = {"alpha", "Mike", "Bravo"};
  TempDir shared;
  {
    SimLibrary sim(SimLibrary::FastScenario(), shared.Path());
    WLProfile p = StationProfile("Net");
    for (const char* name : {"Zulu", "alpha", "Mike"}) {
      ASSERT_EQ(sim.Api().ORVWL_SetWLProfile(name, &p), 1);
    }
    CopyText(p.Ssid1, "Changed");
    ASSERT_EQ(sim.Api().ORVWL_SetWLProfile("alpha", &p), 1);
    ASSERT_EQ(sim.Api().ORVWL_DeleteWLProfile("ZULU"), 1);
    ASSERT_EQ(sim.Api().ORVWL_SetWLProfile("Bravo", &p), 1);
    EXPECT_EQ(Names(sim.Api()), expected);
    ASSERT_EQ(sim.Api().ORVWL_SetWLProfileDir("Elsewhere"), 1);
    EXPECT_TRUE(Names(sim.Api()).empty()) << "each root has its own profiles";
  }
  SimLibrary later(SimLibrary::FastScenario(), shared.Path());
  EXPECT_EQ(Names(later.Api()), expected);
  WLProfile back{};
  ASSERT_EQ(later.Api().ORVWL_GetWLProfile("ALPHA", &back), 1);
  EXPECT_STREQ(back.Ssid1, "Changed");
}

}  // namespace
