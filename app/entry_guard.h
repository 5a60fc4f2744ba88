#pragma once

#include <functional>
#include <string>

// The entry point's last line of defence. An exception escaping `steps` is
// shown with showBox and logged as "Exception(WinMain): <message>"; any other
// exception is logged as "Exception(WinMain)" and then shown with an empty
// message. Nothing escapes, so the program still ends with exit code 0.
void RunGuarded(const std::function<void()>& steps,
                const std::function<void(const std::string& message)>& showBox);
