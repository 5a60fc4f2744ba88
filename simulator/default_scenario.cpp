#include "simulator/scenario.h"

namespace orvsim {

// The environment a new user finds: one network of every kind the wizard
// offers, an ad hoc peer, and neighbours that give lists, sorting and
// de-duplication something to do. resources/ORVWL.sim.example is this text
// with its explanations.
std::string_view DefaultScenarioText() {
  return R"(
[adapter]
seed = 20090417
mac = 00:0E:2E:5A:10:01
domain = US
scan_ms = 2000
associate_ms = 1000-2000
station_stay_ms = 60000
station_away_ms = 30000
zero_config = 1

[network]
ssid = OrvOpen
bssid = 00:0E:2E:10:00:01
channel = 6
radio = g
mode = infrastructure
security = 0
signal = -48

[network]
ssid = OrvWEP
bssid = 00:0E:2E:10:00:02
channel = 1
radio = b
mode = infrastructure
security = 1
signal = -55
wep_key = abcde
wep_slot = 1

[network]
ssid = OrvWPA
bssid = 00:0E:2E:10:00:03
channel = 11
radio = g
mode = infrastructure
security = 21
signal = -60
passphrase = orvane-psk-1

[network]
ssid = OrvHome
bssid = 00:0E:2E:10:00:04
channel = 36
radio = a
mode = infrastructure
security = 123
signal = -52
passphrase = correct horse battery

[network]
ssid = OrvCorp
bssid = 00:0E:2E:10:00:05
channel = 44
radio = a
mode = infrastructure
security = 113
signal = -64
eap = peap
identity = alice
password = wonderland
server_ca = Or-Vane Root CA

[network]
ssid = OrvPeer
bssid = 02:0E:2E:10:00:06
channel = 3
radio = b
mode = adhoc
security = 0
signal = -67

[network]
ssid = OrvOpen
bssid = 00:0E:2E:10:00:07
channel = 11
radio = g
mode = infrastructure
security = 0
signal = -74

[network]
ssid = OrvHidden
bssid = 00:0E:2E:10:00:08
channel = 6
radio = g
mode = infrastructure
security = 123
signal = -71
hidden = 1
passphrase = hidden in plain sight

[network]
ssid = Neighbour
bssid = 00:1B:2F:44:71:0A
channel = 4
radio = g
mode = infrastructure
security = 1022
signal = -83
passphrase = not-your-network

[network]
ssid = Cafe Guest
bssid = 00:1B:2F:44:71:0B
channel = 9
radio = g
mode = infrastructure
security = 0
signal = -88

[network]
ssid = Library-5G
bssid = 00:1B:2F:44:71:0C
channel = 149
radio = a
mode = infrastructure
security = 1023
signal = -81
passphrase = quiet-please

[network]
ssid = OrvLab
bssid = 00:0E:2E:10:00:09
channel = 100
radio = a
mode = infrastructure
security = 113
signal = -79
eap = tls
client_cert = alice@orvane.example
server_ca = Or-Vane Root CA

[network]
ssid = Printer
bssid = 02:1B:2F:44:71:0D
channel = 11
radio = b
mode = adhoc
security = 0
signal = -92

[certificate]
store = personal
subject = alice@orvane.example
issuer = Or-Vane Issuing CA

[certificate]
store = personal
subject = bob@orvane.example
issuer = Or-Vane Issuing CA

[certificate]
store = root
subject = Or-Vane Root CA

[certificate]
store = root
subject = Example Global Root R2

[station]
mac = 02:4F:52:56:00:01
passphrase = orvane-hotspot

[station]
mac = 02:4F:52:56:00:02
passphrase = orvane-hotspot

[station]
mac = 02:4F:52:56:00:03
passphrase = a-wrong-guess

[station]
mac = 02:4F:52:56:00:04
)";
}

}  // namespace orvsim
