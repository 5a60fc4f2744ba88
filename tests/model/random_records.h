#pragma once

#include <cstring>
#include <random>

#include "model/wl_profile.h"

// Random records whose every field survives the INI form: texts of any length
// up to their buffer's n - 1 characters with zero bytes behind the NUL, no line
// breaks, no blank at either end and no enclosing quote pair (the INI reader
// trims and unquotes values); the boolean byte 0 or 1; padding zero.
class RandomRecords {
 public:
  explicit RandomRecords(uint32_t seed) : rng_(seed) {}

  uint32_t Next() { return rng_(); }

  template <std::size_t N>
  void Text(char (&buffer)[N]) {
    std::memset(buffer, 0, N);
    std::size_t length;
    switch (rng_() % 4) {
      case 0:
        length = 0;
        break;
      case 1:
        length = N - 1;
        break;
      default:
        length = rng_() % N;
        break;
    }
    for (std::size_t i = 0; i < length; ++i) {
      char c;
      do {
        c = static_cast<char>(1 + rng_() % 255);
      } while (c == '\r' || c == '\n');
      buffer[i] = c;
    }
    if (length > 0) {
      if (IsIniBlank(buffer[0])) buffer[0] = 'a';
      if (IsIniBlank(buffer[length - 1])) buffer[length - 1] = 'z';
      if (length > 1 && (buffer[0] == '"' || buffer[0] == '\'') &&
          buffer[length - 1] == buffer[0]) {
        buffer[length - 1] = 'q';
      }
    }
  }

  template <std::size_t N>
  void Bytes(uint8_t (&bytes)[N]) {
    for (auto& b : bytes) b = static_cast<uint8_t>(rng_());
  }

  int32_t Int() {
    switch (rng_() % 4) {
      case 0:
        return static_cast<int32_t>(rng_() % 200);
      case 1:
        return rng_() % 2 ? INT32_MIN : INT32_MAX;
      default:
        return static_cast<int32_t>(rng_());
    }
  }

  NetworkInfo Info() {
    NetworkInfo n{};
    Text(n.NI_sz_CurProfile);
    n.NI_wFlags = static_cast<uint16_t>(rng_());
    n.NI_wNetFlags = static_cast<uint16_t>(rng_());
    n.NI_wPPPFlags = static_cast<uint16_t>(rng_());
    n.NI_wEthWINSMode = static_cast<uint16_t>(rng_());
    n.NI_VPI = static_cast<uint8_t>(rng_());
    n.NI_VCI = static_cast<uint8_t>(rng_());
    n.NI_wEncapsulation = static_cast<uint16_t>(rng_());
    for (IPData* ip : {&n.NI_IpAddr, &n.NI_IpMask, &n.NI_IpGate1, &n.NI_IpGate2, &n.NI_IpDNS1,
                       &n.NI_IpDNS2, &n.NI_IpWINS1, &n.NI_IpWINS2}) {
      Bytes(ip->bytes);
    }
    Text(n.NI_strScopeId);
    Text(n.NI_strHostName);
    Text(n.NI_strDomain);
    Text(n.NI_strDomSufSearch);
    Text(n.NI_strLoginUsr);
    Text(n.NI_strLoginPsw);
    Text(n.NI_strLoginDom);
    return n;
  }

  WLProfile Profile() {
    WLProfile p{};
    p.FuncMode = Int();
    for (auto& entry : p.APMacFilter) Bytes(entry);
    for (int32_t* v : {&p.APMacFilterMode,
                       &p.APtxPwrLevel,
                       &p.Channel,
                       &p.AdHocBand,
                       &p.TxRate,
                       &p.NetworkMode,
                       &p.ABGMode,
                       &p.ApSSIDHide,
                       &p.WEPEncryptionLevel,
                       &p.DefaultKey,
                       &p.WEPKeyFormat,
                       &p.AuthenticationMode,
                       &p.EncryptionMethod,
                       &p.WPAEncryptionType,
                       &p.FragThreshold,
                       &p.RTSThreshold,
                       &p.PreambleMode,
                       &p.PowerMode,
                       &p.txPwrLevel,
                       &p.ValidateServerCert,
                       &p.MS8021xAuthMode,
                       &p.TTLSEap,
                       &p.PeapEap,
                       &p.QosEnabled}) {
      *v = Int();
    }
    Text(p.ProfileName);
    Text(p.Ssid1);
    Text(p.Ssid2);
    Text(p.Ssid3);
    Text(p.PassPhrase);
    Text(p.WEPKey1);
    Text(p.WEPKey2);
    Text(p.WEPKey3);
    Text(p.WEPKey4);
    Text(p.WPAPassphrase);
    Text(p.LoginName);
    Text(p.LoginPassword);
    Text(p.DomainName);
    Text(p.sCertificate);
    Text(p.sCertificate_Issuer);
    Text(p.sCertAuthority);
    Text(p.sCertAuthority_Issuer);
    p.ApplyNetwork = rng_() % 2;
    p.NetworkInfo = Info();
    return p;
  }

 private:
  static bool IsIniBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x1A;
  }

  std::mt19937 rng_;
};
