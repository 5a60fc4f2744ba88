#pragma once

#include <cstdint>

enum StartFlag : uint32_t {
  kStartClose = 0x01,     // "/Close": ask the running instance to close
  kStartService = 0x02,   // "/Service"
  kStartUI = 0x04,        // "/UI": show the main window at start
  kStartTrayIcon = 0x08,  // "/TrayIcon"
};

// Switches match whole and without case; anything else is ignored.
uint32_t ParseStartFlags(int argc, const char* const* argv);
