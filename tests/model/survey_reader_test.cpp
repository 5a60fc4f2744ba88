#include "adapter/survey_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>

namespace {

// Heap buffers of their exact size, so a sanitizer sees any read past them.
std::unique_ptr<SurveyBuffer> Survey(int32_t count) {
  auto buffer = std::make_unique<SurveyBuffer>();
  std::memset(buffer.get(), 0, sizeof(SurveyBuffer));
  buffer->Count = count;
  for (int i = 0; i < kSurveyMaxEntries; ++i) {
    SiteSurveyEntry& e = buffer->Entries[i];
    e.Bssid[0] = 0x02;
    e.Bssid[5] = static_cast<uint8_t>(i);
    e.SsidLength = 4;
    std::memcpy(e.Ssid, "net", 3);
    e.Ssid[3] = static_cast<uint8_t>('0' + i % 10);
    e.Signal = -50 - i % 40;
  }
  return buffer;
}

TEST(ReadSurveyBuffer, CountZeroGivesNothing) { EXPECT_TRUE(ReadSurveyBuffer(*Survey(0)).empty()); }

TEST(ReadSurveyBuffer, CountIsClampedToTheBuffer) {
  EXPECT_TRUE(ReadSurveyBuffer(*Survey(-1)).empty());
  EXPECT_TRUE(ReadSurveyBuffer(*Survey(INT32_MIN)).empty());
  EXPECT_EQ(ReadSurveyBuffer(*Survey(256)).size(), 256u);
  EXPECT_EQ(ReadSurveyBuffer(*Survey(257)).size(), 256u);
  EXPECT_EQ(ReadSurveyBuffer(*Survey(INT32_MAX)).size(), 256u);
  const auto three = ReadSurveyBuffer(*Survey(3));
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[2].Bssid[5], 2);
  EXPECT_EQ(three[2].Signal, -52);
}

TEST(ReadSurveyBuffer, SsidLengthAboveThirtyTwoIsDropped) {
  auto buffer = Survey(5);
  buffer->Entries[0].SsidLength = 32;
  buffer->Entries[1].SsidLength = 33;
  buffer->Entries[2].SsidLength = -1;
  buffer->Entries[3].SsidLength = INT32_MAX;
  buffer->Entries[4].SsidLength = 0;
  const auto entries = ReadSurveyBuffer(*buffer);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].SsidLength, 32);
  EXPECT_EQ(entries[1].SsidLength, 0);  // dropping it is GetSiteList's own rule
}

TEST(ReadSurveyBuffer, EntriesAreWholeCopies) {
  auto buffer = Survey(1);
  std::memset(buffer->Entries[0].reserved96, 0xEE, sizeof buffer->Entries[0].reserved96);
  const auto entries = ReadSurveyBuffer(*buffer);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(std::memcmp(&entries[0], &buffer->Entries[0], sizeof(SiteSurveyEntry)), 0);
}

std::unique_ptr<StationBuffer> Stations(int filled) {
  auto buffer = std::make_unique<StationBuffer>();
  std::memset(buffer.get(), 0, sizeof(StationBuffer));
  for (int i = 0; i < filled; ++i) {
    buffer->Stations[i].Mac[0] = 0x02;
    buffer->Stations[i].Mac[4] = static_cast<uint8_t>(i >> 8);
    buffer->Stations[i].Mac[5] = static_cast<uint8_t>(i);
  }
  return buffer;
}

TEST(ReadStationBuffer, EndsAtTheFirstAllZeroAddress) {
  EXPECT_TRUE(ReadStationBuffer(*Stations(0)).empty());
  auto buffer = Stations(10);
  std::memset(buffer->Stations[4].Mac, 0, 6);
  const auto stations = ReadStationBuffer(*buffer);
  ASSERT_EQ(stations.size(), 4u);
  EXPECT_EQ(stations[3].Mac[5], 3);
}

TEST(ReadStationBuffer, AnAddressWithOneNonZeroByteCounts) {
  auto buffer = Stations(0);
  buffer->Stations[0].Mac[5] = 1;
  EXPECT_EQ(ReadStationBuffer(*buffer).size(), 1u);
}

TEST(ReadStationBuffer, AFullBufferGivesAllStations) {
  const auto stations = ReadStationBuffer(*Stations(kStationMaxEntries));
  ASSERT_EQ(stations.size(), 1024u);
  EXPECT_EQ(stations[1023].Mac[4], 3);
  EXPECT_EQ(stations[1023].Mac[5], 0xFF);
}

}  // namespace
