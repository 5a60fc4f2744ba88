#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "adapter/orvwl.h"

// The one simulated adapter behind the library's entry points. Every public
// operation takes the adapter's own mutex, so the entry points the program
// calls without its library lock are safe to run alongside the others.
class SimAdapter {
 public:
  static constexpr char kHardwareId[] = "SIM\\ORVWL_0001";
  static constexpr char kDescription[] = "Or-Vane Simulated Wireless LAN Adapter";

  int32_t Initial(const char* appName, int32_t flags);
  int32_t DevDetect(DeviceEntry* entry);
  int32_t QueryOID(uint32_t oid, void* buffer, uint32_t length, uint32_t* written);
  int32_t SetOID(uint32_t oid, const void* buffer, uint32_t length);
  int32_t GetWLANStatus(int32_t* more, WLANStatus* status);
  int32_t SetProfileDir(const char* root);
  int32_t EnumProfiles(int32_t index, char* name);
  int32_t GetProfile(const char* name, WLProfile* profile);
  int32_t SetProfile(const char* name, const WLProfile* profile);
  int32_t DeleteProfile(const char* name);
  int32_t GetDriverPath(char* text);
  int32_t GetDomain(char* text);
  int32_t SetDomain(const char* domain);
  int32_t GetWZCService();
  int32_t SetWZCService(int32_t enable);

 private:
  std::mutex mutex_;  // guards everything below
  bool plugged_ = true;
  uint8_t mac_[6] = {0x00, 0x0E, 0x2E, 0x5A, 0x10, 0x01};
  std::string domain_ = "US";
  std::string profileRoot_;
  std::map<std::string, WLProfile> profiles_;  // keyed by folded name
  bool wzcRunning_ = false;
};

SimAdapter& Sim();
