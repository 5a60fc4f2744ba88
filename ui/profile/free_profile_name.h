#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// A profile name fills at most 64 bytes of its record.
inline constexpr std::size_t kProfileNameBytes = 64;

// The text cut to at most `limit` bytes; a UTF-8 character that would be cut
// in two is left out whole.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit);

// The name a new profile starts with when the default name is taken: the
// first "<name>_<i>" for i = 1 .. 9998 that is not taken, or the form with
// 9998 when every one is. The name is shortened so that the number always
// fits in the 64 bytes; an empty or free name comes back as it is.
std::string FreeProfileName(std::string_view name,
                            const std::function<bool(const std::string&)>& taken);
