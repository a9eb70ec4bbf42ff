// tavrin-cli jieqi DATE H: the solar terms of a birth year and the nearest one.
#include <string>

#include "calendar/birth_moment.hpp"
#include "calendar/solar_term_page.hpp"
#include "cli/commands/commands.hpp"
#include "cli/commands/date_arguments.hpp"
#include "cli/terminal.hpp"

namespace tavrin::cli {
namespace {

int RunJieqi(const std::vector<std::string>& arguments) {
  BirthArguments birth;
  int status = kSuccess;
  if (!ReadBirthArguments(kJieqiCommand, arguments, birth, status)) return status;
  const std::optional<SolarTermPage> page = BuildSolarTermPage(birth.moment);
  if (!page) return Fail(kInputError, "jieqi: " + std::string(kMomentMissingMessage));
  if (!birth.out_dir.empty()) WriteSolarTermPage(*page, birth.out_dir);
  std::string out;
  for (const SolarTermEntry& term : page->terms) {
    out += term.name + "\t" + TermMomentText(term.moment) + "\t" + (term.star ? "*" : "") + "\n";
  }
  PrintOut(out);
  return kSuccess;
}

}  // namespace

const Command kJieqiCommand = {
    "jieqi",
    "jieqi DATE H [--lunar] [--leap] [--out DIR]",
    "the solar terms of a birth year, the nearest one marked",
    "Prints the 24 solar terms of the year of the birth at hour H of DATE in the\n"
    "page's order (小寒 first), one line each: the name, the moment the term begins\n"
    "as M月D日H时, and * in a third field on the term nearest to the birth (empty on\n"
    "the others). DATE is YYYY-MM-DD in the years 1930-2030 and H the hour 0-23;\n"
    "with --lunar, DATE is a lunar year-month-day (month 1-12, day 1-30) and --leap\n"
    "asks for that year's leap month of that number. --out DIR also writes the page\n"
    "jieqi.htm (GBK) and, when missing, the empty ok.htm into the existing directory DIR.\n"
    "\n"
    "Example:\n"
    "  tavrin-cli jieqi 2010-02-04 6\n"
    "  小寒\t1月5日19时\t\n"
    "  大寒\t1月20日12时\t\n"
    "  立春\t2月4日6时\t*\n"
    "  ...\n",
    RunJieqi,
};

}  // namespace tavrin::cli
