#include "simulator/entry_points.h"

#include <iterator>

#include "simulator/text_codec.h"

namespace orvsim {

namespace {

constexpr std::string_view kNames[] = {
#define ORVWL_NAME(name, params) #name,
    ORVWL_ENTRY_POINTS(ORVWL_NAME)
#undef ORVWL_NAME
};

}  // namespace

std::string_view EntryPointName(EntryPoint entry) { return kNames[static_cast<int>(entry)]; }

std::optional<EntryPoint> FindEntryPoint(std::string_view name) {
  const std::string folded = FoldAscii(Trim(name));
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    const std::string full = FoldAscii(kNames[i]);
    if (full == folded || full.substr(6) == folded) return static_cast<EntryPoint>(i);
  }
  return std::nullopt;
}

int32_t FailureResult(EntryPoint entry) {
  return entry == EntryPoint::ORVWL_QueryOID || entry == EntryPoint::ORVWL_SetOID ? kOidFailure : 0;
}

}  // namespace orvsim
