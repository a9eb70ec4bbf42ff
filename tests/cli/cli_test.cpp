#include <gtest/gtest.h>

#include "cli/run_cli.hpp"

namespace tavrin::test {
namespace {

TEST(Cli, VersionNamesTheProduct) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Tavrin 3.0\n");
  EXPECT_EQ(run.err, "");
}

TEST(Cli, HelpDescribesUsage) {
  const CliRun run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Usage: tavrin-cli COMMAND", 0), 0u) << run.out;
  EXPECT_EQ(RunCli({"help"}).out, run.out);
}

TEST(Cli, UsageErrorsExitTwoWithOneLineAndNoOutput) {
  const std::vector<std::vector<std::string>> cases = {
      {"frobnicate"}, {"help", "frobnicate"}, {"--frobnicate"}, {}};
  for (const auto& arguments : cases) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.err.empty());
  }
  const CliRun run = RunCli({"frobnicate"});
  EXPECT_EQ(run.err, "tavrin-cli: unknown command 'frobnicate' (see tavrin-cli --help)\n");
}

}  // namespace
}  // namespace tavrin::test
