// The six tables of the five-grid method: grades cell by cell, formats, and the
// readings the lookups pick out of them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "naming/five_grids.hpp"
#include "naming/readings.hpp"
#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

const char* const kElements[] = {"木", "火", "土", "金", "水"};

int Occurrences(std::string_view table, std::string_view key) {
  int count = 0;
  for (int at = FindText(table, key); at > 0; at = FindText(table, key, CaseRule::Exact, at + 1)) ++count;
  return count;
}

// The grades of 1–81: D 大吉, J 吉, B 半吉, X 凶, W 大凶.
constexpr std::string_view kNumberGrades =
    "DWDXDBJJX"
    "XDXDXDDBD"
    "XXDXDDDBB"
    "XBBDDDWDX"
    "DBDXDXXXD"
    "XDDBXBDXX"
    "BXDBXXDXD"
    "XDXDXXXBB"
    "XXBXBXXXD";

GbkText GradeWord(char code) {
  switch (code) {
    case 'D':
      return "大吉";
    case 'J':
      return "吉";
    case 'B':
      return "半吉";
    case 'X':
      return "凶";
    case 'W':
      return "大凶";
    case 'G':
      return "吉";
    case 'P':
      return "平";
    default:
      return "?";
  }
}

TEST(NumberTables, GradesOfEveryNumber) {
  for (int n = 1; n <= 81; ++n) {
    const GbkText expected = GradeWord(kNumberGrades[static_cast<std::size_t>(n - 1)]);
    EXPECT_EQ(NumberGrade(n), expected) << n;
    EXPECT_EQ(LookupNumberReading(n).grade, expected) << n;
    EXPECT_EQ(Occurrences(data::NumberTextTable(), "|" + std::to_string(n) + "|"), 1) << n;
  }
  EXPECT_EQ(data::NumberGradeTable().size(), 570u);
  EXPECT_EQ(NumberGrade(0), "");
  EXPECT_EQ(NumberGrade(82), "");
}

TEST(NumberTables, EveryReadingHasItsParts) {
  std::set<GbkText> summaries, details;
  for (int n = 1; n <= 81; ++n) {
    const NumberReading reading = LookupNumberReading(n);
    EXPECT_EQ(reading.summary.substr(0, 2), "（") << n;
    EXPECT_GE(FindText(reading.hint, GradeWord(kNumberGrades[static_cast<std::size_t>(n - 1)]) + "运"), 1)
        << n;
    EXPECT_EQ(reading.detail.substr(0, 6), "诗曰：") << n;
    int last = 0;
    for (const char* part : {"<BR>基业：", "<BR>家庭：", "<BR>健康：", "<BR>含义："}) {
      const int at = FindText(reading.detail, part);
      EXPECT_GT(at, last) << n << " lacks " << part;
      last = at;
    }
    EXPECT_TRUE(summaries.insert(reading.summary).second) << n;
    EXPECT_TRUE(details.insert(reading.detail).second) << n;
  }
  EXPECT_EQ(LookupNumberReading(1).summary, "（太极之数）太极之数，万物开泰，生发无穷，利禄亨通。");
  EXPECT_EQ(LookupNumberReading(1).hint, "大吉运");
}

TEST(NumberTables, NumbersOutsideTheTableStillRead) {
  EXPECT_EQ(LookupNumberReading(82).summary, LookupNumberReading(2).summary);
  EXPECT_EQ(LookupNumberReading(165).detail, LookupNumberReading(5).detail);
  const NumberReading uncounted = LookupNumberReading(0);
  EXPECT_FALSE(uncounted.summary.empty());
  EXPECT_EQ(LookupNumberReading(-3).summary, uncounted.summary);
  EXPECT_EQ(FindText(uncounted.grade, "吉"), -1);
}

// Each key's overall/foundation/success: G 吉, P 平, X 凶; 天格 and 人格 by row,
// 地格 within the row, each in the order 木 火 土 金 水.
constexpr std::string_view kTalentGrades[] = {
    "GGG GGG GGG XXG XXG", "GGG PGG GGG XPG XXG", "XXX PGX XGX XGX XXX", "XXX XXX XGX XXX XXX",
    "GXX XXX XXX XXX PXX", "GGG GGG GGG XXG XXG", "GGP PGP XGP XPP XXP", "PXG GGG GGG XGG XXG",
    "XXX XXX XGX XXX XXX", "XXX XXX XXX XXX XXX", "PGX PGX XGX XXX XXX", "GGG PGG GGG PPG XXG",
    "XXG GGG GGG GGG XXG", "XXG XXG GGG GXG XXG", "XXX XXX XXX XXX XXX", "XGX XGX XGX XXX XXX",
    "XGX XGX XGX XPX XXX", "PXG PGG GGG GGG XXG", "XXX XXX GGX XXX XXX", "XXX XXX XXX GXX XXX",
    "GGG PGG GGG XXG XXG", "XGX XGX XGX XPX XXX", "XXP XGP XGP XGP XXP", "XXG XXG GGG PXG XXG",
    "XXX XXX XXX XXX XXX",
};

TEST(TalentTables, GradesOfEveryConfiguration) {
  for (int heaven = 0; heaven < 5; ++heaven) {
    for (int person = 0; person < 5; ++person) {
      const std::string_view row = kTalentGrades[heaven * 5 + person];
      for (int earth = 0; earth < 5; ++earth) {
        const GbkText key = GbkText(kElements[heaven]) + kElements[person] + kElements[earth];
        const std::string_view cell = row.substr(static_cast<std::size_t>(earth) * 4, 3);
        const GbkText bar_key = "|" + key + "|";
        const std::string_view grades = TextAfter(data::TalentGradeTable(), bar_key);
        EXPECT_EQ(GbkText(grades.substr(0, grades.find("\r\n"))),
                  GradeWord(cell[0]) + "|" + GradeWord(cell[1]) + "|" + GradeWord(cell[2]) + "|")
            << key;
        const TalentReading reading = LookupTalentReading(key);
        EXPECT_EQ(reading.grade, GradeWord(cell[0])) << key;
        EXPECT_EQ(reading.foundation_grade, GradeWord(cell[1])) << key;
        EXPECT_EQ(reading.success_grade, GradeWord(cell[2])) << key;
        EXPECT_EQ(Occurrences(data::TalentGradeTable(), bar_key), 1) << key;
        EXPECT_EQ(Occurrences(data::TalentTextTable(), bar_key), 1) << key;
      }
    }
  }
  EXPECT_EQ(data::TalentGradeTable().size(), 2375u);
}

TEST(TalentTables, EveryReadingIsCompleteAndItsOwn) {
  const char* headings[] = {"总论", "性格", "意志", "事业", "家庭", "婚姻",
                            "子女", "社交", "精神", "财运", "健康", "老运"};
  std::set<GbkText> texts, paragraphs;
  for (const char* heaven : kElements) {
    for (const char* person : kElements) {
      for (const char* earth : kElements) {
        const GbkText key = GbkText(heaven) + person + earth;
        const TalentReading reading = LookupTalentReading(key);
        const bool one_line = key == "土金木" || key == "金金木";
        for (const GbkText* text :
             {&reading.summary, &reading.detail, &reading.foundation, &reading.success}) {
          EXPECT_EQ(text->substr(0, 2) == "\r\n", !one_line) << key;
          EXPECT_TRUE(texts.insert(*text).second) << key << " repeats a text";
        }
        for (const GbkText* sentence : {&reading.summary, &reading.foundation, &reading.success}) {
          EXPECT_EQ(sentence->substr(sentence->size() - 4), "　　") << key;
        }
        const std::vector<std::string_view> parts = SplitText(reading.detail, "<br />    ");
        ASSERT_EQ(parts.size(), 12u) << key;
        for (std::size_t i = 0; i < 12; ++i) {
          const GbkText heading = std::to_string(i + 1) + "、" + headings[i] + ":";
          const std::string_view part = i == 0 && !one_line ? parts[i].substr(2) : parts[i];
          EXPECT_EQ(part.substr(0, heading.size()), heading) << key;
          EXPECT_TRUE(paragraphs.insert(GbkText(part.substr(heading.size()))).second)
              << key << " " << heading;
        }
      }
    }
  }
  // A one-line entry: no CR LF, so the fields begin with the text itself.
  EXPECT_EQ(LookupTalentReading("土金木").detail.substr(0, 8), "1、总论:");
  EXPECT_EQ(LookupTalentReading("木木木").detail.substr(0, 10), "\r\n1、总论:");
}

// 人格 last digit by row, 外格 last digit by column.
constexpr std::string_view kRelationGrades[] = {
    "XPPXXPXPPP", "GGGGGGPPXG", "XGPGGPXXXP", "XGGGPGPPPP", "XGGXXGPXXX",
    "XGPGGGGGGX", "XGPGGGPGPX", "XPXXXGGGGG", "XGXXXGGPPG", "PGGPPPPGGP",
};

TEST(RelationTable, GradeAndSentenceOfEveryPair) {
  std::set<GbkText> sentences;
  for (int person = 0; person < 10; ++person) {
    for (int outer = 0; outer < 10; ++outer) {
      const RelationReading reading = LookupRelation(person + 10, outer + 20);
      EXPECT_EQ(reading.grade, GradeWord(kRelationGrades[person][static_cast<std::size_t>(outer)]))
          << person << outer;
      EXPECT_EQ(reading.text.substr(reading.text.size() - 4), "　　") << person << outer;
      EXPECT_TRUE(sentences.insert(reading.text).second) << person << outer;
      EXPECT_EQ(Occurrences(data::RelationTable(),
                            "|" + std::to_string(person) + "|" + std::to_string(outer) + "|"),
                1);
    }
  }
  EXPECT_EQ(LookupRelation(7, 9).grade, "吉");
}

TEST(PersonalityTable, OneReadingPerLastDigitInStorageOrder) {
  std::set<GbkText> readings;
  for (int digit = 0; digit < 10; ++digit) {
    const GbkText reading = LookupPersonality(digit + 30);
    EXPECT_FALSE(reading.empty()) << digit;
    EXPECT_EQ(FindText(reading, "\r\n"), -1);
    EXPECT_TRUE(readings.insert(reading).second) << digit;
  }
  std::string order;
  for (std::string_view row : SplitText(data::PersonalityTable(), "\r\n")) order += row.substr(1, 1);
  EXPECT_EQ(order, "6294078531");
}

}  // namespace
}  // namespace tavrin
