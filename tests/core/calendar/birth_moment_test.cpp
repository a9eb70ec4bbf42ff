// From the texts of the date lists to the birth moment, and the lunar month
// lists by year.
#include "calendar/birth_moment.hpp"

#include <gtest/gtest.h>

#include "calendar/chinese_calendar.hpp"
#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

BirthDateSelection Solar(const char* year, const char* month, const char* day, const char* hour) {
  BirthDateSelection selection;
  selection.solar_year = year;
  selection.solar_month = month;
  selection.solar_day = day;
  selection.solar_hour = hour;
  return selection;
}

BirthDateSelection Lunar(const char* year, const char* month, const char* day, const char* hour) {
  BirthDateSelection selection;
  selection.date_kind = 1;
  selection.lunar_year = year;
  selection.lunar_month = month;
  selection.lunar_day = day;
  selection.lunar_hour = hour;
  return selection;
}

DateTime SolarOfLunar(int year, int month, int day, bool leap, int hour) {
  DateTime date;
  EXPECT_TRUE(LunarToSolar(year, month, day, leap, date));
  date.hour = hour;
  return date;
}

TEST(AssembleBirthMoment, SolarDatesAndDaysThatDoNotExist) {
  struct Case {
    BirthDateSelection selection;
    DateTime moment;
  } cases[] = {
      {Solar("2000", "2", "29", "8"), {2000, 2, 29, 8}}, {Solar("2010", "12", "31", "0"), {2010, 12, 31, 0}},
      {Solar("2001", "2", "29", "8"), InvalidMoment},    {Solar("2010", "4", "31", "8"), InvalidMoment},
      {Solar("2010", "4", "1", ""), InvalidMoment},  // a list without a selection
      {Solar("", "4", "1", "8"), InvalidMoment},
  };
  for (const Case& c : cases) {
    const BirthMoment birth = AssembleBirthMoment(c.selection);
    EXPECT_EQ(birth.moment, c.moment) << c.selection.solar_year << "-" << c.selection.solar_day;
    EXPECT_EQ(birth.error, "");  // the pages report a missing solar day themselves
  }
  BirthDateSelection no_kind = Solar("2010", "2", "4", "6");
  no_kind.date_kind = -1;
  EXPECT_EQ(AssembleBirthMoment(no_kind).moment, (DateTime{2010, 2, 4, 6}));
}

TEST(AssembleBirthMoment, LunarDatesByTheirNames) {
  struct Case {
    BirthDateSelection selection;
    DateTime moment;
  } cases[] = {
      {Lunar("1930", "闰六", "初一", "0"), SolarOfLunar(1930, 6, 1, true, 0)},
      {Lunar("1930", "六", "初一", "0"), SolarOfLunar(1930, 6, 1, false, 0)},
      {Lunar("2009", "腊", "廿一", "6"), InvalidMoment},  // not a name of the lists
      {Lunar("2009", "十二", "廿一", "6"), {2010, 2, 4, 6}},
      {Lunar("2009", "十二月", "廿一日", "6"), {2010, 2, 4, 6}},
      {Lunar("2010", "二", "三十", "12"), InvalidMoment},  // 二月 2010 has 29 days
  };
  for (const Case& c : cases) {
    const BirthMoment birth = AssembleBirthMoment(c.selection);
    EXPECT_EQ(birth.moment, c.moment) << c.selection.lunar_month << c.selection.lunar_day;
    EXPECT_EQ(birth.error, c.moment == InvalidMoment ? kLunarDateMissingMessage : "");
  }
  EXPECT_NE(SolarOfLunar(1930, 6, 1, true, 0), SolarOfLunar(1930, 6, 1, false, 0));
}

TEST(LunarNames, MonthsAndDaysBothWays) {
  struct MonthCase {
    const char* name;
    int number;
    bool leap;
  } months[] = {{"正", 1, false},   {"十", 10, false},   {"十一", 11, false}, {"十二月", 12, false},
                {"闰十", 10, true}, {"闰六月", 6, true}, {"冬", 0, false},    {"闰", 0, true},
                {"", 0, false},     {"13", 0, false}};
  for (const MonthCase& c : months) {
    bool leap = !c.leap;
    EXPECT_EQ(LunarMonthNumber(c.name, leap), c.number) << c.name;
    EXPECT_EQ(leap, c.leap) << c.name;
  }
  struct DayCase {
    const char* name;
    int number;
  } days[] = {{"初一", 1},    {"初十", 10}, {"十一", 11}, {"二十", 20}, {"廿一", 21},
              {"三十日", 30}, {"廿十", 0},  {"十", 0},    {"", 0}};
  for (const DayCase& c : days) EXPECT_EQ(LunarDayNumber(c.name), c.number) << c.name;
  for (int month = 1; month <= 12; ++month) {
    bool leap = true;
    EXPECT_EQ(LunarMonthNumber(LunarMonthName(month), leap), month);
  }
  for (int day = 1; day <= 30; ++day) EXPECT_EQ(LunarDayNumber(LunarDayName(day)), day);
  EXPECT_EQ(LunarMonthName(13), "");
  EXPECT_EQ(LunarDayName(0), "");
}

TEST(LunarMonthTable, HoldsTheCalendarsOwnMonthsFor1930To2030) {
  const std::string_view table = data::LunarMonthTable();
  EXPECT_TRUE(table.starts_with("正,二,三,四,五,六,闰六,七,八,九,十,十一,十二//1930\r\n"));
  EXPECT_TRUE(table.ends_with("\r\n正,二,三,四,五,六,七,八,九,十,十一,十二//2030"));
  EXPECT_EQ(SplitText(table, "\r\n").size(), 101u);
  for (int year = kCalendarFirstYear; year <= kCalendarLastYear; ++year) {
    std::vector<GbkText> expected;
    for (int month = 1; month <= 12; ++month) {
      expected.emplace_back(LunarMonthName(month));
      if (LeapMonth(year) == month) expected.push_back("闰" + GbkText(LunarMonthName(month)));
    }
    EXPECT_EQ(LunarYearMonthNames(std::to_string(year)), expected) << year;
  }
  const std::vector<GbkText> year_1984 = LunarYearMonthNames("1984");
  ASSERT_EQ(year_1984.size(), 13u);
  EXPECT_EQ(year_1984[9] + year_1984[10] + year_1984[11], "十闰十十一");
  EXPECT_TRUE(LunarYearMonthNames("1929").empty());  // the list is then left as it was
}

TEST(AnalysableMoment, TheWholeHourOfADateTheCalendarCovers) {
  EXPECT_EQ(AnalysableMoment({2010, 2, 4, 6, 30, 15}), (DateTime{2010, 2, 4, 6}));
  EXPECT_EQ(AnalysableMoment({1930, 1, 1, 0}), (DateTime{1930, 1, 1, 0}));
  EXPECT_EQ(AnalysableMoment(InvalidMoment), std::nullopt);
  EXPECT_EQ(AnalysableMoment({2001, 2, 29, 6}), std::nullopt);
  EXPECT_EQ(AnalysableMoment({1929, 12, 31, 23}), std::nullopt);
  // The last days of lunar 2030 fall in 2031, beyond the calendar.
  EXPECT_EQ(AnalysableMoment(AssembleBirthMoment(Lunar("2030", "十二", "廿九", "0")).moment), std::nullopt);
}

}  // namespace
}  // namespace tavrin
