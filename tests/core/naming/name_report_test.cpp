// The name report: its two templates, the three files of a name test, and the
// decisions around them (which message, which name is scored, what is written).
#include "naming/name_report.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>
#include <vector>

#include <unistd.h>

#include "app/announcement.hpp"
#include "app/file_output.hpp"
#include "app/site.hpp"
#include "tavrin/data/tables.hpp"
#include "text/encoding.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFiles[] = {kNamePageFile, kNamePlainPageFile, kNameTextFile};

// The lines of a text, each without its CR LF.
std::vector<std::string_view> Lines(std::string_view text) { return SplitText(text, "\r\n"); }

// Every distinct "{/key}" in a template.
std::set<std::string> Placeholders(std::string_view text) {
  std::set<std::string> found;
  for (int at = FindText(text, "{/"); at > 0; at = FindText(text, "{/", CaseRule::Exact, at + 1)) {
    const std::string_view rest = text.substr(static_cast<std::size_t>(at - 1));
    found.emplace(rest.substr(0, rest.find('}') + 1));
  }
  return found;
}

class NameReport : public testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() / ("tavrin-name-report-" + std::to_string(getpid()));
    fs::create_directories(directory_);
  }
  void TearDown() override {
    SetAnnouncementText("");
    fs::remove_all(directory_);
  }
  std::string Dir() const { return directory_.string(); }
  std::string Path(std::string_view name) const { return PathInDirectory(Dir(), name); }
  // The file's bytes, or "<absent>".
  std::string Read(std::string_view name) const {
    std::string bytes = "<absent>";
    ReadWholeFile(Path(name), bytes);
    return bytes;
  }
  fs::path directory_;
};

// The three files of one name, read by eye once: tests/data/name_report holds
// them in UTF-8, with an announcement shown in NamePf.htm.
TEST_F(NameReport, GoldenFilesOfOneName) {
  if (SiteIsOnline()) GTEST_SKIP() << "the stored files name the offline product";
  SetAnnouncementText("新版已经发布，欢迎更新。");
  const NameTestOutcome outcome = RunNameTest("王", "小明", Dir());
  EXPECT_EQ(outcome.message, "");
  EXPECT_EQ(outcome.focus, NameBox::Surname);
  EXPECT_EQ(outcome.page_path, Path("NamePf.htm"));
  for (std::string_view file : kFiles) {
    std::string golden;
    ASSERT_TRUE(ReadWholeFile(TAVRIN_SOURCE_DIR "/tests/data/name_report/" + std::string(file), golden));
    const ConversionResult expected = Utf8ToGbk(golden);
    ASSERT_TRUE(expected.ok()) << file;
    EXPECT_TRUE(Read(file) == expected.text) << file << " differs from its stored copy";
  }
}

TEST_F(NameReport, ABoxOfBlanksAsksForItsNameAndWritesNothing) {
  const struct {
    const char* surname;
    const char* given;
    std::string_view message;
    NameBox focus;
  } cases[] = {
      {"", "明", kAskForSurname, NameBox::Surname},
      {" 　 ", "", kAskForSurname, NameBox::Surname},  // the given name is not looked at
      {"王", "　 　", kAskForGiven, NameBox::Given},
      {"王", "", kAskForGiven, NameBox::Given},
  };
  for (const auto& c : cases) {
    const NameTestOutcome outcome = RunNameTest(c.surname, c.given, Dir());
    EXPECT_EQ(outcome.message, c.message) << c.surname << "/" << c.given;
    EXPECT_EQ(outcome.focus, c.focus) << c.surname << "/" << c.given;
    EXPECT_EQ(outcome.page_path, "");
  }
  EXPECT_TRUE(fs::is_empty(directory_));
}

TEST_F(NameReport, ScoresTheCleanedAndCutName) {
  const struct {
    const char* surname;
    const char* given;
    const char* clean_surname;
    const char* clean_given;
  } cases[] = {
      {" 　王 ", "　小 明　 ", "王", "小明"},  // ASCII and full-width blanks before, between, after
      {"王", "小明12abXY", "王", "小明"},      // digits and Latin letters of either case
      {"王", "小明明亮", "王", "小明明"},      // four given characters: the first three
      {"欧阳", "修", "欧阳", "修"},            // two surname characters, one given
  };
  for (const auto& c : cases) {
    GbkText surname = c.surname, given = c.given;
    const GbkText page = BuildNameReport(surname, given, Dir());
    EXPECT_EQ(surname, c.clean_surname);
    EXPECT_EQ(given, c.clean_given);
    const CleanedName clean = CleanName(c.clean_surname, c.clean_given);
    // Without an announcement the shown page is the plain one.
    EXPECT_EQ(page, Read(kNamePlainPageFile)) << c.clean_given;
    GbkText filled = FillNameReportPage(clean);
    EXPECT_EQ(page, filled.erase(filled.find(kAnnouncementMarker), kAnnouncementMarker.size()));
    const std::string text = Read(kNameTextFile);
    EXPECT_EQ(text, FillNameTextReport(clean));
    EXPECT_EQ(Lines(text)[3], "姓名：" + GbkText(c.clean_surname) + c.clean_given);
  }
  // Slots 3 and 4 of 欧阳修 are empty in the text and in the page's character rows.
  EXPECT_EQ(Lines(Read(kNameTextFile))[4],
            "繁体：歐陽修 拼音：ōu yáng xiū   康熙笔划：15 17 10   字意五行：土土金");
  const std::string page = Read(kNamePlainPageFile);
  int empty_rows = 0;
  for (std::string_view rest = page; FindText(rest, "<td class=\"fontcolor1\"></td>") > 0; ++empty_rows) {
    rest = TextAfter(rest, "<td class=\"fontcolor1\"></td>");
  }
  EXPECT_EQ(empty_rows, 2);
}

TEST_F(NameReport, ANameThatCleaningEmptiesShowsAnEmptyPageAndKeepsTheOtherFiles) {
  for (const auto& [surname, given] : {std::pair{"Wang", "明"}, std::pair{"王", "Ming 2"}}) {
    ReplaceFile(Path(kNamePageFile), "old page");
    ReplaceFile(Path(kNamePlainPageFile), "old plain page");
    ReplaceFile(Path(kNameTextFile), "old text");
    const NameTestOutcome outcome = RunNameTest(surname, given, Dir());
    EXPECT_EQ(outcome.message, "");
    EXPECT_EQ(outcome.page_path, Path(kNamePageFile));
    EXPECT_EQ(Read(kNamePageFile), "");
    EXPECT_EQ(Read(kNamePlainPageFile), "old plain page");
    EXPECT_EQ(Read(kNameTextFile), "old text");
  }
}

TEST_F(NameReport, AnUnwritableDirectoryIsIgnored) {
  const NameTestOutcome outcome = RunNameTest("王", "小明", Dir() + "/missing");
  EXPECT_EQ(outcome.message, "");
  EXPECT_EQ(outcome.page_path, Dir() + "/missing/NamePf.htm");
  EXPECT_TRUE(fs::is_empty(directory_));
}

TEST_F(NameReport, OnlyTheShownPageCarriesTheAnnouncement) {
  RunNameTest("王", "小明", Dir());
  EXPECT_EQ(Read(kNamePageFile), Read(kNamePlainPageFile));
  EXPECT_EQ(FindText(Read(kNamePageFile), "【强烈推荐】"), -1);

  SetAnnouncementText("春季新版");
  RunNameTest("王", "小明", Dir());
  const std::string block = RecommendationBlock("春季新版");
  std::string page = Read(kNamePageFile);
  const int at = FindText(page, block);
  ASSERT_GT(at, 0);
  EXPECT_EQ(page.substr(static_cast<std::size_t>(at - 1) + block.size()),
            "\r\n<br>\r\n</body>\r\n</html>\r\n");
  EXPECT_EQ(page.erase(static_cast<std::size_t>(at - 1), block.size()), Read(kNamePlainPageFile));
  EXPECT_EQ(FindText(Read(kNameTextFile), "春季新版"), -1);
}

TEST(NameVerdict, AScoreOnAnEdgeTakesTheHigherBand) {
  const char* const kPoor = "你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。";
  const char* const kWeak = "你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
  const char* const kFair =
      "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。";
  const char* const kGood = "你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
  const char* const kGreat = "你的名字取得非常棒，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。";
  const std::pair<double, const char*> cases[] = {
      {47, kPoor}, {59.5, kPoor},        {60, kWeak},   {69.5, kWeak}, {70, kFair},   {79.5, kFair},
      {80, kGood}, {79.99999999, kGood}, {89.5, kGood}, {90, kGreat},  {100, kGreat},
  };
  for (const auto& [score, sentence] : cases) EXPECT_EQ(NameVerdict(score), sentence) << score;

  // 王小 scores exactly 80 (天格 5, 人格 7, 地格 4, 总格 7, 外格 2).
  const GbkText text = FillNameTextReport(CleanName("王", "小"));
  const std::vector<std::string_view> lines = Lines(text);
  EXPECT_EQ(lines[1], "『王小』姓名五格评分：80 分");
  EXPECT_EQ(lines.end()[-4], "总评及建议：" + GbkText(kGood));
}

// Readings carry HTML line breaks; the plain text must show none of them, nor a
// coloured grade, whatever the name.
TEST(NameTextReport, HoldsNoMarkupAndEveryPlaceholderIsFilled) {
  const char* const surnames[] = {"王", "欧阳", "龚", "司马", "丁"};
  const char* const givens[] = {"小明", "修", "鑫淼", "一丁", "馨懿", "雨", "耀灏瀚", "子"};
  for (const char* surname : surnames) {
    for (const char* given : givens) {
      const CleanedName name = CleanName(surname, given);
      const GbkText text = FillNameTextReport(name), page = FillNameReportPage(name);
      for (std::string_view markup : {"<br", "</br", "<p>", "</p>", "&nbsp;", "<font", "{/"}) {
        EXPECT_EQ(FindText(text, markup, CaseRule::IgnoreAscii), -1) << surname << given << " " << markup;
      }
      EXPECT_EQ(FindText(page, "{/"), FindText(page, kAnnouncementMarker) + 4) << surname << given;
      EXPECT_GT(FindText(page, "<font color=red>"), 0);
    }
  }
}

TEST(NameTemplates, LayoutOfTheTextTemplate) {
  const std::string_view text = data::NameTextTemplate();
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  const std::vector<std::string_view> lines = Lines(text);
  ASSERT_EQ(lines.size(), 52u);
  const std::set<int> separators = {1, 3, 6, 8, 13, 18, 23, 28, 33, 38, 43, 48, 50, 52};
  const std::set<int> trailing_space = {10, 15, 20, 25, 30, 39, 40, 41, 42, 44, 45, 46, 47};
  std::string separator;
  for (int i = 0; i < 33; ++i) separator += "\xA9\xAC";  // ┈
  for (int number = 1; number <= 52; ++number) {
    const std::string_view line = lines[static_cast<std::size_t>(number - 1)];
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << number;
    if (separators.count(number)) {
      EXPECT_EQ(line, separator) << number;
    }
    EXPECT_EQ(!line.empty() && line.back() == ' ', trailing_space.count(number) == 1) << number;
  }
  EXPECT_EQ(FindText(lines[26], "{/总格评价2} 来源："), 1);
}

TEST(NameTemplates, BothHoldTheSameSixtySixPlaceholders) {
  std::set<std::string> expected;
  for (const char* slot : {"1", "1B", "2", "3", "4"}) {
    for (const char* field : {"name", "fanti", "py", "bihua", "wuxing"}) {
      expected.insert(std::string("{/") + field + slot + "}");
    }
  }
  for (const char* grid : {"天格", "人格", "地格", "总格", "外格"}) {
    for (const char* field : {"", "w", "评价1", "评价2", "凶吉"}) {
      expected.insert(std::string("{/") + grid + field + "}");
    }
    if (std::string_view(grid) != "天格") expected.insert(std::string("{/") + grid + "暗示}");
  }
  for (const char* key : {"三才评价1", "三才凶吉", "三才评价2", "基础运", "基础运凶吉", "成功运",
                          "成功运凶吉", "人际关系", "人际关系凶吉", "性格", "评分", "好不好"}) {
    expected.insert(std::string("{/") + key + "}");
  }
  ASSERT_EQ(expected.size(), 66u);
  EXPECT_EQ(Placeholders(data::NameTextTemplate()), expected);

  const std::string_view page = data::NameReportTemplate();
  std::set<std::string> in_page = Placeholders(page);
  EXPECT_EQ(in_page.erase("{/bmf}"), 1u);
  EXPECT_EQ(in_page, expected);
  EXPECT_GT(FindText(page, kAnnouncementMarker), 0);
  EXPECT_EQ(FindText(page, kAnnouncementMarker), FindLastText(page, kAnnouncementMarker));
  EXPECT_GT(FindText(page, "charset=gb2312"), 0);
  EXPECT_GT(FindText(page, "<title>名字评分</title>"), 0);
}

TEST(NameTemplates, SourceLinesNameTheProduct) {
  const CleanedName name = CleanName("王", "小明");
  const GbkText expected = SourceName();
  EXPECT_EQ(FindText(expected, "Tavrin"), 1);
  EXPECT_GT(FindText(FillNameTextReport(name), "来源：" + expected), 0);
  const GbkText page = FillNameReportPage(name);
  const int first = FindText(page, "[ 结果来源于：" + expected);
  EXPECT_GT(first, 0);
  EXPECT_GT(FindText(page, "[ 结果来源于：" + expected, CaseRule::Exact, first + 1), first);
}

}  // namespace
}  // namespace tavrin
