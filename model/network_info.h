#pragma once

#include <cstddef>
#include <cstdint>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian");

// One IPv4 address as the library stores it; only the library interprets it.
struct IPData {
  uint8_t bytes[4];
};
static_assert(sizeof(IPData) == 4);

// The adapter's IP configuration, and the IP settings embedded in every profile.
struct NetworkInfo {
  char NI_sz_CurProfile[260];
  uint16_t NI_wFlags;
  uint16_t NI_wNetFlags;
  uint16_t NI_wPPPFlags;
  uint16_t NI_wEthWINSMode;
  uint8_t NI_VPI;
  uint8_t NI_VCI;
  uint16_t NI_wEncapsulation;
  IPData NI_IpAddr;
  IPData NI_IpMask;
  IPData NI_IpGate1;
  IPData NI_IpGate2;
  IPData NI_IpDNS1;
  IPData NI_IpDNS2;
  IPData NI_IpWINS1;
  IPData NI_IpWINS2;
  char NI_strScopeId[132];
  char NI_strHostName[132];
  char NI_strDomain[132];
  char NI_strDomSufSearch[132];
  char NI_strLoginUsr[68];
  char NI_strLoginPsw[68];
  char NI_strLoginDom[68];
};

static_assert(sizeof(NetworkInfo) == 1036);
static_assert(alignof(NetworkInfo) == 2);
static_assert(offsetof(NetworkInfo, NI_wFlags) == 260);
static_assert(offsetof(NetworkInfo, NI_wNetFlags) == 262);
static_assert(offsetof(NetworkInfo, NI_wPPPFlags) == 264);
static_assert(offsetof(NetworkInfo, NI_wEthWINSMode) == 266);
static_assert(offsetof(NetworkInfo, NI_VPI) == 268);
static_assert(offsetof(NetworkInfo, NI_VCI) == 269);
static_assert(offsetof(NetworkInfo, NI_wEncapsulation) == 270);
static_assert(offsetof(NetworkInfo, NI_IpAddr) == 272);
static_assert(offsetof(NetworkInfo, NI_IpMask) == 276);
static_assert(offsetof(NetworkInfo, NI_IpGate1) == 280);
static_assert(offsetof(NetworkInfo, NI_IpGate2) == 284);
static_assert(offsetof(NetworkInfo, NI_IpDNS1) == 288);
static_assert(offsetof(NetworkInfo, NI_IpDNS2) == 292);
static_assert(offsetof(NetworkInfo, NI_IpWINS1) == 296);
static_assert(offsetof(NetworkInfo, NI_IpWINS2) == 300);
static_assert(offsetof(NetworkInfo, NI_strScopeId) == 304);
static_assert(offsetof(NetworkInfo, NI_strHostName) == 436);
static_assert(offsetof(NetworkInfo, NI_strDomain) == 568);
static_assert(offsetof(NetworkInfo, NI_strDomSufSearch) == 700);
static_assert(offsetof(NetworkInfo, NI_strLoginUsr) == 832);
static_assert(offsetof(NetworkInfo, NI_strLoginPsw) == 900);
static_assert(offsetof(NetworkInfo, NI_strLoginDom) == 968);
