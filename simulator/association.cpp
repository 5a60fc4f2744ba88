#include "simulator/association.h"

#include <cstring>

#include "platform/text.h"
#include "simulator/radio.h"
#include "simulator/security.h"
#include "simulator/wep_keys.h"

namespace orvsim {

namespace {

constexpr uint32_t kRequestMagic = 0x5145524F;  // "OREQ"
constexpr uint32_t kReportMagic = 0x4B4E4C4F;   // "OLNK"

struct StoredReport {
  uint32_t magic;
  int32_t state;
  int32_t attempts;
  int32_t rejections;
};
static_assert(sizeof(StoredReport) <= sizeof(WLANStatus::reserved2788));

bool IsRawPsk(std::string_view text) { return text.size() == 64 && AllHexDigits(text); }

Psk RawPsk(std::string_view hex) {
  Psk psk{};
  const auto bytes = ParseHex(hex);
  std::copy(bytes->begin(), bytes->end(), psk.begin());
  return psk;
}

bool IsPassphrase(std::string_view text) {
  if (text.size() < 8 || text.size() > 63) return false;
  for (char c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

// The network's key: derived from its pass phrase, or given raw.
std::optional<Psk> NetworkPsk(const ScenarioNetwork& network, PskDeriver& deriver) {
  if (IsRawPsk(network.passphrase)) return RawPsk(network.passphrase);
  return deriver.Find(network.passphrase, network.ssid);
}

}  // namespace

bool IsPskText(std::string_view text) { return IsRawPsk(text) || IsPassphrase(text); }

std::optional<Psk> PskOf(std::string_view text, std::string_view ssid, PskDeriver& deriver) {
  if (IsRawPsk(text)) return RawPsk(text);
  if (IsPassphrase(text)) return deriver.Find(text, ssid);
  return std::nullopt;
}

namespace {

Verdict CheckPsk(const AssociationRequest& request, const ScenarioNetwork& network,
                 PskDeriver& deriver) {
  const std::string_view given = TextOf(request.WPAPassphrase);
  std::optional<Psk> station;
  if (IsRawPsk(given)) {
    station = RawPsk(given);
  } else if (IsPassphrase(given)) {
    station = deriver.Find(given, network.ssid);
  } else {
    return Verdict::kRejected;
  }
  const auto expected = NetworkPsk(network, deriver);
  if (!station || !expected) return Verdict::kPending;
  return *station == *expected ? Verdict::kAccepted : Verdict::kRejected;
}

Verdict CheckWep(const AssociationRequest& request, const ScenarioNetwork& network) {
  const int32_t slot = request.DefaultKey;
  if (slot < 0 || slot > 3 || slot + 1 != network.wepSlot) return Verdict::kRejected;
  const auto given = WepKeyFromText(TextOf(request.WEPKeys[slot]));
  const auto expected = WepKeyFromText(network.wepKey);
  return given && expected && *given == *expected ? Verdict::kAccepted : Verdict::kRejected;
}

bool HasPersonalCertificate(const std::vector<ScenarioCertificate>& certificates,
                            std::string_view subject) {
  for (const ScenarioCertificate& cert : certificates) {
    if (cert.store == kCertificateStorePersonal && cert.subject == subject) return true;
  }
  return false;
}

Verdict CheckEap(const AssociationRequest& request, const ScenarioNetwork& network,
                 const std::vector<ScenarioCertificate>& certificates) {
  const auto method = static_cast<EapMethod>(request.MS8021xAuthMode);
  if (method != network.eap) return Verdict::kRejected;
  // A station that validates the server must trust the authority that signed it.
  if (request.ValidateServerCert != 0 && !network.serverAuthority.empty() &&
      TextOf(request.sCertAuthority) != network.serverAuthority) {
    return Verdict::kRejected;
  }
  if (method == EapMethod::kTls) {
    const std::string_view cert = TextOf(request.sCertificate);
    const bool ownsIt = HasPersonalCertificate(certificates, cert);
    const bool wanted = network.clientCertificate.empty() || network.clientCertificate == cert;
    return ownsIt && wanted ? Verdict::kAccepted : Verdict::kRejected;
  }
  if (network.innerMethod >= 0) {
    const int32_t inner = method == EapMethod::kTtls   ? request.TTLSEap
                          : method == EapMethod::kPeap ? request.PeapEap
                                                       : network.innerMethod;
    if (inner != network.innerMethod) return Verdict::kRejected;
  }
  return TextOf(request.LoginName) == network.identity &&
                 TextOf(request.LoginPassword) == network.password
             ? Verdict::kAccepted
             : Verdict::kRejected;
}

}  // namespace

void PackRequest(const WLProfile& p, WLANStatus& status) {
  AssociationRequest r{};
  r.magic = kRequestMagic;
  r.FuncMode = p.FuncMode;
  r.NetworkMode = p.NetworkMode;
  r.Channel = p.Channel;
  r.AdHocBand = p.AdHocBand;
  r.ABGMode = p.ABGMode;
  r.TxRate = p.TxRate;
  r.EncryptionMethod = p.EncryptionMethod;
  r.WPAEncryptionType = p.WPAEncryptionType;
  r.WEPEncryptionLevel = p.WEPEncryptionLevel;
  r.DefaultKey = p.DefaultKey;
  r.AuthenticationMode = p.AuthenticationMode;
  r.MS8021xAuthMode = p.MS8021xAuthMode;
  r.TTLSEap = p.TTLSEap;
  r.PeapEap = p.PeapEap;
  r.ValidateServerCert = p.ValidateServerCert;
  r.txPwrLevel = p.txPwrLevel;
  r.APtxPwrLevel = p.APtxPwrLevel;
  r.ApSSIDHide = p.ApSSIDHide;
  r.APMacFilterMode = p.APMacFilterMode;
  std::memcpy(r.APMacFilter, p.APMacFilter, sizeof r.APMacFilter);
  CopyText(r.Ssid, TextOf(p.Ssid1));
  CopyText(r.ProfileName, TextOf(p.ProfileName));
  CopyText(r.WEPKeys[0], TextOf(p.WEPKey1));
  CopyText(r.WEPKeys[1], TextOf(p.WEPKey2));
  CopyText(r.WEPKeys[2], TextOf(p.WEPKey3));
  CopyText(r.WEPKeys[3], TextOf(p.WEPKey4));
  CopyText(r.WPAPassphrase, TextOf(p.WPAPassphrase));
  CopyText(r.LoginName, TextOf(p.LoginName));
  CopyText(r.LoginPassword, TextOf(p.LoginPassword));
  CopyText(r.sCertificate, TextOf(p.sCertificate));
  CopyText(r.sCertAuthority, TextOf(p.sCertAuthority));
  std::memcpy(status.reserved248, &r, sizeof r);

  const std::string_view ssid = TextOf(r.Ssid);
  status.SsidLength = static_cast<int32_t>(ssid.size());
  std::memcpy(status.Ssid, ssid.data(), ssid.size());
  status.NetworkType = p.NetworkMode == 1 ? 1 : 0;
  status.AuthenticationMode = p.EncryptionMethod == kEncryptWep ? p.AuthenticationMode : 0;
  status.SecurityMode = p.EncryptionMethod;
  const bool ownsChannel = p.FuncMode != 0 || p.NetworkMode != 1;
  status.Frequency = ownsChannel ? ChannelToFrequencyKHz(p.Channel) : 0;
  status.Radio = ownsChannel && p.AdHocBand >= 1 && p.AdHocBand <= 3 ? p.AdHocBand : 0;
  status.TxRate = static_cast<uint8_t>(p.TxRate >= 0 && p.TxRate <= 255 ? p.TxRate : 0);
  status.OutputPower = p.FuncMode != 0 ? p.APtxPwrLevel : p.txPwrLevel;
  status.MediaState = kMediaDisconnected;
}

std::optional<AssociationRequest> UnpackRequest(const WLANStatus& status) {
  AssociationRequest r;
  std::memcpy(&r, status.reserved248, sizeof r);
  if (r.magic != kRequestMagic) return std::nullopt;
  // The record came through the caller's memory: never trust its texts to end.
  r.Ssid[sizeof r.Ssid - 1] = '\0';
  r.ProfileName[sizeof r.ProfileName - 1] = '\0';
  for (auto& key : r.WEPKeys) key[sizeof key - 1] = '\0';
  r.WPAPassphrase[sizeof r.WPAPassphrase - 1] = '\0';
  r.LoginName[sizeof r.LoginName - 1] = '\0';
  r.LoginPassword[sizeof r.LoginPassword - 1] = '\0';
  r.sCertificate[sizeof r.sCertificate - 1] = '\0';
  r.sCertAuthority[sizeof r.sCertAuthority - 1] = '\0';
  return r;
}

void WriteLinkReport(const LinkReport& report, WLANStatus& status) {
  const StoredReport stored{kReportMagic, static_cast<int32_t>(report.state), report.attempts,
                            report.rejections};
  std::memcpy(status.reserved2788, &stored, sizeof stored);
}

std::optional<LinkReport> ReadLinkReport(const WLANStatus& status) {
  StoredReport stored;
  std::memcpy(&stored, status.reserved2788, sizeof stored);
  if (stored.magic != kReportMagic || stored.state < 0 ||
      stored.state > static_cast<int32_t>(LinkState::kAccessPoint)) {
    return std::nullopt;
  }
  return LinkReport{static_cast<LinkState>(stored.state), stored.attempts, stored.rejections};
}

std::string_view RequestSsid(const AssociationRequest& request) { return TextOf(request.Ssid); }

bool IsAccessPointRequest(const AssociationRequest& request) { return request.FuncMode != 0; }

Verdict CheckAccess(const AssociationRequest& request, const ScenarioNetwork& network,
                    const std::vector<ScenarioCertificate>& certificates, PskDeriver& deriver) {
  const auto offered = SuiteOfCode(network.securityCode);
  const auto wanted = SuiteOfProfile(request.EncryptionMethod, request.WPAEncryptionType);
  if (!offered || !wanted || !SuiteAccepts(*offered, *wanted)) return Verdict::kRejected;
  switch (offered->keyManagement) {
    case KeyManagement::kOpen:
      return Verdict::kAccepted;
    case KeyManagement::kWep:
      return CheckWep(request, network);
    case KeyManagement::kPsk:
      return CheckPsk(request, network, deriver);
    case KeyManagement::kEap:
      return CheckEap(request, network, certificates);
  }
  return Verdict::kRejected;
}

}  // namespace orvsim
