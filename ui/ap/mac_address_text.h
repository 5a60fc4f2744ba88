#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// MAC addresses as people see and type them. The utility shows six pairs of
// upper-case hexadecimal digits joined by ":".
namespace MacAddressText {

using Mac = std::array<uint8_t, 6>;

QString Shown(const uint8_t (&mac)[6]);
// The twelve digits of an address without separators, as the filter edits hold it.
QString Digits(const uint8_t (&mac)[6]);
// Twelve characters of an edit read as six bytes: characters that are no
// hexadecimal digit count as 0, missing ones too.
Mac FromDigits(const QString& digits);
// An address as other programs write it: twelve digits, or six groups of one
// or two digits joined by ":" or "-", or three groups of four joined by ".";
// case and surrounding blanks do not matter. Its twelve digits, or nothing.
std::optional<QString> Parse(const QString& text);

}  // namespace MacAddressText
