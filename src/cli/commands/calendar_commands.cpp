// lunar, solar and terms: the calendar services of the core, day by day.
#include <cstdio>
#include <string>

#include "calendar/chinese_calendar.hpp"
#include "cli/commands/commands.hpp"
#include "cli/commands/date_arguments.hpp"
#include "cli/terminal.hpp"

namespace tavrin::cli {
namespace {

constexpr std::size_t kFlushBytes = 1 << 20;

bool ReadYearArgument(std::string_view text, int& year) {
  if (text.empty() || text.size() > 4) return false;
  year = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    year = year * 10 + (c - '0');
  }
  return true;
}

std::string RangeText() {
  return std::to_string(kCalendarFirstYear) + "-" + std::to_string(kCalendarLastYear);
}

// A Gregorian date argument inside the calendar's years, as a day number; on
// failure prints the error and sets `status`.
bool ReadCalendarDay(std::string_view command, const std::string& argument, std::int64_t& day_number,
                     int& status) {
  int year = 0, month = 0, day = 0;
  const std::string prefix = std::string(command) + ": ";
  if (!ReadDateArgument(argument, year, month, day)) {
    status = Fail(kUsageError, prefix + "'" + argument + "' is not a date; expected YYYY-MM-DD");
    return false;
  }
  if (MakeDateTime(year, month, day) == InvalidMoment) {
    status = Fail(kInputError, prefix + argument + " does not exist on the Gregorian calendar");
    return false;
  }
  if (year < kCalendarFirstYear || year > kCalendarLastYear) {
    status = Fail(kInputError, prefix + argument + " is outside the years " + RangeText());
    return false;
  }
  day_number = DayNumber(year, month, day);
  return true;
}

void AppendDate(std::string& out, const DateTime& date) {
  char buffer[16];
  const int length = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  out.append(buffer, static_cast<std::size_t>(length));
}

int RunLunar(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (!ParseArguments(kLunarCommand, arguments, {.min_positional = 1, .max_positional = 2}, parsed)) {
    return kUsageError;
  }
  std::int64_t first = 0, last = 0;
  int status = kSuccess;
  if (!ReadCalendarDay("lunar", parsed.positional[0], first, status)) return status;
  last = first;
  if (parsed.positional.size() == 2) {
    if (!ReadCalendarDay("lunar", parsed.positional[1], last, status)) return status;
    if (last < first) {
      return Fail(kInputError,
                  "lunar: DATE2 " + parsed.positional[1] + " is before DATE " + parsed.positional[0]);
    }
  }
  std::string out;
  for (std::int64_t day = first; day <= last; ++day) {
    DateTime date = DateOfDayNumber(day);
    LunarDate lunar;
    SolarToLunar(date, lunar);
    AppendDate(out, date);
    out += '\t' + std::to_string(lunar.year) + '\t' + std::to_string(lunar.month) + '\t' +
           std::to_string(lunar.day) + '\t' + (lunar.leap ? '1' : '0');
    for (int hour : {0, 6, 12, 23}) {
      date.hour = hour;
      Pillars pillars;
      FourPillars(date, pillars);
      out += '\t' + pillars.year + ' ' + pillars.month + ' ' + pillars.day + ' ' + pillars.hour;
    }
    out += '\n';
    if (out.size() >= kFlushBytes) {
      PrintOut(out);
      out.clear();
    }
  }
  PrintOut(out);
  return kSuccess;
}

int RunSolar(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (!ParseArguments(kSolarCommand, arguments,
                      {.flags = {"--leap"}, .min_positional = 1, .max_positional = 1}, parsed)) {
    return kUsageError;
  }
  const std::string& argument = parsed.positional[0];
  int year = 0, month = 0, day = 0;
  if (!ReadDateArgument(argument, year, month, day) || month < 1 || month > 12 || day < 1 || day > 30) {
    return Fail(kUsageError, "solar: '" + argument +
                                 "' is not a lunar date; expected YYYY-MM-DD with month 1-12 and day 1-30");
  }
  if (year < kLunarFirstYear || year > kLunarLastYear) {
    return Fail(kInputError, "solar: lunar year " + std::to_string(year) + " of " + argument +
                                 " is outside the years " + std::to_string(kLunarFirstYear) + "-" +
                                 std::to_string(kLunarLastYear));
  }
  const bool leap = parsed.flags.count("--leap") != 0;
  DateTime date;
  if (!LunarToSolar(year, month, day, leap, date)) {
    return Fail(kInputError, "solar: lunar " + argument +
                                 (leap && LeapMonth(year) == month ? " (leap)" : "") +
                                 " does not exist: that month has only 29 days");
  }
  std::string out;
  AppendDate(out, date);
  PrintOut(out + '\n');
  return kSuccess;
}

int RunTerms(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (!ParseArguments(kTermsCommand, arguments, {.min_positional = 1, .max_positional = 2}, parsed)) {
    return kUsageError;
  }
  int years[2] = {0, 0};
  for (std::size_t i = 0; i < parsed.positional.size(); ++i) {
    const std::string& argument = parsed.positional[i];
    if (!ReadYearArgument(argument, years[i])) {
      return Fail(kUsageError, "terms: '" + argument + "' is not a year; expected digits such as 2010");
    }
    if (years[i] < kCalendarFirstYear || years[i] > kCalendarLastYear) {
      return Fail(kInputError, "terms: year " + argument + " is outside the years " + RangeText());
    }
  }
  if (parsed.positional.size() == 1) years[1] = years[0];
  if (years[1] < years[0]) {
    return Fail(kInputError,
                "terms: YEAR2 " + parsed.positional[1] + " is before YEAR " + parsed.positional[0]);
  }
  std::string out;
  for (int year = years[0]; year <= years[1]; ++year) {
    for (int number = 1; number <= 24; ++number) {
      const DateTime moment = SolarTermMoment(year, number);
      char buffer[64];
      const int length = std::snprintf(buffer, sizeof buffer, "%d\t%d\t", year, number);
      out.append(buffer, static_cast<std::size_t>(length));
      out += SolarTermName(number);
      out += '\t';
      AppendDate(out, moment);
      const int time_length = std::snprintf(buffer, sizeof buffer, " %02d:%02d:%02d\n", moment.hour,
                                            moment.minute, moment.second);
      out.append(buffer, static_cast<std::size_t>(time_length));
    }
  }
  PrintOut(out);
  return kSuccess;
}

}  // namespace

const Command kLunarCommand = {
    "lunar",
    "lunar DATE [DATE2]",
    "the lunar date and the four pillars of each day",
    "For each day from DATE to DATE2 inclusive (DATE alone: that day), one line:\n"
    "the date, the lunar year, the lunar month (1-12), the lunar day (1-30), the leap\n"
    "flag (0 or 1), then the year, month, day and hour pillars at the hours 0, 6, 12\n"
    "and 23, one field for each hour. Dates are YYYY-MM-DD in the years 1930-2030.\n"
    "\n"
    "Example:\n"
    "  tavrin-cli lunar 2010-02-04\n"
    "  2010-02-04\t2009\t12\t21\t0\t己丑 丁丑 乙酉 丙子\t己丑 丁丑 乙酉 己卯\t"
    "庚寅 戊寅 乙酉 壬午\t庚寅 戊寅 丙戌 戊子\n",
    RunLunar,
};

const Command kSolarCommand = {
    "solar",
    "solar LUNARDATE [--leap]",
    "the Gregorian date of a lunar date",
    "Prints the Gregorian date (YYYY-MM-DD) of the lunar date LUNARDATE, written as\n"
    "lunar year-month-day (month 1-12, day 1-30) for the lunar years 1929-2030.\n"
    "--leap asks for the leap month of that number; in a year whose leap month has\n"
    "another number it is ignored. Exit status 1 when that lunar day does not exist.\n"
    "\n"
    "Example:\n"
    "  tavrin-cli solar 2009-05-01 --leap\n"
    "  2009-06-23\n",
    RunSolar,
};

const Command kTermsCommand = {
    "terms",
    "terms YEAR [YEAR2]",
    "the moments of the 24 solar terms of each year",
    "For each year from YEAR to YEAR2 (1930-2030) and each term number from 1 to 24\n"
    "(1 立春 ... 22 冬至, then 23 小寒 and 24 大寒 of that year's January), one line:\n"
    "the year, the number, the term's name and its moment in China Standard Time\n"
    "as YYYY-MM-DD HH:MM:SS.\n"
    "\n"
    "Example:\n"
    "  tavrin-cli terms 2010\n"
    "  2010\t1\t立春\t2010-02-04 06:47:51\n"
    "  ...\n",
    RunTerms,
};

}  // namespace tavrin::cli
