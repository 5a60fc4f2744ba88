#include "adapter/wep_key_phrase.h"

#include <string>

#include "adapter/orvwl.h"
#include "platform/text.h"

namespace WEPKeyRules {

bool GenerateKeys(const OrvwlApi& api, std::string_view phrase, int32_t level, KeyTexts& keys) {
  if (phrase.empty() || api.ORVWL_PassphraseToWEPKey == nullptr) return false;
  const std::string text(phrase);
  WEPKeySet made{};
  if (api.ORVWL_PassphraseToWEPKey(text.c_str(), level, &made) != 1) return false;
  for (int i = 0; i < 4; ++i) keys[i] = std::string(TextOf(made.Keys[i]));
  return true;
}

}  // namespace WEPKeyRules
