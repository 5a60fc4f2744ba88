#include "simulator/scenario.h"

#include <cstdint>

#include "simulator/association.h"
#include "simulator/prng.h"
#include "simulator/security.h"
#include "simulator/wep_keys.h"

namespace orvsim {

namespace {

constexpr int64_t kLongestDelayMs = 600000;

std::optional<bool> ParseBool(std::string_view text) {
  const std::string v = FoldAscii(Trim(text));
  if (v == "1" || v == "yes" || v == "true" || v == "on") return true;
  if (v == "0" || v == "no" || v == "false" || v == "off") return false;
  return std::nullopt;
}

std::optional<int64_t> ParseBounded(std::string_view text, int64_t lo, int64_t hi) {
  const auto value = ParseInteger(text);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return *value;
}

std::optional<Radio> ParseRadio(std::string_view text) {
  std::string v = FoldAscii(Trim(text));
  if (v.starts_with("802.11")) v.erase(0, 6);
  if (v == "b") return Radio::k80211b;
  if (v == "a") return Radio::k80211a;
  if (v == "g") return Radio::k80211g;
  return std::nullopt;
}

std::optional<EapMethod> ParseEap(std::string_view text) {
  const std::string v = FoldAscii(Trim(text));
  if (v == "tls") return EapMethod::kTls;
  if (v == "ttls") return EapMethod::kTtls;
  if (v == "peap") return EapMethod::kPeap;
  if (v == "leap") return EapMethod::kLeap;
  if (v == "md5") return EapMethod::kMd5;
  return std::nullopt;
}

// Inner methods carry the profile's numbers: TTLSEap 0 PAP .. 3 MS-CHAP v2,
// PeapEap 1 GTC, 2 MS-CHAP v2.
std::optional<int32_t> ParseInner(EapMethod eap, std::string_view text) {
  const std::string v = FoldAscii(Trim(text));
  if (v == "any") return -1;
  if (eap == EapMethod::kTtls) {
    if (v == "pap") return 0;
    if (v == "chap") return 1;
    if (v == "mschap") return 2;
    if (v == "mschapv2") return 3;
  }
  if (eap == EapMethod::kPeap) {
    if (v == "gtc") return 1;
    if (v == "mschapv2") return 2;
  }
  return std::nullopt;
}

std::string InnerName(EapMethod eap, int32_t inner) {
  if (eap == EapMethod::kTtls) {
    static const char* const names[] = {"pap", "chap", "mschap", "mschapv2"};
    if (inner >= 0 && inner <= 3) return names[inner];
  }
  if (eap == EapMethod::kPeap && (inner == 1 || inner == 2)) return inner == 1 ? "gtc" : "mschapv2";
  return "any";
}

const char* EapName(EapMethod eap) {
  switch (eap) {
    case EapMethod::kTls:
      return "tls";
    case EapMethod::kTtls:
      return "ttls";
    case EapMethod::kPeap:
      return "peap";
    case EapMethod::kLeap:
      return "leap";
    case EapMethod::kMd5:
      return "md5";
    case EapMethod::kNone:
      break;
  }
  return "";
}

std::optional<std::array<uint8_t, 3>> ParseSubnet(std::string_view text) {
  std::array<uint8_t, 3> out{};
  text = Trim(text);
  if (text.ends_with(".0")) text.remove_suffix(2);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::size_t dot = text.find('.');
    if ((dot == std::string_view::npos) != (i == out.size() - 1)) return std::nullopt;
    const auto part = ParseBounded(text.substr(0, dot), 0, 255);
    if (!part) return std::nullopt;
    out[i] = static_cast<uint8_t>(*part);
    text.remove_prefix(dot == std::string_view::npos ? text.size() : dot + 1);
  }
  return out;
}

// The same ESS always hands out the same subnet, whichever BSSID answers.
std::array<uint8_t, 3> DefaultSubnet(std::string_view ssid) {
  uint32_t hash = 2166136261u;
  for (char c : ssid) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
  return {192, 168, static_cast<uint8_t>(20 + hash % 200)};
}

bool CheckCredentials(const ScenarioNetwork& n, std::string& problem) {
  const auto suite = SuiteOfCode(n.securityCode);
  if (!suite) {
    problem = "unknown security code " + std::to_string(n.securityCode);
    return false;
  }
  switch (suite->keyManagement) {
    case KeyManagement::kOpen:
      return true;
    case KeyManagement::kWep:
      if (!WepKeyFromText(n.wepKey)) problem = "wep_key needs 5/13/29 characters or 10/26/58 hex";
      break;
    case KeyManagement::kPsk: {
      if (!IsPskText(n.passphrase))
        problem = "passphrase needs 8-63 printable characters or 64 hex digits";
      break;
    }
    case KeyManagement::kEap:
      if (n.eap == EapMethod::kNone) {
        problem = "eap method missing";
      } else if (n.eap != EapMethod::kTls && (n.identity.empty() || n.password.empty())) {
        problem = "identity and password missing";
      }
      break;
  }
  return problem.empty();
}

}  // namespace

bool ParseNetwork(const KeySection& section, uint64_t seed, int index, ScenarioNetwork& n,
                  std::string& problem) {
  n = ScenarioNetwork{};
  bool radioGiven = false;
  bool bssidGiven = false;
  bool subnetGiven = false;
  std::string innerText;
  for (const KeyEntry& e : section.entries) {
    const std::string& k = e.key;
    const std::string& v = e.value;
    bool ok = true;
    if (k == "ssid") {
      n.ssid = v;
      ok = !v.empty() && v.size() <= 32;
    } else if (k == "bssid") {
      const auto mac = ParseMac(v);
      ok = mac.has_value();
      if (mac) n.bssid = *mac;
      bssidGiven = ok;
    } else if (k == "channel") {
      const auto ch = ParseBounded(v, 1, 196);
      ok = ch && ChannelToFrequencyKHz(static_cast<int32_t>(*ch)) != 0;
      if (ok) n.channel = static_cast<int32_t>(*ch);
    } else if (k == "radio") {
      const auto radio = ParseRadio(v);
      ok = radio.has_value();
      if (radio) n.radio = *radio;
      radioGiven = ok;
    } else if (k == "mode") {
      const std::string mode = FoldAscii(v);
      ok = mode == "infrastructure" || mode == "adhoc" || mode == "ad-hoc";
      n.infrastructure = mode == "infrastructure";
    } else if (k == "security") {
      const auto code = ParseBounded(v, 0, 9999);
      ok = code && SuiteOfCode(static_cast<int32_t>(*code));
      if (ok) n.securityCode = static_cast<int32_t>(*code);
    } else if (k == "signal") {
      const auto dbm = ParseBounded(v, -100, -20);
      ok = dbm.has_value();
      if (dbm) n.signal = static_cast<int32_t>(*dbm);
    } else if (k == "hidden") {
      const auto hidden = ParseBool(v);
      ok = hidden.has_value();
      n.hidden = hidden.value_or(false);
    } else if (k == "subnet") {
      const auto subnet = ParseSubnet(v);
      ok = subnet.has_value();
      if (subnet) n.subnet = *subnet;
      subnetGiven = ok;
    } else if (k == "wep_key") {
      n.wepKey = v;
    } else if (k == "wep_slot") {
      const auto slot = ParseBounded(v, 1, 4);
      ok = slot.has_value();
      n.wepSlot = static_cast<int32_t>(slot.value_or(1));
    } else if (k == "passphrase") {
      n.passphrase = v;
    } else if (k == "eap") {
      const auto eap = ParseEap(v);
      ok = eap.has_value();
      n.eap = eap.value_or(EapMethod::kNone);
    } else if (k == "inner") {
      innerText = v;
    } else if (k == "identity") {
      n.identity = v;
    } else if (k == "password") {
      n.password = v;
    } else if (k == "client_cert") {
      n.clientCertificate = v;
    } else if (k == "server_ca") {
      n.serverAuthority = v;
    } else {
      problem = "unknown key '" + k + "'";
      return false;
    }
    if (!ok) {
      problem = "bad value for '" + k + "'";
      return false;
    }
  }
  if (n.ssid.empty()) {
    problem = "ssid missing";
    return false;
  }
  if (!radioGiven) n.radio = Is5GHzChannel(n.channel) ? Radio::k80211a : Radio::k80211g;
  if ((n.radio == Radio::k80211a) != Is5GHzChannel(n.channel)) {
    problem = "channel does not belong to the radio";
    return false;
  }
  if (!innerText.empty()) {
    const auto inner = ParseInner(n.eap, innerText);
    if (!inner) {
      problem = "bad value for 'inner'";
      return false;
    }
    n.innerMethod = *inner;
  }
  if (!bssidGiven) {
    Prng prng = MakePrng(seed, PrngStream::kBssids, static_cast<uint64_t>(index));
    const uint64_t bits = prng.Next();
    // Locally administered, unicast.
    n.bssid = {0x02,
               0x4F,
               0x52,
               static_cast<uint8_t>(bits),
               static_cast<uint8_t>(bits >> 8),
               static_cast<uint8_t>(bits >> 16)};
  }
  if (!subnetGiven) n.subnet = DefaultSubnet(n.ssid);
  return CheckCredentials(n, problem);
}

void WriteNetwork(const ScenarioNetwork& n, KeySection& s) {
  static const char* const radios[] = {"", "b", "a", "g"};
  s.Add("ssid", n.ssid);
  s.Add("bssid", FormatMac(n.bssid));
  s.Add("channel", std::to_string(n.channel));
  s.Add("radio", radios[static_cast<int>(n.radio)]);
  s.Add("mode", n.infrastructure ? "infrastructure" : "adhoc");
  s.Add("security", std::to_string(n.securityCode));
  s.Add("signal", std::to_string(n.signal));
  if (n.hidden) s.Add("hidden", "1");
  s.Add("subnet", std::to_string(n.subnet[0]) + "." + std::to_string(n.subnet[1]) + "." +
                      std::to_string(n.subnet[2]) + ".0");
  if (!n.wepKey.empty()) {
    s.Add("wep_key", n.wepKey);
    s.Add("wep_slot", std::to_string(n.wepSlot));
  }
  if (!n.passphrase.empty()) s.Add("passphrase", n.passphrase);
  if (n.eap != EapMethod::kNone) {
    s.Add("eap", EapName(n.eap));
    if (n.innerMethod >= 0) s.Add("inner", InnerName(n.eap, n.innerMethod));
  }
  if (!n.identity.empty()) s.Add("identity", n.identity);
  if (!n.password.empty()) s.Add("password", n.password);
  if (!n.clientCertificate.empty()) s.Add("client_cert", n.clientCertificate);
  if (!n.serverAuthority.empty()) s.Add("server_ca", n.serverAuthority);
}

namespace {

void ParseAdapter(const KeySection& section, Scenario& s) {
  for (const KeyEntry& e : section.entries) {
    const std::string& v = e.value;
    bool ok = true;
    const auto assign = [&ok](const auto& parsed, auto& field) {
      if (parsed) field = *parsed;
      ok = parsed.has_value();
    };
    if (e.key == "seed") {
      assign(ParseBounded(v, 0, INT64_MAX), s.seed);
    } else if (e.key == "mac") {
      const auto mac = ParseMac(v);
      ok = mac && ((*mac)[0] & 1) == 0;  // unicast
      if (ok) s.mac = *mac;
    } else if (e.key == "domain") {
      ok = !Trim(v).empty() && v.size() < 64;
      if (ok) s.domain = std::string(Trim(v));
    } else if (e.key == "scan_ms") {
      assign(ParseBounded(v, 0, kLongestDelayMs), s.scanMs);
    } else if (e.key == "associate_ms") {
      const std::size_t dash = v.find('-');
      const auto lo = ParseBounded(v.substr(0, dash), 0, kLongestDelayMs);
      const auto hi =
          dash == std::string::npos ? lo : ParseBounded(v.substr(dash + 1), 0, kLongestDelayMs);
      ok = lo && hi && *lo <= *hi;
      if (ok) {
        s.associateMinMs = *lo;
        s.associateMaxMs = *hi;
      }
    } else if (e.key == "station_stay_ms") {
      assign(ParseBounded(v, 1, kLongestDelayMs * 10), s.stationStayMs);
    } else if (e.key == "station_away_ms") {
      assign(ParseBounded(v, 1, kLongestDelayMs * 10), s.stationAwayMs);
    } else if (e.key == "zero_config") {
      assign(ParseBool(v), s.zeroConfigRunning);
    } else if (e.key == "clock") {
      const std::string mode = FoldAscii(Trim(v));
      ok = mode == "real" || mode == "manual";
      if (ok) s.manualClock = mode == "manual";
    } else {
      s.warnings.push_back("line " + std::to_string(e.line) + ": unknown key '" + e.key + "'");
      continue;
    }
    if (!ok)
      s.warnings.push_back("line " + std::to_string(e.line) + ": bad value for '" + e.key + "'");
  }
}

void ParseCertificate(const KeySection& section, Scenario& s) {
  ScenarioCertificate cert;
  bool ok = true;
  if (const KeyEntry* store = section.Find("store")) {
    const std::string v = FoldAscii(store->value);
    ok = v == "1" || v == "3" || v == "personal" || v == "root";
    cert.store = v == "3" || v == "root" ? 3 : 1;
  }
  if (const KeyEntry* subject = section.Find("subject")) cert.subject = subject->value;
  const KeyEntry* issuer = section.Find("issuer");
  cert.issuer = issuer != nullptr ? issuer->value : cert.subject;
  if (!ok || cert.subject.empty() || cert.subject.size() > 255 || cert.issuer.size() > 255) {
    s.warnings.push_back("line " + std::to_string(section.line) + ": certificate skipped");
    return;
  }
  s.certificates.push_back(std::move(cert));
}

void ParseStation(const KeySection& section, Scenario& s) {
  const KeyEntry* mac = section.Find("mac");
  const auto parsed = mac != nullptr ? ParseMac(mac->value) : std::nullopt;
  ScenarioStation station;
  if (const KeyEntry* passphrase = section.Find("passphrase"))
    station.passphrase = passphrase->value;
  if (!parsed || (*parsed)[0] & 1 || *parsed == MacAddress{}) {
    s.warnings.push_back("line " + std::to_string(section.line) + ": station skipped");
    return;
  }
  if (!station.passphrase.empty() && !IsPskText(station.passphrase)) {
    s.warnings.push_back("line " + std::to_string(section.line) +
                         ": station skipped, passphrase needs 8-63 printable characters or 64 "
                         "hex digits");
    return;
  }
  station.mac = *parsed;
  s.stations.push_back(std::move(station));
}

}  // namespace

Scenario ParseScenario(std::string_view text, std::string source) {
  Scenario s;
  s.source = std::move(source);
  KeyFile file = KeyFile::Parse(text);
  s.warnings = file.warnings;
  // The seed decides derived BSSIDs, so read the adapter first.
  for (const KeySection& section : file.sections) {
    if (section.name == "adapter") ParseAdapter(section, s);
  }
  int index = 0;
  for (const KeySection& section : file.sections) {
    if (section.name == "adapter") continue;
    if (section.name == "network") {
      ScenarioNetwork network;
      std::string problem;
      bool duplicate = false;
      if (ParseNetwork(section, s.seed, index++, network, problem)) {
        for (const ScenarioNetwork& other : s.networks) duplicate |= other.bssid == network.bssid;
        if (!duplicate) s.networks.push_back(std::move(network));
      }
      if (duplicate) problem = "BSSID already used";
      if (!problem.empty()) {
        s.warnings.push_back("line " + std::to_string(section.line) + ": network skipped, " +
                             problem);
      }
    } else if (section.name == "certificate") {
      ParseCertificate(section, s);
    } else if (section.name == "station") {
      ParseStation(section, s);
    } else {
      s.warnings.push_back("line " + std::to_string(section.line) + ": unknown section '" +
                           section.name + "'");
    }
  }
  return s;
}

const Scenario& DefaultScenario() {
  static const Scenario scenario = ParseScenario(DefaultScenarioText(), "built-in");
  return scenario;
}

}  // namespace orvsim
