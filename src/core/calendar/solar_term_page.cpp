#include "calendar/solar_term_page.hpp"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "app/file_output.hpp"
#include "calendar/birth_moment.hpp"
#include "calendar/chinese_calendar.hpp"
#include "tavrin/data/tables.hpp"
#include "text/numbers.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// The page lists the terms from January on; 小寒 and 大寒 are terms 23 and 24
// of the calendar's numbering, which starts at 立春.
constexpr std::string_view kPageOrder =
    "小寒,大寒,立春,雨水,惊蛰,春分,清明,谷雨,立夏,小满,芒种,夏至,小暑,大暑,立秋,处暑,白露,秋分,寒露,霜降,"
    "立冬,小雪,"
    "大雪,冬至";

int TermNumberAt(int position) { return position <= 2 ? position + 22 : position - 2; }

// The birth minus the term in hours, nudged up by a few hundredths of a second
// and cut toward zero: a birth 47 minutes before the term is 0 hours from it.
double HoursFrom(const DateTime& term, const DateTime& birth) {
  const std::int64_t seconds =
      (DayNumber(birth.year, birth.month, birth.day) - DayNumber(term.year, term.month, term.day)) * 86400 +
      (birth.hour - term.hour) * 3600 + (birth.minute - term.minute) * 60 + (birth.second - term.second);
  return std::trunc(static_cast<double>(seconds) / 3600.0 + 5.787037037037037e-6);
}

}  // namespace

GbkText TermMomentText(const DateTime& moment) {
  return std::to_string(moment.month) + "月" + std::to_string(moment.day) + "日" +
         std::to_string(moment.hour) + "时";
}

std::optional<SolarTermPage> BuildSolarTermPage(const DateTime& birth) {
  const std::optional<DateTime> moment = AnalysableMoment(birth);
  if (!moment) return std::nullopt;
  SolarTermPage result;
  result.moment = *moment;
  const int year = result.moment.year;

  // Ties go to the later term: the distance is compared with "at most".
  double best = 8784;  // hours in a leap year
  std::size_t nearest = 0;
  GbkText cells, rows;
  int position = 0;
  for (std::string_view name : SplitText(kPageOrder, ",")) {
    ++position;
    const DateTime term = SolarTermMoment(year, TermNumberAt(position));
    const double hours = HoursFrom(term, result.moment);
    if (CompareReals(std::fabs(hours), best) <= 0) {
      best = std::fabs(hours);
      nearest = result.terms.size();
      result.star_after_date = hours >= 0;
    }
    result.terms.push_back({GbkText(name), term, false});
    const GbkText n(name);
    cells += "<td bgcolor='#FFFFF4' width='25%'><!--" + n + "1--><a href='ok.htm?jq=" + n + "'>" + n +
             "</a>(" + TermMomentText(term) + ")<!--" + n + "2--></td>";
    if (position % 4 == 0) {
      rows += "<tr>" + cells + "</tr>";
      cells.clear();
    }
  }
  result.terms[nearest].star = true;
  const GbkText star = "<font color=red>★</font>";
  rows = ReplaceAll(rows, "<!--" + result.terms[nearest].name + (result.star_after_date ? "2" : "1") + "-->",
                    star);

  result.page = ReplaceAll(data::SolarTermPageTemplate(), "{/year}", std::to_string(year));
  result.page = ReplaceAll(result.page, "替换", rows);
  result.page =
      ReplaceAll(result.page, "<!--<p>生日信息提示</p>-->",
                 "<br>" + star + "<font color=red>：生日" + DateTimeText(result.moment) + "所处位置</font>");
  return result;
}

std::string WriteSolarTermPage(const SolarTermPage& page, const std::string& data_dir) {
  const std::string link_file = PathInDirectory(data_dir, kTermLinkFile);
  std::error_code error;
  if (!std::filesystem::exists(link_file, error) && !error) ReplaceFile(link_file, "");
  return WriteFileIn(data_dir, kSolarTermPageFile, page.page);
}

}  // namespace tavrin
