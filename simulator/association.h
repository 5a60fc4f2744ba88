#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "adapter/wl_records.h"
#include "model/wl_profile.h"
#include "simulator/psk_deriver.h"
#include "simulator/scenario.h"

namespace orvsim {

// What ORVWL_WLProfileToWLStatus hands to ORVWL_SetWLANStatus: the profile's
// choices an association (or the soft access point) needs, carried in the
// status record's library-owned bytes so that the program passes them on
// without knowing them.
struct AssociationRequest {
  uint32_t magic;
  int32_t FuncMode;
  int32_t NetworkMode;
  int32_t Channel;
  int32_t AdHocBand;
  int32_t ABGMode;
  int32_t TxRate;
  int32_t EncryptionMethod;
  int32_t WPAEncryptionType;
  int32_t WEPEncryptionLevel;
  int32_t DefaultKey;
  int32_t AuthenticationMode;
  int32_t MS8021xAuthMode;
  int32_t TTLSEap;
  int32_t PeapEap;
  int32_t ValidateServerCert;
  int32_t txPwrLevel;
  int32_t APtxPwrLevel;
  int32_t ApSSIDHide;
  int32_t APMacFilterMode;
  uint8_t APMacFilter[kMacFilterEntries][6];
  char Ssid[33];
  char ProfileName[65];
  char WEPKeys[4][59];
  char WPAPassphrase[260];
  char LoginName[260];
  char LoginPassword[260];
  char sCertificate[260];
  char sCertAuthority[260];
};
static_assert(sizeof(AssociationRequest) <= sizeof(WLANStatus::reserved248));

// Fills a status from a profile: the request in the library's bytes, and the
// public fields as they will read once the association is made.
void PackRequest(const WLProfile& profile, WLANStatus& status);
// Nothing when the status was not made by PackRequest.
std::optional<AssociationRequest> UnpackRequest(const WLANStatus& status);

std::string_view RequestSsid(const AssociationRequest& request);
bool IsAccessPointRequest(const AssociationRequest& request);

// The library's own account of the station link, kept in another of its
// status bytes, as equipment reports authenticating and failed states.
enum class LinkState : int32_t {
  kIdle = 0,            // nothing requested
  kSearching = 1,       // no network in reach matches the request
  kAuthenticating = 2,  // credentials being checked
  kRejected = 3,        // the network refused the credentials; retrying
  kConnected = 4,
  kAccessPoint = 5,
};

struct LinkReport {
  LinkState state = LinkState::kIdle;
  int32_t attempts = 0;
  int32_t rejections = 0;
};

void WriteLinkReport(const LinkReport& report, WLANStatus& status);
std::optional<LinkReport> ReadLinkReport(const WLANStatus& status);

// The WPA key of a pass phrase (8-63 printable characters) or of 64
// hexadecimal digits. Nothing for any other text, or while the key of a pass
// phrase is still being derived.
std::optional<Psk> PskOf(std::string_view passphraseOrKey, std::string_view ssid,
                         PskDeriver& deriver);
bool IsPskText(std::string_view passphraseOrKey);

enum class Verdict { kAccepted, kRejected, kPending };

// Whether the network lets the station in: security suite first, then the
// credential the way the equipment checks it (WEP key in the transmit slot,
// WPA keys compared after derivation, 802.1X method and secrets). kPending
// while a WPA key is still being derived.
Verdict CheckAccess(const AssociationRequest& request, const ScenarioNetwork& network,
                    const std::vector<ScenarioCertificate>& certificates, PskDeriver& deriver);

}  // namespace orvsim
