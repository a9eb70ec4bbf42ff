#pragma once
// The four-pillar chart (生辰八字) of a birth moment: the moment in both
// calendars, the Spring Festival and 立春 of its year, the nayin, the pillars
// and their elements, the animal with its patron Buddha and the favourable
// element, as lines and as the page "生辰八字.htm".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/chinese_calendar.hpp"
#include "text/date_time.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

inline constexpr std::string_view kFourPillarPageFile = "生辰八字.htm";

struct FourPillarChart {
  DateTime moment;  // the birth at its whole hour
  Pillars pillars;
  std::vector<GbkText> lines;  // the eight lines of the chart, without line ends
  GbkText animal, patron_buddha, favourable;
  GbkText page;
};

// The chart of a birth, with the maker's announcement in red above it when
// there is one. Nothing for a moment the calendar cannot place (see
// AnalysableMoment): the caller then shows kMomentMissingMessage and leaves the
// page as it was.
std::optional<FourPillarChart> BuildFourPillarChart(const DateTime& birth, std::string_view announcement);

// Replaces "生辰八字.htm" in `data_dir` (ending with "/") by the chart's page
// and returns its path; a failed write is not reported.
std::string WriteFourPillarPage(const FourPillarChart& chart, const std::string& data_dir);

}  // namespace tavrin
