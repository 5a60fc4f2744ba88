// IP configuration through the ABI: DHCP on connect, release and renew,
// fixed addresses.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/text.h"
#include "tests/simulator/sim_library.h"
#include "tests/support/process.h"

namespace {

NetworkInfo Info(const OrvwlApi& api) {
  NetworkInfo info{};
  EXPECT_EQ(api.ORVWL_GetNetworkInfo(&info), 1);
  return info;
}

bool SameAddress(const NetworkInfo& a, const NetworkInfo& b) {
  return std::memcmp(&a.NI_IpAddr, &b.NI_IpAddr, sizeof a.NI_IpAddr) == 0;
}

std::string Text(const OrvwlApi& api, const IPData& ip) {
  char text[kIPTextBufferSize] = {};
  api.ORVWL_IPDataToStr(&ip, text);
  return text;
}

TEST(IpTest, ALeaseComesWithTheLinkAndGoesWithARelease) {
  SimLibrary sim;
  const OrvwlApi& api = sim.Api();
  EXPECT_EQ(Text(api, Info(api).NI_IpAddr), "0.0.0.0") << "no address without a link";
  ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
  ASSERT_TRUE(sim.WaitConnected());
  const NetworkInfo leased = Info(api);
  EXPECT_EQ(leased.NI_IpAddr.bytes[0], 192);
  EXPECT_EQ(leased.NI_IpAddr.bytes[1], 168);
  EXPECT_GE(leased.NI_IpAddr.bytes[3], 100);
  EXPECT_EQ(Text(api, leased.NI_IpMask), "255.255.255.0");
  EXPECT_EQ(std::memcmp(leased.NI_IpGate1.bytes, leased.NI_IpAddr.bytes, 3), 0);
  EXPECT_EQ(leased.NI_IpGate1.bytes[3], 1);
  EXPECT_STREQ(leased.NI_sz_CurProfile, "Test OrvOpen");

  ASSERT_EQ(api.ORVWL_IPRelease(), 1);
  EXPECT_EQ(Text(api, Info(api).NI_IpAddr), "0.0.0.0");
  ASSERT_EQ(api.ORVWL_IPRenew(), 1);
  EXPECT_TRUE(SameAddress(Info(api), leased)) << "the server hands out the same address again";

  // The second access point of the same network belongs to the same subnet.
  ASSERT_EQ(sim.Tool({"remove-network", "00:0E:2E:10:00:01"}), 0);
  ASSERT_TRUE(WaitUntil([&] { return sim.Status().MediaState == kMediaDisconnected; }));
  ASSERT_TRUE(sim.WaitConnected());
  EXPECT_TRUE(SameAddress(Info(api), leased));
}

TEST(IpTest, FixedAddressesApplyAtOnceAndStayThroughReleases) {
  SimLibrary sim;
  const OrvwlApi& api = sim.Api();
  NetworkInfo fixed{};
  fixed.NI_wNetFlags = 1;
  ASSERT_EQ(api.ORVWL_StrToIPData("10.1.2.3", &fixed.NI_IpAddr), 1);
  ASSERT_EQ(api.ORVWL_StrToIPData("255.0.0.0", &fixed.NI_IpMask), 1);
  ASSERT_EQ(api.ORVWL_StrToIPData("10.0.0.1", &fixed.NI_IpGate1), 1);
  CopyText(fixed.NI_strHostName, "sim-host");
  ASSERT_EQ(api.ORVWL_SetNetworkInfo(&fixed), 1);
  EXPECT_EQ(Text(api, Info(api).NI_IpAddr), "10.1.2.3");
  ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
  ASSERT_TRUE(sim.WaitConnected());
  api.ORVWL_IPRelease();
  const NetworkInfo info = Info(api);
  EXPECT_EQ(Text(api, info.NI_IpAddr), "10.1.2.3");
  EXPECT_EQ(Text(api, info.NI_IpGate1), "10.0.0.1");
  EXPECT_STREQ(info.NI_strHostName, "sim-host");

  NetworkInfo automatic = fixed;
  automatic.NI_wNetFlags = 0;
  ASSERT_EQ(api.ORVWL_SetNetworkInfo(&automatic), 1);
  EXPECT_EQ(Info(api).NI_IpAddr.bytes[0], 192) << "back to the network's server";
}

}  // namespace
