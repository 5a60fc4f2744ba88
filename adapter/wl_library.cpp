#include "adapter/wl_library.h"

WLLibrary::~WLLibrary() {
  // A worker detached while stuck inside the library may still run its code.
  module_.Abandon();
}

bool WLLibrary::Load(const std::string& path) {
  // The module in use stays until its successor is complete: the entry points
  // never point into a library that was closed.
  DynamicLibrary module;
  if (!module.Open(path)) return false;
  OrvwlApi api;
  bool complete = true;
#define ORVWL_RESOLVE(name, params)                                        \
  if (complete) {                                                          \
    api.name = reinterpret_cast<decltype(api.name)>(module.Symbol(#name)); \
    complete = api.name != nullptr;                                        \
  }
  ORVWL_ENTRY_POINTS(ORVWL_RESOLVE)
#undef ORVWL_RESOLVE
  if (!complete || !Use(api)) return false;
  module_.Swap(module);
  return true;
}

bool WLLibrary::Use(const OrvwlApi& api) {
  bool complete = true;
#define ORVWL_CHECK(name, params) complete = complete && api.name != nullptr;
  ORVWL_ENTRY_POINTS(ORVWL_CHECK)
#undef ORVWL_CHECK
  if (!complete) return false;
  lock_.Reset();
  api_ = api;
  api_.ORVWL_Initial("Orvane", 1);
  loaded_ = true;
  lock_.Set();
  return true;
}

bool WLLibrary::Lock(Event& stop, std::chrono::milliseconds bound) {
  const int woke = Event::WaitAny({&lock_, &stop}, bound);
  if (woke == 0) return true;
  if (woke == Event::kTimeout) return false;
  stop.Set();  // keep the stop visible to the owner's other waits
  return false;
}

void WLLibrary::Unlock() { lock_.Set(); }

int32_t WLLibrary::QueryStatus(WLANStatus& status) {
  uint32_t written = 0;
  if (api_.ORVWL_QueryOID(kOidGenMediaConnectStatus, &status.MediaState, sizeof status.MediaState,
                          &written) != 0 ||
      status.MediaState != 0) {
    return kStatusNotConnected;
  }
  int32_t more = 0;
  int32_t result = api_.ORVWL_GetWLANStatus(&more, &status);
  if (more != 0) result = api_.ORVWL_GetWLANStatus(&more, &status);
  return result;
}

WLLibrary& WLLib() {
  static WLLibrary library;
  return library;
}
