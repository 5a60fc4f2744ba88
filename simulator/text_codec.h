#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvsim {

// Small text conversions the simulator shares between its library and its
// control tool. Profile names and SSIDs are byte strings; only ASCII letters fold.

using MacAddress = std::array<uint8_t, 6>;

std::string FoldAscii(std::string_view text);
bool SameNoCase(std::string_view a, std::string_view b);
std::string_view Trim(std::string_view text);

std::string HexUpper(std::span<const uint8_t> bytes);
// Whole text as pairs of hexadecimal digits (either case), nothing else.
std::optional<std::vector<uint8_t>> ParseHex(std::string_view text);
bool AllHexDigits(std::string_view text);

// "00:0E:2E:5A:10:01", also with '-' separators or none.
std::optional<MacAddress> ParseMac(std::string_view text);
std::string FormatMac(const MacAddress& mac);

std::optional<long long> ParseInteger(std::string_view text);

// A byte string for a terminal: printable ASCII stays, a backslash doubles,
// every other byte becomes \xHH. DecodeEscapes reads that form back (and
// leaves any other backslash as it stands), so names typed on a command line
// can hold any byte.
std::string EscapeBytes(std::string_view bytes);
std::string DecodeEscapes(std::string_view text);

// A byte string as a file-name component: letters, digits, '-' and '_' stay,
// every other byte becomes %XX, so the result never holds '/', '.' or a NUL
// and never names anything but one entry of its folder.
std::string EncodeFileComponent(std::string_view text);
std::optional<std::string> DecodeFileComponent(std::string_view text);

}  // namespace orvsim
