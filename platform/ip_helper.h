#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// One network adapter as the system lists it.
struct IpAdapterInfo {
  uint32_t Index = 0;
  std::string Description;
};

// One entry of the interface table: what release and renewal act on.
struct IpInterfaceEntry {
  uint32_t Index = 0;
  std::string Name;
};

// The system's IP configuration: its adapters, its interface table, and release
// and renewal of an interface's leased address. Every call answers kNoError or
// an error code.
class IpHelper {
 public:
  static constexpr uint32_t kNoError = 0;
  static constexpr uint32_t kErrorGenFailure = 31;
  static constexpr uint32_t kErrorNotSupported = 50;
  static constexpr uint32_t kErrorInvalidParameter = 87;
  static constexpr uint32_t kErrorBufferOverflow = 111;
  static constexpr uint32_t kErrorInsufficientBuffer = 122;
  static constexpr uint32_t kErrorNoData = 232;

  virtual ~IpHelper() = default;

  // Fills the buffer and sets count to the number of adapters; kErrorNoData when
  // there is none. When they do not all fit, answers kErrorBufferOverflow with
  // count set to the room needed.
  virtual uint32_t GetAdaptersInfo(std::span<IpAdapterInfo> buffer, std::size_t& count) = 0;
  // The same for the interface table, answering kErrorInsufficientBuffer when
  // it does not fit (always for an empty buffer, so callers can ask the size).
  virtual uint32_t GetInterfaceInfo(std::span<IpInterfaceEntry> buffer, std::size_t& count) = 0;
  // Both wait until the system's DHCP client is done.
  virtual uint32_t IpReleaseAddress(const IpInterfaceEntry& entry) = 0;
  virtual uint32_t IpRenewAddress(const IpInterfaceEntry& entry) = 0;
};

// The running system's. Its DHCP client is looked for in the PATH and the
// system program folders, or only in clientDirs when they are given.
std::shared_ptr<IpHelper> MakeSystemIpHelper();
std::shared_ptr<IpHelper> MakeSystemIpHelper(std::vector<std::string> clientDirs);
