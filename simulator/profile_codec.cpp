#include "simulator/profile_codec.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

#include "platform/text.h"
#include "simulator/text_codec.h"

namespace orvsim {

namespace {

enum class FieldKind { kInt32, kUInt16, kUInt8, kText, kBytes };

struct Field {
  std::string name;
  std::size_t offset;
  std::size_t size;
  FieldKind kind;
};

template <typename T>
constexpr FieldKind KindOf() {
  if constexpr (std::is_same_v<T, int32_t>) return FieldKind::kInt32;
  if constexpr (std::is_same_v<T, uint16_t>) return FieldKind::kUInt16;
  if constexpr (std::is_same_v<T, uint8_t>) return FieldKind::kUInt8;
  if constexpr (std::is_array_v<T> && std::is_same_v<std::remove_extent_t<T>, char>) {
    return FieldKind::kText;
  }
  return FieldKind::kBytes;
}

#define PROFILE_FIELD(f)                                                          \
  Field {                                                                         \
#f, offsetof(WLProfile, f), sizeof(WLProfile::f),                             \
        KindOf < std::remove_cvref_t < decltype(std::declval <WLProfile>().f)>>() \
  }
#define NETWORK_FIELD(f)                                                                     \
  Field {                                                                                    \
#f, offsetof(WLProfile, NetworkInfo) + offsetof(NetworkInfo, f), sizeof(NetworkInfo::f), \
        KindOf < std::remove_cvref_t < decltype(std::declval <NetworkInfo>().f)>>()          \
  }

const std::vector<Field>& Fields() {
  static const std::vector<Field> fields = [] {
    std::vector<Field> f = {PROFILE_FIELD(FuncMode)};
    for (int i = 0; i < kMacFilterEntries; ++i) {
      f.push_back({"APMacFilter" + std::to_string(i), offsetof(WLProfile, APMacFilter) + 6 * i, 6,
                   FieldKind::kBytes});
    }
    const Field rest[] = {PROFILE_FIELD(APMacFilterMode),
                          PROFILE_FIELD(APtxPwrLevel),
                          PROFILE_FIELD(Channel),
                          PROFILE_FIELD(AdHocBand),
                          PROFILE_FIELD(TxRate),
                          PROFILE_FIELD(NetworkMode),
                          PROFILE_FIELD(ABGMode),
                          PROFILE_FIELD(ProfileName),
                          PROFILE_FIELD(Ssid1),
                          PROFILE_FIELD(Ssid2),
                          PROFILE_FIELD(Ssid3),
                          PROFILE_FIELD(ApSSIDHide),
                          PROFILE_FIELD(WEPEncryptionLevel),
                          PROFILE_FIELD(PassPhrase),
                          PROFILE_FIELD(WEPKey1),
                          PROFILE_FIELD(WEPKey2),
                          PROFILE_FIELD(WEPKey3),
                          PROFILE_FIELD(WEPKey4),
                          PROFILE_FIELD(DefaultKey),
                          PROFILE_FIELD(WEPKeyFormat),
                          PROFILE_FIELD(AuthenticationMode),
                          PROFILE_FIELD(EncryptionMethod),
                          PROFILE_FIELD(WPAEncryptionType),
                          PROFILE_FIELD(WPAPassphrase),
                          PROFILE_FIELD(FragThreshold),
                          PROFILE_FIELD(RTSThreshold),
                          PROFILE_FIELD(PreambleMode),
                          PROFILE_FIELD(PowerMode),
                          PROFILE_FIELD(txPwrLevel),
                          PROFILE_FIELD(LoginName),
                          PROFILE_FIELD(LoginPassword),
                          PROFILE_FIELD(DomainName),
                          PROFILE_FIELD(sCertificate),
                          PROFILE_FIELD(sCertificate_Issuer),
                          PROFILE_FIELD(sCertAuthority),
                          PROFILE_FIELD(sCertAuthority_Issuer),
                          PROFILE_FIELD(ValidateServerCert),
                          PROFILE_FIELD(MS8021xAuthMode),
                          PROFILE_FIELD(TTLSEap),
                          PROFILE_FIELD(PeapEap),
                          PROFILE_FIELD(ApplyNetwork),
                          PROFILE_FIELD(QosEnabled),
                          NETWORK_FIELD(NI_sz_CurProfile),
                          NETWORK_FIELD(NI_wFlags),
                          NETWORK_FIELD(NI_wNetFlags),
                          NETWORK_FIELD(NI_wPPPFlags),
                          NETWORK_FIELD(NI_wEthWINSMode),
                          NETWORK_FIELD(NI_VPI),
                          NETWORK_FIELD(NI_VCI),
                          NETWORK_FIELD(NI_wEncapsulation),
                          NETWORK_FIELD(NI_IpAddr),
                          NETWORK_FIELD(NI_IpMask),
                          NETWORK_FIELD(NI_IpGate1),
                          NETWORK_FIELD(NI_IpGate2),
                          NETWORK_FIELD(NI_IpDNS1),
                          NETWORK_FIELD(NI_IpDNS2),
                          NETWORK_FIELD(NI_IpWINS1),
                          NETWORK_FIELD(NI_IpWINS2),
                          NETWORK_FIELD(NI_strScopeId),
                          NETWORK_FIELD(NI_strHostName),
                          NETWORK_FIELD(NI_strDomain),
                          NETWORK_FIELD(NI_strDomSufSearch),
                          NETWORK_FIELD(NI_strLoginUsr),
                          NETWORK_FIELD(NI_strLoginPsw),
                          NETWORK_FIELD(NI_strLoginDom)};
    f.insert(f.end(), std::begin(rest), std::end(rest));
    return f;
  }();
  return fields;
}

#undef PROFILE_FIELD
#undef NETWORK_FIELD

template <typename T>
T Load(const uint8_t* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

template <typename T>
void StoreIfInRange(uint8_t* p, long long value) {
  if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) return;
  const T narrowed = static_cast<T>(value);
  std::memcpy(p, &narrowed, sizeof narrowed);
}

}  // namespace

void WriteProfile(const WLProfile& profile, KeySection& section) {
  const auto* base = reinterpret_cast<const uint8_t*>(&profile);
  for (const Field& field : Fields()) {
    const uint8_t* p = base + field.offset;
    switch (field.kind) {
      case FieldKind::kInt32:
        section.Add(field.name, std::to_string(Load<int32_t>(p)));
        break;
      case FieldKind::kUInt16:
        section.Add(field.name, std::to_string(Load<uint16_t>(p)));
        break;
      case FieldKind::kUInt8:
        section.Add(field.name, std::to_string(*p));
        break;
      case FieldKind::kText:
        section.Add(field.name, std::string(TextOf(reinterpret_cast<const char*>(p), field.size)));
        break;
      case FieldKind::kBytes:
        section.Add(field.name, HexUpper(std::span(p, field.size)));
        break;
    }
  }
}

WLProfile ReadProfile(const KeySection& section) {
  WLProfile profile{};
  auto* base = reinterpret_cast<uint8_t*>(&profile);
  for (const Field& field : Fields()) {
    const KeyEntry* entry = section.Find(field.name);
    if (entry == nullptr) continue;
    uint8_t* p = base + field.offset;
    const auto number = ParseInteger(entry->value);
    switch (field.kind) {
      case FieldKind::kInt32:
        if (number) StoreIfInRange<int32_t>(p, *number);
        break;
      case FieldKind::kUInt16:
        if (number) StoreIfInRange<uint16_t>(p, *number);
        break;
      case FieldKind::kUInt8:
        if (number) StoreIfInRange<uint8_t>(p, *number);
        break;
      case FieldKind::kText:
        CopyText(reinterpret_cast<char*>(p), field.size, entry->value);
        break;
      case FieldKind::kBytes: {
        const auto bytes = ParseHex(entry->value);
        if (bytes && bytes->size() == field.size) std::memcpy(p, bytes->data(), field.size);
        break;
      }
    }
  }
  return profile;
}

}  // namespace orvsim
