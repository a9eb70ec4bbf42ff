// The calendar against an independent implementation over its whole range (see
// tests/data/calendar/README.md): every day's lunar date and pillars exactly,
// every term moment within ten seconds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "calendar/chinese_calendar.hpp"
#include "text/encoding.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// A reference file as GBK, so that its pillars compare with the calendar's.
GbkText ReadReference(const char* name) {
  std::ifstream file(std::string(TAVRIN_CALENDAR_REFERENCE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  ConversionResult gbk = Utf8ToGbk(content.str());
  EXPECT_TRUE(gbk.ok()) << name;
  return std::move(gbk.text);
}

int ReadField(std::string_view text, std::size_t at, std::size_t length) {
  return ReadNumber(text.substr(at, length));
}

// One line of `tavrin-cli lunar`, built from the core.
GbkText DayLine(DateTime date) {
  LunarDate lunar;
  if (!SolarToLunar(date, lunar)) return "no lunar date";
  char head[64];
  std::snprintf(head, sizeof head, "%04d-%02d-%02d\t%d\t%d\t%d\t%d", date.year, date.month, date.day,
                lunar.year, lunar.month, lunar.day, lunar.leap ? 1 : 0);
  GbkText line = head;
  for (int hour : {0, 6, 12, 23}) {
    date.hour = hour;
    Pillars pillars;
    if (!FourPillars(date, pillars)) return "no pillars";
    line += "\t" + pillars.year + " " + pillars.month + " " + pillars.day + " " + pillars.hour;
  }
  return line;
}

TEST(CalendarReference, EveryDayHasTheSameLunarDateAndPillars) {
  const GbkText days = ReadReference("days.tsv");
  const std::vector<std::string_view> lines = SplitText(days, "\n");
  ASSERT_EQ(lines.size(), 36890u);
  int differing = 0;
  for (std::string_view expected : lines) {
    const DateTime date{ReadField(expected, 0, 4), ReadField(expected, 5, 2), ReadField(expected, 8, 2)};
    const GbkText actual = DayLine(date);
    if (actual != expected && ++differing <= 10) {
      ADD_FAILURE() << "expected " << GbkToUtf8(expected).text << "\n     got " << GbkToUtf8(actual).text;
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST(CalendarReference, EveryTermMomentWithinTenSeconds) {
  const GbkText terms = ReadReference("terms.tsv");
  const std::vector<std::string_view> lines = SplitText(terms, "\n");
  ASSERT_EQ(lines.size(), 2424u);
  double largest = 0;
  for (std::string_view line : lines) {
    const std::vector<std::string_view> fields = SplitText(line, "\t");
    ASSERT_EQ(fields.size(), 4u);
    const int year = ReadNumber(fields[0]), number = ReadNumber(fields[1]);
    const std::string_view when = fields[3];
    const DateTime expected{ReadField(when, 0, 4),  ReadField(when, 5, 2),  ReadField(when, 8, 2),
                            ReadField(when, 11, 2), ReadField(when, 14, 2), ReadField(when, 17, 2)};
    EXPECT_EQ(SolarTermName(number), fields[2]);
    const double seconds =
        std::fabs(SerialDays(SolarTermMoment(year, number)) - SerialDays(expected)) * 86400;
    EXPECT_LE(seconds, 10.0) << year << " term " << number;
    largest = std::max(largest, seconds);
  }
  RecordProperty("largest_difference_seconds", std::to_string(largest));
}

}  // namespace
}  // namespace tavrin
