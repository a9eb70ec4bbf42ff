// The commands of tavrin-cli, in the order the overview lists them. Each lives
// in its own file under commands/ beside the part of the core it fronts.
#include "cli/commands/commands.hpp"

namespace tavrin::cli {

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {kCharCommand,  kGridsCommand, kNameCommand,  kScoreCommand,
                                                kLunarCommand, kSolarCommand, kTermsCommand, kChartCommand,
                                                kXysCommand,   kJieqiCommand};
  return commands;
}

}  // namespace tavrin::cli
