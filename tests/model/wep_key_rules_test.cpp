#include "model/wep_key_rules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "adapter/orvwl.h"
#include "adapter/wep_key_phrase.h"
#include "model/wl_enums.h"
#include "model/wl_profile.h"
#include "platform/text.h"

namespace {

using WEPKeyRules::KeyTexts;

// A profile that already holds WEP settings, so that every write shows.
WLProfile Stored() {
  WLProfile p{};
  p.EncryptionMethod = kEncryptNone;
  p.WEPEncryptionLevel = 7;
  p.WEPKeyFormat = 9;
  p.DefaultKey = 3;
  CopyText(p.PassPhrase, "old phrase");
  CopyText(p.WEPKey1, "old1");
  CopyText(p.WEPKey2, "old2");
  CopyText(p.WEPKey3, "old3");
  CopyText(p.WEPKey4, "old4");
  return p;
}

TEST(WEPKeyRules, LengthsAndPhrasePerLevel) {
  EXPECT_EQ(WEPKeyRules::HexLength(kWEPLevel64), 10);
  EXPECT_EQ(WEPKeyRules::HexLength(kWEPLevel128), 26);
  EXPECT_EQ(WEPKeyRules::HexLength(kWEPLevel256), 58);
  for (int32_t other : {0, 3, 5, -1}) EXPECT_EQ(WEPKeyRules::HexLength(other), 0) << other;
  EXPECT_TRUE(WEPKeyRules::PhraseEnabled(kWEPLevel64));
  EXPECT_TRUE(WEPKeyRules::PhraseEnabled(kWEPLevel128));
  EXPECT_FALSE(WEPKeyRules::PhraseEnabled(kWEPLevel256));
  EXPECT_FALSE(WEPKeyRules::PhraseEnabled(kWEPLevelNone));
}

TEST(WEPKeyRules, FormatFollowsTheLength) {
  // Half length is ASCII whatever the characters, even when they look hexadecimal.
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel64, "a;: \\"), kWEPKeyAscii);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel64, "ABCDE"), kWEPKeyAscii);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel64, "0123456789"), kWEPKeyHex);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel64, "abcdefABCD"), kWEPKeyHex);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel64, "012345678g"), 0);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel64, "1234567"), 0);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel128, std::string(13, 'x')), kWEPKeyAscii);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel128, std::string(26, 'f')), kWEPKeyHex);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel256, std::string(29, '#')), kWEPKeyAscii);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevel256, std::string(58, '9')), kWEPKeyHex);
  EXPECT_EQ(WEPKeyRules::KeyFormat(kWEPLevelNone, ""), 0);
}

TEST(WEPKeyRules, ErrorsNameTheLevelAndTheFault) {
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel64, "012345678g"), "ErHex64");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel64, "1234567"), "ErWEP64");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel64, ""), "ErWEP64");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel128, std::string(25, 'z') + "0"), "ErHex128");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel128, "short"), "ErWEP128");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel256, std::string(58, 'q')), "ErHex256");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel256, std::string(30, 'q')), "ErWEP256");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel64, "abcde"), "");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevel64, "abcdef0123"), "");
  EXPECT_EQ(WEPKeyRules::KeyError(kWEPLevelNone, "anything"), "");
}

TEST(WEPKeyRules, StoredFormKeepsOnlyKeysOfTheFormat) {
  EXPECT_EQ(WEPKeyRules::StoredKey(kWEPLevel64, kWEPKeyHex, "abcdef0123"), "ABCDEF0123");
  EXPECT_EQ(WEPKeyRules::StoredKey(kWEPLevel64, kWEPKeyAscii, "abcde"), "abcde");
  // A key of the other format, or of no format, is not kept.
  EXPECT_EQ(WEPKeyRules::StoredKey(kWEPLevel64, kWEPKeyAscii, "abcdef0123"), "");
  EXPECT_EQ(WEPKeyRules::StoredKey(kWEPLevel64, kWEPKeyHex, "abcde"), "");
  EXPECT_EQ(WEPKeyRules::StoredKey(kWEPLevel64, kWEPKeyHex, "012345678g"), "");
  EXPECT_EQ(WEPKeyRules::StoredKey(kWEPLevel64, kWEPKeyAscii, ""), "");
}

TEST(WEPKeyRules, WriteChecksOnlyTheTransmitKey) {
  WLProfile p = Stored();
  // Transmit key 2 is ASCII; key 1 is a valid hexadecimal key of the other format.
  const KeyTexts keys{"abcdef0123", "Hello", "bad", "World"};
  EXPECT_EQ(WEPKeyRules::WriteKeys(p, kWEPLevel64, 1, keys), "");
  EXPECT_EQ(p.EncryptionMethod, kEncryptWEP);
  EXPECT_EQ(p.WEPEncryptionLevel, kWEPLevel64);
  EXPECT_EQ(p.WEPKeyFormat, kWEPKeyAscii);
  EXPECT_EQ(p.DefaultKey, 1);
  EXPECT_EQ(TextOf(p.PassPhrase), "");
  EXPECT_EQ(WEPKeyRules::KeysOf(p), (KeyTexts{"", "Hello", "", "World"}));
}

TEST(WEPKeyRules, WriteStoresHexadecimalInUpperCase) {
  WLProfile p = Stored();
  const std::string hex256(58, 'c');
  EXPECT_EQ(WEPKeyRules::WriteKeys(p, kWEPLevel256, 3, {hex256, "x", "", hex256}), "");
  EXPECT_EQ(p.WEPKeyFormat, kWEPKeyHex);
  EXPECT_EQ(p.DefaultKey, 3);
  const std::string upper(58, 'C');
  EXPECT_EQ(WEPKeyRules::KeysOf(p), (KeyTexts{upper, "", "", upper}));
}

TEST(WEPKeyRules, BadTransmitKeyWritesNothing) {
  WLProfile p = Stored();
  const WLProfile before = p;
  EXPECT_EQ(WEPKeyRules::WriteKeys(p, kWEPLevel128, 0, {"0123456789", "", "", ""}), "ErWEP128");
  EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST(WEPKeyRules, TransmitKeyOutOfRangeCountsAsTheFirst) {
  WLProfile p = Stored();
  EXPECT_EQ(WEPKeyRules::WriteKeys(p, kWEPLevel64, 9, {"abcde", "", "", ""}), "");
  EXPECT_EQ(p.DefaultKey, 0);
  EXPECT_EQ(WEPKeyRules::WriteKeys(p, kWEPLevel64, -1, {"12", "", "", ""}), "ErWEP64");
}

TEST(WEPKeyRules, LevelWithoutKeysClearsTheWEPFields) {
  for (int32_t level : {0, 3}) {
    WLProfile p = Stored();
    p.EncryptionMethod = kEncryptWEP;
    EXPECT_EQ(WEPKeyRules::WriteKeys(p, level, 2, {"abcde", "abcde", "abcde", "abcde"}), "");
    EXPECT_EQ(p.EncryptionMethod, kEncryptNone);
    EXPECT_EQ(p.WEPEncryptionLevel, kWEPLevelNone);
    EXPECT_EQ(p.WEPKeyFormat, kWEPKeyHex);
    EXPECT_EQ(p.DefaultKey, 0);
    EXPECT_EQ(TextOf(p.PassPhrase), "");
    EXPECT_EQ(WEPKeyRules::KeysOf(p), KeyTexts{});
  }
}

// A stand-in for the library's generator: what it was asked, and its answer.
struct Generator {
  static inline std::string phrase;
  static inline int32_t level = -1;
  static inline int32_t answer = 1;
  static int32_t Make(const char* text, int32_t lvl, WEPKeySet* keys) {
    phrase = text;
    level = lvl;
    // The word before the keys is the library's own; it must not be taken for text.
    keys->reserved0 = 0x41414141;
    for (int i = 0; i < 4; ++i)
      CopyText(keys->Keys[i], std::string(10, static_cast<char>('A' + i)));
    // A key text that fills its buffer without a NUL ends at the buffer.
    std::memset(keys->Keys[3], 'D', sizeof keys->Keys[3]);
    return answer;
  }
};

TEST(WEPKeyRules, GenerateTakesTheLibrarysFourKeys) {
  OrvwlApi api;
  api.ORVWL_PassphraseToWEPKey = &Generator::Make;
  Generator::answer = 1;
  KeyTexts keys{"1", "2", "3", "4"};
  ASSERT_TRUE(WEPKeyRules::GenerateKeys(api, "secret", kWEPLevel128, keys));
  EXPECT_EQ(Generator::phrase, "secret");
  EXPECT_EQ(Generator::level, kWEPLevel128);
  EXPECT_EQ(keys, (KeyTexts{std::string(10, 'A'), std::string(10, 'B'), std::string(10, 'C'),
                            std::string(64, 'D')}));
}

TEST(WEPKeyRules, FailedOrEmptyGenerationKeepsTheKeys) {
  OrvwlApi api;
  api.ORVWL_PassphraseToWEPKey = &Generator::Make;
  const KeyTexts before{"1", "2", "3", "4"};
  KeyTexts keys = before;
  Generator::answer = 0;
  EXPECT_FALSE(WEPKeyRules::GenerateKeys(api, "secret", kWEPLevel64, keys));
  EXPECT_EQ(keys, before);
  Generator::answer = 1;
  Generator::phrase.clear();
  EXPECT_FALSE(WEPKeyRules::GenerateKeys(api, "", kWEPLevel64, keys));
  EXPECT_EQ(Generator::phrase, "") << "an empty phrase never reaches the library";
  EXPECT_EQ(keys, before);
  EXPECT_FALSE(WEPKeyRules::GenerateKeys(OrvwlApi{}, "secret", kWEPLevel64, keys));
}

}  // namespace
