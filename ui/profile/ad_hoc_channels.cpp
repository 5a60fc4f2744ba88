#include "ui/profile/ad_hoc_channels.h"

#include <algorithm>
#include <array>
#include <string>

#include "adapter/nic_adapter.h"
#include "core/utility.h"

std::vector<int32_t> AdHocChannels(CNICAdapter& adapter, const char* key, int32_t mask) {
  const AdapterSettings& settings = adapter.Settings();
  std::string text = settings.ReadSet(key, "");
  text = settings.ReadSet(std::string(key) + "_" + adapter.Domain(), text);
  // Room for the longest answer the library can give: with less it copies
  // nothing at all.
  std::array<int32_t, kChannelListCapacity> buffer{};
  int count = text.empty() ? adapter.GetAllowedCh(buffer.data(), kChannelListCapacity, mask)
                           : ParseIntList(text, buffer.data(), kChannelListCapacity);
  count = std::clamp(count, 0, kMaxAdHocChannels);
  std::vector<int32_t> channels;
  for (int i = 0; i < count && buffer[static_cast<std::size_t>(i)] >= 0; ++i) {
    channels.push_back(buffer[static_cast<std::size_t>(i)]);
  }
  return channels;
}
