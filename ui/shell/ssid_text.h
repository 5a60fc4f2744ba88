#pragma once

#include <QString>
#include <string_view>

// The one way a network name reaches the screen. A name is up to 32
// arbitrary bytes: shown as UTF-8 when the bytes are valid UTF-8, else byte
// for byte as Latin-1, with every control character as a blank. Bytes past
// the 32nd are not part of a name and are not shown.
QString SsidDisplayText(std::string_view bytes);

// Any other name kept as bytes (a profile name, say) by the same rules, with
// its own limit.
QString ByteNameText(std::string_view bytes, std::size_t maxBytes);

// The name held in a NUL-terminated buffer of that size.
QString SsidDisplayText(const char* buffer, std::size_t size);
