#include "simulator/ip_config.h"

#include "platform/text.h"
#include "simulator/prng.h"

namespace orvsim {

std::string IpText(const IPData& ip) {
  return std::to_string(ip.bytes[0]) + "." + std::to_string(ip.bytes[1]) + "." +
         std::to_string(ip.bytes[2]) + "." + std::to_string(ip.bytes[3]);
}

std::optional<IPData> ParseIp(std::string_view text) {
  IPData ip{};
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = text.find('.');
    if ((dot == std::string_view::npos) != (i == 3)) return std::nullopt;
    const std::string_view part = text.substr(0, dot);
    if (part.empty() || part.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : part) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    if (value > 255) return std::nullopt;
    ip.bytes[i] = static_cast<uint8_t>(value);
    text.remove_prefix(dot == std::string_view::npos ? text.size() : dot + 1);
  }
  return ip;
}

void IpConfig::Set(const NetworkInfo& info) {
  config_ = info;
  // Texts came through the caller's memory.
  config_.NI_sz_CurProfile[sizeof config_.NI_sz_CurProfile - 1] = '\0';
  lease_ = (config_.NI_wNetFlags & kFixedAddresses) != 0 ? std::nullopt : Offer();
}

void IpConfig::SetProfileName(std::string_view name) { CopyText(config_.NI_sz_CurProfile, name); }

NetworkInfo IpConfig::Current() const {
  NetworkInfo info = config_;
  if ((config_.NI_wNetFlags & kFixedAddresses) != 0) return info;
  const Lease lease = lease_.value_or(Lease{});
  info.NI_IpAddr = lease.address;
  info.NI_IpMask = lease.mask;
  info.NI_IpGate1 = lease.gateway;
  info.NI_IpGate2 = {};
  info.NI_IpDNS1 = lease.dns;
  info.NI_IpDNS2 = {};
  return info;
}

std::optional<IpConfig::Lease> IpConfig::Offer() const {
  // The host part depends on the adapter and the network only, as a server
  // that remembers its clients would hand it out.
  uint64_t salt = 0;
  for (uint8_t b : mac_) salt = salt << 8 | b;
  Prng prng = MakePrng(seed_, PrngStream::kAddresses,
                       salt ^ (uint64_t{subnet_[0]} << 56 | uint64_t{subnet_[1]} << 48 |
                               uint64_t{subnet_[2]} << 40));
  switch (attachment_) {
    case Attachment::kNone:
      return std::nullopt;
    case Attachment::kInfrastructure: {
      const IPData gateway{{subnet_[0], subnet_[1], subnet_[2], 1}};
      return Lease{
          {{subnet_[0], subnet_[1], subnet_[2], static_cast<uint8_t>(prng.Between(100, 199))}},
          {{255, 255, 255, 0}},
          gateway,
          gateway};
    }
    case Attachment::kAdHoc:
      return Lease{{{169, 254, static_cast<uint8_t>(prng.Between(1, 254)),
                     static_cast<uint8_t>(prng.Between(1, 254))}},
                   {{255, 255, 0, 0}},
                   {},
                   {}};
    case Attachment::kAccessPoint:
      return Lease{{{192, 168, 137, 1}}, {{255, 255, 255, 0}}, {}, {}};
  }
  return std::nullopt;
}

void IpConfig::AttachInfrastructure(const std::array<uint8_t, 3>& subnet) {
  attachment_ = Attachment::kInfrastructure;
  subnet_ = subnet;
  lease_ = Offer();
}

void IpConfig::AttachAdHoc() {
  attachment_ = Attachment::kAdHoc;
  lease_ = Offer();
}

void IpConfig::AttachAccessPoint() {
  attachment_ = Attachment::kAccessPoint;
  lease_ = Offer();
}

void IpConfig::Detach() {
  attachment_ = Attachment::kNone;
  lease_.reset();
}

bool IpConfig::Release() {
  const bool had = lease_.has_value();
  lease_.reset();
  return had || (config_.NI_wNetFlags & kFixedAddresses) != 0;
}

bool IpConfig::Renew() {
  if ((config_.NI_wNetFlags & kFixedAddresses) != 0) return true;
  lease_ = Offer();
  return lease_.has_value();
}

}  // namespace orvsim
