#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian");

// Network object identifiers passed through ORVWL_QueryOID / ORVWL_SetOID.
inline constexpr uint32_t kOid8023CurrentAddress = 0x01010102;     // query, 6 bytes
inline constexpr uint32_t kOidGenMediaConnectStatus = 0x00010114;  // query, 4 bytes
inline constexpr uint32_t kOidVendorAntenna = 0xFF0201BA;          // set, 1 byte

// One candidate adapter handed to ORVWL_DevDetect.
struct DeviceEntry {
  uint8_t reserved0[256];
  char HardwareId[128];
  char Description[132];
};
static_assert(sizeof(DeviceEntry) == 516);
static_assert(offsetof(DeviceEntry, HardwareId) == 256);
static_assert(offsetof(DeviceEntry, Description) == 384);

inline constexpr char kAdapterIdentTag[] = "9999";

// Names one detected adapter; idents compare byte for byte over all 197 bytes.
struct AdapterIdent {
  char Description[128];
  char HardwareId[64];
  char Tag[5];
};
static_assert(sizeof(AdapterIdent) == 197);
static_assert(offsetof(AdapterIdent, HardwareId) == 128);
static_assert(offsetof(AdapterIdent, Tag) == 192);

// Index of the first entry equal to ident over all 197 bytes, or -1.
int FindAdapterIdent(const AdapterIdent& ident, std::span<const AdapterIdent> list);

inline constexpr int32_t kMediaConnected = 0;
inline constexpr int32_t kMediaDisconnected = 1;

// The adapter's current state. The reserved ranges belong to the library; the
// program only carries them.
struct WLANStatus {
  uint8_t Bssid[6];
  uint8_t reserved6[2];
  int32_t SsidLength;
  uint8_t Ssid[32];
  uint8_t reserved44[76];
  int32_t Signal;
  int32_t NetworkType;
  uint8_t reserved128[28];
  int32_t Frequency;
  uint8_t reserved160[44];
  int32_t AuthenticationMode;
  uint64_t RxPackets;
  uint64_t TxPackets;
  uint64_t RxBytes;
  uint64_t TxBytes;
  uint8_t reserved240[4];
  int32_t SecurityMode;
  uint8_t reserved248[2368];
  int32_t Radio;
  uint8_t reserved2620[16];
  uint8_t TxRate;
  uint8_t reserved2637[143];
  int32_t MediaState;
  int32_t LinkQuality;
  uint8_t reserved2788[208];
  int32_t OutputPower;
  uint8_t reserved3000[8];
};
static_assert(sizeof(WLANStatus) == 3008);
static_assert(offsetof(WLANStatus, SsidLength) == 8);
static_assert(offsetof(WLANStatus, Ssid) == 12);
static_assert(offsetof(WLANStatus, Signal) == 120);
static_assert(offsetof(WLANStatus, NetworkType) == 124);
static_assert(offsetof(WLANStatus, Frequency) == 156);
static_assert(offsetof(WLANStatus, AuthenticationMode) == 204);
static_assert(offsetof(WLANStatus, RxPackets) == 208);
static_assert(offsetof(WLANStatus, TxPackets) == 216);
static_assert(offsetof(WLANStatus, RxBytes) == 224);
static_assert(offsetof(WLANStatus, TxBytes) == 232);
static_assert(offsetof(WLANStatus, SecurityMode) == 244);
static_assert(offsetof(WLANStatus, Radio) == 2616);
static_assert(offsetof(WLANStatus, TxRate) == 2636);
static_assert(offsetof(WLANStatus, MediaState) == 2780);
static_assert(offsetof(WLANStatus, LinkQuality) == 2784);
static_assert(offsetof(WLANStatus, OutputPower) == 2996);

// One network heard by a scan.
struct SiteSurveyEntry {
  uint8_t reserved0[4];
  uint8_t Bssid[6];
  uint8_t reserved10[2];
  int32_t SsidLength;
  uint8_t Ssid[32];
  int32_t SecurityCode;
  int32_t Signal;
  int32_t Radio;
  uint8_t reserved60[12];
  int32_t Frequency;
  uint8_t reserved76[16];
  int32_t InfrastructureMode;
  uint8_t reserved96[24];
};
static_assert(sizeof(SiteSurveyEntry) == 120);
static_assert(offsetof(SiteSurveyEntry, Bssid) == 4);
static_assert(offsetof(SiteSurveyEntry, SsidLength) == 12);
static_assert(offsetof(SiteSurveyEntry, Ssid) == 16);
static_assert(offsetof(SiteSurveyEntry, SecurityCode) == 48);
static_assert(offsetof(SiteSurveyEntry, Signal) == 52);
static_assert(offsetof(SiteSurveyEntry, Radio) == 56);
static_assert(offsetof(SiteSurveyEntry, Frequency) == 72);
static_assert(offsetof(SiteSurveyEntry, InfrastructureMode) == 92);

inline constexpr int kSurveyMaxEntries = 256;

// What ORVWL_SiteSurveyGet fills: a count, then the entries back to back.
struct SurveyBuffer {
  int32_t Count;
  SiteSurveyEntry Entries[kSurveyMaxEntries];
};
static_assert(sizeof(SurveyBuffer) == 30724);

// A station associated with the soft access point.
struct APStation {
  uint8_t Mac[6];
};
static_assert(sizeof(APStation) == 6);

inline constexpr int kStationMaxEntries = 1024;
struct StationBuffer {
  APStation Stations[kStationMaxEntries];
};
static_assert(sizeof(StationBuffer) == 6144);

// Channel numbers from the allowed-channel calls: > 0 a channel, 0 automatic
// choice, < 0 ends the list early.
inline constexpr int kChannelListCapacity = 512;
struct ChannelList {
  int32_t Channels[kChannelListCapacity];
};
static_assert(sizeof(ChannelList) == 2048);

struct CertificateEntry {
  char Text[256];
  char Detail[256];
};
static_assert(sizeof(CertificateEntry) == 512);

inline constexpr int32_t kCertificateStorePersonal = 1;
inline constexpr int32_t kCertificateStoreRoot = 3;

// Keys generated from a WEP pass phrase, as hexadecimal digits.
struct WEPKeySet {
  int32_t reserved0;
  char Keys[4][64];
};
static_assert(sizeof(WEPKeySet) == 260);
static_assert(offsetof(WEPKeySet, Keys) == 4);
