#include "core/utility.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "adapter/wl_records.h"
#include "platform/text.h"

namespace {

TEST(ParseIntList, StoresUpToTheCapacityAndCountsAll) {
  int32_t buffer[2] = {-1, -1};
  EXPECT_EQ(ParseIntList("10, 20,x,30", buffer, 2), 3);
  EXPECT_EQ(buffer[0], 10);
  EXPECT_EQ(buffer[1], 20);
}

TEST(ParseIntList, EmptyAndSeparatorOnlyTexts) {
  int32_t buffer[4] = {};
  EXPECT_EQ(ParseIntList("", buffer, 4), 0);
  EXPECT_EQ(ParseIntList(",, ,\t\r\n", buffer, 4), 0);
}

TEST(ParseIntList, BlanksSeparateLikeCommas) {
  int32_t buffer[8] = {};
  ASSERT_EQ(ParseIntList("  7\t8\n9 ,10", buffer, 8), 4);
  EXPECT_EQ(buffer[0], 7);
  EXPECT_EQ(buffer[1], 8);
  EXPECT_EQ(buffer[2], 9);
  EXPECT_EQ(buffer[3], 10);
}

TEST(ParseIntList, QuotedItemsLoseTheirQuotes) {
  int32_t buffer[8] = {};
  ASSERT_EQ(ParseIntList("\"5\",\"1 2\",3,\"12\"34,\"", buffer, 8), 4);
  EXPECT_EQ(buffer[0], 5);  // "1 2" is one item and not a number
  EXPECT_EQ(buffer[1], 3);
  EXPECT_EQ(buffer[2], 12);
  EXPECT_EQ(buffer[3], 34);
}

TEST(ParseIntList, IntegerForms) {
  int32_t buffer[8] = {};
  ASSERT_EQ(ParseIntList("0x10,-5,+6,2147483648,-2147483648,1.5,42A", buffer, 8), 4);
  EXPECT_EQ(buffer[0], 16);
  EXPECT_EQ(buffer[1], -5);
  EXPECT_EQ(buffer[2], 6);
  EXPECT_EQ(buffer[3], INT32_MIN);
}

TEST(ParseIntList, CountsWithoutABuffer) {
  EXPECT_EQ(ParseIntList("1,2,3", nullptr, 0), 3);
  int32_t one = 0;
  EXPECT_EQ(ParseIntList("1,2,3", &one, 0), 3);
  EXPECT_EQ(one, 0);
}

TEST(IsHexText, DigitsOnly) {
  EXPECT_TRUE(IsHexText("0A1b"));
  EXPECT_TRUE(IsHexText(""));
  EXPECT_TRUE(IsHexText("0123456789ABCDEFabcdef"));
  EXPECT_FALSE(IsHexText("0G"));
  EXPECT_FALSE(IsHexText(" 1"));
  EXPECT_FALSE(IsHexText("0x1"));
}

TEST(HexToBytes, PairsAndALastOddDigit) {
  uint8_t bytes[5] = {9, 9, 9, 9, 9};
  EXPECT_EQ(HexToBytes("001A2b3", bytes, sizeof bytes), 3u);
  EXPECT_EQ(bytes[0], 0x00);
  EXPECT_EQ(bytes[1], 0x1A);
  EXPECT_EQ(bytes[2], 0x2B);
  EXPECT_EQ(bytes[3], 9);
}

TEST(HexToBytes, HonoursTheCapacity) {
  uint8_t bytes[3] = {9, 9, 9};
  EXPECT_EQ(HexToBytes("AABBCCDDEE", bytes, 2), 2u);
  EXPECT_EQ(bytes[0], 0xAA);
  EXPECT_EQ(bytes[1], 0xBB);
  EXPECT_EQ(bytes[2], 9);
  EXPECT_EQ(HexToBytes("AABB", nullptr, 0), 0u);
}

TEST(HexToBytes, EachPairConvertsLikeStrtol) {
  struct Case {
    const char* pair;
    uint8_t value;
  };
  const Case cases[] = {{" F", 0x0F}, {"-1", 0xFF}, {"+A", 0x0A},  {"G1", 0x00},
                        {"1G", 0x01}, {"0x", 0x00}, {"- ", 0x00},  {"F ", 0x0F},
                        {"  ", 0x00}, {"-F", 0xF1}, {"\t7", 0x07}, {"ff", 0xFF}};
  for (const Case& c : cases) {
    // strtol on the same two characters as a C string is the reference.
    const char text[3] = {c.pair[0], c.pair[1], '\0'};
    EXPECT_EQ(static_cast<uint8_t>(std::strtol(text, nullptr, 16) & 0xFF), c.value) << c.pair;
    uint8_t byte = 0x55;
    ASSERT_EQ(HexToBytes(std::string_view(c.pair, 2), &byte, 1), 1u);
    EXPECT_EQ(byte, c.value) << '"' << c.pair << '"';
  }
}

TEST(HexToBytes, NeverReadsPastTheText) {
  // A view into a longer buffer: the digits after its end must not be used.
  const char text[] = "ABCDEF";
  uint8_t bytes[3] = {};
  EXPECT_EQ(HexToBytes(std::string_view(text, 3), bytes, 3), 1u);
  EXPECT_EQ(bytes[0], 0xAB);
  EXPECT_EQ(bytes[1], 0);
}

TEST(ExpandLineBreaks, ReplacesBackslashN) {
  EXPECT_EQ(ExpandLineBreaks("a\\nb"), "a\nb");
  EXPECT_EQ(ExpandLineBreaks("\\n\\n"), "\n\n");
  EXPECT_EQ(ExpandLineBreaks("\\\\n"), "\\\n");
  EXPECT_EQ(ExpandLineBreaks("\\"), "\\");
  EXPECT_EQ(ExpandLineBreaks("n\\"), "n\\");
  EXPECT_EQ(ExpandLineBreaks("no breaks"), "no breaks");
  EXPECT_EQ(ExpandLineBreaks(""), "");
}

AdapterIdent Ident(const char* description, const char* hardwareId) {
  AdapterIdent ident{};
  CopyText(ident.Description, description);
  CopyText(ident.HardwareId, hardwareId);
  CopyText(ident.Tag, kAdapterIdentTag);
  return ident;
}

TEST(FindAdapterIdent, ComparesAllBytes) {
  std::vector<AdapterIdent> list = {Ident("A", "USB\\1"), Ident("B", "USB\\2"),
                                    Ident("B", "USB\\2")};
  EXPECT_EQ(FindAdapterIdent(Ident("B", "USB\\2"), list), 1);
  EXPECT_EQ(FindAdapterIdent(Ident("A", "USB\\1"), list), 0);
  EXPECT_EQ(FindAdapterIdent(Ident("C", "USB\\1"), list), -1);
  AdapterIdent behindNul = Ident("A", "USB\\1");
  behindNul.Description[100] = 'x';  // after the text's NUL, still part of the 197 bytes
  EXPECT_EQ(FindAdapterIdent(behindNul, list), -1);
  EXPECT_EQ(FindAdapterIdent(Ident("A", "USB\\1"), {}), -1);
}

// What a page's drop-down list offers the helper.
struct FakeCombo {
  std::vector<int32_t> values;
  int selected = -1;
  int count() const { return static_cast<int>(values.size()); }
  int32_t value(int i) const { return values[i]; }
  void select(int i) { selected = i; }
};

TEST(SelectComboItemByValue, SelectsTheFirstMatch) {
  FakeCombo combo{{15, 2, 4, 2}, 0};
  EXPECT_TRUE(SelectComboItemByValue(combo, 2));
  EXPECT_EQ(combo.selected, 1);
  EXPECT_TRUE(SelectComboItemByValue(combo, 15));
  EXPECT_EQ(combo.selected, 0);
}

TEST(SelectComboItemByValue, AValueNoItemCarriesLeavesTheSelection) {
  FakeCombo combo{{15, 2, 4}, 2};
  EXPECT_FALSE(SelectComboItemByValue(combo, 108));
  EXPECT_EQ(combo.selected, 2);
  FakeCombo empty{{}, -1};
  EXPECT_FALSE(SelectComboItemByValue(empty, 0));
  EXPECT_EQ(empty.selected, -1);
}

}  // namespace
