#include "adapter/survey_reader.h"

#include <algorithm>

namespace {

constexpr uint32_t kMaxSsidLength = 32;

bool AllZero(const uint8_t* bytes, std::size_t size) {
  return std::all_of(bytes, bytes + size, [](uint8_t b) { return b == 0; });
}

}  // namespace

std::vector<SiteSurveyEntry> ReadSurveyBuffer(const SurveyBuffer& buffer) {
  const int32_t count = std::clamp<int32_t>(buffer.Count, 0, kSurveyMaxEntries);
  std::vector<SiteSurveyEntry> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    const SiteSurveyEntry& entry = buffer.Entries[i];
    if (static_cast<uint32_t>(entry.SsidLength) > kMaxSsidLength) continue;
    entries.push_back(entry);
  }
  return entries;
}

std::vector<APStation> ReadStationBuffer(const StationBuffer& buffer) {
  std::vector<APStation> stations;
  for (const APStation& station : buffer.Stations) {
    if (AllZero(station.Mac, sizeof station.Mac)) break;
    stations.push_back(station);
  }
  return stations;
}
