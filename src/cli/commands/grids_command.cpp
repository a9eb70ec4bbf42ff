// tavrin-cli grids SURNAME GIVEN: the five grids and the score of a name.
#include <string>

#include "cli/commands/commands.hpp"
#include "cli/terminal.hpp"
#include "naming/five_grids.hpp"
#include "naming/name_input.hpp"
#include "naming/name_score.hpp"
#include "naming/readings.hpp"

namespace tavrin::cli {
namespace {

int RunGrids(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (!ParseArguments(kGridsCommand, arguments, {.min_positional = 2, .max_positional = 2}, parsed)) {
    return kUsageError;
  }
  const std::optional<GbkText> surname = ArgumentToGbk(parsed.positional[0]);
  const std::optional<GbkText> given = ArgumentToGbk(parsed.positional[1]);
  if (!surname || !given) return Fail(kInputError, "grids: the name holds a character with no GBK form");

  const CleanedName name = CleanName(*surname, *given);
  if (name.Surname1().empty()) return Fail(kInputError, "grids: SURNAME has no Chinese character to score");
  if (name.Given1().empty()) return Fail(kInputError, "grids: GIVEN has no Chinese character to score");

  const FiveGrids grids = ComputeFiveGrids(name.surname, name.given);
  const GbkText talent_key = TalentKey(grids);
  const RelationReading relation = LookupRelation(grids.person, grids.outer);
  const TalentReading talent = LookupTalentReading(talent_key);
  GbkText line;
  for (int grid : {grids.heaven, grids.person, grids.earth, grids.total, grids.outer}) {
    line += std::to_string(grid) + "\t";
  }
  line += talent_key + "\t" + talent.grade + "\t" + relation.grade + "\t" +
          ScoreText(NameScore(grids, talent_key, relation.grade)) + "\n";
  PrintOut(line);
  return kSuccess;
}

}  // namespace

const Command kGridsCommand = {
    "grids",
    "grids SURNAME GIVEN",
    "a name's five grids, three-talent key and grades, and score",
    "The five-grid figures of a name as the name report computes them, after the same\n"
    "cleaning (blanks, digits, Latin letters and punctuation removed) and cutting (two\n"
    "surname and three given-name characters): 天格, 人格, 地格, 总格, 外格, the three-talent\n"
    "key, its overall grade, the relations grade, and the score out of 100.\n\n"
    "Example:\n  tavrin-cli grids 王 小明\n  5\t7\t11\t15\t9\t土金木\t凶\t吉\t91\n",
    RunGrids,
};

}  // namespace tavrin::cli
