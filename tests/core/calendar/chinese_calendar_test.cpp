// The calendar's conventions at their edges, and its behaviour outside its
// range. The whole range is checked against the reference in reference_test.cpp.
#include "calendar/chinese_calendar.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace tavrin {
namespace {

std::string PillarText(const DateTime& moment) {
  Pillars pillars;
  if (!FourPillars(moment, pillars)) return "out of range";
  return pillars.year + " " + pillars.month + " " + pillars.day + " " + pillars.hour;
}

DateTime Plus(DateTime moment, int seconds) {
  return MomentOfSerialDays(SerialDays(moment) + seconds / 86400.0);
}

TEST(ChineseCalendar, LeapMonthsOfEveryLunarYear) {
  const std::map<int, int> leap_months = {
      {1930, 6}, {1933, 5}, {1936, 3}, {1938, 7}, {1941, 6},  {1944, 4}, {1947, 2}, {1949, 7},
      {1952, 5}, {1955, 3}, {1957, 8}, {1960, 6}, {1963, 4},  {1966, 3}, {1968, 7}, {1971, 5},
      {1974, 4}, {1976, 8}, {1979, 6}, {1982, 4}, {1984, 10}, {1987, 6}, {1990, 5}, {1993, 3},
      {1995, 8}, {1998, 5}, {2001, 4}, {2004, 2}, {2006, 7},  {2009, 5}, {2012, 4}, {2014, 9},
      {2017, 6}, {2020, 4}, {2023, 2}, {2025, 6}, {2028, 5}};
  ASSERT_EQ(leap_months.size(), 37u);
  for (int year = kLunarFirstYear; year <= kLunarLastYear; ++year) {
    const auto found = leap_months.find(year);
    EXPECT_EQ(LeapMonth(year), found == leap_months.end() ? 0 : found->second) << year;
  }
  EXPECT_EQ(LeapMonth(kLunarFirstYear - 1), 0);
  EXPECT_EQ(LeapMonth(kLunarLastYear + 1), 0);
}

TEST(ChineseCalendar, PillarsFollowTheTermsAndTheDayBoundary) {
  struct Case {
    DateTime moment;
    const char* pillars;
  } cases[] = {
      // 立春 2010 falls at 06:47:51: the year and the month change with it.
      {{2010, 2, 4, 6}, "己丑 丁丑 乙酉 己卯"},
      {{2010, 2, 4, 7}, "庚寅 戊寅 乙酉 庚辰"},
      // From 23:00 the next day's pillar, and the 子 hour takes its stem.
      {{2010, 2, 4, 22}, "庚寅 戊寅 乙酉 丁亥"},
      {{2010, 2, 4, 23}, "庚寅 戊寅 丙戌 戊子"},
      {{2010, 2, 5, 0}, "庚寅 戊寅 丙戌 戊子"},
      // Before 小寒 (19:08 on 5 January 2010) the 子 month of the old year runs on.
      {{2010, 1, 5, 12}, "己丑 丙子 乙卯 壬午"},
      {{2010, 1, 5, 23}, "己丑 丁丑 丙辰 戊子"},
  };
  for (const Case& c : cases) EXPECT_EQ(PillarText(c.moment), c.pillars) << DateTimeText(c.moment);
}

TEST(ChineseCalendar, TermsCountFromTheirMomentRoundedToTheSecond) {
  const DateTime lichun = SolarTermMoment(2010, 1);
  EXPECT_LE(std::fabs(SerialDays(lichun) - SerialDays({2010, 2, 4, 6, 47, 51})) * 86400, 10.0);
  EXPECT_EQ(PillarText(Plus(lichun, -1)).substr(0, 9), "己丑 丁丑");
  EXPECT_EQ(PillarText(lichun).substr(0, 9), "庚寅 戊寅");
  const DateTime lesser_cold = SolarTermMoment(2010, 23);
  EXPECT_EQ(PillarText(Plus(lesser_cold, -1)).substr(5, 4), "丙子");
  EXPECT_EQ(PillarText(lesser_cold).substr(5, 4), "丁丑");
}

TEST(ChineseCalendar, FormatLunarWritesYearAnimalMonthAndDay) {
  struct Case {
    DateTime moment;
    const char* format;
    const char* text;
  } cases[] = {
      // After 立春, before the lunar new year: the new year with the old 腊月.
      {{2010, 2, 10, 12}, "%Y年%M%D日", "庚寅年腊月廿七日"},
      {{2010, 2, 10, 12}, "%S", "虎"},
      {{2010, 2, 4, 6}, "%Y%S", "己丑牛"},
      {{2010, 2, 3}, "%D", "廿十"},
      {{2010, 3, 15}, "%M%D", "正月三十"},
      {{2009, 6, 23}, "%M%D", "闰五月初一"},
      {{2010, 12, 6}, "%M", "冬月"},
      {{2010, 1, 4}, "%D|%M", "廿十|冬月"},
      {{2010, 2, 10}, "%X 50% 不变", "%X 50% 不变"},
      // Outside the range the codes are replaced by nothing.
      {{1929, 12, 31}, "[%Y%S%M%D]", "[]"},
      {InvalidMoment, "%Y年", "年"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatLunar(c.moment, c.format), c.text) << c.format;
  for (int day = 1; day <= 30; ++day) {
    const char* names[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                           "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "廿十",
                           "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    DateTime date;
    ASSERT_TRUE(LunarToSolar(2010, 1, day, false, date));
    EXPECT_EQ(FormatLunar(date, "%D"), names[day - 1]);
  }
}

TEST(ChineseCalendar, LunarToSolarHonoursOnlyRealLeapMonths) {
  struct Case {
    int year, month, day;
    bool leap;
    DateTime date;
  } cases[] = {
      {2009, 5, 1, true, {2009, 6, 23}},   {2009, 5, 1, false, {2009, 5, 24}},
      {2010, 5, 1, true, {2010, 6, 12}},   {2010, 5, 1, false, {2010, 6, 12}},  // 2010 has no leap month
      {1984, 10, 1, true, {1984, 11, 23}}, {2010, 1, 1, false, {2010, 2, 14}},
      {1929, 1, 1, false, {1929, 2, 10}},  {2030, 12, 29, false, {2031, 1, 22}},
  };
  for (const Case& c : cases) {
    DateTime date;
    EXPECT_TRUE(LunarToSolar(c.year, c.month, c.day, c.leap, date))
        << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date, c.date) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(ChineseCalendar, LunarToSolarFailsWithoutTouchingItsOutput) {
  struct Case {
    int year, month, day;
    bool leap;
  } cases[] = {
      {2030, 12, 30, false},  // a month of 29 days
      {2009, 5, 30, true},   {1928, 1, 1, false}, {2031, 1, 1, false},  {2010, 0, 1, false},
      {2010, 13, 1, false},  {2010, 1, 0, false}, {2010, 1, 31, false},
  };
  for (const Case& c : cases) {
    DateTime date{1999, 9, 9, 9};
    EXPECT_FALSE(LunarToSolar(c.year, c.month, c.day, c.leap, date))
        << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date, (DateTime{1999, 9, 9, 9}));
  }
}

// Every day of the range goes to a lunar date and back; day 30 exists exactly
// in the months that reach it.
TEST(ChineseCalendar, LunarToSolarInvertsSolarToLunarOnEveryDay) {
  const std::int64_t first = DayNumber(kCalendarFirstYear, 1, 1), last = DayNumber(kCalendarLastYear, 12, 31);
  LunarDate previous;
  for (std::int64_t day = first; day <= last; ++day) {
    const DateTime date = DateOfDayNumber(day);
    LunarDate lunar;
    ASSERT_TRUE(SolarToLunar(date, lunar));
    DateTime back;
    ASSERT_TRUE(LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.leap, back)) << DateTimeText(date);
    ASSERT_EQ(back, date);
    if (lunar.day == 1 && previous.day == 29) {
      EXPECT_FALSE(LunarToSolar(previous.year, previous.month, 30, previous.leap, back))
          << DateTimeText(date);
    }
    if (day > first) {
      ASSERT_TRUE(lunar.day == previous.day + 1 || (lunar.day == 1 && previous.day >= 29))
          << DateTimeText(date);
    }
    previous = lunar;
  }
}

TEST(ChineseCalendar, OutOfRangeMomentsLeaveTheOutputsAlone) {
  const DateTime moments[] = {
      {1929, 12, 31, 23}, {2031, 1, 1}, InvalidMoment, {2001, 2, 29}, {2010, 2, 4, 24}};
  for (const DateTime& moment : moments) {
    LunarDate lunar{7, 7, 7, true};
    EXPECT_FALSE(SolarToLunar(moment, lunar));
    EXPECT_EQ(lunar.year * 10000 + lunar.month * 100 + lunar.day, 70707);
    Pillars pillars{"a", "b", "c", "d"};
    EXPECT_FALSE(FourPillars(moment, pillars));
    EXPECT_EQ(pillars.year + pillars.month + pillars.day + pillars.hour, "abcd");
  }
  const int terms[][2] = {{1929, 1}, {2031, 1}, {2010, 0}, {2010, 25}};
  for (const auto& term : terms) EXPECT_EQ(SolarTermMoment(term[0], term[1]), InvalidMoment);
  EXPECT_EQ(SolarTermName(0), "");
  EXPECT_EQ(SolarTermName(22), "冬至");
}

}  // namespace
}  // namespace tavrin
