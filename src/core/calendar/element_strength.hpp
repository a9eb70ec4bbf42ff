#pragma once
// How strong each of the five elements is in a birth chart, weighed by
// coefficients that depend on the month, and the favourable element (喜用神)
// that the balance of the chart calls for.
#include <array>
#include <optional>
#include <string_view>

#include "calendar/chinese_calendar.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

// The five elements in the order of the scores.
inline constexpr std::string_view kElementOrder = "金木水火土";

struct ElementScores {
  std::array<double, 5> values{};  // 金 木 水 火 土
  // The score of one element letter; 0 for a text that is not one.
  double Of(std::string_view element) const;
  void Add(std::string_view element, double amount);
};

// The strength of a heavenly stem in the month of `month_branch`, and of a stem
// hidden in `branch` in that month. Nothing when the table has no such cell
// (寅 holds 戊 but gives it no strength).
std::optional<double> StemCoefficient(std::string_view month_branch, std::string_view stem);
std::optional<double> HiddenStemCoefficient(std::string_view branch, std::string_view hidden_stem,
                                            std::string_view month_branch);

// The four stems by their coefficients, then the stems hidden in the four
// branches, each added to its element; every score rounded to two decimals.
ElementScores ScoreChart(const Pillars& pillars);

// "火1.2，木2.34，共计3.54分" for the group 火木, and the sum of its scores.
struct GroupScore {
  GbkText text;
  double sum = 0;
};
GroupScore GroupScoreText(std::string_view group, const ElementScores& scores);

// The elements that support a day master (同类) and the others (异类), in the
// order texts and sums use: 火 gives 火木 and 水金土. Empty for a text that is
// not an element.
struct KindGroup {
  GbkText same, different;
};
KindGroup KindGroups(std::string_view day_master);

// The weakest element of `candidates`, visiting 水 金 火 木 土 so that the
// earlier of two equal scores wins; empty when no candidate qualifies.
GbkText ChooseFavourable(std::string_view candidates, const ElementScores& scores);

// The chart's balance by d, the 同类 sum minus the 异类 sum: its verdict and
// the groups the favourable element is chosen from.
struct Balance {
  std::string_view verdict;  // 八字平衡, 八字偏强, 八字基本平衡 or 八字偏弱
  GbkText candidates;
};
Balance JudgeBalance(double difference, const KindGroup& groups);

// The whole weighing of one chart.
struct FavourableAnalysis {
  ElementScores scores;
  std::string_view day_master;  // the element of the day pillar's stem
  KindGroup groups;
  GroupScore same, different;
  double difference = 0;
  Balance balance;
  GbkText favourable;
};
FavourableAnalysis AnalyseFavourable(const Pillars& pillars);

}  // namespace tavrin
