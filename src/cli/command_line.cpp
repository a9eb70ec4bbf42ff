#include "cli/command_line.hpp"

#include <algorithm>
#include <string>

#include "app/product.hpp"
#include "cli/terminal.hpp"

namespace tavrin::cli {
namespace {

std::string Overview() {
  std::string text = "Usage: tavrin-cli COMMAND [ARGUMENTS]\n\n";
  text += "The computations of the naming and birth-chart application, for scripts and long lists.\n";
  text += "Arguments and output are UTF-8; one record per line, fields separated by a TAB.\n\n";
  if (!AllCommands().empty()) text += "Commands:\n";
  // One column for the synopses, as wide as the longest.
  std::size_t width = std::string_view("--version").size();
  for (const Command& command : AllCommands()) width = std::max(width, command.synopsis.size());
  auto row = [width](std::string_view left, std::string_view right) {
    std::string line = "  " + std::string(left);
    line.resize(width + 4, ' ');
    return line + std::string(right) + "\n";
  };
  for (const Command& command : AllCommands()) text += row(command.synopsis, command.summary);
  text += "\nOptions:\n";
  text += row("--help", "this text; COMMAND --help for one command");
  text += row("--version", "the product's name and version");
  text += "\nSee tavrin-cli help COMMAND for a command's arguments and an example.\n";
  text += "Exit status: 0 success, 1 an input that cannot be answered, 2 a usage error.\n";
  return text;
}

std::string CommandHelp(const Command& command) {
  return "Usage: tavrin-cli " + std::string(command.synopsis) + "\n\n" + std::string(command.details);
}

bool WantsHelp(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return true;
  }
  return false;
}

}  // namespace

const Command* FindCommand(std::string_view name) {
  for (const Command& command : AllCommands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

int Fail(int status, std::string_view message) {
  PrintError("tavrin-cli: " + std::string(message) + "\n");
  return status;
}

bool ParseArguments(const Command& command, const std::vector<std::string>& arguments,
                    const ArgumentSpec& rules, Arguments& parsed) {
  const std::string name(command.name);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.size() > 1 && argument[0] == '-') {
      if (rules.flags.count(argument)) {
        parsed.flags.insert(argument);
      } else if (rules.valued.count(argument)) {
        if (i + 1 == arguments.size()) {
          Fail(kUsageError, name + ": option " + argument + " expects a value");
          return false;
        }
        parsed.values[argument] = arguments[++i];
      } else {
        Fail(kUsageError, name + ": unknown option '" + argument + "' (see tavrin-cli help " + name + ")");
        return false;
      }
    } else {
      parsed.positional.push_back(argument);
    }
  }
  const std::size_t count = parsed.positional.size();
  if (count < rules.min_positional || count > rules.max_positional) {
    Fail(kUsageError,
         name + ": wrong number of arguments; usage: tavrin-cli " + std::string(command.synopsis));
    return false;
  }
  return true;
}

int Main(const std::vector<std::string>& arguments) {
  if (arguments.empty()) {
    PrintError(Overview());
    return kUsageError;
  }
  const std::string& first = arguments[0];
  if (first == "--help" || first == "-h") {
    PrintOut(Overview());
    return kSuccess;
  }
  if (first == "--version") {
    PrintOut(std::string(ProductName) + " " + std::string(ProductVersion) + "\n");
    return kSuccess;
  }
  if (first == "help") {
    if (arguments.size() == 1) {
      PrintOut(Overview());
      return kSuccess;
    }
    const Command* command = FindCommand(arguments[1]);
    if (command == nullptr || arguments.size() > 2) {
      return Fail(kUsageError, "help: unknown command '" + arguments[1] + "' (see tavrin-cli --help)");
    }
    PrintOut(CommandHelp(*command));
    return kSuccess;
  }
  const Command* command = FindCommand(first);
  if (command == nullptr) {
    return Fail(kUsageError, "unknown command '" + first + "' (see tavrin-cli --help)");
  }
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  if (WantsHelp(rest)) {
    PrintOut(CommandHelp(*command));
    return kSuccess;
  }
  return command->run(rest);
}

}  // namespace tavrin::cli
