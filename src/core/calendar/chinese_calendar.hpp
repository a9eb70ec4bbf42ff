#pragma once
// The Chinese calendar for the Gregorian years 1930–2030 and the lunar years
// 1929–2030, computed from the positions of the Sun and the Moon (see
// astronomy.hpp); all moments are China Standard Time.
//
// - A lunar month starts on the day of its new moon; the month that holds the
//   winter solstice (冬至) is the eleventh; when thirteen months separate two
//   such months, the first of them without a principal term (中气) is the leap
//   month and repeats the number of the month before it.
// - The year pillar changes at the exact moment of 立春 (1901 is 辛丑); the
//   month pillar at the exact moments of the twelve 节 terms; the day pillar at
//   23:00 (1901-01-01 is 己卯); the hour pillar follows the day pillar just
//   chosen. A moment counts as past a term from the term's moment rounded to the
//   second.
//
// Every computed year is kept for the life of the process; the functions may be
// called from several threads at once. None of them throws.
#include <string_view>

#include "text/date_time.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

inline constexpr int kCalendarFirstYear = 1930, kCalendarLastYear = 2030;  // Gregorian
inline constexpr int kLunarFirstYear = 1929, kLunarLastYear = 2030;

// One stem-branch pair, four GBK bytes such as 庚寅.
using Pillar = GbkText;
struct Pillars {
  Pillar year, month, day, hour;
};

struct LunarDate {
  int year = 0, month = 0, day = 0;  // month 1–12, day 1–30
  bool leap = false;
};

// The Gregorian date (at 00:00) of a lunar date. False, with `date` untouched,
// when the year is outside 1929–2030 or the day does not exist in that month. A
// leap flag on a month that is not the year's leap month is ignored.
bool LunarToSolar(int year, int month, int day, bool leap, DateTime& date);

// The lunar date of the moment's calendar day. False, with `lunar` untouched,
// for a moment that does not exist or lies outside 1930–2030.
bool SolarToLunar(const DateTime& moment, LunarDate& lunar);

// The year, month, day and hour pillars of a moment. False, with `pillars`
// untouched, for a moment that does not exist or lies outside 1930–2030.
bool FourPillars(const DateTime& moment, Pillars& pillars);

// The format with its codes replaced: %Y the year pillar (changing at 立春), %S
// that year's animal, %M the lunar month (正月 … 十月, 冬月, 腊月, with 闰 in
// front of a leap month), %D the lunar day (初一 … 初十, 十一 … 十九, 廿十,
// 廿一 … 廿九, 三十). Other text is kept. For a moment outside 1930–2030 the
// codes are replaced by nothing.
GbkText FormatLunar(const DateTime& moment, std::string_view format);

// The moment of term `number` of a Gregorian year, to the second: 1 立春,
// 2 雨水 … 22 冬至, 23 小寒 and 24 大寒 (both in that year's January).
// InvalidMoment for a year outside 1930–2030 or a number outside 1–24.
DateTime SolarTermMoment(int year, int number);

// The name of term `number` (1 立春 … 24 大寒); empty outside 1–24.
std::string_view SolarTermName(int number);

// The year's leap month (1–12), or 0 when it has none or lies outside 1929–2030.
int LeapMonth(int lunar_year);

}  // namespace tavrin
