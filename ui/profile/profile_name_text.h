#pragma once

#include <QString>
#include <string>
#include <string_view>

// Profile names are what people typed, kept as bytes in a 65-byte record
// buffer. They are stored as UTF-8; names written by other tools may be in a
// single-byte code page and are shown byte for byte as Latin-1 then.

// The name for the screen: UTF-8 when the bytes are valid UTF-8, else
// Latin-1, control characters as blanks. Bytes past the 64th are not shown.
QString ProfileNameText(std::string_view bytes);
// The name held in a NUL-terminated buffer of that size.
QString ProfileNameText(const char* buffer, std::size_t size);

// The bytes a typed name is stored as: UTF-8, cut to 64 bytes without
// splitting a character.
std::string ProfileNameBytes(const QString& text);
