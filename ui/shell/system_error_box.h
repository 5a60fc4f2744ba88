#pragma once

#include <string>

// A message box without owner, with the system's error caption and icon and an
// OK button, for failures before any window of ours exists.
void ShowSystemErrorBox(const std::string& text);
