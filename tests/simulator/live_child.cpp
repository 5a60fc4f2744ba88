// Another process using the simulated library, for the live-state tests:
// loads it by path, connects to OrvOpen and then either stays until it is
// killed ("stay") or, once the file named by its third argument appears,
// ends normally with the library still loaded ("exit").

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "adapter/orvwl.h"
#include "model/wl_profile.h"
#include "platform/dynamic_library.h"
#include "platform/text.h"

namespace {

constexpr auto kStep = std::chrono::milliseconds(5);
constexpr int kMostSteps = 2000;

template <typename Condition>
bool Await(Condition condition) {
  for (int i = 0; i < kMostSteps; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(kStep);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s LIBRARY stay|exit [GO-FILE]\n", argv[0]);
    return 2;
  }
  const std::string mode = argv[2];
  DynamicLibrary library;
  if (!library.Open(argv[1])) {
    std::fprintf(stderr, "%s\n", library.LastError().c_str());
    return 1;
  }
  OrvwlApi api{};
#define RESOLVE(name, params) \
  api.name = reinterpret_cast<decltype(api.name)>(library.Symbol(#name));
  ORVWL_ENTRY_POINTS(RESOLVE)
#undef RESOLVE
  api.ORVWL_Initial("Orvane", 1);
  WLProfile profile{};
  CopyText(profile.ProfileName, "Child");
  CopyText(profile.Ssid1, "OrvOpen");
  profile.NetworkMode = 1;
  profile.ABGMode = 34;
  profile.TxRate = 15;
  WLANStatus request{};
  uint32_t result = 0;
  api.ORVWL_WLProfileToWLStatus(&profile, &request);
  if (api.ORVWL_SetWLANStatus(&result, &request) != 1) return 1;
  const bool connected = Await([&] {
    WLANStatus status{};
    int32_t more = 0;
    api.ORVWL_GetWLANStatus(&more, &status);
    return status.MediaState == kMediaConnected;
  });
  if (!connected) return 1;
  if (mode == "stay") {
    for (;;) ::pause();
  }
  if (argc < 4 || !Await([&] { return ::access(argv[3], F_OK) == 0; })) return 1;
  // The process ends with the library loaded: its exit must clean up.
  library.Abandon();
  return 0;
}
