#pragma once
// The command table and the argument conventions of tavrin-cli: exit 0 on
// success, 2 on a usage error, 1 on an input that cannot be answered; every
// error is one line on standard error naming the argument and what was expected.
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kInputError = 1;
inline constexpr int kUsageError = 2;

struct Command {
  std::string_view name;
  std::string_view synopsis;                              // "char TEXT"
  std::string_view summary;                               // one line for the overview
  std::string_view details;                               // the full help, ending with an example
  int (*run)(const std::vector<std::string>& arguments);  // arguments after the name, UTF-8
};

// Every command, in the order the overview lists them.
const std::vector<Command>& AllCommands();
const Command* FindCommand(std::string_view name);

// Arguments split into positionals and options. Flags stand alone ("--leap");
// valued options take the next argument ("--out DIR"). A lone "-" is positional.
struct Arguments {
  std::vector<std::string> positional;
  std::set<std::string> flags;
  std::map<std::string, std::string> values;
};
struct ArgumentSpec {
  std::set<std::string> flags = {};
  std::set<std::string> valued = {};
  std::size_t min_positional = 0, max_positional = 0;
};
// Parses `arguments` of `command`; on a usage error prints its one line and
// returns false.
bool ParseArguments(const Command& command, const std::vector<std::string>& arguments,
                    const ArgumentSpec& rules, Arguments& parsed);

// Prints "tavrin-cli: <message>" on standard error and returns `status`.
int Fail(int status, std::string_view message);

int Main(const std::vector<std::string>& arguments);

}  // namespace tavrin::cli
