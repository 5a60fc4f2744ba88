#pragma once

#include <string_view>

// The pre-shared key rule every page that takes a WPA pass phrase follows:
// 8 to 63 characters of any kind, or 64 hexadecimal digits taken as the raw
// key itself. Lengths count the characters the user typed (UTF-16 units).
namespace WPAPhraseRules {

inline constexpr int kMinPhrase = 8;
inline constexpr int kMaxPhrase = 63;
inline constexpr int kRawKeyDigits = 64;

// The "Message" key and its text when the string file has none.
inline constexpr char kErrorKey[] = "ErPassphrase";
inline constexpr char kErrorText[] =
    "Passphrase should be between 8 to 63 charachers in ASCII format.";

bool IsRawKey(std::u16string_view text);
// A pass phrase or raw key a profile may be saved with.
bool Acceptable(std::u16string_view text);
// What an edit may hold while the user types: up to 63 characters, the 64th
// only when it makes a raw key.
bool MayHold(std::u16string_view text);

}  // namespace WPAPhraseRules
