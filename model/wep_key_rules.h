#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/wl_enums.h"

struct WLProfile;

// The WEP key rules every page that edits WEP keys follows: how long a key of
// each length is, which format a typed key is in, the form a key is stored in,
// keys from a pass phrase, and the WEP fields a saved profile gets. Levels are
// WEPEncryptionLevel values, formats WEPKeyFormat values.
namespace WEPKeyRules {

// The four key texts, key 1 first.
using KeyTexts = std::array<std::string, 4>;

// A key length the pages offer when the adapter's boolean setting allows it.
struct LevelChoice {
  const char* setting;
  bool byDefault;
  int32_t level;
  int textIndex;  // display string
};

// In the order the lists show them; 256-bit keys only where the adapter says so.
inline constexpr std::array<LevelChoice, 3> kLevelChoices{{
    {"WEP64", true, kWEPLevel64, kStrWEP_64},
    {"WEP128", true, kWEPLevel128, kStrWEP_128},
    {"WEP256", false, kWEPLevel256, kStrWEP_256},
}};

// The "Message" text of a bad key when the string file has none.
inline constexpr char kBadKeyText[] = "You have entered an incorrect WEP key. Please try again.";

// Hexadecimal digits of a key: 10, 26 or 58 for levels 1, 2 and 4; 0 for every
// other level, which has no keys. An ASCII key has half as many characters.
int HexLength(int32_t level);

// Only 64- and 128-bit keys have a common pass-phrase generator.
bool PhraseEnabled(int32_t level);

// kWEPKeyAscii for HexLength/2 characters of any kind, kWEPKeyHex for
// HexLength hexadecimal digits, 0 for a key that fits neither.
int32_t KeyFormat(int32_t level, std::string_view key);

// The "Message" key that names what is wrong with a key of that level:
// "ErHex64", "ErHex128" or "ErHex256" for full length with a character that is
// not hexadecimal, "ErWEP64", "ErWEP128" or "ErWEP256" for any other wrong
// length. Empty for a key with a format and for levels without keys.
std::string KeyError(int32_t level, std::string_view key);

// The key as a profile stores it in that format: ASCII keeps a key of
// HexLength/2 characters as typed, hexadecimal keeps a key of HexLength
// hexadecimal digits in upper case; anything else is stored empty.
std::string StoredKey(int32_t level, int32_t format, std::string_view key);

// Saves the keys the user typed. Only the transmit key (0..3; another value
// counts as 0) is checked: a bad one writes nothing and answers its
// KeyError. Otherwise the profile gets EncryptionMethod WEP, the level, the
// transmit key's format, DefaultKey, an empty PassPhrase and the four keys in
// their StoredKey form (so another key that does not fit is stored empty), and
// the answer is empty. A level without keys writes ClearKeys.
std::string WriteKeys(WLProfile& profile, int32_t level, int32_t transmitKey, const KeyTexts& keys);

// No WEP: EncryptionMethod none, level 0, hexadecimal format, DefaultKey 0,
// empty PassPhrase and keys.
void ClearKeys(WLProfile& profile);

// The profile's four keys.
KeyTexts KeysOf(const WLProfile& profile);

}  // namespace WEPKeyRules
