#include "calendar/favourable_page.hpp"

#include <utility>
#include <vector>

#include "app/file_output.hpp"
#include "calendar/birth_moment.hpp"
#include "calendar/pillar_lookups.hpp"
#include "tavrin/data/tables.hpp"
#include "text/numbers.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// Counts and missing elements are listed in the order of generation.
constexpr std::string_view kCountOrder = "木火土金水";

// This page names lunar months by number (十一, 十二, not 冬月, 腊月) and writes
// days 10 and 20 as 十日 and 廿日.
GbkText MonthCellName(const LunarDate& lunar) {
  static constexpr std::string_view kNames[] = {"正", "二", "三", "四", "五",   "六",
                                                "七", "八", "九", "十", "十一", "十二"};
  if (lunar.month < 1 || lunar.month > 12) return "未知";
  return GbkText(lunar.leap ? "闰" : "") + GbkText(kNames[lunar.month - 1]);
}

GbkText DayCellName(int day) {
  static constexpr std::string_view kUnits = "一二三四五六七八九";
  if (day < 1 || day > 30) return "未知日";
  if (day == 10) return "十日";
  if (day == 20) return "廿日";
  if (day == 30) return "三十日";
  static constexpr std::string_view kTens[] = {"初", "十", "廿"};
  return GbkText(kTens[day / 10]) + GbkText(kUnits.substr(static_cast<std::size_t>(day % 10 - 1) * 2, 2)) +
         "日";
}

}  // namespace

GbkText FavourableAnalysisText(const Pillars& pillars, const FavourableAnalysis& analysis) {
  const GbkText characters = pillars.year + pillars.month + pillars.day + pillars.hour;
  GbkText counts, missing;
  for (std::size_t at = 0; at < kCountOrder.size(); at += 2) {
    const std::string_view element = kCountOrder.substr(at, 2);
    int count = 0;
    for (std::size_t c = 0; c + 1 < characters.size(); c += 2) {
      if (ElementOf(std::string_view(characters).substr(c, 2)) == element) ++count;
    }
    counts += (counts.empty() ? "" : "，") + std::to_string(count) + GbkText(element);
    if (count == 0) missing += element;
  }
  const GbkText difference = RealText(analysis.difference);
  const GbkText& favourable = analysis.favourable;
  const GbkText verdict(analysis.balance.verdict);
  GbkText text = "五行统计：" + counts + "。";
  if (!missing.empty()) text += "五行缺" + missing + "；";
  text += "日主天干为" + GbkText(analysis.day_master) + "；";
  text += "同类为：" + analysis.groups.same + "；异类为：" + analysis.groups.different + "。<br><br>";
  text += "〖同类得分〗：" + analysis.same.text + "；〖异类得分〗：" + analysis.different.text + "；";
  text += "〖差值〗：" + difference + "分；〖综合旺衰得分〗：" + difference + "分，";
  text += "「" + verdict + "」；〖八字喜用神〗：" + verdict + "，八字喜「" + favourable +
          "」，<font color=red>「" + favourable + "」就是此八字的「喜用神」</font>，起名时建议带五行属性为" +
          favourable + "的汉字。";
  return text;
}

std::optional<FavourablePage> BuildFavourablePage(const DateTime& birth) {
  const std::optional<DateTime> moment = AnalysableMoment(birth);
  if (!moment) return std::nullopt;
  FavourablePage result;
  result.moment = *moment;
  FourPillars(result.moment, result.pillars);
  const Pillars& p = result.pillars;
  const std::array<GbkText, 4> pillars = {p.year, p.month, p.day, p.hour};
  for (std::size_t i = 0; i < 4; ++i) {
    result.elements[i] = PillarElements(pillars[i]);
    Nayin nayin;
    LookupNayin(pillars[i], nayin);
    result.nayin[i] = nayin.name;
  }
  result.analysis = AnalyseFavourable(result.pillars);
  result.analysis_text = FavourableAnalysisText(result.pillars, result.analysis);

  LunarDate lunar;
  SolarToLunar(result.moment, lunar);
  const DateTime& m = result.moment;
  // The analysis text goes in last, so that nothing in it is taken for a key.
  const std::vector<std::pair<std::string_view, GbkText>> values = {
      {"公历_年", std::to_string(m.year) + "年"},
      {"公历_月", std::to_string(m.month) + "月"},
      {"公历_日", std::to_string(m.day) + "日"},
      {"公历_时", std::to_string(m.hour) + "时"},
      {"农历_年", FormatLunar(m, "%Y年")},
      {"农历_月", MonthCellName(lunar) + "月"},
      {"农历_日", DayCellName(lunar.day)},
      {"农历_时", GbkText(HourBranch(m.hour)) + "时"},
      {"年柱", p.year},
      {"月柱", p.month},
      {"日柱", p.day},
      {"时柱", p.hour},
      {"五行1", result.elements[0]},
      {"五行2", result.elements[1]},
      {"五行3", result.elements[2]},
      {"五行4", result.elements[3]},
      {"纳音1", result.nayin[0]},
      {"纳音2", result.nayin[1]},
      {"纳音3", result.nayin[2]},
      {"纳音4", result.nayin[3]},
      {"分析内容", result.analysis_text},
  };
  result.page = GbkText(data::FavourablePageTemplate());
  for (const auto& [placeholder, value] : values) result.page = ReplaceAll(result.page, placeholder, value);
  return result;
}

std::string WriteFavourablePage(const FavourablePage& page, const std::string& data_dir) {
  return WriteFileIn(data_dir, kFavourablePageFile, page.page);
}

}  // namespace tavrin
