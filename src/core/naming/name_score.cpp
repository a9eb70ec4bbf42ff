#include "naming/name_score.hpp"

#include <map>

#include "naming/readings.hpp"
#include "tavrin/data/tables.hpp"
#include "text/numbers.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// Penalties by grade: 大吉, 吉, 半吉, 凶, 大凶 (a missing grade costs nothing).
struct GridPenalties {
  double great, good, half, bad, worst;
  double For(std::string_view grade) const {
    if (grade == "大吉") return great;
    if (grade == "吉") return good;
    if (grade == "半吉") return half;
    if (grade == "凶") return bad;
    if (grade == "大凶") return worst;
    return 0;
  }
};
// 人格 and 总格 weigh most: they read the person and the whole life.
constexpr GridPenalties kHeaven{0, 0, 0, 1, 1}, kPerson{0, 0, 5, 15, 15}, kEarth{0, 0, 1, 10, 10},
    kTotal{0, 0, 5, 15, 15}, kOuter{0, 0, 1, 2, 2};

// Penalties of the talent and relations grades: 吉, 平, 凶.
struct TalentPenalties {
  double good, even, bad;
  double For(std::string_view grade) const {
    if (grade == "吉") return good;
    if (grade == "平") return even;
    if (grade == "凶") return bad;
    return 0;
  }
};
constexpr TalentPenalties kOverall{0, 1, 5}, kFoundation{0, 0.5, 2}, kSuccess{0, 0.5, 2},
    kRelations{0, 0.5, 1};

struct TalentGrades {
  std::string_view overall, foundation, success;
};

TalentGrades ReadTalentGrades(std::string_view talent_key) {
  const std::string_view row = TextAfter(data::TalentGradeTable(), "|" + GbkText(talent_key) + "|");
  const std::string_view after_overall = TextAfter(row, "|");
  return {TextBefore(row, "|"), TextBefore(after_overall, "|"),
          TextBefore(TextAfter(after_overall, "|"), "|")};
}

// The grades of the 125 configurations, read from the table once by the same
// lookup: a long batch asks for them once per name.
TalentGrades TalentGradesOf(std::string_view talent_key) {
  static const std::map<GbkText, TalentGrades, std::less<>> known = [] {
    std::map<GbkText, TalentGrades, std::less<>> read;
    const char* const elements[] = {"金", "木", "水", "火", "土"};
    for (const char* heaven : elements) {
      for (const char* person : elements) {
        for (const char* earth : elements) {
          const GbkText key = GbkText(heaven) + person + earth;
          read.emplace(key, ReadTalentGrades(key));
        }
      }
    }
    return read;
  }();
  const auto found = known.find(talent_key);
  return found != known.end() ? found->second : ReadTalentGrades(talent_key);
}

}  // namespace

double NameScore(const FiveGrids& grids, std::string_view talent_key, std::string_view relations_grade) {
  double penalty = kHeaven.For(NumberGrade(grids.heaven)) + kPerson.For(NumberGrade(grids.person)) +
                   kEarth.For(NumberGrade(grids.earth)) + kTotal.For(NumberGrade(grids.total)) +
                   kOuter.For(NumberGrade(grids.outer));
  const TalentGrades grades = TalentGradesOf(talent_key);
  penalty += kOverall.For(grades.overall) + kFoundation.For(grades.foundation) +
             kSuccess.For(grades.success) + kRelations.For(relations_grade);
  return RoundHalfAway(100.0 - penalty, 1);
}

GbkText ScoreText(double score) { return RealText(score); }

}  // namespace tavrin
