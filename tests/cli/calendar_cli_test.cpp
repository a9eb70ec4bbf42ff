// lunar, solar and terms through the command line: output formats, the whole
// range against the reference, and the exit codes of bad input.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/run_cli.hpp"
#include "support/utf8.hpp"

namespace tavrin::test {
namespace {

std::string ReadReference(const char* name) {
  std::ifstream file(std::string(TAVRIN_CALENDAR_REFERENCE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

TEST(CalendarCli, LunarPrintsEveryDayOfTheRangeAsTheReferenceDoes) {
  const CliRun one = RunCli({"lunar", "2010-02-04"});
  EXPECT_EQ(one.status, 0);
  EXPECT_EQ(one.out, Utf8(u8"2010-02-04\t2009\t12\t21\t0\t己丑 丁丑 乙酉 丙子\t己丑 丁丑 乙酉 己卯\t"
                          u8"庚寅 戊寅 乙酉 壬午\t庚寅 戊寅 丙戌 戊子\n"));
  const CliRun all = RunCli({"lunar", "1930-01-01", "2030-12-31"});
  EXPECT_EQ(all.status, 0);
  EXPECT_TRUE(all.out == ReadReference("days.tsv")) << "the output differs from days.tsv";
  EXPECT_EQ(all.err, "");
}

TEST(CalendarCli, SolarConvertsLunarDates) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"solar", "2009-05-01", "--leap"}, "2009-06-23\n"},
      {{"solar", "2009-05-01"}, "2009-05-24\n"},
      {{"solar", "2010-05-01", "--leap"}, "2010-06-12\n"},  // no leap month that year: ignored
      {{"solar", "2010-01-30"}, "2010-03-15\n"},
  };
  for (const auto& [arguments, out] : cases) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 0) << arguments[1];
    EXPECT_EQ(run.out, out) << arguments[1];
  }
}

TEST(CalendarCli, TermsListsTwentyFourLinesAYear) {
  const CliRun run = RunCli({"terms", "2010", "2011"});
  EXPECT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) ++count;
  EXPECT_EQ(count, 48);
  // 立春 2010 is 06:47:51 by the reference; the hour and minute are beyond doubt.
  EXPECT_EQ(run.out.rfind(Utf8(u8"2010\t1\t立春\t2010-02-04 06:47:"), 0), 0u) << run.out.substr(0, 40);
  EXPECT_NE(run.out.find(Utf8(u8"2011\t24\t大寒\t2011-01-20 ")), std::string::npos);
}

TEST(CalendarCli, BadDatesExitWithOneLineNamingThem) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string named;  // the part of the message that names the argument
  } cases[] = {
      {{"lunar", "2010-2-4"}, 2, "'2010-2-4' is not a date"},
      {{"lunar", "2001-02-29"}, 1, "2001-02-29 does not exist"},
      {{"lunar", "1929-12-31"}, 1, "1929-12-31 is outside the years 1930-2030"},
      {{"lunar", "2010-02-05", "2010-02-04"}, 1, "DATE2 2010-02-04 is before"},
      {{"lunar", "2010-02-04", "2031-01-01"}, 1, "2031-01-01 is outside"},
      {{"lunar"}, 2, "wrong number of arguments"},
      {{"solar", "2030-12-30"}, 1, "lunar 2030-12-30 does not exist"},
      {{"solar", "2010-13-01"}, 2, "'2010-13-01' is not a lunar date"},
      {{"solar", "2031-01-01"}, 1, "lunar year 2031"},
      {{"solar", "2010-01-01", "--leep"}, 2, "unknown option '--leep'"},
      {{"terms", "1929"}, 1, "year 1929 is outside"},
      {{"terms", "20x0"}, 2, "'20x0' is not a year"},
      {{"terms", "2011", "2010"}, 1, "YEAR2 2010 is before"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.named;
    EXPECT_EQ(run.out, "") << c.named;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
}  // namespace tavrin::test
