#include "adapter/nic_adapter.h"

#include "adapter/nic_adapter_shared.h"

#include <cstring>
#include <exception>

#include "adapter/survey_reader.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/start_flags.h"
#include "core/utility.h"
#include "model/network_info_ini.h"
#include "model/profile_ini.h"
#include "model/wl_enums.h"
#include "model/wl_text.h"
#include "platform/debug_log.h"
#include "platform/text.h"

namespace {

enum ToDoOperation { kDoConnect = 1, kDoSetZeroCfg = 2, kDoIPConfig = 3, kDoDisconnect = 4 };

constexpr int kDetectRetries = 10;

}  // namespace

void CNICAdapter::Shared::Execute() {
  DebugLog("CNICAdapter::Execute()");
  Ms timeout = timing.firstCollect;
  for (;;) {
    const int woke = Event::WaitAny({&stop, &toDo}, timeout);
    if (terminated) return;
    if (woke == 1) {
      LaunchToDoFunc();
    } else if (woke == Event::kTimeout) {
      CollectStatus();
      timeout = timing.collect;
    } else {
      return;
    }
  }
}

void CNICAdapter::Shared::LaunchToDoFunc() {
  DebugLog("CNICAdapter::LaunchToDoFunc()");
  while (auto operation = queue.TakeFirst()) {
    if (terminated) return;
    if (*operation == kDoConnect) DoConnect();
    if (*operation == kDoSetZeroCfg) DoSetZeroCfg();
    if (*operation == kDoIPConfig) DoIPConfig();
    if (*operation == kDoDisconnect) DoDisconnect();
  }
}

void CNICAdapter::Shared::CollectStatus() {
  if (zeroCfg) return;
  WLANStatus current{};
  NetworkInfo info{};
  {
    const HeldLock lock(*this);
    if (!lock) return;
    try {
      if (library.QueryStatus(current) != 1) current.MediaState = kMediaDisconnected;
      if (library.Api().ORVWL_GetNetworkInfo(&info) != 1) info = NetworkInfo{};
    } catch (...) {
      DebugLog("Exception(CNICAdapter::CollectStatus)");
    }
  }
  status.Put(current);
  ipInfo.Put(info);
  notifier->Post(PM_STATUS, 0);
}

void CNICAdapter::Shared::DoConnect() {
  DebugLog("CNICAdapter::DoConnect()");
  std::unique_ptr<WLProfile> taken = pending.Take();
  if (!taken) return;
  const WLProfile profile = *taken;
  applied.Put(std::move(taken));
  const DeviceEventSkip skip(*this);
  notifier->Send(PM_CONNECT, profile.FuncMode, stop);
  if (Apply(profile)) Sleep(timing.afterConnect);
}

// The settling pause after a profile is applied is taken without the library
// lock, so the window can go on using the adapter meanwhile.
bool CNICAdapter::Shared::Apply(const WLProfile& profile) {
  const HeldLock lock(*this);
  if (!lock) return false;
  const OrvwlApi& api = library.Api();
  if (profile.ApplyNetwork) {
    NetworkInfo current{};
    api.ORVWL_GetNetworkInfo(&current);
    if (!SameIPSettings(current, profile.NetworkInfo)) {
      DebugLog("set IP");
      api.ORVWL_SetNetworkInfo(&profile.NetworkInfo);
      for (int i = 0; i < kDetectRetries && !terminated; ++i) {
        DeviceEntry probe = device;
        if (api.ORVWL_DevDetect(&probe) == 1) break;
        Sleep(timing.detectRetry);
      }
    }
  }
  WLANStatus request{};
  api.ORVWL_WLProfileToWLStatus(&profile, &request);
  uint32_t result = 0;
  if (api.ORVWL_SetWLANStatus(&result, &request) == 1) {
    if (std::strcmp(profile.ProfileName, kEditingProfileName) != 0) {
      settings.WriteSet(profile.FuncMode == 0 ? "LastProf" : "LastAPProf",
                        TextOf(profile.ProfileName));
    }
    if (IniFile* ini = global.SettingsFile()) ProfToIniFile(*ini, profile, "LastApplyProf");
    return true;
  }
  return false;
}

void CNICAdapter::Shared::DoSetZeroCfg() {
  DebugLog("CNICAdapter::DoSetZeroCfg()");
  if (global.OSLevel() < 7) return;
  const HeldLock lock(*this);
  if (!lock) return;
  const bool running = library.Api().ORVWL_Get_WZCService() == kWZCServiceRunning;
  if (running != zeroCfg) {
    DebugLog("Set ZeroCfg: %d", zeroCfg ? 1 : 0);
    library.Api().ORVWL_Set_WZCService(zeroCfg ? 1 : 0);
  }
}

void CNICAdapter::Shared::DoIPConfig() {
  const int flags = ipFlags.exchange(0);
  if (flags == 0) return;
  try {
    const HeldLock lock(*this);
    if (!lock) return;
    if (flags & kIPRelease) {
      library.Api().ORVWL_IPRelease();
      Sleep(timing.afterRelease);
    }
    if (flags & kIPRenew) library.Api().ORVWL_IPRenew();
  } catch (...) {
    DebugLog("Exception(CNICAdapter::DoIPConfig)");
  }
}

void CNICAdapter::Shared::DoDisconnect() {
  DebugLog("CNICAdapter::DoDisconnect()");
  const HeldLock lock(*this);
  if (lock) library.Api().ORVWL_Disconnect();
}

CNICAdapter::CNICAdapter(std::shared_ptr<Notifier> notifier, uint32_t startFlags,
                         const AdapterIdent& ident)
    : CNICAdapter(std::move(notifier), startFlags, ident, Dependencies{}) {}

CNICAdapter::CNICAdapter(std::shared_ptr<Notifier> notifier, uint32_t startFlags,
                         const AdapterIdent& ident, Dependencies dependencies)
    : workerDone_(std::make_shared<Event>()),
      ident_(ident),
      startFlags_(startFlags),
      startIpRenewal_(std::move(dependencies.startIpRenewal)) {
  shared_ = std::make_shared<Shared>(dependencies.global ? *dependencies.global : FAGlobal(),
                                     dependencies.library ? *dependencies.library : WLLib(),
                                     std::move(notifier), std::move(dependencies.detection),
                                     dependencies.timing, ident_, startFlags);
  Initial();
  worker_ = std::thread([shared = shared_, done = workerDone_] {
    shared->Execute();
    done->Set();
  });
}

CNICAdapter::~CNICAdapter() {
  DebugLog("CNICAdapter::~CNICAdapter()");
  shared_->terminated = true;
  shared_->stop.Set();
  if (workerDone_->Wait(shared_->timing.join)) {
    worker_.join();
  } else {
    // Stuck inside the library: it keeps its own share of the state alive.
    DebugLog("CNICAdapter::~CNICAdapter TerminateThread");
    worker_.detach();
  }
  ipThread_.reset();
}

const AdapterSettings& CNICAdapter::Settings() const { return shared_->settings; }

bool CNICAdapter::ZeroCfgEnabled() const { return shared_->zeroCfg; }

void CNICAdapter::Initial() {
  DebugLog("CNICAdapter::Initial()");
  Shared& s = *shared_;
  {
    const Shared::HeldLock lock(s, Shared::kWindowLockWait);
    if (!lock) return;
    const OrvwlApi& api = s.library.Api();
    api.ORVWL_DevDetect(&s.device);
    uint8_t mac[6] = {};
    uint32_t written = 0;
    api.ORVWL_QueryOID(kOid8023CurrentAddress, mac, sizeof mac, &written);
    macText_ =
        FormatText("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    char text[kLibraryTextBufferSize] = {};
    api.ORVWL_GetWLANDomain(text);
    text[sizeof text - 1] = '\0';
    DebugLog("Domain = [%s]", text);
    domain_ = s.settings.ReadSet("Domain", std::string_view(text));
    std::memset(text, 0, sizeof text);
    api.ORVWL_GetWLANDriverPath(text);
    text[sizeof text - 1] = '\0';
    driverPath_ = s.global.ResolveDriverPath(text);
  }

  driverVersion_ = FileVersionText(driverPath_, 4);
  ReadSettings();
  InitDefProf();
  const bool service = (startFlags_ & kStartService) != 0;
  if (!service) AddDefaultIfEmpty(0, defaultProfile_);
  enableSoftAP_ = s.settings.ReadSet("EnableSoftAP", false);
  if (!service) AddDefaultIfEmpty(1, defaultAPProfile_);
  enableAntenna_ = s.settings.ReadSet("EnableAntenna", false);
  if (!service) StartSiteSurvey();
  if (s.global.OSLevel() > 6) {
    s.zeroCfg = s.settings.ReadSet("EnableZeroCfg", false);
    QueueToDo(kDoSetZeroCfg);
  } else {
    s.zeroCfg = false;
  }
  DebugLog("CNICAdapter::Initial() end");
}

namespace {

// A name setting: empty gives the default, and only what the record holds counts.
std::string NameSetting(const AdapterSettings& settings, const char* key, const char* fallback) {
  std::string value = settings.ReadSet(key, fallback);
  if (value.empty()) value = fallback;
  return value.substr(0, 64);
}

// An SSID setting: empty stays empty (a profile for any network).
std::string SsidSetting(const AdapterSettings& settings, const char* key, const char* fallback) {
  return settings.ReadSet(key, fallback).substr(0, 32);
}

}  // namespace

void CNICAdapter::ReadSettings() {
  const AdapterSettings& set = shared_->settings;
  supportMode_ = set.ReadSet("SupportMode", int32_t{34});
  defBand_ = set.ReadSet("DefBand", int32_t{1});
  defChB_ = set.ReadSet("DefChB", int32_t{6});
  defChA_ = set.ReadSet("DefChA", int32_t{36});
  defProfName_ = NameSetting(set, "DefProfName", "Default");
  defProfSSID_ = SsidSetting(set, "DefProfSSID", "ANY");
  defAPBand_ = set.ReadSet("DefAPBand", int32_t{11});
  defAPChB_ = set.ReadSet("DefAPChB", int32_t{6});
  defAPChA_ = set.ReadSet("DefAPChA", int32_t{36});
  defAPProfName_ = NameSetting(set, "DefAPProfName", "Default_SoftAP");
  defAPProfSSID_ = SsidSetting(set, "DefAPProfSSID", "WLAN_AP");
}

void CNICAdapter::InitDefProf() {
  DebugLog("CNICAdapter::InitDefProf()");
  const AdapterSettings& set = shared_->settings;
  defaultProfile_ = WLProfile{};
  defaultAPProfile_ = WLProfile{};
  ResetSecurity(defaultProfile_);
  WLProfile& p = defaultProfile_;
  p.FuncMode = 0;
  p.QosEnabled = 1;
  p.ABGMode = supportMode_;
  p.AdHocBand = defBand_;
  p.Channel = defBand_ == 2 ? defChA_ : defChB_;
  p.TxRate = 15;
  p.NetworkMode = 1;
  const std::string name = set.ReadSet("ProfName", defProfName_);
  CopyText(p.ProfileName, name);
  CopyText(p.NetworkInfo.NI_sz_CurProfile, name);
  CopyText(p.Ssid1, set.ReadSet("ProfSSID", defProfSSID_));
  p.FragThreshold = 2346;
  p.RTSThreshold = 2347;
  p.PreambleMode = 2;
  p.PowerMode = 0;
  p.ApplyNetwork = 0;

  WLProfile& ap = defaultAPProfile_;
  ap = p;
  ap.FuncMode = 1;
  ap.ABGMode = defAPBand_;
  ap.Channel = (defAPBand_ == 1 || defAPBand_ == 3 || defAPBand_ == 11) ? defAPChB_ : defAPChA_;
  const std::string apName = set.ReadSet("APProfName", defAPProfName_);
  CopyText(ap.ProfileName, apName);
  CopyText(ap.NetworkInfo.NI_sz_CurProfile, apName);
  CopyText(ap.Ssid1, set.ReadSet("APProfSSID", defAPProfSSID_));
  ap.AuthenticationMode = 0;
  ap.PreambleMode = 0;
}

void CNICAdapter::AddDefaultIfEmpty(int32_t kind, const WLProfile& defaultProfile) {
  std::vector<WLProfile>& list = ListOf(kind);
  ReadProfileList(kind, list);
  if (!list.empty()) return;
  WLProfile profile = defaultProfile;
  const std::string& name = kind == 0 ? defProfName_ : defAPProfName_;
  CopyText(profile.ProfileName, name);
  CopyText(profile.NetworkInfo.NI_sz_CurProfile, name);
  CopyText(profile.Ssid1, kind == 0 ? defProfSSID_ : defAPProfSSID_);
  AddProfile(profile);
}

void CNICAdapter::QueueToDo(int operation) {
  shared_->queue.Add(operation);
  shared_->toDo.Set();
}

void CNICAdapter::GetStatus(WLANStatus& out) const { shared_->status.Peek(out); }

void CNICAdapter::GetIPInfo(NetworkInfo& out) const { shared_->ipInfo.Peek(out); }

bool CNICAdapter::GetAppliedProfile(WLProfile& out) const { return shared_->applied.Peek(out); }

void CNICAdapter::Connect(const WLProfile& profile) {
  shared_->pending.Put(profile);
  QueueToDo(kDoConnect);
}

void CNICAdapter::Disconnect() { QueueToDo(kDoDisconnect); }

void CNICAdapter::WriteUseWZC(bool flag) {
  DebugLog("CNICAdapter::WriteUseWZC()");
  Shared& s = *shared_;
  if (s.global.OSLevel() < 7 || s.zeroCfg == flag) return;
  s.zeroCfg = flag;
  DebugLog("EnableZeroCfg %d", flag ? 1 : 0);
  QueueToDo(kDoSetZeroCfg);
  s.settings.WriteSet("EnableZeroCfg", flag);
  s.notifier->Send(PM_ZEROCFG, flag ? 1 : 0, s.stop);
}

void CNICAdapter::SetAntenna(uint8_t value) {
  if (!enableAntenna_) return;
  const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
  if (lock) shared_->library.Api().ORVWL_SetOID(kOidVendorAntenna, &value, 1);
}

void CNICAdapter::StartSiteSurvey() {
  const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
  if (lock) shared_->library.Api().ORVWL_SiteSurveyScan();
}

void CNICAdapter::GetSiteList(std::vector<SiteSurveyEntry>& list) {
  auto buffer = std::make_unique<SurveyBuffer>();
  {
    const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
    if (!lock) return;
    shared_->library.Api().ORVWL_SiteSurveyGet(buffer.get(), sizeof(SurveyBuffer));
  }
  for (const SiteSurveyEntry& entry : ReadSurveyBuffer(*buffer)) {
    // A hidden network sends no name, yet the user may still pick it.
    static constexpr uint8_t kNoBssid[6] = {};
    if (std::memcmp(entry.Bssid, kNoBssid, sizeof kNoBssid) == 0) continue;
    bool known = false;
    for (const SiteSurveyEntry& have : list) {
      known = have.SsidLength == entry.SsidLength &&
              std::memcmp(have.Ssid, entry.Ssid, static_cast<std::size_t>(entry.SsidLength)) == 0 &&
              std::memcmp(have.Bssid, entry.Bssid, sizeof entry.Bssid) == 0;
      if (known) break;
    }
    if (!known) list.push_back(entry);
  }
}

void CNICAdapter::GetStationList(std::vector<APStation>& list) {
  auto buffer = std::make_unique<StationBuffer>();
  {
    const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
    if (!lock) return;
    shared_->library.Api().ORVWL_GetAPStationList(buffer.get());
  }
  for (const APStation& station : ReadStationBuffer(*buffer)) list.push_back(station);
}

void CNICAdapter::GetCertificateList(std::vector<CertificateEntry>& list, int32_t store) {
  const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
  if (!lock) return;
  const CertificateEntry* entries = nullptr;
  const int32_t count = shared_->library.Api().ORVWL_EnumCertificates(&entries, store);
  // The library owns the array until its next call: copy before unlocking.
  for (int32_t i = 0; entries != nullptr && i < count; ++i) list.push_back(entries[i]);
}

int CNICAdapter::GetAllowedCh(int32_t* buffer, int capacity, int32_t bands) {
  DebugLog("CNICAdapter::GetAllowedCh()");
  return FillAllowedChannels(false, buffer, capacity, bands);
}

int CNICAdapter::GetSoftAPAllowedCh(int32_t* buffer, int capacity, int32_t bands) {
  DebugLog("CNICAdapter::GetSoftAPAllowedCh()");
  return FillAllowedChannels(true, buffer, capacity, bands);
}

int CNICAdapter::FillAllowedChannels(bool softAP, int32_t* buffer, int capacity, int32_t bands) {
  const int32_t mask = ModeToBandMask(supportMode_) & bands;
  auto channels = std::make_unique<ChannelList>();
  int count = 0;
  {
    const Shared::HeldLock lock(*shared_, Shared::kWindowLockWait);
    if (!lock) return 0;
    const OrvwlApi& api = shared_->library.Api();
    for (int32_t band : {kBand80211b, kBand80211g, kBand80211a}) {
      if ((mask & band) == 0) continue;
      int32_t* at = channels->Channels + count;
      const int32_t room = kChannelListCapacity - count;
      const int32_t added = softAP ? api.ORVWL_GetAPAllowedChannel(at, room, band, domain_.c_str())
                                   : api.ORVWL_GetAllowedChannel(at, room, band, domain_.c_str());
      // A library that claims more than it was given room for is held to the room.
      if (added > 0) count += std::min(added, room);
    }
  }
  if (buffer != nullptr && capacity >= count) {
    std::memcpy(buffer, channels->Channels, static_cast<std::size_t>(count) * sizeof(int32_t));
  }
  return count;
}

int32_t CNICAdapter::GetUsableAdHocBand(int32_t mode) {
  DebugLog("CNICAdapter::GetUsableAdHocBand()");
  const int32_t mask = ModeToBandMask(supportMode_) & ModeToBandMask(mode);
  int32_t bands = 0;
  if (shared_->settings.ReadSet("EnableAdHocG", true)) {
    if ((mask & kBand80211b) && IsBandEnable("AdHocB")) bands |= kBand80211b;
    if ((mask & kBand80211g) && IsBandEnable("AdHocG")) bands |= kBand80211g;
  } else if ((mask & (kBand80211b | kBand80211g)) && IsBandEnable("AdHocB")) {
    bands |= kBand80211b;
  }
  if ((mask & kBand80211a) && IsBandEnable("AdHocA")) bands |= kBand80211a;
  return bands;
}

bool CNICAdapter::IsBandEnable(const std::string& key) {
  DebugLog("CNICAdapter::IsBandEnable()");
  const bool enabled = shared_->settings.ReadSet(key, true);
  return shared_->settings.ReadSet(key + "_" + domain_, enabled);
}

void CNICAdapter::IPConfig(int flags) {
  DebugLog("IPConfig 0x%x", static_cast<unsigned>(flags));
  Shared& s = *shared_;
  try {
    if (s.global.OSLevel() >= 6) {
      // Release, pause and renew take seconds: the worker does them.
      s.ipFlags |= flags & (kIPRelease | kIPRenew);
      QueueToDo(kDoIPConfig);
      return;
    }
    const std::string name = s.settings.ReadSet("NicDesc", TextOf(s.device.Description));
    DebugLog("IPConfig NIC: %s", name.c_str());
    ipThread_.reset();
    if (startIpRenewal_) ipThread_ = startIpRenewal_(name, flags);
  } catch (...) {
    DebugLog("Exception(CNICAdapter::IPConfig)");
  }
}
