// Weighing the elements of a chart and choosing its favourable element.
#include "calendar/element_strength.hpp"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

ElementScores Scores(double metal, double wood, double water, double fire, double earth) {
  return ElementScores{{metal, wood, water, fire, earth}};
}

TEST(ScoreChart, AddsStemsAndHiddenStemsByTheMonthAndRounds) {
  // 寅 month. Stems: 庚 金 1.0, 戊 土 1.06, 辛 金 1.0, 甲 木 1.14. Hidden: 寅 twice
  // (甲 0.798, 丙 0.36), 卯 (乙 1.14), 午 (丁 1.2); 木 3.876 rounds to 3.88.
  const ElementScores scores = ScoreChart({"庚寅", "戊寅", "辛卯", "甲午"});
  EXPECT_EQ(scores.values, Scores(2, 3.88, 0, 1.92, 1.06).values);
}

TEST(ScoreChart, BranchesAddOnlyTheHiddenStemsThatHaveACoefficient) {
  // 寅 adds 甲 and 丙, 巳 庚 and 丙, 午 丁, 申 壬 and 庚: the 戊 of 寅, 巳 and 申
  // and the 己 of 午 add nothing, so 土 stays 0 with no 土 stem.
  // 寅 month. Stems: 丁 1.2, 甲 1.14, 庚 1.0, 壬 1.0. Hidden: 巳 庚 0.3, 丙 0.84;
  // 寅 甲 0.798, 丙 0.36; 午 丁 1.2; 申 庚 0.7, 壬 0.3.
  const ElementScores scores = ScoreChart({"丁巳", "甲寅", "庚午", "壬申"});
  EXPECT_EQ(scores.values, Scores(2, 1.94, 1.3, 3.6, 0).values);
}

TEST(GroupScoreText, ListsTheGroupInOrderWithItsSum) {
  const ElementScores scores = Scores(0.5, 2.34, 0, 1.2, 1.06);
  const GroupScore fire_wood = GroupScoreText("火木", scores);
  EXPECT_EQ(fire_wood.text, "火1.2，木2.34，共计3.54分");
  EXPECT_DOUBLE_EQ(fire_wood.sum, 3.54);
  EXPECT_EQ(GroupScoreText("水金土", scores).text, "水0，金0.5，土1.06，共计1.56分");
}

TEST(ChooseFavourable, WeakestCandidateWinsAndTiesFollowTheVisitingOrder) {
  struct Case {
    const char* candidates;
    ElementScores scores;
    const char* chosen;
  } cases[] = {
      {"金水", Scores(1, 0, 1, 0, 0), "水"},            // 水 before 金 on a tie
      {"土木", Scores(0, 2, 0, 0, 2), "木"},            // 木 before 土
      {"金水", Scores(1, 0, 1.00000005, 0, 0), "水"},   // within 1e-7 is a tie
      {"金水", Scores(1, 0, 1.0000002, 0, 0), "金"},    // beyond it is not
      {"火木水金土", Scores(3, 2, 4, 1.5, 2.5), "火"},  // all five: the weakest of all
      {"土火", Scores(0, 0, 0, 0.3, 0.2), "土"},       {"", Scores(0, 0, 0, 0, 0), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseFavourable(c.candidates, c.scores), c.chosen) << c.candidates;
}

TEST(JudgeBalance, VerdictAndCandidatesAtTheThresholds) {
  const KindGroup groups = KindGroups("火");  // 同类 火木, 异类 水金土
  struct Case {
    double difference;
    const char* verdict;
    const char* candidates;
  } cases[] = {
      {0, "八字平衡", "火木水金土"},
      {-0.00000009, "八字平衡", "火木水金土"},
      {0.0000002, "八字基本平衡", "水金土"},
      {0.4, "八字基本平衡", "水金土"},
      {2.1 - 1.7, "八字基本平衡", "水金土"},  // 0.4000000000000001
      {0.40000009, "八字基本平衡", "水金土"},
      {0.4000002, "八字偏强", "水金土"},
      {-0.0000002, "八字基本平衡", "火木"},
      {-0.3999998, "八字基本平衡", "火木"},
      {-0.4, "八字偏弱", "火木"},
      {1.7 - 2.1, "八字偏弱", "火木"},
      {-0.39999995, "八字偏弱", "火木"},
      {-3, "八字偏弱", "火木"},
  };
  for (const Case& c : cases) {
    const Balance balance = JudgeBalance(c.difference, groups);
    EXPECT_EQ(balance.verdict, c.verdict) << c.difference;
    EXPECT_EQ(balance.candidates, c.candidates) << c.difference;
  }
}

}  // namespace
}  // namespace tavrin
