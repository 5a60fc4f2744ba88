#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Small stateless helpers shared by windows, pages and the adapter manager.
// BringToForeground is a GUI function and lives in
// ui/shell/bring_to_foreground.h.

// Splits a comma list (items separated by commas and/or blanks, an item may be
// in double quotes) and stores the n-th integer item at buffer[n - 1] while
// n <= capacity. Items that are not integers are skipped. Returns the number
// of integers found, which may exceed the capacity.
int ParseIntList(std::string_view text, int32_t* buffer, int capacity);

// The file version of a PE file's version resource, or of the fixed version
// block our own ELF binaries embed (section ".orv_version"): parts 1 "%d",
// 2 "%d.%d", 3 "%d.%d.%d", any other number "%d.%d.%d.%d". Empty text when the
// file is missing, has no version or cannot be read.
std::string FileVersionText(const std::string& path, int parts);

// Selects the first item whose value equals `value` and answers true; with no
// such item the selection is unchanged and the answer is false. The list is
// anything with count(), value(i) and select(i); the GUI wraps a QComboBox and
// its item data in such an adaptor, so this header stays free of Qt.
template <typename List>
bool SelectComboItemByValue(List& list, int32_t value) {
  const int count = static_cast<int>(list.count());
  for (int i = 0; i < count; ++i) {
    if (static_cast<int32_t>(list.value(i)) == value) {
      list.select(i);
      return true;
    }
  }
  return false;
}

// True when every character is a hexadecimal digit; empty text is true.
bool IsHexText(std::string_view text);

// Converts each pair of characters (2i, 2i + 1) as base 16 in the manner of
// strtol (leading blanks and a sign allowed, stops at the first non-digit, no
// digit gives 0) and stores the low 8 bits as byte i. A last odd character is
// ignored; at most `capacity` bytes are stored. Returns the number stored.
std::size_t HexToBytes(std::string_view text, uint8_t* buffer, std::size_t capacity);

// Replaces every backslash-n pair by a line feed.
std::string ExpandLineBreaks(std::string_view text);
