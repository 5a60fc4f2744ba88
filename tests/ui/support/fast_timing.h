#pragma once

#include <chrono>

#include "ui/shell/form_main.h"

namespace UiTest {

// Waits short enough for tests: the window finds the adapter at once and the
// manager collects its status every `collect`.
inline TFormMain::Timing FastTiming(std::chrono::milliseconds collect) {
  using std::chrono::milliseconds;
  TFormMain::Timing timing;
  timing.detect.detectDelay = milliseconds(30);
  timing.adapter.firstCollect = milliseconds(10);
  timing.adapter.collect = collect;
  timing.adapter.afterConnect = milliseconds(10);
  timing.adapter.detectRetry = milliseconds(10);
  timing.adapter.afterRelease = milliseconds(10);
  return timing;
}

}  // namespace UiTest
