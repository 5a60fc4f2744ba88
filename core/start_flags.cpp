#include "core/start_flags.h"

#include "platform/debug_log.h"
#include "platform/text.h"

uint32_t ParseStartFlags(int argc, const char* const* argv) {
  static constexpr struct {
    const char* text;
    StartFlag flag;
  } kSwitches[] = {
      {"/Service", kStartService},
      {"/Close", kStartClose},
      {"/UI", kStartUI},
      {"/TrayIcon", kStartTrayIcon},
  };
  uint32_t flags = 0;
  for (int i = 1; i < argc; ++i) {
    DebugLog("Param(%d) %s", i, argv[i]);
    for (const auto& s : kSwitches) {
      if (EqualsNoCase(argv[i], s.text)) flags |= s.flag;
    }
  }
  return flags;
}
