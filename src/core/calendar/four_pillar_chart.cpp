#include "calendar/four_pillar_chart.hpp"

#include <array>

#include "app/file_output.hpp"
#include "calendar/birth_moment.hpp"
#include "calendar/element_strength.hpp"
#include "calendar/pillar_lookups.hpp"
#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

std::string_view WeekdayName(const DateTime& date) {
  // 1 January 1970, day number 0, was a Thursday.
  const auto weekday = (DayNumber(date.year, date.month, date.day) % 7 + 11) % 7;
  return kWeekdays[static_cast<std::size_t>(weekday)];
}

GbkText MonthDayText(const DateTime& date) {
  return std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
}

GbkText JoinPillars(const std::array<GbkText, 4>& parts) {
  return parts[0] + " " + parts[1] + " " + parts[2] + " " + parts[3];
}

}  // namespace

std::optional<FourPillarChart> BuildFourPillarChart(const DateTime& birth, std::string_view announcement) {
  const std::optional<DateTime> moment = AnalysableMoment(birth);
  if (!moment) return std::nullopt;
  FourPillarChart chart;
  chart.moment = *moment;
  FourPillars(chart.moment, chart.pillars);
  const Pillars& p = chart.pillars;
  const std::array<GbkText, 4> pillars = {p.year, p.month, p.day, p.hour};

  std::array<Nayin, 4> nayin;
  std::array<GbkText, 4> nayin_names, elements;
  for (std::size_t i = 0; i < 4; ++i) {
    LookupNayin(pillars[i], nayin[i]);
    nayin_names[i] = nayin[i].name;
    elements[i] = PillarElements(pillars[i]);
  }
  GbkText missing;
  for (std::size_t at = 0; at < kElementOrder.size(); at += 2) {
    const std::string_view element = kElementOrder.substr(at, 2);
    if (FindText(elements[0] + elements[1] + elements[2] + elements[3], element) < 0) missing += element;
  }

  const int year = chart.moment.year;
  DateTime festival;
  const GbkText festival_text = LunarToSolar(year, 1, 1, false, festival) ? MonthDayText(festival) : "";
  const DateTime lichun = SolarTermMoment(year, 1);
  chart.animal = FormatLunar(chart.moment, "%S");
  chart.patron_buddha = PatronBuddha(chart.animal);
  chart.favourable = AnalyseFavourable(chart.pillars).favourable;

  chart.lines = {
      "公历：" + std::to_string(year) + "年" + MonthDayText(chart.moment) +
          std::to_string(chart.moment.hour) + "时(" + GbkText(WeekdayName(chart.moment)) + ")",
      "农历：" + FormatLunar(chart.moment, "%Y年%M%D") + "日" + GbkText(HourBranch(chart.moment.hour)) + "时",
      "春节：" + festival_text + " / 立春：" + MonthDayText(lichun) + std::to_string(lichun.hour) + "时",
      "天运五行：" + nayin[0].element + " / " + nayin[0].entry,
      "纳音：" + JoinPillars(nayin_names),
      "八字：" + JoinPillars(pillars),
      "五行：" + JoinPillars(elements) + (missing.empty() ? "" : " (五行缺" + missing + ")"),
      "生肖：" + chart.animal + " / 本命佛：" + chart.patron_buddha + " / 喜用神：" + chart.favourable,
  };

  // Every line is added with a line end after the one it already has, so each
  // is followed by an empty line, and each line end becomes a break.
  GbkText chart_text;
  for (const GbkText& line : chart.lines) chart_text += line + "\r\n" + "\r\n";
  chart.page = ReplaceAll(data::FourPillarPageTemplate(), "替换", ReplaceAll(chart_text, "\r\n", "<br>"));
  if (!announcement.empty()) {
    chart.page = ReplaceAll(chart.page, "<!-公告内容-!>",
                            "<p><font color=red>【强烈推荐】</font><font color=red><b>" +
                                GbkText(announcement) + "</b></font><p>");
  }
  return chart;
}

std::string WriteFourPillarPage(const FourPillarChart& chart, const std::string& data_dir) {
  return WriteFileIn(data_dir, kFourPillarPageFile, chart.page);
}

}  // namespace tavrin
