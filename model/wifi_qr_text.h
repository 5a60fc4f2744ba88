#pragma once

#include <string>
#include <string_view>

struct WLProfile;

// The text a phone camera reads to join a network:
// "WIFI:T:WEP;S:<ssid>;P:<key>;H:true;;". T is WEP (with the transmit key),
// WPA (WPA-PSK and WPA2-PSK, with the pass phrase) or nopass (no P); H:true
// only for a hidden network. The SSID and key bytes stay as they are, with a
// backslash before each of \ ; , " and :. Empty for a profile a camera cannot
// join by such a text (802.1X and LEAP).
std::string WifiQrText(const WLProfile& profile);

// The text with a backslash before each of \ ; , " and :.
std::string WifiQrEscaped(std::string_view text);
