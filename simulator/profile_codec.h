#pragma once

#include <string>
#include <string_view>

#include "model/wl_profile.h"
#include "simulator/key_file.h"

namespace orvsim {

// A profile as "key = value" lines named after its fields: integers in
// decimal, texts quoted where needed, byte fields (MAC and IP addresses) as
// hexadecimal digits. Reading starts from a zeroed record; unknown keys and
// bad values leave the field zero, and nothing is ever copied past a field.
void WriteProfile(const WLProfile& profile, KeySection& section);
WLProfile ReadProfile(const KeySection& section);

}  // namespace orvsim
