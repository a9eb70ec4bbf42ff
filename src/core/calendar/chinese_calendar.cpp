#include "calendar/chinese_calendar.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <mutex>

#include "calendar/astronomy.hpp"

namespace tavrin {
namespace {

using Seconds = std::int64_t;  // since 1970-01-01 00:00 China Standard Time
using Day = std::int64_t;      // day number since 1970-01-01

constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";
constexpr std::string_view kAnimals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
constexpr std::string_view kTermNames =
    "立春雨水惊蛰春分清明谷雨立夏小满芒种夏至小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大雪冬至小寒大寒";
constexpr std::string_view kMonthNumerals = "正二三四五六七八九十";
constexpr std::string_view kDayTens = "初十廿三";
constexpr std::string_view kDayUnits = "一二三四五六七八九十";

constexpr int kLichun = 1, kWinterSolstice = 22, kLesserCold = 23, kGreaterCold = 24;
constexpr double kSynodicMonth = 29.530588861;
// A mean new moon: 2000-01-07 02:14 China Standard Time, in days since 1970.
constexpr double kMeanNewMoon = 10963.093;

Day DayOfSeconds(Seconds seconds) { return seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400); }
Day DayOfMoment(double cst_days) { return static_cast<Day>(std::floor(cst_days)); }
Seconds SecondsOf(const DateTime& m) {
  return DayNumber(m.year, m.month, m.day) * 86400 + m.hour * 3600 + m.minute * 60 + m.second;
}

int Modulo(std::int64_t value, int divisor) {
  const auto rest = static_cast<int>(value % divisor);
  return rest < 0 ? rest + divisor : rest;
}

// ---- Solar terms, one Gregorian year at a time ---------------------------

// The months of a lunar year run from the 冬至 of the Gregorian year before it to
// the 冬至 of the Gregorian year after it.
constexpr int kFirstTermYear = kLunarFirstYear - 1, kLastTermYear = kLunarLastYear + 1;

struct TermYear {
  std::once_flag once;
  std::array<Seconds, 24> seconds{};  // term number − 1, rounded to the second
};
TermYear term_years[kLastTermYear - kFirstTermYear + 1];

// The Sun's apparent longitude at term `number`: 立春 is 315°, each term 15° on.
double TermLongitude(int number) { return std::fmod(315.0 + 15.0 * (number - 1), 360.0); }

const std::array<Seconds, 24>& TermSeconds(int year) {
  TermYear& entry = term_years[year - kFirstTermYear];
  std::call_once(entry.once, [&entry, year] {
    const double new_year = static_cast<double>(DayNumber(year, 1, 1));
    for (int number = 1; number <= 24; ++number) {
      // 小寒 (285°) falls near 6 January; the Sun gains about a degree a day.
      const double from_lesser_cold = std::fmod(TermLongitude(number) - 285.0 + 360.0, 360.0);
      const double guess = new_year + 5.6 + from_lesser_cold * 365.2422 / 360.0;
      const double moment = astronomy::SolarLongitudeMoment(TermLongitude(number), guess);
      entry.seconds[number - 1] = std::llround(moment * 86400.0);
    }
  });
  return entry.seconds;
}

Seconds TermAt(int year, int number) { return TermSeconds(year)[number - 1]; }

// ---- Lunar months, from one winter solstice to the next ------------------

struct LunarMonth {
  Day start = 0;
  int number = 0;
  bool leap = false;
};

// The months from the one holding the 冬至 of year − 1 up to the one holding the
// 冬至 of `year` (excluded; it opens at `end`). Those before the first 正月
// close the lunar year year − 1, the rest open the lunar year `year`.
struct SolsticeYear {
  std::once_flag once;
  std::array<LunarMonth, 13> months{};
  int count = 0;
  int first_month = 0;  // index of 正月
  Day end = 0;
};
constexpr int kFirstSolsticeYear = kLunarFirstYear, kLastSolsticeYear = kLunarLastYear + 1;
SolsticeYear solstice_years[kLastSolsticeYear - kFirstSolsticeYear + 1];

void ComputeSolsticeYear(SolsticeYear& entry, int year) {
  const Day solstice_before = DayOfSeconds(TermAt(year - 1, kWinterSolstice));
  const Day solstice = DayOfSeconds(TermAt(year, kWinterSolstice));

  // Month starts, from the last new moon on or before the first solstice's day
  // to the last one on or before the second's.
  double moment = astronomy::NewMoonMoment(
      kMeanNewMoon +
      std::floor((static_cast<double>(solstice_before) - kMeanNewMoon) / kSynodicMonth) * kSynodicMonth);
  while (DayOfMoment(moment) > solstice_before) moment = astronomy::NewMoonMoment(moment - kSynodicMonth);
  std::array<Day, 15> starts{DayOfMoment(moment)};
  int count = 1;
  for (;;) {
    // A month lasts 29 or 30 days: one opening less than 29 days before the
    // solstice is the last to open before it.
    if (count > 1 && starts[count - 1] + 29 > solstice) break;
    moment = astronomy::NewMoonMoment(moment + kSynodicMonth);
    const Day day = DayOfMoment(moment);
    if (day <= solstice_before) {
      starts[0] = day;
      continue;
    }
    if (day > solstice || count == static_cast<int>(starts.size())) break;
    starts[count++] = day;
  }
  const int months = std::min(count - 1, static_cast<int>(entry.months.size()));

  // With thirteen months, the first one after the eleventh that holds no
  // principal term (大寒, 雨水, 春分 … 小雪 of `year`) is the leap month.
  int leap_index = -1;
  if (months == 13) {
    std::array<Day, 11> principal{DayOfSeconds(TermAt(year, kGreaterCold))};
    for (int k = 1; k < 11; ++k) principal[k] = DayOfSeconds(TermAt(year, 2 * k));
    for (int i = 1; i < months && leap_index < 0; ++i) {
      bool holds_one = false;
      for (Day day : principal) holds_one = holds_one || (day >= starts[i] && day < starts[i + 1]);
      if (!holds_one) leap_index = i;
    }
  }

  int number = 11;
  for (int i = 0; i < months; ++i) {
    const bool leap = i == leap_index;
    if (i > 0 && !leap) number = number % 12 + 1;
    entry.months[i] = {starts[i], number, leap};
    if (number == 1 && !leap) entry.first_month = i;
  }
  entry.count = months;
  entry.end = starts[months];
}

const SolsticeYear& SolsticeYearOf(int year) {
  SolsticeYear& entry = solstice_years[year - kFirstSolsticeYear];
  std::call_once(entry.once, [&entry, year] { ComputeSolsticeYear(entry, year); });
  return entry;
}

// A lunar month with the day after its last.
struct MonthSpan {
  LunarMonth month;
  Day end = 0;
};

// The months of a lunar year in order: the tail of one solstice year and the
// head of the next. Empty (count 0) outside 1929–2030.
struct LunarYearMonths {
  std::array<MonthSpan, 14> months{};
  int count = 0;
};

LunarYearMonths MonthsOfLunarYear(int year) {
  LunarYearMonths result;
  if (year < kLunarFirstYear || year > kLunarLastYear) return result;
  const SolsticeYear& opening = SolsticeYearOf(year);
  const SolsticeYear& closing = SolsticeYearOf(year + 1);
  for (int i = opening.first_month; i < opening.count; ++i) {
    const Day end = i + 1 < opening.count ? opening.months[i + 1].start : opening.end;
    result.months[result.count++] = {opening.months[i], end};
  }
  for (int i = 0; i < closing.first_month; ++i) {
    result.months[result.count++] = {closing.months[i], closing.months[i + 1].start};
  }
  return result;
}

// ---- Pillars --------------------------------------------------------------

bool InCalendarRange(const DateTime& moment) {
  return IsValidDateTime(moment) && moment.year >= kCalendarFirstYear && moment.year <= kCalendarLastYear;
}

Pillar MakePillar(int stem, int branch) {
  Pillar pillar(kStems.substr(2 * static_cast<std::size_t>(stem), 2));
  pillar += kBranches.substr(2 * static_cast<std::size_t>(branch), 2);
  return pillar;
}
Pillar CyclePillar(std::int64_t index) { return MakePillar(Modulo(index, 10), Modulo(index, 12)); }

// The year whose 立春 the moment has reached.
int LichunYear(const DateTime& moment) {
  return SecondsOf(moment) >= TermAt(moment.year, kLichun) ? moment.year : moment.year - 1;
}
// Its place in the sixty-year cycle: 1901 (辛丑) is 37.
std::int64_t YearCycle(int lichun_year) { return 37 + (lichun_year - 1901); }

// The lunar date of a day number inside 1930–2030.
LunarDate LunarDateOfDay(int gregorian_year, Day day) {
  int solstice_year = gregorian_year;
  const SolsticeYear* entry = &SolsticeYearOf(solstice_year);
  if (day >= entry->end) entry = &SolsticeYearOf(++solstice_year);
  int i = entry->count - 1;
  while (i > 0 && entry->months[i].start > day) --i;
  const LunarMonth& month = entry->months[i];
  return {i >= entry->first_month ? solstice_year : solstice_year - 1, month.number,
          static_cast<int>(day - month.start) + 1, month.leap};
}

GbkText MonthName(const LunarDate& lunar) {
  GbkText name = lunar.leap ? "闰" : "";
  if (lunar.month == 11) return name + "冬月";
  if (lunar.month == 12) return name + "腊月";
  name += kMonthNumerals.substr(2 * static_cast<std::size_t>(lunar.month - 1), 2);
  return name + "月";
}

GbkText DayName(int day) {
  if (day == 10) return "初十";
  if (day == 30) return "三十";
  GbkText name(kDayTens.substr(2 * static_cast<std::size_t>(day / 10), 2));
  // Day 20 is written 廿十, the tens sign of the days after it, not 二十.
  return name + GbkText(kDayUnits.substr(2 * static_cast<std::size_t>(day % 10 == 0 ? 9 : day % 10 - 1), 2));
}

DateTime MomentOfSeconds(Seconds seconds) {
  const Day day = DayOfSeconds(seconds);
  DateTime moment = DateOfDayNumber(day);
  const auto rest = static_cast<int>(seconds - day * 86400);
  moment.hour = rest / 3600;
  moment.minute = rest / 60 % 60;
  moment.second = rest % 60;
  return moment;
}

}  // namespace

bool LunarToSolar(int year, int month, int day, bool leap, DateTime& date) {
  if (month < 1 || month > 12 || day < 1 || day > 30) return false;
  const LunarYearMonths months = MonthsOfLunarYear(year);
  const MonthSpan* found = nullptr;
  for (int i = 0; i < months.count; ++i) {
    const MonthSpan& span = months.months[i];
    if (span.month.number != month) continue;
    // The leap month when asked for and there is one, else the ordinary month.
    if (span.month.leap == leap) found = &span;
    if (!span.month.leap && found == nullptr) found = &span;
  }
  if (found == nullptr || found->month.start + day > found->end) return false;
  date = DateOfDayNumber(found->month.start + day - 1);
  return true;
}

bool SolarToLunar(const DateTime& moment, LunarDate& lunar) {
  if (!InCalendarRange(moment)) return false;
  lunar = LunarDateOfDay(moment.year, DayNumber(moment.year, moment.month, moment.day));
  return true;
}

bool FourPillars(const DateTime& moment, Pillars& pillars) {
  if (!InCalendarRange(moment)) return false;
  const Seconds now = SecondsOf(moment);
  const int year = moment.year;
  const std::int64_t year_cycle = YearCycle(LichunYear(moment));

  // Months counted from 寅 (0) to 丑 (11): before 小寒 it is still the 子
  // month of the year before, then 丑 until 立春, then one month for each 节
  // passed (立春 3 … 大雪 21, every other term).
  int month = 10;
  if (now >= TermAt(year, kLesserCold)) month = 11;
  for (int number = kLichun; number <= 21 && now >= TermAt(year, number); number += 2)
    month = (number - 1) / 2;
  // The 寅 month of a 甲 or 己 year is 丙寅, and the stems run on from there.
  const int month_stem = (Modulo(year_cycle, 10) % 5 * 2 + 2 + month) % 10;

  // 1901-01-01 is 己卯, 15 in the cycle; the next day begins at 23:00.
  const std::int64_t day_cycle =
      15 + DayNumber(year, moment.month, moment.day) - DayNumber(1901, 1, 1) + (moment.hour >= 23 ? 1 : 0);
  // 子 covers 23:00 to 01:00; its stem is 甲 on a 甲 or 己 day, and runs on.
  const int hour_branch = (moment.hour + 1) / 2 % 12;
  const int hour_stem = (Modulo(day_cycle, 10) % 5 * 2 + hour_branch) % 10;

  pillars = {CyclePillar(year_cycle), MakePillar(month_stem, (month + 2) % 12), CyclePillar(day_cycle),
             MakePillar(hour_stem, hour_branch)};
  return true;
}

GbkText FormatLunar(const DateTime& moment, std::string_view format) {
  const bool known = InCalendarRange(moment);
  LunarDate lunar;
  std::int64_t year_cycle = 0;
  if (known) {
    SolarToLunar(moment, lunar);
    year_cycle = YearCycle(LichunYear(moment));
  }
  GbkText text;
  for (std::size_t at = 0; at < format.size();) {
    if (format[at] == '%' && at + 1 < format.size()) {
      const char code = format[at + 1];
      if (code == 'Y' || code == 'S' || code == 'M' || code == 'D') {
        if (known) {
          if (code == 'Y') text += CyclePillar(year_cycle);
          if (code == 'S') text += kAnimals.substr(2 * static_cast<std::size_t>(Modulo(year_cycle, 12)), 2);
          if (code == 'M') text += MonthName(lunar);
          if (code == 'D') text += DayName(lunar.day);
        }
        at += 2;
        continue;
      }
    }
    const std::size_t length = CharLengthAt(format, at);
    text += format.substr(at, length);
    at += length;
  }
  return text;
}

DateTime SolarTermMoment(int year, int number) {
  if (year < kCalendarFirstYear || year > kCalendarLastYear || number < 1 || number > 24)
    return InvalidMoment;
  return MomentOfSeconds(TermAt(year, number));
}

std::string_view SolarTermName(int number) {
  if (number < 1 || number > 24) return {};
  return kTermNames.substr(4 * static_cast<std::size_t>(number - 1), 4);
}

int LeapMonth(int lunar_year) {
  const LunarYearMonths months = MonthsOfLunarYear(lunar_year);
  for (int i = 0; i < months.count; ++i) {
    if (months.months[i].month.leap) return months.months[i].month.number;
  }
  return 0;
}

}  // namespace tavrin
