#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/network_info.h"
#include "simulator/text_codec.h"

namespace orvsim {

// IPv4 addresses are kept in network byte order: 192.168.1.2 is {192, 168, 1, 2}.
std::string IpText(const IPData& ip);
std::optional<IPData> ParseIp(std::string_view text);

// The adapter's IP configuration. Bit 0 of NI_wNetFlags chooses fixed
// addresses (the record's own) over addresses from the network's DHCP
// server; every other field is kept as last set and handed back.
class IpConfig {
 public:
  static constexpr uint16_t kFixedAddresses = 0x0001;

  IpConfig(uint64_t seed, MacAddress mac) : seed_(seed), mac_(mac) {}

  void Set(const NetworkInfo& info);
  NetworkInfo Current() const;
  void SetProfileName(std::string_view name);

  // The link is up on a network with this /24 (a lease follows at once with
  // automatic addressing), on an ad hoc network (link-local address), or as
  // the soft access point (its own gateway address).
  void AttachInfrastructure(const std::array<uint8_t, 3>& subnet);
  void AttachAdHoc();
  void AttachAccessPoint();
  void Detach();

  bool Release();
  // A lease needs a link; the same network hands out the same address again.
  bool Renew();

 private:
  struct Lease {
    IPData address;
    IPData mask;
    IPData gateway;
    IPData dns;
  };
  enum class Attachment { kNone, kInfrastructure, kAdHoc, kAccessPoint };

  std::optional<Lease> Offer() const;

  uint64_t seed_;
  MacAddress mac_;
  NetworkInfo config_{};
  Attachment attachment_ = Attachment::kNone;
  std::array<uint8_t, 3> subnet_{};
  std::optional<Lease> lease_;
};

}  // namespace orvsim
