#pragma once
// The commands of tavrin-cli, one definition per file in this folder.
#include "cli/command_line.hpp"

namespace tavrin::cli {

extern const Command kCharCommand;
extern const Command kGridsCommand;
extern const Command kNameCommand;
extern const Command kScoreCommand;
extern const Command kLunarCommand;
extern const Command kSolarCommand;
extern const Command kTermsCommand;
extern const Command kChartCommand;
extern const Command kXysCommand;
extern const Command kJieqiCommand;

}  // namespace tavrin::cli
