#include "cli/run_cli.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tavrin::test {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace

// Standard input, output and error go through temporary files, so a large output
// can never block the child on a full pipe.
CliRun RunCli(const std::vector<std::string>& arguments, const std::string& input) {
  char directory_template[] = "/tmp/tavrin-cli-test-XXXXXX";
  const std::string directory = mkdtemp(directory_template);
  const std::string in_path = directory + "/in", out_path = directory + "/out", err_path = directory + "/err";
  std::ofstream(in_path, std::ios::binary) << input;

  CliRun run;
  const pid_t child = fork();
  if (child == 0) {
    if (!std::freopen(in_path.c_str(), "rb", stdin) || !std::freopen(out_path.c_str(), "wb", stdout) ||
        !std::freopen(err_path.c_str(), "wb", stderr)) {
      _exit(127);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(TAVRIN_CLI_PATH));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(TAVRIN_CLI_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(out_path);
  run.err = ReadFile(err_path);
  std::remove(in_path.c_str());
  std::remove(out_path.c_str());
  std::remove(err_path.c_str());
  rmdir(directory.c_str());
  return run;
}

}  // namespace tavrin::test
