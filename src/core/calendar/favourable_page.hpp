#pragma once
// The favourable-element analysis of a birth moment as the page "xys.htm": the
// birthday in both calendars, the pillars with their elements and nayin, and
// the analysis text that weighs the elements and names the favourable one.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/chinese_calendar.hpp"
#include "calendar/element_strength.hpp"
#include "text/date_time.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

inline constexpr std::string_view kFavourablePageFile = "xys.htm";

// The analysis text of a chart: the count of each element among the eight
// characters, the missing ones, the day master and its groups, then (after
// "<br><br>") the group scores, their difference, the verdict and the
// favourable element, the sentence about it in red.
GbkText FavourableAnalysisText(const Pillars& pillars, const FavourableAnalysis& analysis);

struct FavourablePage {
  DateTime moment;  // the birth at its whole hour
  Pillars pillars;
  std::array<GbkText, 4> elements, nayin;  // 金木 …, 松柏木 … of each pillar
  FavourableAnalysis analysis;
  GbkText analysis_text;
  GbkText page;
};

// Nothing for a moment the calendar cannot place (see AnalysableMoment): the
// caller shows kMomentMissingMessage and leaves the page as it was.
std::optional<FavourablePage> BuildFavourablePage(const DateTime& birth);

// Replaces "xys.htm" in `data_dir` (ending with "/") and returns its path; a
// failed write is not reported.
std::string WriteFavourablePage(const FavourablePage& page, const std::string& data_dir);

}  // namespace tavrin
