#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/key_file.h"
#include "simulator/radio.h"
#include "simulator/text_codec.h"

namespace orvsim {

// MS8021xAuthMode values.
enum class EapMethod : int32_t { kNone = 0, kTls = 1, kTtls = 2, kPeap = 3, kLeap = 4, kMd5 = 5 };

// One network in the air.
struct ScenarioNetwork {
  std::string ssid;
  MacAddress bssid{};
  int32_t channel = 6;
  Radio radio = Radio::k80211g;
  bool infrastructure = true;
  int32_t securityCode = 0;
  int32_t signal = -60;             // dBm where the adapter starts
  bool hidden = false;              // SSID not broadcast: scans show it empty
  std::array<uint8_t, 3> subnet{};  // the /24 its DHCP server hands out
  // Credentials: a WEP key text in a slot 1..4; a WPA pass phrase or 64
  // hexadecimal digits; an 802.1X method with its inner method (-1 = any),
  // identity, password, client certificate and server authority.
  std::string wepKey;
  int32_t wepSlot = 1;
  std::string passphrase;
  EapMethod eap = EapMethod::kNone;
  int32_t innerMethod = -1;
  std::string identity;
  std::string password;
  std::string clientCertificate;
  std::string serverAuthority;
};

struct ScenarioCertificate {
  int32_t store = 1;  // 1 personal, 3 trusted roots
  std::string subject;
  std::string issuer;
};

// A station that comes and goes while the soft access point runs. It joins a
// WPA-protected access point only with that access point's key, given as its
// pass phrase or 64 hexadecimal digits.
struct ScenarioStation {
  MacAddress mac{};
  std::string passphrase;
  bool operator==(const ScenarioStation&) const = default;
};

struct Scenario {
  std::string source;  // file path, or "built-in"
  uint64_t seed = 1;
  MacAddress mac = {0x00, 0x0E, 0x2E, 0x5A, 0x10, 0x01};
  std::string domain = "US";
  int64_t scanMs = 2000;
  int64_t associateMinMs = 1000;
  int64_t associateMaxMs = 2000;
  int64_t stationStayMs = 60000;  // mean time a soft-AP station stays
  int64_t stationAwayMs = 30000;  // mean time it stays away
  bool zeroConfigRunning = true;
  bool manualClock = false;  // time moves only when the control tool advances it
  std::vector<ScenarioNetwork> networks;
  std::vector<ScenarioCertificate> certificates;
  std::vector<ScenarioStation> stations;
  std::vector<std::string> warnings;
};

Scenario ParseScenario(std::string_view text, std::string source);
const Scenario& DefaultScenario();
std::string_view DefaultScenarioText();

// A [network] section, shared with the control state, which adds networks in
// the same form. The second form reports what is wrong with it.
bool ParseNetwork(const KeySection& section, uint64_t seed, int index, ScenarioNetwork& out,
                  std::string& problem);
void WriteNetwork(const ScenarioNetwork& network, KeySection& section);

}  // namespace orvsim
