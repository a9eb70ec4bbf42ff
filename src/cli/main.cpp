#include <string>
#include <vector>

#include "cli/command_line.hpp"

int main(int argc, char** argv) { return tavrin::cli::Main(std::vector<std::string>(argv + 1, argv + argc)); }
