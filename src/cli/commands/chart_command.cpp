// tavrin-cli chart DATE H: the four-pillar chart of a birth moment.
#include <string>

#include "app/announcement.hpp"
#include "calendar/birth_moment.hpp"
#include "calendar/four_pillar_chart.hpp"
#include "cli/commands/commands.hpp"
#include "cli/commands/date_arguments.hpp"
#include "cli/terminal.hpp"

namespace tavrin::cli {
namespace {

int RunChart(const std::vector<std::string>& arguments) {
  BirthArguments birth;
  int status = kSuccess;
  if (!ReadBirthArguments(kChartCommand, arguments, birth, status)) return status;
  const std::optional<FourPillarChart> chart = BuildFourPillarChart(birth.moment, AnnouncementText());
  if (!chart) return Fail(kInputError, "chart: " + std::string(kMomentMissingMessage));
  if (!birth.out_dir.empty()) WriteFourPillarPage(*chart, birth.out_dir);
  std::string out;
  for (const GbkText& line : chart->lines) out += line + "\n";
  PrintOut(out);
  return kSuccess;
}

}  // namespace

const Command kChartCommand = {
    "chart",
    "chart DATE H [--lunar] [--leap] [--out DIR]",
    "the four-pillar chart of a birth moment",
    "Prints the four-pillar chart of the birth at hour H of DATE, one chart line per\n"
    "output line: the moment in both calendars, the Spring Festival and 立春 of the\n"
    "year, the nayin, the pillars and their elements, the animal with its patron\n"
    "Buddha and the favourable element. DATE is YYYY-MM-DD in the years 1930-2030\n"
    "and H the hour 0-23; with --lunar, DATE is a lunar year-month-day (month 1-12,\n"
    "day 1-30) and --leap asks for that year's leap month of that number.\n"
    "--out DIR also writes the page 生辰八字.htm (GBK) into the existing directory DIR.\n"
    "A moment that does not exist is refused with the application's message.\n"
    "\n"
    "Example:\n"
    "  tavrin-cli chart 2010-02-10 12\n"
    "  公历：2010年2月10日12时(星期三)\n"
    "  农历：庚寅年腊月廿七日午时\n"
    "  ...\n",
    RunChart,
};

}  // namespace tavrin::cli
