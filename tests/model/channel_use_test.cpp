#include "model/channel_use.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ChannelUse::Heard;
using ChannelUse::LeastUsed;
using ChannelUse::Score;

const std::vector<int32_t> kUs24 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
const std::vector<int32_t> kUs5 = {36, 40, 44, 48, 149, 153};

Heard On(int32_t channel, int32_t signal, int32_t width = 20) {
  return {ChannelUse::CentreMHz(channel), width, signal};
}

TEST(ChannelUse, EmptyAirScoresNothingAndKeepsThePreferredChannel) {
  const std::vector<Heard> none;
  for (int32_t channel : kUs24) EXPECT_EQ(Score(channel, none), 0);
  EXPECT_EQ(LeastUsed(kUs24, none, 6), 6);
  // A preferred channel the list lacks: the first channel, never automatic.
  EXPECT_EQ(LeastUsed(kUs24, none, 36), 1);
  EXPECT_EQ(LeastUsed(std::vector<int32_t>{0, -1}, none, 6), 0);
}

TEST(ChannelUse, OneStrongNetworkOnSixLoadsItsNeighboursToo) {
  const std::vector<Heard> heard = {On(6, -40, 22)};
  EXPECT_EQ(Score(6, heard), 60);
  // Partly overlapping neighbours score, and more the nearer they are.
  EXPECT_GT(Score(5, heard), Score(4, heard));
  EXPECT_GT(Score(4, heard), Score(3, heard));
  EXPECT_GT(Score(3, heard), 0);
  EXPECT_EQ(Score(1, heard), 0);
  EXPECT_EQ(Score(11, heard), 0);
  const int32_t best = LeastUsed(kUs24, heard, 6);
  EXPECT_TRUE(best <= 1 || best >= 11) << best;
  // It does not reach the other band.
  EXPECT_EQ(Score(36, heard), 0);
}

TEST(ChannelUse, OnOneSixElevenTheQuietestOfTheThreeWinsOverTheGapsBetween) {
  const std::vector<Heard> heard = {On(1, -50, 22), On(6, -80), On(11, -60)};
  EXPECT_EQ(LeastUsed(kUs24, heard, 1), 6);
  // Between two networks a channel overlaps both, which is worse than sharing one.
  for (int32_t between : {2, 3, 4, 5, 7, 8, 9, 10}) {
    EXPECT_GT(Score(between, heard), Score(6, heard)) << between;
  }
  // A weaker network weighs less than a louder one on the same channel.
  EXPECT_LT(Score(6, heard), Score(11, heard));
  EXPECT_LT(Score(11, heard), Score(1, heard));
}

TEST(ChannelUse, FiveGigahertzNetworksLeaveTwoPointFourAlone) {
  const std::vector<Heard> heard = {On(36, -45), On(40, -70), On(44, -60), On(48, -65),
                                    On(149, -85)};
  for (int32_t channel : kUs24) EXPECT_EQ(Score(channel, heard), 0);
  EXPECT_EQ(LeastUsed(kUs24, heard, 6), 6);
  // 20 MHz channels four numbers apart do not overlap.
  EXPECT_EQ(Score(40, heard), 30);
  EXPECT_EQ(LeastUsed(kUs5, heard, 36), 153);
  // Networks below the floor still count as heard.
  EXPECT_EQ(Score(153, std::vector<Heard>{On(153, -120)}), 1);
}

TEST(ChannelUse, WidthsAndCentres) {
  EXPECT_EQ(ChannelUse::WidthMHz(1), 22);
  EXPECT_EQ(ChannelUse::WidthMHz(3), 20);
  EXPECT_EQ(ChannelUse::CentreMHz(1), 2412);
  EXPECT_EQ(ChannelUse::CentreMHz(14), 2484);
  EXPECT_EQ(ChannelUse::CentreMHz(36), 5180);
  EXPECT_EQ(ChannelUse::CentreMHz(0), 0);
  EXPECT_EQ(ChannelUse::CentreMHz(20), 0);
}

}  // namespace
