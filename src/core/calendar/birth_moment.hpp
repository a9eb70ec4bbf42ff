#pragma once
// The birth moment as the date controls give it: a solar date and hour, or a
// lunar date (month and day by their names) and hour, turned into one
// date-time. Shared by the window, which reads its lists and shows the message,
// and by the command line, which writes the same texts from its arguments.
#include <optional>
#include <string_view>
#include <vector>

#include "text/date_time.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

// Shown after a lunar date that the calendar does not have (day 30 of a short
// month), and by every birth page for a moment that does not exist.
inline constexpr std::string_view kLunarDateMissingMessage = "您所选的农历时间不存在!";
inline constexpr std::string_view kMomentMissingMessage = "所选时间不存在";

// What the date controls hold: the selected index of the date-kind list (1 for
// the lunar calendar; 0 or -1, no selection, for the solar one) and the text of
// each list's selected item (empty when nothing is selected).
struct BirthDateSelection {
  int date_kind = 0;
  GbkText solar_year, solar_month, solar_day, solar_hour;  // "2010", "2", "4", "6"
  GbkText lunar_year, lunar_month, lunar_day, lunar_hour;  // "2009", "闰五", "初十", "0"
};

struct BirthMoment {
  DateTime moment = InvalidMoment;  // InvalidMoment when the chosen date does not exist
  GbkText error;                    // empty, or kLunarDateMissingMessage for the user
};

// A solar date that does not exist gives InvalidMoment silently (the pages say
// so); a lunar one gives InvalidMoment and the message, never a moment taken
// from the failed selection.
BirthMoment AssembleBirthMoment(const BirthDateSelection& selection);

// The whole hour of a birth that the birth pages can analyse; nothing for
// InvalidMoment or a moment outside the calendar's years 1930–2030 (the last
// days of lunar 2030 fall in 2031), which the pages refuse with
// kMomentMissingMessage.
std::optional<DateTime> AnalysableMoment(const DateTime& birth);

// The lunar month lists: "正" … "十二", a leap month "闰" + the month it
// repeats. The number of a name (a "月" anywhere is ignored, "闰" sets `leap`);
// 0 for a name that is not a month.
int LunarMonthNumber(std::string_view name, bool& leap);
std::string_view LunarMonthName(int number);  // empty outside 1–12

// The lunar day lists: "初一" … "三十". The number of a name (a "日" anywhere
// is ignored); 0 for a name that is not a day.
int LunarDayNumber(std::string_view name);
std::string_view LunarDayName(int number);  // empty outside 1–30

// The months of a lunar year in calendar order, as its month list shows them:
// the first line of the month table that holds the year text's number. Empty
// when no line does (the list is then left as it was).
std::vector<GbkText> LunarYearMonthNames(std::string_view year_text);

}  // namespace tavrin
