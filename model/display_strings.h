#pragma once

#include <array>
#include <string>

// The translatable texts every shown wireless value goes through, with their
// keys in section "Common" of the string file and their English defaults.
struct DisplayStringDef {
  const char* key;
  const char* english;
};

inline constexpr int kDisplayStringCount = 82;
extern const std::array<DisplayStringDef, kDisplayStringCount> kDisplayStrings;

// The display texts in use: the English ones until a string file translates
// them. The text conversions take one explicitly, so the model never reaches
// for the program's global settings.
class DisplayStringTable {
 public:
  DisplayStringTable();

  const std::string& DisplayString(int index) const { return texts_.at(index); }

 protected:
  void SetDisplayString(int index, std::string text) { texts_.at(index) = std::move(text); }

 private:
  std::array<std::string, kDisplayStringCount> texts_;
};
