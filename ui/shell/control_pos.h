#pragma once

#include <optional>
#include <string_view>

class QWidget;

// A position override from the settings file: up to four whole numbers for
// Left, Top, Width and Height, in that order. Entries that are not whole
// numbers are skipped; numbers after the fourth are ignored.
struct ControlPos {
  std::optional<int> left;
  std::optional<int> top;
  std::optional<int> width;
  std::optional<int> height;

  static ControlPos Parse(std::string_view text);
  // Changes only the properties the override names.
  void ApplyTo(QWidget& control) const;
};
