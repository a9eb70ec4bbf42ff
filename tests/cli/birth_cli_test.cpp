// chart, xys and jieqi through the command line: what they print, the pages
// they write, and how they refuse a moment.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/run_cli.hpp"
#include "support/utf8.hpp"

namespace tavrin::test {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(BirthCli, ChartPrintsTheChartLines) {
  const CliRun run = RunCli({"chart", "2010-02-10", "12"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            Utf8(u8"公历：2010年2月10日12时(星期三)\n农历：庚寅年腊月廿七日午时\n"
                 u8"春节：2月14日 / 立春：2月4日6时\n天运五行：木 / 庚寅辛卯松柏木\n"
                 u8"纳音：松柏木 城头土 松柏木 沙中金\n八字：庚寅 戊寅 辛卯 甲午\n"
                 u8"五行：金木 土木 金木 木火 (五行缺水)\n生肖：虎 / 本命佛：虚空藏菩萨 / 喜用神：土\n"));
  EXPECT_EQ(run.err, "");
}

TEST(BirthCli, LunarDatesGiveTheSameMomentAsTheirSolarDay) {
  // Lunar 1990 闰五 初十 is 2 July 1990; without --leap it is the ordinary 五月.
  for (const char* command : {"chart", "xys", "jieqi"}) {
    const CliRun lunar = RunCli({command, "1990-05-10", "0", "--lunar", "--leap"});
    EXPECT_EQ(lunar.status, 0) << command;
    EXPECT_EQ(lunar.out, RunCli({command, "1990-07-02", "0"}).out) << command;
  }
  EXPECT_EQ(Lines(RunCli({"chart", "1990-05-10", "0", "--lunar"}).out).at(0),
            Utf8(u8"公历：1990年6月2日0时(星期六)"));
}

TEST(BirthCli, XysEndsWithTheFavourableElementAlone) {
  const std::vector<std::string> lines = Lines(RunCli({"xys", "1990-07-02", "0"}).out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], Utf8(u8"庚午\t壬午\t戊辰\t壬子"));
  EXPECT_EQ(lines[1], Utf8(u8"金火\t水火\t土土\t水水"));
  EXPECT_EQ(lines[2], Utf8(u8"路旁土\t杨柳木\t大林木\t桑怀木"));
  EXPECT_EQ(
      lines[3],
      Utf8(u8"五行统计：0木，2火，2土，1金，3水。五行缺木；日主天干为土；同类为：土火；异类为：木水金。"));
  EXPECT_EQ(
      lines[4],
      Utf8(u8"〖同类得分〗：土1.8，火2.4，共计4.2分；〖异类得分〗：木0.3，水3.2，金1，共计4.5分；"
           u8"〖差值〗：-0.3分；〖综合旺衰得分〗：-0.3分，「八字基本平衡」；〖八字喜用神〗：八字基本平衡，"
           u8"八字喜「土」，「土」就是此八字的「喜用神」，起名时建议带五行属性为土的汉字。"));
  EXPECT_EQ(lines[5], Utf8(u8"土"));
}

TEST(BirthCli, JieqiMarksExactlyOneTerm) {
  const std::vector<std::string> lines = Lines(RunCli({"jieqi", "2010-02-04", "6"}).out);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], Utf8(u8"小寒\t1月5日19时\t"));
  EXPECT_EQ(lines[2], Utf8(u8"立春\t2月4日6时\t*"));
  EXPECT_EQ(lines[23], Utf8(u8"冬至\t12月22日7时\t"));
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.ends_with("*"); }),
            1);
}

TEST(BirthCli, OutWritesThePagesTheApplicationWrites) {
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("tavrin-birth-cli-" + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  for (const char* command : {"chart", "xys", "jieqi"}) {
    EXPECT_EQ(RunCli({command, "2010-02-10", "12", "--out", directory.string()}).status, 0) << command;
  }
  const std::string golden = std::string(TAVRIN_SOURCE_DIR) + "/tests/data/birth_pages/";
  EXPECT_TRUE(ReadFile(directory / Utf8(u8"生辰八字.htm")) == ReadFile(golden + "chart-2010-02-10-12.htm"));
  EXPECT_TRUE(ReadFile(directory / "xys.htm") == ReadFile(golden + "xys-2010-02-10-12.htm"));
  EXPECT_TRUE(ReadFile(directory / "jieqi.htm") == ReadFile(golden + "jieqi-2010-02-10-12.htm"));
  EXPECT_TRUE(std::filesystem::exists(directory / "ok.htm"));
  EXPECT_EQ(std::filesystem::file_size(directory / "ok.htm"), 0u);
  std::filesystem::remove_all(directory);
}

TEST(BirthCli, RefusedMomentsAndBadArguments) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string named;  // the part of the message that names the problem
  } cases[] = {
      {{"chart", "2001-02-29", "0"}, 1, Utf8(u8"2001-02-29: 所选时间不存在")},
      {{"xys", "2010-04-31", "0"}, 1, Utf8(u8"2010-04-31: 所选时间不存在")},
      {{"jieqi", "2010-02-30", "0", "--lunar"}, 1, Utf8(u8"lunar 2010-02-30: 您所选的农历时间不存在!")},
      {{"chart", "2030-12-20", "0", "--lunar"}, 1, "falls on 2031-01-13, outside the years 1930-2030"},
      {{"chart", "1929-12-31", "0"}, 1, "1929-12-31 is outside the years 1930-2030"},
      {{"chart", "2010-02-10", "0", "--out", "/nonexistent-tavrin"}, 1, "is not an existing directory"},
      {{"chart", "2010-2-10", "0"}, 2, "'2010-2-10' is not a date"},
      {{"xys", "2010-13-01", "0", "--lunar"}, 2, "'2010-13-01' is not a lunar date"},
      {{"jieqi", "2010-02-10", "24"}, 2, "'24' is not an hour"},
      {{"jieqi", "2010-02-10", "6", "--leap"}, 2, "--leap marks a lunar month and needs --lunar"},
      {{"chart", "2010-02-10"}, 2, "wrong number of arguments"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments[1];
    EXPECT_EQ(run.out, "") << c.arguments[1];
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
}  // namespace tavrin::test
