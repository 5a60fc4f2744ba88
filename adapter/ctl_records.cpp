#include "adapter/ctl_records.h"

#include <algorithm>
#include <cstring>

#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "model/wl_text.h"
#include "platform/text.h"

namespace ctl {

namespace {

constexpr int32_t kMaxSsidBytes = 32;

std::string SsidBytes(const uint8_t* ssid, int32_t length) {
  return std::string(reinterpret_cast<const char*>(ssid),
                     static_cast<std::size_t>(std::clamp<int32_t>(length, 0, kMaxSsidBytes)));
}

int32_t ChannelOf(int32_t frequency, const WLLibrary& library) {
  return library.IsLoaded() ? library.Api().ORVWL_FrequencyToChannel(frequency) : 0;
}

std::string IPText(const NetworkInfo& info, const WLLibrary& library) {
  char text[kIPTextBufferSize] = {};
  if (library.IsLoaded()) library.Api().ORVWL_IPDataToStr(&info.NI_IpAddr, text);
  const std::string_view shown = TextOf(text);
  return shown.empty() ? "0.0.0.0" : std::string(shown);
}

}  // namespace

std::string MacAddressText(const uint8_t (&mac)[6]) {
  return FormatText("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                    mac[5]);
}

Record LinkRecord(const WLANStatus& status, const NetworkInfo& info, const WLLibrary& library) {
  const bool associated = status.MediaState == kMediaConnected;
  Record record{Bool("associated", associated)};
  if (!associated) return record;
  record.push_back(Text("ssid", SsidBytes(status.Ssid, status.SsidLength)));
  record.push_back(Text("bssid", MacAddressText(status.Bssid)));
  record.push_back(Number("channel", ChannelOf(status.Frequency, library)));
  record.push_back(Text("network_type", NetworkModeText(status.NetworkType, FAGlobal())));
  record.push_back(Text("security", EncryptionText(status.SecurityMode, FAGlobal())));
  record.push_back(Number("signal", SignalToPercent(status.Signal)));
  record.push_back(Number("link_quality", status.LinkQuality));
  record.push_back(Text("rate", RateText(status.TxRate, FAGlobal())));
  record.push_back(Text("ip", IPText(info, library)));
  record.push_back(Number("tx_packets", static_cast<long long>(status.TxPackets)));
  record.push_back(Number("rx_packets", static_cast<long long>(status.RxPackets)));
  record.push_back(Number("tx_bytes", static_cast<long long>(status.TxBytes)));
  record.push_back(Number("rx_bytes", static_cast<long long>(status.RxBytes)));
  return record;
}

Record SiteRecord(const SiteSurveyEntry& entry, const WLLibrary& library) {
  return {Text("ssid", SsidBytes(entry.Ssid, entry.SsidLength)),
          Text("bssid", MacAddressText(entry.Bssid)),
          Number("channel", ChannelOf(entry.Frequency, library)),
          Number("signal", SignalToPercent(entry.Signal)),
          Text("security", SecurityCodeText(entry.SecurityCode, FAGlobal()))};
}

Record ProfileRecord(const WLProfile& profile, bool applied) {
  const std::string_view ssid = TextOf(profile.Ssid1);
  return {Text("name", std::string(TextOf(profile.ProfileName))),
          Text("ssid", std::string(ssid.substr(0, kMaxSsidBytes))),
          Text("security", EncryptionText(profile.EncryptionMethod, FAGlobal())),
          Bool("applied", applied)};
}

Record StationRecord(const APStation& station) {
  return {Text("mac", MacAddressText(station.Mac))};
}

}  // namespace ctl
