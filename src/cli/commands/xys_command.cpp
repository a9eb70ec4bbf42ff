// tavrin-cli xys DATE H: the favourable-element analysis of a birth moment.
#include <string>

#include "calendar/birth_moment.hpp"
#include "calendar/favourable_page.hpp"
#include "cli/commands/commands.hpp"
#include "cli/commands/date_arguments.hpp"
#include "cli/terminal.hpp"
#include "text/search.hpp"

namespace tavrin::cli {
namespace {

int RunXys(const std::vector<std::string>& arguments) {
  BirthArguments birth;
  int status = kSuccess;
  if (!ReadBirthArguments(kXysCommand, arguments, birth, status)) return status;
  const std::optional<FavourablePage> page = BuildFavourablePage(birth.moment);
  if (!page) return Fail(kInputError, "xys: " + std::string(kMomentMissingMessage));
  if (!birth.out_dir.empty()) WriteFavourablePage(*page, birth.out_dir);

  const Pillars& p = page->pillars;
  std::string out = p.year + "\t" + p.month + "\t" + p.day + "\t" + p.hour + "\n";
  for (const auto* row : {&page->elements, &page->nayin}) {
    out += (*row)[0] + "\t" + (*row)[1] + "\t" + (*row)[2] + "\t" + (*row)[3] + "\n";
  }
  // The analysis without its markup: the break between its two halves becomes
  // a line end, the red sentence plain text.
  GbkText text = ReplaceAll(page->analysis_text, "<br><br>", "\n");
  text = ReplaceAll(ReplaceAll(text, "<font color=red>", ""), "</font>", "");
  out += text + "\n" + page->analysis.favourable + "\n";
  PrintOut(out);
  return kSuccess;
}

}  // namespace

const Command kXysCommand = {
    "xys",
    "xys DATE H [--lunar] [--leap] [--out DIR]",
    "the favourable-element analysis of a birth moment",
    "Prints the favourable-element analysis of the birth at hour H of DATE: a line of\n"
    "the four pillars, a line of their elements and a line of their nayin (a field\n"
    "each), the analysis text without markup in two lines, and last the favourable\n"
    "element alone. DATE is YYYY-MM-DD in the years 1930-2030 and H the hour 0-23;\n"
    "with --lunar, DATE is a lunar year-month-day (month 1-12, day 1-30) and --leap\n"
    "asks for that year's leap month of that number. --out DIR also writes the page\n"
    "xys.htm (GBK) into the existing directory DIR.\n"
    "\n"
    "Example:\n"
    "  tavrin-cli xys 2010-02-10 12\n"
    "  庚寅\t戊寅\t辛卯\t甲午\n"
    "  ...\n",
    RunXys,
};

}  // namespace tavrin::cli
