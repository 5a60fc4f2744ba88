#include "tests/adapter/fake_library.h"

namespace {

std::mutex& CountMutex() {
  static std::mutex m;
  return m;
}

std::map<std::string, int>& Counts() {
  static std::map<std::string, int> counts;
  return counts;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define ORVWL_STUB(name, params) \
  int32_t Stub_##name params {   \
    CountCall(#name);            \
    return 0;                    \
  }
ORVWL_ENTRY_POINTS(ORVWL_STUB)
#undef ORVWL_STUB
#pragma GCC diagnostic pop

}  // namespace

void CountCall(const char* entryPoint) {
  std::lock_guard lock(CountMutex());
  ++Counts()[entryPoint];
}

int CallCount(const std::string& entryPoint) {
  std::lock_guard lock(CountMutex());
  auto it = Counts().find(entryPoint);
  return it == Counts().end() ? 0 : it->second;
}

void ResetCallCounts() {
  std::lock_guard lock(CountMutex());
  Counts().clear();
}

OrvwlApi MakeCountingTable() {
  OrvwlApi api;
#define ORVWL_FILL(name, params) api.name = &Stub_##name;
  ORVWL_ENTRY_POINTS(ORVWL_FILL)
#undef ORVWL_FILL
  return api;
}
