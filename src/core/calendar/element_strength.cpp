#include "calendar/element_strength.hpp"

#include <charconv>
#include <vector>

#include "calendar/pillar_lookups.hpp"
#include "calendar/table_rows.hpp"
#include "tavrin/data/tables.hpp"
#include "text/numbers.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

using calendar_tables::RowAfter;
using calendar_tables::RowField;

// The stem (at 0) or the branch (at 2) of a pillar; empty for a short text.
std::string_view PartOf(std::string_view pillar, std::size_t at) {
  return pillar.size() >= at + 2 ? pillar.substr(at, 2) : std::string_view();
}

// Where an element letter stands in kElementOrder: 0 to 4, or -1.
int ElementIndex(std::string_view element) {
  if (element.size() != 2) return -1;
  const int position = FindText(kElementOrder, element);
  return position < 0 ? -1 : (position - 1) / 2;
}

// The value in column `column` of a coefficient table: the column is found by
// its name in the table's header line, the value in the row's space-separated
// list. Nothing when the row, the column or the number is missing.
std::optional<double> Coefficient(std::string_view table, std::string_view row_opening,
                                  std::string_view column) {
  const std::string_view header = TextBefore(table, "\r\n");
  const std::vector<std::string_view> names = SplitText(header, " ");
  const std::vector<std::string_view> values = SplitText(RowField(table, row_opening, "//"), " ");
  for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) {
    if (names[i] != column) continue;
    double value = 0;
    const char* end = values[i].data() + values[i].size();
    const auto [stop, error] = std::from_chars(values[i].data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
  }
  return std::nullopt;
}

}  // namespace

double ElementScores::Of(std::string_view element) const {
  const int index = ElementIndex(element);
  return index < 0 ? 0 : values[static_cast<std::size_t>(index)];
}

void ElementScores::Add(std::string_view element, double amount) {
  const int index = ElementIndex(element);
  if (index >= 0) values[static_cast<std::size_t>(index)] += amount;
}

std::optional<double> StemCoefficient(std::string_view month_branch, std::string_view stem) {
  if (month_branch.size() != 2 || stem.size() != 2) return std::nullopt;
  return Coefficient(data::StemCoefficientTable(), GbkText(month_branch) + "/", stem);
}

std::optional<double> HiddenStemCoefficient(std::string_view branch, std::string_view hidden_stem,
                                            std::string_view month_branch) {
  if (branch.size() != 2 || hidden_stem.size() != 2 || month_branch.size() != 2) return std::nullopt;
  return Coefficient(data::HiddenStemCoefficientTable(), "/" + GbkText(branch) + GbkText(hidden_stem) + "/",
                     GbkText(month_branch) + "月");
}

ElementScores ScoreChart(const Pillars& pillars) {
  ElementScores scores;
  const std::string_view month_branch = PartOf(pillars.month, 2);
  const std::string_view four[] = {pillars.year, pillars.month, pillars.day, pillars.hour};
  for (std::string_view pillar : four) {
    const std::string_view stem = PartOf(pillar, 0);
    if (const std::optional<double> value = StemCoefficient(month_branch, stem))
      scores.Add(ElementOf(stem), *value);
  }
  for (std::string_view pillar : four) {
    const std::string_view branch = PartOf(pillar, 2);
    const std::string_view hidden = HiddenStems(branch);
    for (std::size_t at = 0; at + 1 < hidden.size(); at += 2) {
      const std::string_view stem = hidden.substr(at, 2);
      if (const std::optional<double> value = HiddenStemCoefficient(branch, stem, month_branch))
        scores.Add(ElementOf(stem), *value);
    }
  }
  for (double& value : scores.values) value = RoundHalfAway(value, 2);
  return scores;
}

GroupScore GroupScoreText(std::string_view group, const ElementScores& scores) {
  GroupScore result;
  for (std::size_t at = 0; at + 1 < group.size(); at += 2) {
    const std::string_view element = group.substr(at, 2);
    result.text += GbkText(element) + RealText(scores.Of(element)) + "，";
    result.sum += scores.Of(element);
  }
  result.text += "共计" + RealText(result.sum) + "分";
  return result;
}

KindGroup KindGroups(std::string_view day_master) {
  if (day_master.empty()) return {};
  const std::string_view rest = RowAfter(data::KindGroupTable(), "|" + GbkText(day_master) + "|");
  return {GbkText(TextBefore(rest, "|")), GbkText(TextBefore(TextAfter(rest, "|"), "|"))};
}

GbkText ChooseFavourable(std::string_view candidates, const ElementScores& scores) {
  double bound = 1000;
  GbkText choice;
  for (std::string_view element : {"水", "金", "火", "木", "土"}) {
    if (FindText(candidates, element) < 0 || CompareReals(scores.Of(element), bound) >= 0) continue;
    choice = element;
    bound = scores.Of(element);
  }
  return choice;
}

Balance JudgeBalance(double difference, const KindGroup& groups) {
  if (CompareReals(difference, 0) == 0) return {"八字平衡", groups.same + groups.different};
  if (CompareReals(difference, 0.4) > 0) return {"八字偏强", groups.different};
  if (difference > 0) return {"八字基本平衡", groups.different};
  if (CompareReals(difference, -0.4) > 0) return {"八字基本平衡", groups.same};
  return {"八字偏弱", groups.same};
}

FavourableAnalysis AnalyseFavourable(const Pillars& pillars) {
  FavourableAnalysis analysis;
  analysis.scores = ScoreChart(pillars);
  analysis.day_master = ElementOf(PartOf(pillars.day, 0));
  analysis.groups = KindGroups(analysis.day_master);
  analysis.same = GroupScoreText(analysis.groups.same, analysis.scores);
  analysis.different = GroupScoreText(analysis.groups.different, analysis.scores);
  analysis.difference = analysis.same.sum - analysis.different.sum;
  analysis.balance = JudgeBalance(analysis.difference, analysis.groups);
  analysis.favourable = ChooseFavourable(analysis.balance.candidates, analysis.scores);
  return analysis;
}

}  // namespace tavrin
