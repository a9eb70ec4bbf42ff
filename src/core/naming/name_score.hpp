#pragma once
// The name score out of 100: nine penalties for the grids' grades, the
// three-talent grades and the relations grade.
#include <string_view>

#include "naming/five_grids.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

// Between 47 and 100, a multiple of 0.5. A grid outside 1–81 costs nothing.
double NameScore(const FiveGrids& grids, std::string_view talent_key, std::string_view relations_grade);

// The shortest decimal text of a score: 100, 91, 87.5.
GbkText ScoreText(double score);

}  // namespace tavrin
