#pragma once

#include <string>
#include <string_view>

#include "core/ctl_message.h"

// How the terminal command prints an answer. Network names are bytes from the
// air: nothing in them reaches the terminal as a control sequence.
namespace ctl {

// Decodes as the window does (UTF-8 when the whole text is valid, else one
// character per byte) and writes every control character, backslash and
// undecodable byte as an escape, so the line stays one line and reversible.
std::string TerminalText(std::string_view bytes);

// A quoted JSON string of the same characters the window shows.
std::string JsonString(std::string_view bytes);

// Fields as "key: value" lines, then items as a tab-separated table under a
// header line of their keys.
std::string FormatPlain(const Reply& reply);
// One JSON object: the fields, and the items as an array under the list name.
std::string FormatJson(const Reply& reply);

}  // namespace ctl
