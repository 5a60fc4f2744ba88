// The pre-shared key rule the station and access-point pages share.

#include "model/wpa_phrase_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace WPAPhraseRules;

TEST(WPAPhraseRulesTest, EightToSixtyThreeCharactersOrSixtyFourHexDigits) {
  EXPECT_FALSE(Acceptable(u""));
  EXPECT_FALSE(Acceptable(std::u16string(7, u'x')));
  EXPECT_TRUE(Acceptable(std::u16string(8, u'x')));
  EXPECT_TRUE(Acceptable(std::u16string(63, u' ')));
  EXPECT_TRUE(Acceptable(std::u16string(64, u'f')));
  EXPECT_TRUE(Acceptable(std::u16string(32, u'A') + std::u16string(32, u'9')));
  EXPECT_FALSE(Acceptable(std::u16string(63, u'f') + u'g'));
  EXPECT_FALSE(Acceptable(std::u16string(65, u'f')));
  // Characters, not bytes: eight accented letters are eight.
  EXPECT_TRUE(Acceptable(std::u16string(8, u'\u00E9')));
}

TEST(WPAPhraseRulesTest, AnEditHoldsAtMostWhatCanBecomeAcceptable) {
  EXPECT_TRUE(MayHold(u"1234"));
  EXPECT_TRUE(MayHold(std::u16string(63, u'x')));
  EXPECT_FALSE(MayHold(std::u16string(64, u'x')));
  EXPECT_TRUE(MayHold(std::u16string(64, u'0')));
  EXPECT_FALSE(MayHold(std::u16string(65, u'0')));
}

}  // namespace
