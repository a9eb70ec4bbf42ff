#include "calendar/birth_moment.hpp"

#include <array>

#include "calendar/chinese_calendar.hpp"
#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"正", "二", "三", "四", "五",   "六",
                                                          "七", "八", "九", "十", "十一", "十二"};
constexpr std::array<std::string_view, 30> kDayNames = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// The text without any of the given characters.
GbkText Without(std::string_view text, std::string_view first, std::string_view second = {}) {
  GbkText kept;
  for (std::size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) {
    const std::string_view character = text.substr(at, CharLengthAt(text, at));
    if (character != first && character != second) kept += character;
  }
  return kept;
}

template <std::size_t N>
int PositionIn(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

std::optional<DateTime> AnalysableMoment(const DateTime& birth) {
  const DateTime moment = MakeDateTime(birth.year, birth.month, birth.day, birth.hour);
  if (moment == InvalidMoment || moment.year < kCalendarFirstYear || moment.year > kCalendarLastYear)
    return std::nullopt;
  return moment;
}

int LunarMonthNumber(std::string_view name, bool& leap) {
  leap = FindText(name, "闰") > 0;
  return PositionIn(kMonthNames, Without(name, "闰", "月"));
}

std::string_view LunarMonthName(int number) {
  return number >= 1 && number <= 12 ? kMonthNames[static_cast<std::size_t>(number - 1)] : std::string_view();
}

int LunarDayNumber(std::string_view name) { return PositionIn(kDayNames, Without(name, "日")); }

std::string_view LunarDayName(int number) {
  return number >= 1 && number <= 30 ? kDayNames[static_cast<std::size_t>(number - 1)] : std::string_view();
}

std::vector<GbkText> LunarYearMonthNames(std::string_view year_text) {
  const GbkText year = std::to_string(ReadNumber(year_text));
  std::vector<GbkText> names;
  for (std::string_view line : SplitText(data::LunarMonthTable(), "\r\n")) {
    if (FindText(line, year) < 0) continue;
    for (std::string_view name : SplitText(TextBefore(line, "//"), ",")) names.emplace_back(name);
    break;
  }
  return names;
}

BirthMoment AssembleBirthMoment(const BirthDateSelection& selection) {
  BirthMoment birth;
  if (selection.date_kind == 1) {
    bool leap = false;
    const int month = LunarMonthNumber(selection.lunar_month, leap);
    DateTime date;
    if (LunarToSolar(ReadNumber(selection.lunar_year), month, LunarDayNumber(selection.lunar_day), leap,
                     date)) {
      birth.moment = MakeDateTime(date.year, date.month, date.day, ReadNumber(selection.lunar_hour));
    } else {
      birth.error = kLunarDateMissingMessage;
    }
    return birth;
  }
  birth.moment = ParseDateTimeText(selection.solar_year + "年" + selection.solar_month + "月" +
                                   selection.solar_day + "日" + selection.solar_hour + "时");
  return birth;
}

}  // namespace tavrin
