// The window and the start-up tasks use the calendar at once. CTest runs every
// test in a process of its own, so the years asked for here are cold: several
// threads compute and memoise them together, and must all see the same answers.
#include <gtest/gtest.h>

#include <latch>
#include <map>
#include <thread>
#include <vector>

#include "calendar/chinese_calendar.hpp"

namespace tavrin {
namespace {

// Everything the calendar says about one Gregorian and lunar year, as text.
std::string DescribeYear(int year) {
  std::string text = std::to_string(LeapMonth(year));
  for (int number = 1; number <= 24; ++number) text += " " + DateTimeText(SolarTermMoment(year, number));
  for (int month = 1; month <= 12; ++month) {
    DateTime date;
    if (LunarToSolar(year, month, 30, false, date)) text += " " + DateTimeText(date);
  }
  for (std::int64_t day = DayNumber(year, 1, 1); day <= DayNumber(year, 12, 31); ++day) {
    DateTime moment = DateOfDayNumber(day);
    moment.hour = static_cast<int>((day % 24 + 24) % 24);
    LunarDate lunar;
    Pillars pillars;
    SolarToLunar(moment, lunar);
    FourPillars(moment, pillars);
    text += FormatLunar(moment, "%M%D") + pillars.year + pillars.month + pillars.day + pillars.hour;
  }
  return text;
}

TEST(CalendarThreads, ColdYearsAskedFromSeveralThreadsAgree) {
  constexpr int kThreads = 4, kFirstYear = 1950, kYears = 12;
  std::vector<std::map<int, std::string>> seen(kThreads);
  std::latch start(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      start.arrive_and_wait();
      // Each thread starts on another year, so that first uses collide.
      for (int i = 0; i < kYears; ++i) {
        const int year = kFirstYear + (i + t * 5) % kYears;
        seen[t][year] = DescribeYear(year);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int year = kFirstYear; year < kFirstYear + kYears; ++year) {
    const std::string warm = DescribeYear(year);
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(seen[t][year], warm) << "thread " << t << ", " << year;
  }
}

}  // namespace
}  // namespace tavrin
