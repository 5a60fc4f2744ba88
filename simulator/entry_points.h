#pragma once

#include <optional>
#include <string_view>

#include "adapter/orvwl.h"

namespace orvsim {

// The library's entry points by number, for fault injection and for the
// failure result each one gives.
enum class EntryPoint : int {
#define ORVWL_ENUMERATE(name, params) name,
  ORVWL_ENTRY_POINTS(ORVWL_ENUMERATE)
#undef ORVWL_ENUMERATE
};

std::string_view EntryPointName(EntryPoint entry);
// "ORVWL_SiteSurveyGet" or "SiteSurveyGet", in any case.
std::optional<EntryPoint> FindEntryPoint(std::string_view name);

// NDIS status codes the OID calls answer with.
inline constexpr int32_t kOidSuccess = 0;
inline constexpr int32_t kOidFailure = static_cast<int32_t>(0xC0000001u);
inline constexpr int32_t kOidNotSupported = static_cast<int32_t>(0xC00000BBu);
inline constexpr int32_t kOidInvalidLength = static_cast<int32_t>(0xC0010014u);

// What a call answers when it fails: the OID calls report a failure status,
// everything else 0 (nothing found, nothing done).
int32_t FailureResult(EntryPoint entry);

}  // namespace orvsim
