#pragma once

#include <cstdint>
#include <string_view>

#include "model/wep_key_rules.h"

struct OrvwlApi;

namespace WEPKeyRules {

// The four keys the library makes from the pass phrase for that level, through
// ORVWL_PassphraseToWEPKey, called without the library lock. False, with the
// keys untouched, for an empty phrase or when the library makes none.
bool GenerateKeys(const OrvwlApi& api, std::string_view phrase, int32_t level, KeyTexts& keys);

}  // namespace WEPKeyRules
