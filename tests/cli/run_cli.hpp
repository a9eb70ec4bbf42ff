#pragma once
// Runs the built tavrin-cli as a separate process and captures what it says.
#include <string>
#include <vector>

namespace tavrin::test {

struct CliRun {
  int status = -1;
  std::string out, err;  // UTF-8, as the terminal sees them
};

CliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "");

}  // namespace tavrin::test
