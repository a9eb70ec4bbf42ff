#include "text/date_time.hpp"

#include <cmath>
#include <cstdio>

namespace tavrin {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDateTime(const DateTime& m) {
  return m.year >= 1 && m.year <= 9999 && m.day >= 1 && m.day <= DaysInMonth(m.year, m.month) &&
         m.hour >= 0 && m.hour <= 23 && m.minute >= 0 && m.minute <= 59 && m.second >= 0 && m.second <= 59;
}

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const DateTime moment{year, month, day, hour, minute, second};
  return IsValidDateTime(moment) ? moment : InvalidMoment;
}

// Civil-from-days and days-from-civil over the proleptic Gregorian calendar, in
// 400-year eras so that the arithmetic stays exact for any year.
std::int64_t DayNumber(int year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t year_of_era = y - era * 400;
  const std::int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

DateTime DateOfDayNumber(std::int64_t day_number) {
  const std::int64_t z = day_number + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t day_of_era = z - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t mp = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
  return DateTime{year, month, day, 0, 0, 0};
}

double SerialDays(const DateTime& m) {
  return static_cast<double>(DayNumber(m.year, m.month, m.day)) +
         (m.hour * 3600.0 + m.minute * 60.0 + m.second) / 86400.0;
}

DateTime MomentOfSerialDays(double serial_days) {
  const auto seconds = static_cast<std::int64_t>(std::llround(serial_days * 86400.0));
  std::int64_t days = seconds / 86400, rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    days -= 1;
  }
  DateTime moment = DateOfDayNumber(days);
  moment.hour = static_cast<int>(rest / 3600);
  moment.minute = static_cast<int>(rest / 60 % 60);
  moment.second = static_cast<int>(rest % 60);
  return moment;
}

GbkText DateTimeText(const DateTime& m) {
  char buffer[96];
  int length = std::snprintf(buffer, sizeof buffer, "%d年%d月%d日", m.year, m.month, m.day);
  const auto rest = sizeof buffer - static_cast<std::size_t>(length);
  if (m.second != 0) {
    length += std::snprintf(buffer + length, rest, "%d时%d分%d秒", m.hour, m.minute, m.second);
  } else if (m.minute != 0) {
    length += std::snprintf(buffer + length, rest, "%d时%d分", m.hour, m.minute);
  } else if (m.hour != 0) {
    length += std::snprintf(buffer + length, rest, "%d时", m.hour);
  }
  return GbkText(buffer, static_cast<std::size_t>(length));
}

namespace {

// Reads "<digits><unit>" at `at`, advancing past both; false when absent.
bool ReadPart(std::string_view text, std::size_t& at, std::string_view unit, int& value) {
  std::size_t end = at;
  while (end < text.size() && end - at < 9 && text[end] >= '0' && text[end] <= '9') ++end;
  if (end == at || text.substr(end, unit.size()) != unit) return false;
  value = 0;
  for (std::size_t i = at; i < end; ++i) value = value * 10 + (text[i] - '0');
  at = end + unit.size();
  return true;
}

}  // namespace

DateTime ParseDateTimeText(std::string_view text) {
  DateTime m;
  std::size_t at = 0;
  if (!ReadPart(text, at, "年", m.year) || !ReadPart(text, at, "月", m.month) ||
      !ReadPart(text, at, "日", m.day)) {
    return InvalidMoment;
  }
  // The time parts come in order, each only after the one before it.
  if (at < text.size() && ReadPart(text, at, "时", m.hour) && at < text.size() &&
      ReadPart(text, at, "分", m.minute) && at < text.size()) {
    ReadPart(text, at, "秒", m.second);
  }
  if (at != text.size()) return InvalidMoment;
  return MakeDateTime(m.year, m.month, m.day, m.hour, m.minute, m.second);
}

}  // namespace tavrin
