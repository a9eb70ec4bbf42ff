#pragma once
// The 24 solar terms of a birth year, to the hour, with a star on the term
// nearest to the birth: the page "jieqi.htm", whose term names link to
// "ok.htm?jq=" + name beside an empty "ok.htm" that the report view turns into
// the term's description.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/date_time.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

inline constexpr std::string_view kSolarTermPageFile = "jieqi.htm";
inline constexpr std::string_view kTermLinkFile = "ok.htm";

struct SolarTermEntry {
  GbkText name;       // 小寒 … 冬至, in the page's order
  DateTime moment;    // when the term begins, to the second
  bool star = false;  // the term nearest to the birth
};

struct SolarTermPage {
  DateTime moment;                    // the birth at its whole hour
  std::vector<SolarTermEntry> terms;  // the 24 terms of the birth's year
  bool star_after_date = false;       // the star stands after the date, not before the name
  GbkText page;
};

// The terms of the year as M月D日H时: 2月4日6时, 1月5日19时.
GbkText TermMomentText(const DateTime& moment);

// Nothing for a moment the calendar cannot place (see AnalysableMoment): the
// caller shows kMomentMissingMessage and leaves the pages as they were.
std::optional<SolarTermPage> BuildSolarTermPage(const DateTime& birth);

// Creates "ok.htm" empty in `data_dir` (ending with "/") when it is missing,
// replaces "jieqi.htm" and returns its path; a failed write is not reported.
std::string WriteSolarTermPage(const SolarTermPage& page, const std::string& data_dir);

}  // namespace tavrin
