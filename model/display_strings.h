#pragma once

#include <array>

// The translatable texts every shown wireless value goes through, with their
// keys in section "Common" of the string file and their English defaults.
struct DisplayStringDef {
  const char* key;
  const char* english;
};

inline constexpr int kDisplayStringCount = 82;
extern const std::array<DisplayStringDef, kDisplayStringCount> kDisplayStrings;
