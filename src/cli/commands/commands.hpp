#pragma once
// The commands of tavrin-cli, one definition per file in this folder.
#include "cli/command_line.hpp"

namespace tavrin::cli {

extern const Command kCharCommand;
extern const Command kGridsCommand;
extern const Command kNameCommand;

}  // namespace tavrin::cli
