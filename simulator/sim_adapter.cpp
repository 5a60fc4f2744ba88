#include "simulator/sim_adapter.h"

#include <algorithm>
#include <cstring>

#include "platform/file_replace.h"
#include "platform/text.h"
#include "simulator/association.h"
#include "simulator/file_util.h"
#include "simulator/key_file.h"
#include "simulator/profile_codec.h"
#include "simulator/radio.h"
#include "simulator/sim_home.h"

namespace orvsim {

namespace {

// SetWLANStatus's result word.
constexpr uint32_t kApplied = 0;
constexpr uint32_t kNoDevice = 1;
constexpr uint32_t kBadRequest = 2;
constexpr uint32_t kChannelRefused = 3;

constexpr std::size_t kLongestRoot = 1024;

std::vector<CertificateEntry> CertificatesOf(const Scenario& scenario, int32_t store) {
  std::vector<CertificateEntry> entries;
  for (const ScenarioCertificate& cert : scenario.certificates) {
    if (cert.store != store) continue;
    CertificateEntry entry{};
    CopyText(entry.Text, cert.subject);
    CopyText(entry.Detail, cert.issuer);
    entries.push_back(entry);
  }
  return entries;
}

}  // namespace

SimAdapter::SimAdapter()
    : scenario_(LoadScenario(ModuleFolder())),
      clock_(scenario_.manualClock),
      personal_(CertificatesOf(scenario_, kCertificateStorePersonal)),
      roots_(CertificatesOf(scenario_, kCertificateStoreRoot)),
      control_(ControlFilePath(SimHome())),
      store_(SimHome()),
      environment_(scenario_),
      link_(scenario_),
      accessPoint_(scenario_, deriver_),
      ip_(scenario_.seed, scenario_.mac),
      garbage_(MakePrng(scenario_.seed, PrngStream::kGarbage)),
      wzcRunning_(scenario_.zeroConfigRunning),
      domain_(scenario_.domain),
      live_(SimHome()) {}

int64_t SimAdapter::NowMs() const { return clock_.NowMs(); }

void SimAdapter::PollControl() {
  if (auto control = control_.Poll()) {
    clock_.TakeAdvances(control->advancedMs);
    ApplyControl(*control, NowMs());
  }
}

void SimAdapter::Refresh() {
  PollControl();
  if (!Ready()) return;
  const int64_t now = NowMs();
  if (scanDoneAtMs_ && now >= *scanDoneAtMs_) {
    lastScan_ = environment_.Scan(domain_);
    lastScanUnixMs_ = clock_.UnixMsAt(*scanDoneAtMs_);
    scanDoneAtMs_.reset();
  }
  switch (link_.Update(now, environment_, deriver_)) {
    case StationLink::Change::kConnected: {
      const ScenarioNetwork& network = *link_.Network();
      if (network.infrastructure) {
        ip_.AttachInfrastructure(network.subnet);
      } else {
        ip_.AttachAdHoc();
      }
      break;
    }
    case StationLink::Change::kLost:
      ip_.Detach();
      break;
    case StationLink::Change::kNone:
      break;
  }
}

void SimAdapter::DropLinks() {
  link_.Stop();
  accessPoint_.Stop();
  ip_.Detach();
  appliedProfile_.clear();
}

void SimAdapter::ApplyControl(const ControlState& control, int64_t nowMs) {
  if (plugged_ && !control.plugged) {
    // Pulled out: the next device starts from nothing.
    DropLinks();
    scanDoneAtMs_.reset();
    lastScanUnixMs_.reset();
    lastScan_.clear();
    radioOn_ = true;
  }
  plugged_ = control.plugged;
  environment_.ApplyControl(control);
  accessPoint_.SetPinned(control.stations);
  if (control.traffic && control.traffic->id != trafficSeen_) {
    trafficSeen_ = control.traffic->id;
    const int64_t left =
        control.traffic->startedUnixMs + control.traffic->seconds * 1000 - SimClock::WallMs();
    if (left > 0) {
      link_.Burst(control.traffic->kbps, nowMs + left);
      accessPoint_.Burst(control.traffic->kbps, nowMs + left);
    }
  }
  faults_ = control.faults;
  std::erase_if(faultUses_, [&](const auto& use) {
    return std::none_of(faults_.begin(), faults_.end(),
                        [&](const FaultRequest& f) { return f.id == use.first; });
  });
}

std::optional<FaultRequest> SimAdapter::TakeFault(EntryPoint entry) {
  std::lock_guard lock(mutex_);
  PollControl();
  for (const FaultRequest& fault : faults_) {
    if (fault.call != entry) continue;
    int64_t& uses = faultUses_[fault.id];
    if (fault.times != 0 && uses >= fault.times) continue;
    ++uses;
    return fault;
  }
  return std::nullopt;
}

bool SimAdapter::FaultArmed(uint64_t id) {
  std::lock_guard lock(mutex_);
  PollControl();
  for (const FaultRequest& fault : faults_) {
    if (fault.id == id) return true;
  }
  return false;
}

void SimAdapter::PublishLive() {
  std::lock_guard lock(mutex_);
  live_.Publish(Live(), clock_.UnixMsAt(NowMs()));
}

LiveState SimAdapter::Live() {
  LiveState state;
  state.device = !plugged_ ? "pulled out" : !radioOn_ ? "radio off" : "plugged in";
  state.profile = appliedProfile_;
  state.lastScanUnixMs = lastScanUnixMs_;
  if (Ready() && link_.Connected()) {
    const ScenarioNetwork& network = *link_.Network();
    state.association = LiveAssociation{network.ssid, network.bssid, network.channel,
                                        network.securityCode, link_.TxRate(environment_) * 500};
  }
  if (Ready() && accessPoint_.Running()) {
    const AssociationRequest& request = accessPoint_.Request();
    state.accessPoint = LiveAccessPoint{std::string(RequestSsid(request)),
                                        request.ApSSIDHide != 0,
                                        accessPoint_.Channel(),
                                        request.EncryptionMethod,
                                        accessPoint_.FilterMode(),
                                        accessPoint_.Stations(NowMs())};
  }
  return state;
}

void SimAdapter::FillGarbage(void* buffer, std::size_t size) {
  auto* bytes = static_cast<uint8_t*>(buffer);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(garbage_.Next());
}

int32_t SimAdapter::Initial() {
  std::lock_guard lock(mutex_);
  Refresh();
  return 1;
}

int32_t SimAdapter::DevDetect(DeviceEntry* entry) {
  if (entry == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  const std::string_view id = TextOf(entry->HardwareId);
  if (!plugged_ || !(id.empty() || SameNoCase(id, kHardwareId))) return 0;
  CopyText(entry->Description, kDescription);
  return 1;
}

int32_t SimAdapter::EnumAvailableDevice(int32_t index, DeviceEntry* entry) {
  if (entry == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  if (index != 0 || !plugged_) return 0;
  *entry = DeviceEntry{};
  CopyText(entry->HardwareId, kHardwareId);
  CopyText(entry->Description, kDescription);
  return 1;
}

int32_t SimAdapter::QueryOID(uint32_t oid, void* buffer, uint32_t length, uint32_t* written,
                             const FaultRequest* fault) {
  if (buffer == nullptr) return kOidFailure;
  std::lock_guard lock(mutex_);
  Refresh();
  if (written != nullptr) *written = 0;
  if (!plugged_) return kOidFailure;
  if (fault != nullptr) {
    FillGarbage(buffer, length);
    if (written != nullptr) *written = length;
    return kOidSuccess;
  }
  std::vector<uint8_t> answer;
  if (oid == kOid8023CurrentAddress) {
    answer.assign(scenario_.mac.begin(), scenario_.mac.end());
  } else if (oid == kOidGenMediaConnectStatus) {
    const bool up = Ready() && (link_.Connected() || accessPoint_.Running());
    const int32_t state = up ? kMediaConnected : kMediaDisconnected;
    answer.resize(sizeof state);
    std::memcpy(answer.data(), &state, sizeof state);
  } else if (oid == kOidVendorAntenna) {
    answer.push_back(antenna_);
  } else {
    return kOidNotSupported;
  }
  if (length < answer.size()) return kOidInvalidLength;
  std::memcpy(buffer, answer.data(), answer.size());
  if (written != nullptr) *written = static_cast<uint32_t>(answer.size());
  return kOidSuccess;
}

int32_t SimAdapter::SetOID(uint32_t oid, const void* buffer, uint32_t length) {
  if (buffer == nullptr) return kOidFailure;
  std::lock_guard lock(mutex_);
  Refresh();
  if (!plugged_) return kOidFailure;
  if (oid != kOidVendorAntenna) return kOidNotSupported;
  if (length < 1) return kOidInvalidLength;
  antenna_ = *static_cast<const uint8_t*>(buffer);
  return kOidSuccess;
}

int32_t SimAdapter::SiteSurveyScan() {
  std::lock_guard lock(mutex_);
  Refresh();
  if (!Ready()) return 0;
  // A scan under way is not restarted.
  if (!scanDoneAtMs_) scanDoneAtMs_ = NowMs() + scenario_.scanMs;
  Refresh();
  return 1;
}

int32_t SimAdapter::SiteSurveyGet(void* buffer, uint32_t size, const FaultRequest* fault) {
  if (buffer == nullptr || size < sizeof(int32_t)) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  const std::size_t bytes = std::min<std::size_t>(size, sizeof(SurveyBuffer));
  if (fault != nullptr && fault->kind == FaultKind::kGarbage) {
    FillGarbage(buffer, bytes);
    int32_t count;
    std::memcpy(&count, buffer, sizeof count);
    return count;
  }
  std::memset(buffer, 0, bytes);
  const std::size_t room = (bytes - sizeof(int32_t)) / sizeof(SiteSurveyEntry);
  const std::size_t n = Ready() ? std::min(room, lastScan_.size()) : 0;
  auto* entries = static_cast<uint8_t*>(buffer) + sizeof(int32_t);
  for (std::size_t i = 0; i < n; ++i) {
    std::memcpy(entries + i * sizeof(SiteSurveyEntry), &lastScan_[i], sizeof(SiteSurveyEntry));
  }
  const auto count =
      fault != nullptr ? static_cast<int32_t>(fault->value) : static_cast<int32_t>(n);
  std::memcpy(buffer, &count, sizeof count);
  return count;
}

int32_t SimAdapter::GetWLANStatus(int32_t* more, WLANStatus* status, const FaultRequest* fault) {
  if (status == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  if (more != nullptr) *more = 0;
  if (fault != nullptr) {
    FillGarbage(status, sizeof *status);
    return 1;
  }
  *status = WLANStatus{};
  status->MediaState = kMediaDisconnected;
  if (!plugged_) return 0;
  if (!radioOn_) return 1;
  const int64_t now = NowMs();
  if (accessPoint_.Running()) {
    accessPoint_.FillStatus(*status, scenario_.mac, now);
  } else {
    link_.FillStatus(*status, now, environment_);
  }
  return 1;
}

int32_t SimAdapter::SetWLANStatus(uint32_t* result, const WLANStatus* status) {
  if (status == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  const auto answer = [result](uint32_t code) {
    if (result != nullptr) *result = code;
    return code == kApplied ? 1 : 0;
  };
  if (!Ready()) return answer(kNoDevice);
  const auto request = UnpackRequest(*status);
  if (!request || RequestSsid(*request).empty()) return answer(kBadRequest);
  const int64_t now = NowMs();
  if (IsAccessPointRequest(*request)) {
    // A refused configuration leaves whatever runs untouched.
    if (!accessPoint_.Start(*request, environment_, domain_, now)) return answer(kChannelRefused);
    link_.Stop();
    ip_.AttachAccessPoint();
  } else {
    accessPoint_.Stop();
    ip_.Detach();
    link_.Start(*request, now);
  }
  appliedProfile_ = TextOf(request->ProfileName);
  ip_.SetProfileName(appliedProfile_);
  Refresh();
  return answer(kApplied);
}

int32_t SimAdapter::SetProfileDir(const char* root) {
  if (root == nullptr) return 0;
  std::lock_guard lock(mutex_);
  store_.SetRoot(TextOf(root, kLongestRoot));
  return 1;
}

int32_t SimAdapter::EnumProfiles(int32_t index, char* name) {
  if (name == nullptr || index < 0) return 0;
  std::lock_guard lock(mutex_);
  const auto found = store_.NameAt(static_cast<std::size_t>(index));
  CopyText(name, kProfileNameBufferSize, found.value_or(""));
  return found ? 1 : 0;
}

int32_t SimAdapter::GetProfile(const char* name, WLProfile* profile) {
  if (name == nullptr || profile == nullptr) return 0;
  std::lock_guard lock(mutex_);
  const auto found = store_.Get(TextOf(name, kProfileNameBufferSize));
  if (!found) return 0;
  *profile = *found;
  return 1;
}

int32_t SimAdapter::SetProfile(const char* name, const WLProfile* profile) {
  if (name == nullptr || profile == nullptr) return 0;
  std::lock_guard lock(mutex_);
  return store_.Put(TextOf(name, kProfileNameBufferSize), *profile) ? 1 : 0;
}

int32_t SimAdapter::DeleteProfile(const char* name) {
  if (name == nullptr) return 0;
  std::lock_guard lock(mutex_);
  return store_.Remove(TextOf(name, kProfileNameBufferSize)) ? 1 : 0;
}

int32_t SimAdapter::ExportProfiles(const char* file) {
  if (file == nullptr || *file == '\0') return 0;
  std::lock_guard lock(mutex_);
  KeyFile out;
  for (const WLProfile& profile : store_.All()) WriteProfile(profile, out.AddSection("profile"));
  return ReplaceFileContent(file, out.Write("orvwl-sim exported profiles")) ? 1 : 0;
}

int32_t SimAdapter::ImportProfiles(const char* file) {
  if (file == nullptr || *file == '\0') return 0;
  std::lock_guard lock(mutex_);
  const auto text = ReadWholeFile(file);
  if (!text) return 0;
  bool all = true;
  for (const KeySection& section : KeyFile::Parse(*text).sections) {
    if (section.name != "profile") continue;
    const WLProfile profile = ReadProfile(section);
    all &= store_.Put(TextOf(profile.ProfileName), profile);
  }
  return all ? 1 : 0;
}

int32_t SimAdapter::GetNetworkInfo(NetworkInfo* info, const FaultRequest* fault) {
  if (info == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  if (fault != nullptr) {
    FillGarbage(info, sizeof *info);
    return 1;
  }
  if (!plugged_) return 0;
  *info = ip_.Current();
  return 1;
}

int32_t SimAdapter::SetNetworkInfo(const NetworkInfo* info) {
  if (info == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  if (!plugged_) return 0;
  ip_.Set(*info);
  return 1;
}

int32_t SimAdapter::GetDriverPath(char* text) {
  if (text == nullptr) return 0;
  CopyText(text, kLibraryTextBufferSize, kDriverPath);
  return 1;
}

int32_t SimAdapter::GetDomain(char* text) {
  if (text == nullptr) return 0;
  std::lock_guard lock(mutex_);
  CopyText(text, kLibraryTextBufferSize, domain_);
  return 1;
}

int32_t SimAdapter::SetDomain(const char* domain) {
  if (domain == nullptr) return 0;
  const std::string_view text = Trim(TextOf(domain, kLibraryTextBufferSize));
  if (text.empty()) return 0;
  std::lock_guard lock(mutex_);
  domain_ = text;
  return 1;
}

int32_t SimAdapter::GetWZCService() {
  std::lock_guard lock(mutex_);
  return wzcRunning_ ? kWZCServiceRunning : kServiceStopped;
}

int32_t SimAdapter::SetWZCService(int32_t enable) {
  std::lock_guard lock(mutex_);
  wzcRunning_ = enable != 0;
  return 1;
}

int32_t SimAdapter::GetZeroConfig() {
  std::lock_guard lock(mutex_);
  return zeroConfig_ ? 1 : 0;
}

int32_t SimAdapter::SetZeroConfig(int32_t enable) {
  std::lock_guard lock(mutex_);
  zeroConfig_ = enable != 0;
  return 1;
}

int32_t SimAdapter::EnumCertificates(const CertificateEntry** list, int32_t store) {
  if (list == nullptr) return 0;
  // The lists never change after construction, so the pointers stay valid.
  const std::vector<CertificateEntry>* entries = store == kCertificateStorePersonal ? &personal_
                                                 : store == kCertificateStoreRoot   ? &roots_
                                                                                    : nullptr;
  *list = entries != nullptr && !entries->empty() ? entries->data() : nullptr;
  return entries != nullptr ? static_cast<int32_t>(entries->size()) : 0;
}

int32_t SimAdapter::AllowedChannels(int32_t* list, int32_t capacity, int32_t band,
                                    const char* domain, bool accessPoint) {
  if (list == nullptr || capacity <= 0) return 0;
  std::string regulatory;
  if (domain != nullptr) regulatory = Trim(TextOf(domain, kLibraryTextBufferSize));
  if (regulatory.empty()) {
    std::lock_guard lock(mutex_);
    regulatory = domain_;
  }
  const std::vector<int32_t> channels =
      accessPoint ? AccessPointChannels(band, regulatory) : StationChannels(band, regulatory);
  const std::size_t n = std::min(channels.size(), static_cast<std::size_t>(capacity));
  std::copy_n(channels.begin(), n, list);
  return static_cast<int32_t>(n);
}

int32_t SimAdapter::IPRelease() {
  std::lock_guard lock(mutex_);
  Refresh();
  return Ready() && ip_.Release() ? 1 : 0;
}

int32_t SimAdapter::IPRenew() {
  std::lock_guard lock(mutex_);
  Refresh();
  return Ready() && ip_.Renew() ? 1 : 0;
}

int32_t SimAdapter::GetAPStationList(void* buffer, const FaultRequest* fault) {
  if (buffer == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  if (fault != nullptr) {
    FillGarbage(buffer, sizeof(StationBuffer));
    return kStationMaxEntries;
  }
  std::memset(buffer, 0, sizeof(StationBuffer));
  if (!Ready()) return 0;
  const std::vector<MacAddress> stations = accessPoint_.Stations(NowMs());
  auto* out = static_cast<uint8_t*>(buffer);
  for (std::size_t i = 0; i < stations.size(); ++i) {
    std::memcpy(out + i * sizeof(APStation), stations[i].data(), sizeof(APStation));
  }
  return static_cast<int32_t>(stations.size());
}

int32_t SimAdapter::Disconnect() {
  std::lock_guard lock(mutex_);
  Refresh();
  if (!plugged_) return 0;
  DropLinks();
  return 1;
}

int32_t SimAdapter::GetUSBType() {
  std::lock_guard lock(mutex_);
  Refresh();
  if (!plugged_) return 0;
  return usb11_ ? 1 : 2;
}

int32_t SimAdapter::GetGinUSB11() {
  std::lock_guard lock(mutex_);
  return usb11_ ? 1 : 0;
}

int32_t SimAdapter::SetGinUSB11(int32_t value) {
  std::lock_guard lock(mutex_);
  usb11_ = value != 0;
  return 1;
}

int32_t SimAdapter::GetAPFilterMode() {
  std::lock_guard lock(mutex_);
  return accessPoint_.FilterMode();
}

int32_t SimAdapter::SetAPFilterMode(int32_t mode) {
  if (mode < SoftAp::kFilterOff || mode > SoftAp::kFilterReject) return 0;
  std::lock_guard lock(mutex_);
  accessPoint_.SetFilterMode(mode);
  return 1;
}

int32_t SimAdapter::GetAPFilterList(void* list) {
  if (list == nullptr) return 0;
  std::lock_guard lock(mutex_);
  std::memset(list, 0, kAPFilterListSize);
  const std::vector<MacAddress>& filter = accessPoint_.FilterList();
  const std::size_t n = std::min<std::size_t>(filter.size(), kMacFilterEntries);
  for (std::size_t i = 0; i < n; ++i) {
    std::memcpy(static_cast<uint8_t*>(list) + 6 * i, filter[i].data(), 6);
  }
  return static_cast<int32_t>(n);
}

int32_t SimAdapter::SetAPFilterList(const void* list) {
  if (list == nullptr) return 0;
  std::vector<MacAddress> filter;
  for (int i = 0; i < kMacFilterEntries; ++i) {
    MacAddress mac;
    std::memcpy(mac.data(), static_cast<const uint8_t*>(list) + 6 * i, 6);
    if (mac != MacAddress{}) filter.push_back(mac);
  }
  std::lock_guard lock(mutex_);
  accessPoint_.SetFilterList(std::move(filter));
  return 1;
}

int32_t SimAdapter::GetCurrentProfile(char* name) {
  if (name == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Refresh();
  CopyText(name, kProfileNameBufferSize, appliedProfile_);
  return appliedProfile_.empty() ? 0 : 1;
}

int32_t SimAdapter::EnableDevice(int32_t enable) {
  std::lock_guard lock(mutex_);
  Refresh();
  if (!plugged_) return 0;
  radioOn_ = enable != 0;
  if (!radioOn_) {
    DropLinks();
    scanDoneAtMs_.reset();
  }
  return 1;
}

int32_t SimAdapter::SendUCharToDev(uint8_t) {
  std::lock_guard lock(mutex_);
  Refresh();
  return plugged_ ? 1 : 0;
}

SimAdapter& Sim() {
  static SimAdapter adapter;
  return adapter;
}

}  // namespace orvsim
