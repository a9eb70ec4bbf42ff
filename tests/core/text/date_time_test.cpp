#include "text/date_time.hpp"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(DateTimeText, WritesTheFourShapesAndReadsThemBack) {
  struct Case {
    DateTime moment;
    const char* text;
  } cases[] = {
      {{2010, 2, 4, 0, 0, 0}, "2010年2月4日"},
      {{2010, 2, 4, 6, 0, 0}, "2010年2月4日6时"},
      {{2010, 2, 4, 6, 47, 0}, "2010年2月4日6时47分"},
      {{2010, 2, 4, 6, 47, 51}, "2010年2月4日6时47分51秒"},
      {{2010, 2, 4, 0, 0, 9}, "2010年2月4日0时0分9秒"},  // seconds force the long shape
      {{1930, 12, 31, 23, 5, 0}, "1930年12月31日23时5分"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateTimeText(c.moment), c.text);
    EXPECT_EQ(ParseDateTimeText(c.text), c.moment) << c.text;
  }
}

TEST(DateTimeText, TextsThatNameNoMomentGiveInvalidMoment) {
  const char* texts[] = {
      "2001年2月29日",  // not a leap year
      "2000年2月30日",  // February never has 30 days
      "2010年13月1日",   "2010年2月4日24时", "2010年2月4日6时60分",      "2010年2月4", "2010年2月4日6",
      "2010年2月4日6分", "x2010年2月4日",    "2010年2月4日6时47分51秒x", "",
  };
  for (const char* text : texts) EXPECT_EQ(ParseDateTimeText(text), InvalidMoment) << text;
  EXPECT_EQ(ParseDateTimeText("2000年2月29日"), (DateTime{2000, 2, 29}));
  EXPECT_EQ(MakeDateTime(2001, 2, 29), InvalidMoment);
  EXPECT_EQ(MakeDateTime(2000, 2, 30), InvalidMoment);
  EXPECT_EQ(DateTimeText(InvalidMoment), "100年1月1日");
}

TEST(DayNumbers, CountDaysAcrossCenturiesBothWays) {
  EXPECT_EQ(DayNumber(1970, 1, 1), 0);
  EXPECT_EQ(DayNumber(1901, 1, 1), -25202);
  EXPECT_EQ(DayNumber(2000, 3, 1) - DayNumber(2000, 2, 28), 2);
  EXPECT_EQ(DayNumber(1900, 3, 1) - DayNumber(1900, 2, 28), 1);
  for (std::int64_t day = DayNumber(1899, 12, 25); day < DayNumber(2101, 1, 5); day += 7) {
    const DateTime date = DateOfDayNumber(day);
    ASSERT_TRUE(IsValidDateTime(date));
    ASSERT_EQ(DayNumber(date.year, date.month, date.day), day);
  }
  const DateTime moment{2010, 2, 4, 6, 47, 51};
  EXPECT_EQ(MomentOfSerialDays(SerialDays(moment)), moment);
  EXPECT_EQ(MomentOfSerialDays(SerialDays({1969, 12, 31, 23, 59, 59})), (DateTime{1969, 12, 31, 23, 59, 59}));
}

}  // namespace
}  // namespace tavrin
