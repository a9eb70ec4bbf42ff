#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/run_cli.hpp"
#include "support/utf8.hpp"
#include "text/encoding.hpp"

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

TEST(CliChar, OneLinePerCharacter) {
  const CliRun run = RunCli({"char", Utf8(u8"泽轩钟和嗯")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Utf8(u8"泽\t澤\t17\t水\tzé\n"
                          u8"轩\t軒\t10\t土\txuān\n"
                          u8"钟\t鍾\t17\t金\tzhōng\n"
                          u8"和\t和\t8\t水\thé,hè,hú,huó,huò\n"
                          u8"嗯\t嗯\t13\t未\tn2,n3,n4,ng2,ng3,ng4\n"));
  const CliRun outside_gbk = RunCli({"char", Utf8(u8"한")});
  EXPECT_EQ(outside_gbk.status, 1);
  EXPECT_EQ(outside_gbk.out, "");
  EXPECT_EQ(RunCli({"char"}).status, 2);
}

TEST(CliGrids, PrintsTheFiguresAfterCleaning) {
  const std::string expected = Utf8(u8"5\t7\t11\t15\t9\t土金木\t凶\t吉\t91\n");
  EXPECT_EQ(RunCli({"grids", Utf8(u8"王"), Utf8(u8"小明")}).out, expected);
  EXPECT_EQ(RunCli({"grids", Utf8(u8" 王"), Utf8(u8"小 明7x")}).out, expected);
  const CliRun latin = RunCli({"grids", "Wang", Utf8(u8"明")});
  EXPECT_EQ(latin.status, 1);
  EXPECT_EQ(latin.out, "");
  EXPECT_NE(latin.err.find("SURNAME"), std::string::npos);
  EXPECT_EQ(RunCli({"grids", Utf8(u8"王")}).status, 2);
  EXPECT_EQ(RunCli({"grids", Utf8(u8"王"), Utf8(u8"明"), "--bogus"}).status, 2);
}

TEST(CliScore, ScoresNamesFromStandardInputOrAFile) {
  const std::string input = Utf8(u8"王小明 陈浩\n\n王 李思源 欧阳小明明\r\n王明");
  const std::string expected = Utf8(u8"王小明\t91\n陈浩\t68\n李思源\t94\n王明\t48.5\n");
  EXPECT_EQ(RunCli({"score"}, input).out, expected);
  EXPECT_EQ(RunCli({"score", "-"}, input).out, expected);
  EXPECT_EQ(RunCli({"score", "--sort"}, input).out, Utf8(u8"李思源\t94\n王小明\t91\n陈浩\t68\n王明\t48.5\n"));

  const CliRun missing = RunCli({"score", "/nonexistent/names.txt"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("/nonexistent/names.txt"), std::string::npos);
  const CliRun outside_gbk = RunCli({"score"}, Utf8(u8"王小明\n李한"));
  EXPECT_EQ(outside_gbk.status, 1);
  EXPECT_EQ(outside_gbk.out, "");
  EXPECT_NE(outside_gbk.err.find("line 2"), std::string::npos);
  EXPECT_EQ(RunCli({"score", "a", "b"}).status, 2);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

// The stored report of 王小明 (UTF-8), read by eye once; see the core's name report test.
std::string StoredReport(const std::string& file) {
  return ReadFile(TAVRIN_SOURCE_DIR "/tests/data/name_report/" + file);
}

TEST(CliName, PrintsTheTextReportAndWritesTheThreeFilesInGbk) {
  std::string expected_out = StoredReport("NamePf.txt");
  for (std::size_t at; (at = expected_out.find("\r\n")) != std::string::npos;) expected_out.erase(at, 1);
  const CliRun run = RunCli({"name", Utf8(u8"王"), Utf8(u8"小明")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.out == expected_out) << run.out;

  char directory_template[] = "/tmp/tavrin-cli-name-XXXXXX";
  const std::string directory = mkdtemp(directory_template);
  const CliRun written = RunCli({"name", Utf8(u8"王"), Utf8(u8"小明"), "--out", directory});
  EXPECT_EQ(written.status, 0);
  EXPECT_EQ(written.out, run.out);
  // The command line has no announcement, so both pages are the plain one.
  const std::string page = Utf8ToGbk(StoredReport("NamePf2011.htm")).text;
  EXPECT_TRUE(ReadFile(directory + "/NamePf.htm") == page);
  EXPECT_TRUE(ReadFile(directory + "/NamePf2011.htm") == page);
  EXPECT_TRUE(ReadFile(directory + "/NamePf.txt") == Utf8ToGbk(StoredReport("NamePf.txt")).text);
  std::filesystem::remove_all(directory);
}

TEST(CliName, RefusesWhatCannotBeReported) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string error_names;
  } cases[] = {
      {{"name", Utf8(u8" 　"), "x"}, 1, Utf8(u8"请输入宝宝姓氏")},
      {{"name", Utf8(u8"王"), " "}, 1, Utf8(u8"请输入宝宝名字")},
      {{"name", "Wang", Utf8(u8"明")}, 1, "SURNAME"},
      {{"name", Utf8(u8"王"), "Ming"}, 1, "GIVEN"},
      {{"name", Utf8(u8"한"), Utf8(u8"明")}, 1, "SURNAME"},
      {{"name", Utf8(u8"王"), Utf8(u8"明"), "--out", "/nonexistent/tavrin"}, 1, "/nonexistent/tavrin"},
      {{"name", Utf8(u8"王"), Utf8(u8"明"), "--out"}, 2, "--out"},
      {{"name", Utf8(u8"王")}, 2, "name SURNAME GIVEN"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments[1];
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.error_names), std::string::npos) << run.err;
  }
}

TEST(CliHelp, EveryCommandHasHelpWithAnExample) {
  for (const char* command : {"char", "grids", "name", "score", "lunar", "solar", "terms"}) {
    const CliRun run = RunCli({"help", command});
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_NE(run.out.find("Example:"), std::string::npos) << command;
    EXPECT_EQ(RunCli({command, "--help"}).out, run.out) << command;
  }
}

}  // namespace
}  // namespace tavrin::test
