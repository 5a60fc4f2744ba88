#include "adapter/nic_adapter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <future>
#include <stdexcept>
#include <thread>

#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "platform/text.h"
#include "tests/adapter/fake_library.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// What the fake library's replaced entry points read and record.
struct FakeAdapter {
  std::mutex mutex;
  std::vector<std::string> appliedSsids;
  std::atomic<int32_t> setStatusResult{1};
  std::atomic<int32_t> surveyCount{0};
  std::vector<SiteSurveyEntry> survey;
  std::map<std::string, WLProfile> store;  // the library's profile store
  std::vector<std::string> storeOrder;
  Event release;  // lets a blocked call return
  std::atomic<bool> blockStatus{false};
  std::map<int32_t, std::vector<int32_t>> channels;  // band -> channels
  std::atomic<int32_t> wzc{0};
  std::string domain = "US";
};
FakeAdapter* g = nullptr;

int32_t FakeSetWLANStatus(uint32_t*, const WLANStatus* status) {
  CountCall("ORVWL_SetWLANStatus");
  std::lock_guard lock(g->mutex);
  g->appliedSsids.emplace_back(reinterpret_cast<const char*>(status->Ssid),
                               static_cast<std::size_t>(status->SsidLength));
  return g->setStatusResult;
}

int32_t FakeProfileToStatus(const WLProfile* profile, WLANStatus* status) {
  const std::string_view ssid = TextOf(profile->Ssid1);
  status->SsidLength = static_cast<int32_t>(ssid.size());
  std::memcpy(status->Ssid, ssid.data(), ssid.size());
  return 1;
}

int32_t FakeQueryOID(uint32_t oid, void* buffer, uint32_t, uint32_t*) {
  if (oid == kOid8023CurrentAddress) {
    const uint8_t mac[6] = {0x00, 0x0E, 0x2E, 0xAB, 0xCD, 0xEF};
    std::memcpy(buffer, mac, 6);
  }
  if (oid == kOidGenMediaConnectStatus) std::memset(buffer, 0, 4);
  return 0;
}

int32_t FakeGetWLANStatus(int32_t* more, WLANStatus* status) {
  CountCall("ORVWL_GetWLANStatus");
  if (g->blockStatus) g->release.Wait();
  *more = 0;
  status->Signal = -50;
  return 1;
}

int32_t FakeSurveyGet(void* buffer, uint32_t size) {
  std::lock_guard lock(g->mutex);
  auto* survey = static_cast<SurveyBuffer*>(buffer);
  EXPECT_EQ(size, sizeof(SurveyBuffer));
  survey->Count = g->surveyCount;
  for (std::size_t i = 0; i < g->survey.size() && i < kSurveyMaxEntries; ++i) {
    survey->Entries[i] = g->survey[i];
  }
  return survey->Count;
}

int32_t FakeEnumProfiles(int32_t index, char* name) {
  CountCall("ORVWL_EnumWLProfiles");
  std::lock_guard lock(g->mutex);
  if (index < 0 || static_cast<std::size_t>(index) >= g->storeOrder.size()) return 0;
  CopyText(name, kProfileNameBufferSize, g->storeOrder[static_cast<std::size_t>(index)]);
  return 1;
}

int32_t FakeGetProfile(const char* name, WLProfile* profile) {
  std::lock_guard lock(g->mutex);
  auto it = g->store.find(name);
  if (it == g->store.end()) return 0;
  *profile = it->second;
  return 1;
}

int32_t FakeSetProfile(const char* name, const WLProfile* profile) {
  CountCall("ORVWL_SetWLProfile");
  std::lock_guard lock(g->mutex);
  if (!g->store.count(name)) g->storeOrder.push_back(name);
  g->store[name] = *profile;
  return 1;
}

int32_t FakeDeleteProfile(const char* name) {
  std::lock_guard lock(g->mutex);
  std::erase_if(g->store, [name](const auto& entry) { return EqualsNoCase(entry.first, name); });
  std::erase_if(g->storeOrder, [name](const std::string& n) { return EqualsNoCase(n, name); });
  return 1;
}

int32_t FakeAllowedChannels(int32_t* list, int32_t capacity, int32_t band, const char*) {
  std::lock_guard lock(g->mutex);
  const std::vector<int32_t>& channels = g->channels[band];
  const int32_t n = std::min<int32_t>(capacity, static_cast<int32_t>(channels.size()));
  std::copy_n(channels.begin(), n, list);
  return n;
}

int32_t FakeDomain(char* text) {
  CopyText(text, kLibraryTextBufferSize, g->domain);
  return 1;
}

int32_t FakeFrequencyToChannel(int32_t kHz) { return kHz == 2437000 ? 6 : 0; }

class RecordingNotifier : public Notifier {
 public:
  // Whoever drops the last share of the notifier signals this, if set.
  ~RecordingNotifier() override {
    if (gone) gone->Set();
  }
  void Post(int code, intptr_t arg) override {
    std::lock_guard lock(mutex_);
    posts_.emplace_back(code, arg);
  }
  intptr_t Send(int code, intptr_t arg, Event& stop) override {
    Post(code, arg);
    if (blockSends) {
      stop.Wait();
      stop.Set();
    }
    return 0;
  }
  int Count(int code) {
    std::lock_guard lock(mutex_);
    return static_cast<int>(
        std::count_if(posts_.begin(), posts_.end(), [code](auto& p) { return p.first == code; }));
  }
  std::atomic<bool> blockSends{false};
  std::shared_ptr<Event> gone;

 private:
  std::mutex mutex_;
  std::vector<std::pair<int, intptr_t>> posts_;
};

class NicAdapterTest : public ::testing::Test {
 protected:
  NicAdapterTest() {
    g = &fake;
    ResetCallCounts();
    fs::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir.File("ORVWL.DLL"));
    WriteFile(settingsPath, "[Setting]\r\nHWID0=USB\\VID_1\r\n");
    table = MakeCountingTable();
    table.ORVWL_SetWLANStatus = &FakeSetWLANStatus;
    table.ORVWL_WLProfileToWLStatus = &FakeProfileToStatus;
    table.ORVWL_QueryOID = &FakeQueryOID;
    table.ORVWL_GetWLANStatus = &FakeGetWLANStatus;
    table.ORVWL_SiteSurveyGet = &FakeSurveyGet;
    table.ORVWL_EnumWLProfiles = &FakeEnumProfiles;
    table.ORVWL_GetWLProfile = &FakeGetProfile;
    table.ORVWL_SetWLProfile = &FakeSetProfile;
    table.ORVWL_DeleteWLProfile = &FakeDeleteProfile;
    table.ORVWL_GetAllowedChannel = &FakeAllowedChannels;
    table.ORVWL_GetAPAllowedChannel = &FakeAllowedChannels;
    table.ORVWL_GetWLANDomain = &FakeDomain;
    table.ORVWL_FrequencyToChannel = &FakeFrequencyToChannel;
    table.ORVWL_Get_WZCService = [](void) -> int32_t { return g->wzc; };
    table.ORVWL_Set_WZCService = [](int32_t on) -> int32_t {
      CountCall("ORVWL_Set_WZCService");
      g->wzc = on ? kWZCServiceRunning : 0;
      return 1;
    };
    std::strcpy(ident.Description, "Fake Adapter");
    std::strcpy(ident.HardwareId, "USB\\VID_1");
    std::strcpy(ident.Tag, "9999");
  }
  ~NicAdapterTest() override { g = nullptr; }

  void StartGlobal() {
    WLLibrary startupLibrary;
    ASSERT_TRUE(global.Startup(0, dir.File("X"), startupLibrary));
    global.SetOSLevel(osLevel);
    ASSERT_TRUE(library.Use(table));
  }

  std::unique_ptr<CNICAdapter> Make(uint32_t flags = 0) {
    StartGlobal();
    CNICAdapter::Dependencies deps;
    deps.global = &global;
    deps.library = &library;
    deps.timing = timing;
    return std::make_unique<CNICAdapter>(notifier, flags, ident, deps);
  }

  std::string Setting(const std::string& key) {
    return IniFile(settingsPath).ReadString("USB\\VID_1-9999", key, "<none>");
  }

  static WLProfile Profile(const char* name, int32_t kind = 0, const char* ssid = "net") {
    WLProfile p{};
    p.FuncMode = kind;
    CopyText(p.ProfileName, name);
    CopyText(p.Ssid1, ssid);
    return p;
  }

  FakeAdapter fake;
  TempDir dir;
  std::string settingsPath = dir.File("X.bin");
  OrvwlApi table;
  CFAGlobalVar global;
  WLLibrary library;
  AdapterIdent ident{};
  int osLevel = 7;
  std::shared_ptr<RecordingNotifier> notifier = std::make_shared<RecordingNotifier>();
  CNICAdapter::Timing timing{milliseconds(20), milliseconds(40), milliseconds(300),
                             milliseconds(1),  milliseconds(1),  milliseconds(1)};
};

TEST_F(NicAdapterTest, InitialReadsTheAdapterAndCreatesDefaultProfiles) {
  WriteFile(settingsPath, "[Setting]\r\nDefProfName=\r\nDefAPProfSSID=" + std::string(40, 'S') +
                              "\r\nEnableSoftAP=1\r\n[USB\\VID_1-9999]\r\nDomain=JP\r\n");
  auto adapter = Make();
  EXPECT_EQ(adapter->MacText(), "00:0E:2E:AB:CD:EF");
  EXPECT_EQ(adapter->Domain(), "JP");
  EXPECT_TRUE(adapter->SoftAPEnabled());
  std::vector<WLProfile> stations, aps;
  adapter->GetProfileList(0, stations);
  adapter->GetProfileList(1, aps);
  ASSERT_EQ(stations.size(), 1u);
  ASSERT_EQ(aps.size(), 1u);
  EXPECT_STREQ(stations[0].ProfileName, "Default");
  EXPECT_STREQ(stations[0].NetworkInfo.NI_sz_CurProfile, "Default");
  EXPECT_STREQ(stations[0].Ssid1, "ANY");
  EXPECT_EQ(stations[0].QosEnabled, 1);
  EXPECT_EQ(stations[0].Channel, 6);
  EXPECT_STREQ(aps[0].ProfileName, "Default_SoftAP");
  EXPECT_EQ(std::string(aps[0].Ssid1), std::string(32, 'S'));
  EXPECT_EQ(aps[0].FuncMode, 1);
  EXPECT_EQ(aps[0].AuthenticationMode, 0);
  EXPECT_EQ(Setting("ProfCount"), "1");
  EXPECT_EQ(Setting("Prof0"), "Default");
  EXPECT_EQ(Setting("APProf0"), "Default_SoftAP");
  EXPECT_EQ(CallCount("ORVWL_SiteSurveyScan"), 1);
}

TEST_F(NicAdapterTest, ServiceStartReadsNoListAddsNoProfileAndDoesNotScan) {
  auto adapter = Make(0x02);
  EXPECT_EQ(CallCount("ORVWL_EnumWLProfiles"), 0);
  EXPECT_EQ(CallCount("ORVWL_SetWLProfile"), 0);
  EXPECT_EQ(CallCount("ORVWL_SiteSurveyScan"), 0);
}

TEST_F(NicAdapterTest, CollectsStatusFirstAfterOneTickThenRegularly) {
  auto adapter = Make();
  EXPECT_EQ(notifier->Count(PM_STATUS), 0);
  ASSERT_TRUE(WaitUntil([&] { return notifier->Count(PM_STATUS) >= 3; }, milliseconds(2000)));
  WLANStatus status{};
  adapter->GetStatus(status);
  EXPECT_EQ(status.Signal, -50);
  EXPECT_EQ(status.MediaState, 0);
}

TEST_F(NicAdapterTest, NoStatusWhileZeroConfigurationManagesTheAdapter) {
  WriteFile(settingsPath, "[Setting]\r\nEnableZeroCfg=1\r\n");
  auto adapter = Make();
  EXPECT_TRUE(adapter->ZeroCfgEnabled());
  ASSERT_TRUE(WaitUntil([] { return CallCount("ORVWL_Set_WZCService") == 1; }));
  std::this_thread::sleep_for(milliseconds(150));
  EXPECT_EQ(notifier->Count(PM_STATUS), 0);
  EXPECT_EQ(g->wzc, kWZCServiceRunning);

  adapter->WriteUseWZC(false);
  EXPECT_EQ(notifier->Count(PM_ZEROCFG), 1);
  EXPECT_EQ(Setting("EnableZeroCfg"), "0");
  ASSERT_TRUE(WaitUntil([&] { return notifier->Count(PM_STATUS) >= 1; }));
  ASSERT_TRUE(WaitUntil([] { return g->wzc == 0; }));
  adapter->WriteUseWZC(false);
  EXPECT_EQ(notifier->Count(PM_ZEROCFG), 1) << "an unchanged flag does nothing";
}

TEST_F(NicAdapterTest, ConnectTwiceBeforeTheWorkerRunsAppliesTheLaterOnce) {
  g->blockStatus = true;
  auto adapter = Make();
  // The worker is busy inside the library while both requests arrive.
  ASSERT_TRUE(WaitUntil([] { return CallCount("ORVWL_GetWLANStatus") >= 1; }));
  adapter->Connect(Profile("First", 0, "one"));
  adapter->Connect(Profile("Second", 0, "two"));
  g->blockStatus = false;
  g->release.Set();
  ASSERT_TRUE(WaitUntil([] { return CallCount("ORVWL_SetWLANStatus") >= 1; }));
  std::this_thread::sleep_for(milliseconds(50));
  std::lock_guard lock(g->mutex);
  EXPECT_EQ(g->appliedSsids, std::vector<std::string>{"two"});
  WLProfile applied{};
  EXPECT_TRUE(adapter->GetAppliedProfile(applied));
  EXPECT_STREQ(applied.ProfileName, "Second");
  EXPECT_EQ(notifier->Count(PM_CONNECT), 1);
}

TEST_F(NicAdapterTest, SuccessfulConnectIsRememberedButNeverTheEditingProfile) {
  auto adapter = Make();
  adapter->Connect(Profile("(EditingProfile)", 0, "edit"));
  ASSERT_TRUE(WaitUntil([] { return CallCount("ORVWL_SetWLANStatus") == 1; }));
  ASSERT_TRUE(WaitUntil([&] { return IniFile(settingsPath).SectionExists("LastApplyProf"); }));
  EXPECT_EQ(Setting("LastProf"), "<none>");

  adapter->Connect(Profile("Home AP", 1, "home"));
  ASSERT_TRUE(WaitUntil(
      [&] { return IniFile(settingsPath).ReadString("LastApplyProf", "Ssid1", "") == "home"; }));
  EXPECT_EQ(Setting("LastAPProf"), "Home AP");

  g->setStatusResult = 0;
  adapter->Connect(Profile("Failing", 0, "fail"));
  ASSERT_TRUE(WaitUntil([] { return CallCount("ORVWL_SetWLANStatus") == 3; }));
  std::this_thread::sleep_for(milliseconds(30));
  EXPECT_EQ(Setting("LastProf"), "<none>");
  EXPECT_EQ(IniFile(settingsPath).ReadString("LastApplyProf", "Ssid1", ""), "home");
}

TEST_F(NicAdapterTest, SettingsFallBackFromAdapterToHardwareIdToSetting) {
  WriteFile(settingsPath,
            "[Setting]\r\nA=1\r\nB=1\r\nC=1\r\nAdHocA=0\r\nAdHocB=0\r\n"
            "[USB\\VID_1]\r\nB=2\r\nC=2\r\n"
            "[USB\\VID_1-9999]\r\nC=3\r\nAdHocA_US=1\r\n");
  auto adapter = Make();
  const AdapterSettings& set = adapter->Settings();
  EXPECT_EQ(set.ReadSet("A", int32_t{0}), 1);
  EXPECT_EQ(set.ReadSet("B", int32_t{0}), 2);
  EXPECT_EQ(set.ReadSet("C", int32_t{0}), 3);
  EXPECT_EQ(set.ReadSet("D", int32_t{7}), 7);
  EXPECT_TRUE(adapter->IsBandEnable("AdHocA"));  // the domain key overrides
  EXPECT_FALSE(adapter->IsBandEnable("AdHocB"));
  EXPECT_TRUE(adapter->IsBandEnable("AdHocG"));  // missing everywhere: enabled
  set.WriteSet("A", int32_t{5});
  EXPECT_EQ(IniFile(settingsPath).ReadString("Setting", "A", ""), "1");
  EXPECT_EQ(Setting("A"), "5");
}

SiteSurveyEntry Site(const std::string& ssid, uint8_t last, int32_t code = 0) {
  SiteSurveyEntry e{};
  e.SsidLength = static_cast<int32_t>(ssid.size());
  std::memcpy(e.Ssid, ssid.data(), std::min<std::size_t>(ssid.size(), 32));
  e.Bssid[0] = 0x02;
  e.Bssid[5] = last;
  e.SecurityCode = code;
  e.InfrastructureMode = 1;
  e.Frequency = 2437000;
  return e;
}

TEST_F(NicAdapterTest, SiteListDropsBadAndRepeatedEntriesKeepsHiddenOnesAndAccumulates) {
  auto adapter = Make();
  SiteSurveyEntry noBssid = Site("x", 0);
  std::memset(noBssid.Bssid, 0, 6);
  SiteSurveyEntry nulFirst = Site("y", 9);
  nulFirst.Ssid[0] = 0;
  g->survey = {Site("A", 1),
               Site("A", 1),
               Site("A", 2),
               Site(std::string(33, 'L'), 3),
               Site(std::string(32, 'M'), 4),
               Site("", 5),
               Site("", 5),
               noBssid,
               nulFirst};
  g->surveyCount = static_cast<int32_t>(g->survey.size());
  std::vector<SiteSurveyEntry> list;
  adapter->GetSiteList(list);
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[2].SsidLength, 32);
  EXPECT_EQ(list[3].SsidLength, 0);  // hidden networks send no name
  EXPECT_EQ(list[4].Bssid[5], 9);
  g->survey.push_back(Site("B", 6));
  g->surveyCount = static_cast<int32_t>(g->survey.size());
  adapter->GetSiteList(list);
  EXPECT_EQ(list.size(), 6u);

  g->surveyCount = 1000;  // more than the buffer holds
  std::vector<SiteSurveyEntry> clamped;
  adapter->GetSiteList(clamped);
  EXPECT_EQ(clamped.size(), 6u);
}

TEST_F(NicAdapterTest, AllowedChannelsComeInBandOrderAndRespectTheCapacity) {
  g->channels[1] = {1, 2, 3};
  g->channels[4] = {6};
  g->channels[2] = {36, 40};
  auto adapter = Make();
  int32_t buffer[8] = {};
  EXPECT_EQ(adapter->GetAllowedCh(buffer, 8, 0x007), 6);
  EXPECT_EQ(std::vector<int32_t>(buffer, buffer + 6), (std::vector<int32_t>{1, 2, 3, 6, 36, 40}));
  int32_t small[4] = {-1, -1, -1, -1};
  EXPECT_EQ(adapter->GetSoftAPAllowedCh(small, 4, 0x002 | 0x004), 3);
  EXPECT_EQ(std::vector<int32_t>(small, small + 4), (std::vector<int32_t>{6, 36, 40, -1}));
  EXPECT_EQ(adapter->GetAllowedCh(small, 4, 0x007), 6);
  EXPECT_EQ(small[0], 6) << "too small a buffer is left alone";
}

class ProfileListTest : public NicAdapterTest {
 protected:
  void Store(const WLProfile& p) {
    g->store[p.ProfileName] = p;
    g->storeOrder.push_back(p.ProfileName);
  }
};

TEST_F(ProfileListTest, OrderComesFromSettingsWithUnknownNamesDroppedAndNewOnesAppended) {
  Store(Profile("alpha"));
  Store(Profile("Beta"));
  Store(Profile("gamma"));
  Store(Profile("AP one", 1));
  WriteFile(settingsPath,
            "[USB\\VID_1-9999]\r\nProfCount=4\r\nProf0=beta\r\nProf1=gone\r\nProf2=ALPHA\r\n"
            "Prof3=beta\r\n");
  auto adapter = Make();
  std::vector<WLProfile> list;
  adapter->GetProfileList(0, list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_STREQ(list[0].ProfileName, "Beta");
  EXPECT_STREQ(list[1].ProfileName, "alpha");
  EXPECT_STREQ(list[2].ProfileName, "gamma");
  EXPECT_STREQ(list[1].NetworkInfo.NI_sz_CurProfile, "alpha");
  EXPECT_EQ(Setting("ProfCount"), "3");
  EXPECT_EQ(Setting("Prof0"), "Beta");
  EXPECT_EQ(Setting("Prof2"), "gamma");
  EXPECT_EQ(Setting("Prof3"), "<none>");
  EXPECT_TRUE(adapter->ProfileExists("ap ONE"));
}

TEST_F(ProfileListTest, AddDeleteAndUpdateKeepTheKeysInStep) {
  Store(Profile("only"));
  Store(Profile("AP", 1));
  auto adapter = Make();
  EXPECT_EQ(adapter->AddProfile(Profile("second")), 1);
  EXPECT_EQ(Setting("Prof1"), "second");
  EXPECT_EQ(adapter->AddProfile(Profile("ap", 0)), 0) << "the name belongs to the other list";
  EXPECT_EQ(adapter->UpdateProfile(Profile("renamed"), "ONLY"), 1);
  EXPECT_EQ(Setting("Prof0"), "renamed");
  EXPECT_TRUE(g->store.count("renamed"));
  EXPECT_FALSE(g->store.count("only"));
  EXPECT_EQ(adapter->DeleteProfile(0, "nope"), 0);
  EXPECT_EQ(adapter->DeleteProfile(0, "RENAMED"), 1);
  EXPECT_EQ(Setting("Prof0"), "second");
  EXPECT_EQ(Setting("Prof1"), "<none>");
  EXPECT_EQ(adapter->DeleteProfile(0, "second"), 1);
  EXPECT_EQ(Setting("ProfCount"), "0");
  EXPECT_EQ(Setting("Prof0"), "<none>");
  EXPECT_GE(notifier->Count(PM_PROFILELIST), 4);
}

TEST_F(ProfileListTest, LastProfileNamesAndLastAppliedProfile) {
  Store(Profile("home"));
  WriteFile(settingsPath, "[USB\\VID_1-9999]\r\nLastProf=HOME\r\nLastAPProf=home\r\n");
  auto adapter = Make();
  EXPECT_EQ(adapter->GetLastProfileName(0), "HOME");
  EXPECT_EQ(adapter->GetLastProfileName(1), "");
  WLProfile last{};
  adapter->GetLastApplyProfile(last);
  EXPECT_STREQ(last.ProfileName, "Default");
  IniFile(settingsPath).WriteString("LastApplyProf", "ProfileName", "Saved");
  adapter->GetLastApplyProfile(last);
  EXPECT_STREQ(last.ProfileName, "Saved");
}

TEST_F(ProfileListTest, ProfileFromSiteTakesSecurityAndAdHocBand) {
  auto adapter = Make();
  const struct {
    int32_t code, encryption, wpaType, wepLevel;
  } rows[] = {{0, 0, 9, 0},   {1, 1, 9, 1},    {12, 3, 1, 9},  {1014, 3, 2, 9},
              {99, 2, 1, 9},  {1024, 2, 2, 9}, {115, 7, 1, 9}, {113, 7, 2, 9},
              {199, 6, 1, 9}, {124, 6, 2, 9},  {16, 0, 9, 0},  {1099, 2, 1, 9}};
  for (const auto& row : rows) {
    SiteSurveyEntry entry = Site("net", 1, row.code);
    WLProfile out{};
    adapter->ProfileFromSite(entry, out);
    // 9 marks a field the code leaves as the default profile had it.
    const int32_t wpa =
        row.wpaType == 9 ? adapter->DefaultProfile().WPAEncryptionType : row.wpaType;
    const int32_t wep =
        row.wepLevel == 9 ? adapter->DefaultProfile().WEPEncryptionLevel : row.wepLevel;
    EXPECT_EQ(out.EncryptionMethod, row.encryption) << row.code;
    EXPECT_EQ(out.WPAEncryptionType, wpa) << row.code;
    EXPECT_EQ(out.WEPEncryptionLevel, wep) << row.code;
    EXPECT_STREQ(out.Ssid1, "net");
    EXPECT_EQ(out.Channel, 6);
  }
  IniFile(settingsPath).WriteString("Setting", "AdHocG", "0");
  SiteSurveyEntry adhoc = Site("peer", 7);
  adhoc.InfrastructureMode = 0;
  adhoc.Radio = 3;
  WLProfile out{};
  adapter->ProfileFromSite(adhoc, out);
  EXPECT_EQ(out.AdHocBand, 1) << "802.11g entry with only 802.11b usable";
}

TEST_F(NicAdapterTest, DestroyingWhileTheWorkerIsStuckInTheLibraryReturns) {
  g->blockStatus = true;
  auto adapter = Make();
  ASSERT_TRUE(WaitUntil([] { return CallCount("ORVWL_GetWLANStatus") >= 1; }));
  const auto workerEnded = std::make_shared<Event>();
  notifier->gone = workerEnded;
  const auto start = std::chrono::steady_clock::now();
  adapter.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(2000));
  // The detached worker now holds the last share of the notifier, which
  // goes with the worker's own state, the last thing the worker lets go.
  notifier.reset();
  g->release.Set();
  EXPECT_TRUE(workerEnded->Wait(milliseconds(10000))) << "the worker ends once the library returns";
}

TEST_F(NicAdapterTest, DestroyingWhileConnectWaitsForTheWindowReturns) {
  notifier->blockSends = true;
  auto adapter = Make();
  adapter->Connect(Profile("p"));
  ASSERT_TRUE(WaitUntil([&] { return notifier->Count(PM_CONNECT) == 1; }));
  const auto start = std::chrono::steady_clock::now();
  adapter.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1000));
  EXPECT_EQ(CallCount("ORVWL_SetWLANStatus"), 0);
}

// The window thread never waits for a call stuck in the library on the
// worker: its operations return without effect, and the address renewal it
// asks for runs on the worker once the library answers again.
TEST_F(NicAdapterTest, WindowCallsGiveUpWhileTheWorkerIsStuckInTheLibrary) {
  auto adapter = Make();
  const int scans = CallCount("ORVWL_SiteSurveyScan");
  std::vector<WLProfile> before;
  adapter->GetProfileList(0, before);
  ASSERT_FALSE(before.empty());
  g->blockStatus = true;
  const int statuses = CallCount("ORVWL_GetWLANStatus");
  ASSERT_TRUE(WaitUntil([&] { return CallCount("ORVWL_GetWLANStatus") > statuses; }));

  auto window = std::async(std::launch::async, [&] {
    adapter->StartSiteSurvey();
    std::vector<SiteSurveyEntry> sites;
    adapter->GetSiteList(sites);
    std::vector<WLProfile> list;
    adapter->ReadProfileList(0, list);
    adapter->IPConfig(CNICAdapter::kIPRelease | CNICAdapter::kIPRenew);
    return sites.empty() && list.empty();
  });
  const bool returned = window.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (!returned) g->release.Set();  // lets the stuck window call end with the test
  ASSERT_TRUE(returned);
  EXPECT_TRUE(window.get());
  EXPECT_EQ(CallCount("ORVWL_SiteSurveyScan"), scans);
  std::vector<WLProfile> after;
  adapter->GetProfileList(0, after);
  EXPECT_EQ(after.size(), before.size()) << "a list not read is kept as it was";
  EXPECT_EQ(CallCount("ORVWL_IPRelease"), 0);

  g->blockStatus = false;
  g->release.Set();
  EXPECT_TRUE(WaitUntil([] { return CallCount("ORVWL_IPRenew") == 1; }));
  EXPECT_EQ(CallCount("ORVWL_IPRelease"), 1);
  adapter->StartSiteSurvey();
  EXPECT_EQ(CallCount("ORVWL_SiteSurveyScan"), scans + 1);
}

TEST_F(NicAdapterTest, LibraryLockComesBackAfterALibraryCallThrows) {
  table.ORVWL_IPRenew = [](void) -> int32_t {
    CountCall("ORVWL_IPRenew");
    throw std::runtime_error("renew failed");
  };
  auto adapter = Make();
  const int scans = CallCount("ORVWL_SiteSurveyScan");
  adapter->IPConfig(CNICAdapter::kIPRenew);
  ASSERT_TRUE(WaitUntil([] { return CallCount("ORVWL_IPRenew") == 1; }));
  auto scan = std::async(std::launch::async, [&] { adapter->StartSiteSurvey(); });
  EXPECT_EQ(scan.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  adapter.reset();  // ends a wait that never got the lock
  scan.wait();
  EXPECT_EQ(CallCount("ORVWL_SiteSurveyScan"), scans + 1);
}

TEST_F(NicAdapterTest, EmptyDefaultSsidsStayEmptyWhileEmptyNamesFallBack) {
  WriteFile(settingsPath,
            "[Setting]\r\nHWID0=USB\\VID_1\r\nDefProfName=\r\nDefProfSSID=\r\n"
            "DefAPProfName=\r\nDefAPProfSSID=\r\n");
  auto adapter = Make();
  EXPECT_STREQ(adapter->DefaultProfile().ProfileName, "Default");
  EXPECT_STREQ(adapter->DefaultProfile().Ssid1, "");
  EXPECT_STREQ(adapter->DefaultAPProfile().ProfileName, "Default_SoftAP");
  EXPECT_STREQ(adapter->DefaultAPProfile().Ssid1, "");
}

TEST_F(ProfileListTest, StaleOrderKeysGoWhateverTheirCase) {
  Store(Profile("one"));
  WriteFile(settingsPath,
            "[USB\\VID_1-9999]\r\nProfCount=3\r\nProf0=one\r\nprof1=gone\r\nPROF2=gone\r\n");
  auto adapter = Make();
  EXPECT_EQ(Setting("ProfCount"), "1");
  EXPECT_EQ(Setting("Prof1"), "<none>");
  EXPECT_EQ(Setting("Prof2"), "<none>");
}

TEST_F(ProfileListTest, ReadingIntoAnotherListWritesThatListsOrder) {
  Store(Profile("first"));
  auto adapter = Make();
  Store(Profile("second"));
  Store(Profile("third"));
  std::vector<WLProfile> fresh;
  adapter->ReadProfileList(0, fresh);
  ASSERT_EQ(fresh.size(), 3u);
  EXPECT_EQ(Setting("ProfCount"), "3");
  EXPECT_EQ(Setting("Prof2"), "third");
}

}  // namespace
