#include "text/search.hpp"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// 北 is B1 B1 and 京 is BE A9; 被 is B1 BB and 本 is B1 BE. The pair "北京"
// holds the bytes B1 BE at offset 1, which spell 本 across the boundary.
TEST(SearchRule, NeverMatchesAcrossACharacterBoundary) {
  ASSERT_EQ(std::string("北京").substr(1, 2), std::string("本"));
  EXPECT_EQ(FindText("北京", "本"), -1);
  EXPECT_EQ(FindLastText("北京", "本"), -1);
  EXPECT_EQ(FindText("北京本", "本"), 5);
  // An ASCII pattern cannot match a trail byte either: 誡 is D5 5D (trail "]").
  EXPECT_EQ(FindText("誡]", "]"), 3);
  EXPECT_EQ(TextAfter("[誡]4/", "]"), "4/");
}

TEST(SearchRule, PositionsAreOneBasedAndMissIsMinusOne) {
  struct Case {
    const char* text;
    const char* pattern;
    int first, last;
  } cases[] = {
      {"abcabc", "bc", 2, 5}, {"|1|2|1|", "|1|", 1, 5}, {"金木水金", "金", 1, 7},
      {"abc", "x", -1, -1},   {"abc", "", 1, 3},  // an empty pattern matches everywhere a character starts
      {"", "", -1, -1},       {"", "a", -1, -1},        {"ab", "abc", -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindText(c.text, c.pattern), c.first) << c.text << " / " << c.pattern;
    EXPECT_EQ(FindLastText(c.text, c.pattern), c.last) << c.text << " / " << c.pattern;
  }
  EXPECT_EQ(FindText("abcabc", "bc", CaseRule::Exact, 3), 5);
}

TEST(SearchRule, IgnoresCaseOfAsciiLettersOnly) {
  EXPECT_EQ(FindText("Key=Value", "value", CaseRule::IgnoreAscii), 5);
  EXPECT_EQ(FindText("Key=Value", "value", CaseRule::Exact), -1);
  // Ａ (A3 C1) and ａ (A3 E1) are different characters: only ASCII folds.
  EXPECT_EQ(FindText("Ａ", "ａ", CaseRule::IgnoreAscii), -1);
  EXPECT_EQ(FindText("[]", "{}", CaseRule::IgnoreAscii), -1);  // "[" is 0x5B, "{" 0x7B
  EXPECT_EQ(TextAfter("<BR>next", "<br>"), "next");
}

TEST(TextBeforeAndAfter, PickFieldsOfARow) {
  EXPECT_EQ(TextAfter("√轩|軒|10|", "√轩|"), "軒|10|");
  EXPECT_EQ(TextBefore(TextAfter("√轩|軒|10|", "√轩|"), "|"), "軒");
  EXPECT_EQ(FieldAfter("|1|大吉|2|大凶|", "|2|"), "大凶");
  EXPECT_EQ(FieldAfter("|6|温和\r\n|2|", "|6|", "\r\n"), "温和");
}

TEST(TextBeforeAndAfter, EdgeCases) {
  EXPECT_EQ(TextBefore("|abc", "|"), "");  // separator at position 1
  EXPECT_EQ(TextBefore("abc", "|"), "");   // separator absent
  EXPECT_EQ(TextBefore("", "|"), "");
  EXPECT_EQ(TextAfter("abc", ""), "abc");  // empty separator: the whole text
  EXPECT_EQ(TextAfter("abc", "|"), "");    // separator absent
  EXPECT_EQ(TextAfter("abc|", "|"), "");
  EXPECT_EQ(FieldAfter("|1|x", "|1|"), "");  // no closing bar
  EXPECT_EQ(FieldAfter("|1||", "|1|"), "");  // empty field
}

TEST(ReadNumber, ReadsLeadingDigitsAfterSpaces) {
  struct Case {
    const char* field;
    int value;
  } cases[] = {{" 8", 8}, {"8 ", 8}, {"8", 8}, {"", 0},    {"  17|x", 17},
               {"x8", 0}, {"-5", 0}, {" ", 0}, {"007", 7}, {"99999999999999", 2147483647}};
  for (const Case& c : cases) EXPECT_EQ(ReadNumber(c.field), c.value) << '"' << c.field << '"';
}

TEST(SplitText, FollowsTheItemRules) {
  using Items = std::vector<std::string_view>;
  EXPECT_EQ(SplitText("a,b,c", ","), (Items{"a", "b", "c"}));
  EXPECT_EQ(SplitText("a,,b", ","), (Items{"a", "", "b"}));
  EXPECT_EQ(SplitText("a,b,", ","), (Items{"a", "b"}));
  EXPECT_EQ(SplitText(",a", ","), (Items{"", "a"}));
  EXPECT_EQ(SplitText("", ","), Items{});
  EXPECT_EQ(SplitText("a1 阿\r\nb2 八\r\n", "\r\n"), (Items{"a1 阿", "b2 八"}));
  // GBK-aware: 北京 holds the bytes of 本 across its boundary, which is no separator.
  EXPECT_EQ(SplitText("北京", "本"), Items{"北京"});
}

TEST(ReplaceEvery, ReplacesWholeCharactersOnlyAndNeverItsOwnOutput) {
  EXPECT_EQ(ReplaceEvery("<p>替换</p>替换", "替换", "甲"), "<p>甲</p>甲");
  EXPECT_EQ(ReplaceEvery("北京", "本", "x"), "北京");  // 本's bytes straddle 北 and 京
  EXPECT_EQ(ReplaceEvery("aXa", "a", "aa"), "aaXaa");
  EXPECT_EQ(ReplaceEvery("\r\n\r\n", "\r\n", "<br>"), "<br><br>");
  EXPECT_EQ(ReplaceEvery("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceEvery("", "a", "x"), "");
}

}  // namespace
}  // namespace tavrin
