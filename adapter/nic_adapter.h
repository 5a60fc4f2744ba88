#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "adapter/adapter_settings.h"
#include "adapter/device_event_gate.h"
#include "adapter/guarded_slot.h"
#include "adapter/ip_renewal.h"
#include "adapter/to_do_queue.h"
#include "adapter/wl_records.h"
#include "core/notifier.h"
#include "model/wl_profile.h"
#include "platform/event.h"

class CFAGlobalVar;
class WLLibrary;

// The one adapter the detection thread found. It collects the adapter's status
// on a worker thread, runs queued connects and zero-configuration changes,
// keeps the two profile lists and offers every other library operation under
// the library lock.
class CNICAdapter {
 public:
  using Ms = std::chrono::milliseconds;

  // IPConfig flags.
  static constexpr int kIPRelease = 0x01;
  static constexpr int kIPRenew = 0x02;

  // The waits the adapter's behaviour is built on; tests pass shorter ones.
  struct Timing {
    Ms firstCollect{1000};
    Ms collect{2000};
    Ms join{2000};
    Ms afterConnect{1000};
    Ms detectRetry{1000};
    Ms afterRelease{2000};
  };

  struct Dependencies {
    CFAGlobalVar* global = nullptr;  // default: the program's global
    WLLibrary* library = nullptr;    // default: the program's library
    std::shared_ptr<DeviceEventGate> detection;
    IpRenewalStarter startIpRenewal;
    Timing timing;
  };

  // Runs Initial on the caller's thread, then starts the worker.
  CNICAdapter(std::shared_ptr<Notifier> notifier, uint32_t startFlags, const AdapterIdent& ident);
  CNICAdapter(std::shared_ptr<Notifier> notifier, uint32_t startFlags, const AdapterIdent& ident,
              Dependencies dependencies);
  ~CNICAdapter();
  CNICAdapter(const CNICAdapter&) = delete;
  CNICAdapter& operator=(const CNICAdapter&) = delete;

  void GetStatus(WLANStatus& out) const;
  void GetIPInfo(NetworkInfo& out) const;
  bool GetAppliedProfile(WLProfile& out) const;
  void Connect(const WLProfile& profile);
  // Leaves the network on the worker, after any connect queued before.
  void Disconnect();
  void WriteUseWZC(bool flag);
  void SetAntenna(uint8_t value);
  void StartSiteSurvey();
  void GetSiteList(std::vector<SiteSurveyEntry>& list);
  void GetStationList(std::vector<APStation>& list);
  void GetCertificateList(std::vector<CertificateEntry>& list, int32_t store);
  int GetAllowedCh(int32_t* buffer, int capacity, int32_t bands);
  int GetSoftAPAllowedCh(int32_t* buffer, int capacity, int32_t bands);
  int32_t GetUsableAdHocBand(int32_t mode);
  bool IsBandEnable(const std::string& key);
  void IPConfig(int flags);

  // Profile lists; kind 0 station, anything else access point.
  void ReadProfileList(int32_t kind, std::vector<WLProfile>& list);
  void GetProfileList(int32_t kind, std::vector<WLProfile>& list) const;
  int AddProfile(const WLProfile& profile);
  int DeleteProfile(int32_t kind, const std::string& name);
  int UpdateProfile(const WLProfile& profile, const std::string& oldName);
  bool ProfileExists(const std::string& name) const;
  std::string GetLastProfileName(int32_t kind) const;
  void GetLastApplyProfile(WLProfile& out) const;
  void ProfileFromSite(const SiteSurveyEntry& entry, WLProfile& out);

  bool ZeroCfgEnabled() const;
  bool SoftAPEnabled() const { return enableSoftAP_; }
  bool AntennaEnabled() const { return enableAntenna_; }
  const std::string& MacText() const { return macText_; }
  const std::string& DriverVersion() const { return driverVersion_; }
  const std::string& DriverPath() const { return driverPath_; }
  const std::string& Domain() const { return domain_; }
  const AdapterIdent& Ident() const { return ident_; }
  const AdapterSettings& Settings() const;
  const WLProfile& DefaultProfile() const { return defaultProfile_; }
  const WLProfile& DefaultAPProfile() const { return defaultAPProfile_; }
  int32_t SupportMode() const { return supportMode_; }
  int32_t DefBand() const { return defBand_; }
  int32_t DefChB() const { return defChB_; }
  int32_t DefChA() const { return defChA_; }
  // The name reserved for the default station profile.
  const std::string& DefProfName() const { return defProfName_; }
  int32_t DefAPBand() const { return defAPBand_; }
  int32_t DefAPChB() const { return defAPChB_; }
  int32_t DefAPChA() const { return defAPChA_; }

  // Everything the worker touches. A worker stuck inside the library outlives
  // its manager, so it shares ownership of this instead of pointing back.
  struct Shared;

 private:
  void Initial();
  void InitDefProf();
  void ReadSettings();
  void AddDefaultIfEmpty(int32_t kind, const WLProfile& defaultProfile);
  void QueueToDo(int operation);
  int FillAllowedChannels(bool softAP, int32_t* buffer, int capacity, int32_t bands);
  std::vector<WLProfile>& ListOf(int32_t kind);
  const std::vector<WLProfile>& ListOf(int32_t kind) const;
  void WriteOrder(int32_t kind, const std::vector<WLProfile>& list, int from, int to) const;

  std::shared_ptr<Shared> shared_;
  std::thread worker_;
  std::shared_ptr<Event> workerDone_;
  AdapterIdent ident_;
  uint32_t startFlags_;
  std::string macText_;
  std::string driverVersion_;
  std::string driverPath_;
  std::string domain_;
  bool enableSoftAP_ = false;
  bool enableAntenna_ = false;
  int32_t supportMode_ = 34;
  int32_t defBand_ = 1;
  int32_t defChB_ = 6;
  int32_t defChA_ = 36;
  std::string defProfName_ = "Default";
  std::string defProfSSID_ = "ANY";
  int32_t defAPBand_ = 11;
  int32_t defAPChB_ = 6;
  int32_t defAPChA_ = 36;
  std::string defAPProfName_ = "Default_SoftAP";
  std::string defAPProfSSID_ = "WLAN_AP";
  std::vector<WLProfile> stationList_;
  std::vector<WLProfile> apList_;
  WLProfile defaultProfile_{};
  WLProfile defaultAPProfile_{};
  std::unique_ptr<IpRenewalThread> ipThread_;
  IpRenewalStarter startIpRenewal_;
};
