#pragma once

#include <cstdint>
#include <vector>

class CNICAdapter;

// The most channels an ad hoc channel list offers; longer settings or library
// answers are cut.
inline constexpr int kMaxAdHocChannels = 256;

// The channels offered for an ad hoc radio: the comma list of the setting
// `key`, or of `key` followed by "_" and the regulatory domain when that is
// set; without either, the library's allowed channels of the band mask. At
// most kMaxAdHocChannels, ending before the first negative value.
std::vector<int32_t> AdHocChannels(CNICAdapter& adapter, const char* key, int32_t mask);
