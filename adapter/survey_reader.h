#pragma once

#include <vector>

#include "adapter/wl_records.h"

// Safe readers of the buffers the library fills. Nothing the
// library writes into them is trusted: counts and lengths are clamped before
// they are used, so no reader ever reaches past its buffer.

// The counted entries of a survey buffer: the count is clamped to 0..256 (a
// negative count gives none), and entries whose SSID length lies outside
// 0..32 are dropped (the length is unsigned to the reader: a negative one is
// "above 32"). GetSiteList applies its further filters to these.
std::vector<SiteSurveyEntry> ReadSurveyBuffer(const SurveyBuffer& buffer);

// The stations of a station buffer, up to the first all-zero address; at most 1024.
std::vector<APStation> ReadStationBuffer(const StationBuffer& buffer);
