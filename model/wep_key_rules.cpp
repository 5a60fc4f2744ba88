#include "model/wep_key_rules.h"

#include <cctype>

#include "core/utility.h"
#include "model/wl_enums.h"
#include "model/wl_profile.h"
#include "platform/text.h"

namespace WEPKeyRules {

namespace {

// The bits the message keys name a level by.
const char* LevelBits(int32_t level) {
  switch (level) {
    case kWEPLevel64:
      return "64";
    case kWEPLevel128:
      return "128";
    case kWEPLevel256:
      return "256";
    default:
      return nullptr;
  }
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

char* KeyBuffer(WLProfile& profile, int index) {
  char* const buffers[] = {profile.WEPKey1, profile.WEPKey2, profile.WEPKey3, profile.WEPKey4};
  return buffers[index];
}

}  // namespace

int HexLength(int32_t level) {
  switch (level) {
    case kWEPLevel64:
      return 10;
    case kWEPLevel128:
      return 26;
    case kWEPLevel256:
      return 58;
    default:
      return 0;
  }
}

bool PhraseEnabled(int32_t level) { return level == kWEPLevel64 || level == kWEPLevel128; }

int32_t KeyFormat(int32_t level, std::string_view key) {
  const std::size_t length = static_cast<std::size_t>(HexLength(level));
  if (length == 0) return 0;
  if (key.size() == length / 2) return kWEPKeyAscii;
  if (key.size() == length && IsHexText(key)) return kWEPKeyHex;
  return 0;
}

std::string KeyError(int32_t level, std::string_view key) {
  const char* bits = LevelBits(level);
  if (bits == nullptr || KeyFormat(level, key) != 0) return {};
  const bool fullLength = key.size() == static_cast<std::size_t>(HexLength(level));
  return std::string(fullLength ? "ErHex" : "ErWEP") + bits;
}

std::string StoredKey(int32_t level, int32_t format, std::string_view key) {
  const int32_t found = KeyFormat(level, key);
  if (found == 0 || found != format) return {};
  return format == kWEPKeyHex ? UpperAscii(key) : std::string(key);
}

std::string WriteKeys(WLProfile& profile, int32_t level, int32_t transmitKey,
                      const KeyTexts& keys) {
  if (HexLength(level) == 0) {
    ClearKeys(profile);
    return {};
  }
  const int index = transmitKey >= 0 && transmitKey < 4 ? static_cast<int>(transmitKey) : 0;
  const int32_t format = KeyFormat(level, keys[index]);
  if (format == 0) return KeyError(level, keys[index]);
  profile.EncryptionMethod = kEncryptWEP;
  profile.WEPEncryptionLevel = level;
  profile.WEPKeyFormat = format;
  profile.DefaultKey = index;
  CopyText(profile.PassPhrase, "");
  for (int i = 0; i < 4; ++i) {
    CopyText(KeyBuffer(profile, i), sizeof profile.WEPKey1, StoredKey(level, format, keys[i]));
  }
  return {};
}

void ClearKeys(WLProfile& profile) {
  profile.EncryptionMethod = kEncryptNone;
  profile.WEPEncryptionLevel = kWEPLevelNone;
  profile.WEPKeyFormat = kWEPKeyHex;
  profile.DefaultKey = 0;
  CopyText(profile.PassPhrase, "");
  for (int i = 0; i < 4; ++i) CopyText(KeyBuffer(profile, i), sizeof profile.WEPKey1, "");
}

KeyTexts KeysOf(const WLProfile& profile) {
  return {std::string(TextOf(profile.WEPKey1)), std::string(TextOf(profile.WEPKey2)),
          std::string(TextOf(profile.WEPKey3)), std::string(TextOf(profile.WEPKey4))};
}

}  // namespace WEPKeyRules
