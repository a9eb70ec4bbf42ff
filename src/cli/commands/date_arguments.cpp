#include "cli/commands/date_arguments.hpp"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "calendar/birth_moment.hpp"
#include "calendar/chinese_calendar.hpp"
#include "cli/terminal.hpp"

namespace tavrin::cli {
namespace {

bool ReadHourArgument(std::string_view text, int& hour) {
  if (text.empty() || text.size() > 2) return false;
  hour = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    hour = hour * 10 + (c - '0');
  }
  return hour <= 23;
}

// An argument as an error line may show it: in GBK, like the rest of the line.
std::string Shown(const std::string& argument) { return ArgumentToGbk(argument).value_or("?"); }

std::string DateText(const DateTime& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buffer;
}

}  // namespace

bool ReadDateArgument(std::string_view text, int& year, int& month, int& day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int parts[3] = {0, 0, 0};
  const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
  for (int part = 0; part < 3; ++part) {
    for (std::size_t i = starts[part]; i < starts[part] + lengths[part]; ++i) {
      if (text[i] < '0' || text[i] > '9') return false;
      parts[part] = parts[part] * 10 + (text[i] - '0');
    }
  }
  year = parts[0];
  month = parts[1];
  day = parts[2];
  return true;
}

bool ReadBirthArguments(const Command& command, const std::vector<std::string>& arguments,
                        BirthArguments& birth, int& status) {
  Arguments parsed;
  if (!ParseArguments(
          command, arguments,
          {.flags = {"--lunar", "--leap"}, .valued = {"--out"}, .min_positional = 2, .max_positional = 2},
          parsed)) {
    status = kUsageError;
    return false;
  }
  const std::string prefix = std::string(command.name) + ": ";
  const std::string& date = parsed.positional[0];
  const bool lunar = parsed.flags.count("--lunar") != 0, leap = parsed.flags.count("--leap") != 0;
  int year = 0, month = 0, day = 0, hour = 0;
  if (!ReadDateArgument(date, year, month, day)) {
    status = Fail(kUsageError, prefix + "'" + Shown(date) + "' is not a date; expected YYYY-MM-DD");
    return false;
  }
  if (lunar && (month < 1 || month > 12 || day < 1 || day > 30)) {
    status = Fail(kUsageError, prefix + "'" + date +
                                   "' is not a lunar date; expected YYYY-MM-DD with month 1-12 and day 1-30");
    return false;
  }
  if (!ReadHourArgument(parsed.positional[1], hour)) {
    status = Fail(kUsageError,
                  prefix + "'" + Shown(parsed.positional[1]) + "' is not an hour; expected H from 0 to 23");
    return false;
  }
  if (leap && !lunar) {
    status = Fail(kUsageError, prefix + "--leap marks a lunar month and needs --lunar");
    return false;
  }
  if (year < kCalendarFirstYear || year > kCalendarLastYear) {
    status =
        Fail(kInputError, prefix + (lunar ? "lunar year of " : "") + date + " is outside the years " +
                              std::to_string(kCalendarFirstYear) + "-" + std::to_string(kCalendarLastYear));
    return false;
  }
  if (const auto out = parsed.values.find("--out"); out != parsed.values.end()) {
    std::error_code error;
    if (!std::filesystem::is_directory(out->second, error)) {
      status = Fail(kInputError, prefix + "--out '" + Shown(out->second) + "' is not an existing directory");
      return false;
    }
    birth.out_dir = out->second.back() == '/' ? out->second : out->second + "/";
  }

  // The texts the window's date lists would show for this choice.
  BirthDateSelection selection;
  if (lunar) {
    selection.date_kind = 1;
    selection.lunar_year = std::to_string(year);
    selection.lunar_month = (leap ? "闰" : "") + std::string(LunarMonthName(month));
    selection.lunar_day = LunarDayName(day);
    selection.lunar_hour = std::to_string(hour);
  } else {
    selection.solar_year = std::to_string(year);
    selection.solar_month = std::to_string(month);
    selection.solar_day = std::to_string(day);
    selection.solar_hour = std::to_string(hour);
  }
  const BirthMoment assembled = AssembleBirthMoment(selection);
  if (!assembled.error.empty()) {
    status =
        Fail(kInputError, prefix + "lunar " + date + (leap && LeapMonth(year) == month ? " (leap)" : "") +
                              ": " + assembled.error + " (that month has only 29 days)");
    return false;
  }
  if (!AnalysableMoment(assembled.moment)) {
    status = Fail(kInputError, assembled.moment == InvalidMoment
                                   ? prefix + date + ": " + std::string(kMomentMissingMessage) +
                                         " (no such day on the Gregorian calendar)"
                                   : prefix + "lunar " + date + " falls on " + DateText(assembled.moment) +
                                         ", outside the years " + std::to_string(kCalendarFirstYear) + "-" +
                                         std::to_string(kCalendarLastYear));
    return false;
  }
  birth.moment = assembled.moment;
  return true;
}

}  // namespace tavrin::cli
