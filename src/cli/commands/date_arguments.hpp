#pragma once
// Dates and birth moments as the calendar commands take them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.hpp"
#include "text/date_time.hpp"

namespace tavrin::cli {

// Reads exactly YYYY-MM-DD into three numbers; says nothing about existence.
bool ReadDateArgument(std::string_view text, int& year, int& month, int& day);

// The arguments of a birth page command: DATE H [--lunar] [--leap] [--out DIR].
struct BirthArguments {
  DateTime moment;      // the birth, as the window would assemble it
  std::string out_dir;  // with a final "/", or empty without --out
};
// Parses and checks them, assembling the moment through the window's own rules
// and refusing, as the window does, a moment that the pages cannot analyse. On
// failure prints the one error line and sets `status`.
bool ReadBirthArguments(const Command& command, const std::vector<std::string>& arguments,
                        BirthArguments& birth, int& status);

}  // namespace tavrin::cli
