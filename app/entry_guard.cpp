#include "app/entry_guard.h"

#include <exception>

#include "platform/debug_log.h"

void RunGuarded(const std::function<void()>& steps,
                const std::function<void(const std::string& message)>& showBox) {
  try {
    steps();
  } catch (const std::exception& e) {
    const std::string message = e.what();
    showBox(message);
    DebugLog("Exception(WinMain): %s", message.c_str());
  } catch (...) {
    DebugLog("Exception(WinMain)");
    showBox(std::string());
  }
}
