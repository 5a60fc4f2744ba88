#include "model/wpa_phrase_rules.h"

#include <algorithm>

namespace WPAPhraseRules {

bool IsRawKey(std::u16string_view text) {
  return text.size() == kRawKeyDigits && std::all_of(text.begin(), text.end(), [](char16_t c) {
           return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
         });
}

bool Acceptable(std::u16string_view text) {
  return (text.size() >= kMinPhrase && text.size() <= kMaxPhrase) || IsRawKey(text);
}

bool MayHold(std::u16string_view text) { return text.size() <= kMaxPhrase || IsRawKey(text); }

}  // namespace WPAPhraseRules
