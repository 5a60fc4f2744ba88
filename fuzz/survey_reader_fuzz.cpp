// The readers of the library's survey and station buffers over arbitrary
// buffer contents. The buffers live on the heap at their exact sizes, so a
// read past either end is a sanitizer report.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "adapter/survey_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto survey = std::make_unique<SurveyBuffer>();
  std::memset(survey.get(), 0, sizeof(SurveyBuffer));
  std::memcpy(survey.get(), data, size < sizeof(SurveyBuffer) ? size : sizeof(SurveyBuffer));
  const auto entries = ReadSurveyBuffer(*survey);
  if (entries.size() > kSurveyMaxEntries) std::abort();
  for (const SiteSurveyEntry& entry : entries) {
    if (entry.SsidLength < 0 || entry.SsidLength > 32) std::abort();
  }

  auto stations = std::make_unique<StationBuffer>();
  std::memset(stations.get(), 0, sizeof(StationBuffer));
  std::memcpy(stations.get(), data, size < sizeof(StationBuffer) ? size : sizeof(StationBuffer));
  const auto list = ReadStationBuffer(*stations);
  if (list.size() > kStationMaxEntries) std::abort();
  static constexpr uint8_t kZero[6] = {};
  for (const APStation& station : list) {
    if (std::memcmp(station.Mac, kZero, 6) == 0) std::abort();
  }
  return 0;
}
