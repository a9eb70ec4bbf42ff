// The dictionary's answers for the characters a parent types.
#include <gtest/gtest.h>

#include "dictionary/char_info.hpp"
#include "dictionary/pinyin.hpp"
#include "dictionary/strokes.hpp"
#include "dictionary/traditional.hpp"

namespace tavrin {
namespace {

TEST(StrokeCount, KangxiCountsOfTheTraditionalForm) {
  struct Case {
    const char* character;
    int strokes;
  } cases[] = {
      {"清", 12},
      {"英", 11},
      {"達", 16},
      {"陳", 16},
      {"珀", 10},
      {"祥", 11},
      {"裕", 13},
      {"猛", 12},
      {"三", 3},
      {"十", 10},
      {"譽", 21},
      {"郑", 19},
      {"晞", 11},
      {"张", 11},
      {"刘", 15},
      {"杨", 13},
      {"黄", 12},
      {"华", 14},
      {"江", 7},
      {"浩", 11},
      {"王", 4},
      {"玲", 10},
      {"明", 8},
      {"肝", 9},
      {"朋", 8},
      {"健", 11},
      {"轩", 10},
      {"一", 1},
      {"钟", 17},
      {"泽", 17},
      {"阿", 13},
      {"打", 6},
      {"陈", 16},
      {"四", 4},
      {"九", 9},
      {"范", 11},
      // Table facts that the counting rule would not give: the first cell wins.
      {"啊", 16},
      {"哎", 8},
  };
  for (const Case& c : cases) EXPECT_EQ(StrokeCount(c.character), c.strokes) << c.character;
}

TEST(StrokeCount, WhatNoTableHoldsCountsZero) {
  EXPECT_EQ(StrokeCount(""), 0);
  EXPECT_EQ(StrokeCount("軒"), 0);  // a traditional form typed directly is no key
  EXPECT_EQ(StrokeCount("鍾"), 0);
  EXPECT_EQ(StrokeCount("1"), 0);  // digits stand inside the count fields
  EXPECT_EQ(StrokeCount("a"), 0);
}

TEST(ElementOf, FirstPlaceInTheElementTableDecides) {
  struct Case {
    const char* character;
    const char* element;
  } cases[] = {
      {"金", "金"}, {"木", "木"}, {"水", "水"}, {"火", "火"}, {"土", "土"}, {"一", "土"},
      {"厄", "土"}, {"人", "金"}, {"嗯", "未"}, {"", "未"},   {"軒", "未"}, {"3", "未"},
  };
  for (const Case& c : cases) EXPECT_EQ(ElementOf(c.character), c.element) << c.character;
}

TEST(TraditionalForm, MapsThroughOpenCcWithTheNameForms) {
  struct Case {
    const char* text;
    const char* traditional;
  } cases[] = {
      {"钟", "鍾"},
      {"轩", "軒"},
      {"泽", "澤"},
      {"国", "國"},
      {"陈", "陳"},
      {"阿", "阿"},
      {"健", "健"},
      {"", ""},
      // Surnames and name characters keep the form a name is written with.
      {"范", "范"},
      {"后", "后"},
      {"于", "于"},
      {"干", "干"},
  };
  for (const Case& c : cases) EXPECT_EQ(TraditionalForm(c.text), c.traditional) << c.text;
}

TEST(PinyinOf, AllReadingsInTableOrderWithToneMarks) {
  struct Case {
    const char* character;
    const char* pinyin;
  } cases[] = {
      {"啊", "ā,á,ǎ,à,a"},   {"阿", "ā,a,ē"},    {"和", "hé,hè,hú,huó,huò"},
      {"长", "cháng,zhǎng"}, {"绿", "lǜ,lù"},    {"略", "lüè"},
      {"女", "nǚ"},          {"哼", "hēng,hng"}, {"嗯", "n2,n3,n4,ng2,ng3,ng4"},
      {"呒", "m2"},          {"鍾", ""},         {"", ""},
      {"氵", "shui"},  // radical forms take the toneless first reading
  };
  for (const Case& c : cases) EXPECT_EQ(PinyinOf(c.character), c.pinyin) << c.character;
}

TEST(MarkTones, PutsTheMarkOnTheRightLetter) {
  struct Case {
    const char* numbered;
    const char* marked;
  } cases[] = {
      {"huo2", "huó"}, {"gui4", "guì"},     {"yue4", "yuè"}, {"lun2", "lún"},
      {"liu2", "liú"}, {"xiong2", "xióng"}, {"xin1", "xīn"}, {"lve4", "lüè"},
      {"nv3", "nǚ"},   {"a5", "a"},         {"hng5", "hng"}, {"m2", "m2"},
      {"ng3", "ng3"},  {"lv5", "lü"},       {"nve4", "nüè"}, {"zhang3,chang2", "zhǎng,cháng"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkTones(c.numbered), c.marked) << c.numbered;
}

TEST(DescribeCharacter, GathersTheFourAnswers) {
  const CharInfo info = DescribeCharacter("泽");
  EXPECT_EQ(info.character, "泽");
  EXPECT_EQ(info.traditional, "澤");
  EXPECT_EQ(info.strokes, 17);
  EXPECT_EQ(info.element, "水");
  EXPECT_EQ(info.pinyin, "zé");
}

}  // namespace
}  // namespace tavrin
