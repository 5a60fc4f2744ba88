#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "adapter/orvwl.h"
#include "simulator/control_state.h"
#include "simulator/ip_config.h"
#include "simulator/live_state.h"
#include "simulator/profile_store.h"
#include "simulator/psk_deriver.h"
#include "simulator/radio_environment.h"
#include "simulator/scenario.h"
#include "simulator/sim_clock.h"
#include "simulator/soft_ap.h"
#include "simulator/station_link.h"

namespace orvsim {

// The one simulated adapter behind the library's entry points: it keeps the
// device state and hands each call to the piece that knows the answer. Every
// operation takes the adapter's mutex, brings the simulation up to the
// present (control file, scan, association) and answers without blocking.
class SimAdapter {
 public:
  static constexpr char kHardwareId[] = "SIM\\ORVWL_0001";
  static constexpr char kDescription[] = "Or-Vane Simulated Wireless LAN Adapter";
  static constexpr char kDriverPath[] = "ORVWL.DLL";
  // Service states as the service manager reports them.
  static constexpr int32_t kServiceStopped = 1;

  SimAdapter();

  // The next injected fault for this entry point, if one is due.
  std::optional<FaultRequest> TakeFault(EntryPoint entry);
  // Whether the control file still holds the fault (cleared faults are gone).
  bool FaultArmed(uint64_t id);
  // Rewrites this process's live state file when what it shows has changed.
  void PublishLive();

  int32_t Initial();
  int32_t DevDetect(DeviceEntry* entry);
  int32_t EnumAvailableDevice(int32_t index, DeviceEntry* entry);
  int32_t QueryOID(uint32_t oid, void* buffer, uint32_t length, uint32_t* written,
                   const FaultRequest* fault);
  int32_t SetOID(uint32_t oid, const void* buffer, uint32_t length);
  int32_t SiteSurveyScan();
  int32_t SiteSurveyGet(void* buffer, uint32_t size, const FaultRequest* fault);
  int32_t GetWLANStatus(int32_t* more, WLANStatus* status, const FaultRequest* fault);
  int32_t SetWLANStatus(uint32_t* result, const WLANStatus* status);
  int32_t SetProfileDir(const char* root);
  int32_t EnumProfiles(int32_t index, char* name);
  int32_t GetProfile(const char* name, WLProfile* profile);
  int32_t SetProfile(const char* name, const WLProfile* profile);
  int32_t DeleteProfile(const char* name);
  int32_t ExportProfiles(const char* file);
  int32_t ImportProfiles(const char* file);
  int32_t GetNetworkInfo(NetworkInfo* info, const FaultRequest* fault);
  int32_t SetNetworkInfo(const NetworkInfo* info);
  int32_t GetDriverPath(char* text);
  int32_t GetDomain(char* text);
  int32_t SetDomain(const char* domain);
  int32_t GetWZCService();
  int32_t SetWZCService(int32_t enable);
  int32_t GetZeroConfig();
  int32_t SetZeroConfig(int32_t enable);
  int32_t EnumCertificates(const CertificateEntry** list, int32_t store);
  int32_t AllowedChannels(int32_t* list, int32_t capacity, int32_t band, const char* domain,
                          bool accessPoint);
  int32_t IPRelease();
  int32_t IPRenew();
  int32_t GetAPStationList(void* buffer, const FaultRequest* fault);
  int32_t Disconnect();
  int32_t GetUSBType();
  int32_t GetGinUSB11();
  int32_t SetGinUSB11(int32_t value);
  int32_t GetAPFilterMode();
  int32_t SetAPFilterMode(int32_t mode);
  int32_t GetAPFilterList(void* list);
  int32_t SetAPFilterList(const void* list);
  int32_t GetCurrentProfile(char* name);
  int32_t EnableDevice(int32_t enable);
  int32_t SendUCharToDev(uint8_t value);

 private:
  int64_t NowMs() const;
  // With the mutex held: the control file, then everything time moves on.
  void Refresh();
  void PollControl();
  void ApplyControl(const ControlState& control, int64_t nowMs);
  void DropLinks();
  bool Ready() const { return plugged_ && radioOn_; }
  void FillGarbage(void* buffer, std::size_t size);
  LiveState Live();

  std::mutex mutex_;  // guards everything below
  const Scenario scenario_;
  SimClock clock_;
  const std::vector<CertificateEntry> personal_;
  const std::vector<CertificateEntry> roots_;
  ControlWatcher control_;
  ProfileStore store_;
  PskDeriver deriver_;
  RadioEnvironment environment_;
  StationLink link_;
  SoftAp accessPoint_;
  IpConfig ip_;
  Prng garbage_;
  std::vector<FaultRequest> faults_;
  std::map<uint64_t, int64_t> faultUses_;  // by fault id
  uint64_t trafficSeen_ = 0;
  bool plugged_ = true;
  bool radioOn_ = true;
  bool wzcRunning_;
  bool zeroConfig_ = false;
  bool usb11_ = false;
  uint8_t antenna_ = 0;
  std::string domain_;
  std::string appliedProfile_;
  std::optional<int64_t> scanDoneAtMs_;
  std::optional<int64_t> lastScanUnixMs_;
  std::vector<SiteSurveyEntry> lastScan_;
  LivePublisher live_;
};

SimAdapter& Sim();

}  // namespace orvsim
