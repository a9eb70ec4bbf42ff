#pragma once
// Local date-times (no zone) and their text form, "2010年2月4日6时".
#include <compare>
#include <cstdint>
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

// Stands for a date that does not exist: 1 January of the year 100, 00:00:00.
inline constexpr DateTime InvalidMoment{100, 1, 1, 0, 0, 0};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1–12
bool IsValidDateTime(const DateTime& moment);
// The moment when it exists on the Gregorian calendar, otherwise InvalidMoment.
DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Days since 1970-01-01 of a Gregorian date (negative before it), and back.
std::int64_t DayNumber(int year, int month, int day);
DateTime DateOfDayNumber(std::int64_t day_number);
// A moment as fractional days since 1970-01-01 00:00:00, and back (to the second).
double SerialDays(const DateTime& moment);
DateTime MomentOfSerialDays(double serial_days);

// "%d年%d月%d日", then "%d时%d分%d秒" when the seconds are not 0, else "%d时%d分"
// when the minutes are not 0, else "%d时" when the hour is not 0, else nothing.
GbkText DateTimeText(const DateTime& moment);
// The inverse: a text of one of those shapes that names an existing moment gives
// it; anything else gives InvalidMoment.
DateTime ParseDateTimeText(std::string_view text);

}  // namespace tavrin
