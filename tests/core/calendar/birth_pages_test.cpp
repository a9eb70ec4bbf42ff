// The three birth pages: the four-pillar chart, the favourable-element page
// and the solar-term page, at their edges and whole against reviewed copies.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "app/file_output.hpp"
#include "calendar/birth_moment.hpp"
#include "calendar/favourable_page.hpp"
#include "calendar/four_pillar_chart.hpp"
#include "calendar/solar_term_page.hpp"
#include "support/utf8.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

std::vector<GbkText> ChartLines(const DateTime& birth) {
  const std::optional<FourPillarChart> chart = BuildFourPillarChart(birth, "");
  return chart ? chart->lines : std::vector<GbkText>{};
}

DateTime LunarBirth(int year, int month, int day, bool leap, int hour) {
  DateTime date;
  EXPECT_TRUE(LunarToSolar(year, month, day, leap, date));
  date.hour = hour;
  return date;
}

int Count(std::string_view text, std::string_view pattern) {
  int count = 0;
  for (int at = FindText(text, pattern); at > 0; at = FindText(text, pattern, CaseRule::Exact, at + 1))
    ++count;
  return count;
}

TEST(FourPillarChart, AfterLichunBeforeTheLunarNewYear) {
  // 立春 2010 is on 4 February, the lunar new year on the 14th: the 10th already
  // has the 庚寅 year and its tiger, while the lunar month is still 腊月.
  EXPECT_EQ(
      ChartLines({2010, 2, 10, 12}),
      (std::vector<GbkText>{
          "公历：2010年2月10日12时(星期三)", "农历：庚寅年腊月廿七日午时", "春节：2月14日 / 立春：2月4日6时",
          "天运五行：木 / 庚寅辛卯松柏木", "纳音：松柏木 城头土 松柏木 沙中金", "八字：庚寅 戊寅 辛卯 甲午",
          "五行：金木 土木 金木 木火 (五行缺水)", "生肖：虎 / 本命佛：虚空藏菩萨 / 喜用神：土"}));
  // An hour before 立春 (06:47) the old year still holds; the hour after, the new.
  const std::vector<GbkText> before = ChartLines({2010, 2, 4, 6}), after = ChartLines({2010, 2, 4, 7});
  EXPECT_EQ(before.at(1), "农历：己丑年腊月廿一日卯时");
  EXPECT_EQ(before.at(7).substr(0, 10), "生肖：牛 /");
  EXPECT_EQ(after.at(1), "农历：庚寅年腊月廿一日辰时");
  EXPECT_EQ(after.at(7).substr(0, 10), "生肖：虎 /");
}

TEST(FourPillarChart, DaysTenAndTwentyAndHourZero) {
  EXPECT_EQ(ChartLines(LunarBirth(2010, 3, 10, false, 0)).at(1), "农历：庚寅年三月初十日子时");
  EXPECT_EQ(ChartLines(LunarBirth(2010, 3, 20, false, 0)).at(1), "农历：庚寅年三月廿十日子时");
  EXPECT_EQ(ChartLines({1990, 7, 2, 0}).at(0), "公历：1990年7月2日0时(星期一)");
  EXPECT_EQ(ChartLines({1990, 7, 2, 23}).at(1), "农历：庚午年闰五月初十日子时");
}

TEST(FourPillarChart, MissingElementsOnlyWhenSomeAreMissing) {
  EXPECT_EQ(ChartLines({2000, 4, 10, 0}).at(6), "五行：金土 金土 土土 水水 (五行缺木火)");
  EXPECT_EQ(ChartLines({2000, 1, 2, 12}).at(6), "五行：土木 火水 土土 金火");
}

TEST(FourPillarChart, PageBreaksEveryLineTwiceAndCarriesTheAnnouncement) {
  const std::optional<FourPillarChart> chart = BuildFourPillarChart({2010, 2, 10, 12}, "");
  ASSERT_TRUE(chart);
  GbkText body = "<p>";
  for (const GbkText& line : chart->lines) body += line + "<br><br>";
  EXPECT_GE(FindText(chart->page, body + "</p>"), 1);
  EXPECT_GE(FindText(chart->page, "<!-公告内容-!>"), 1);
  EXPECT_EQ(FindText(chart->page, "【强烈推荐】"), -1);

  const std::optional<FourPillarChart> announced = BuildFourPillarChart({2010, 2, 10, 12}, "新版<i>发布</i>");
  ASSERT_TRUE(announced);
  EXPECT_EQ(
      announced->page,
      ReplaceAll(chart->page, "<!-公告内容-!>",
                 "<p><font color=red>【强烈推荐】</font><font color=red><b>新版<i>发布</i></b></font><p>"));
}

TEST(FavourableAnalysisText, TextOfAWholeChart) {
  const Pillars pillars = {"庚寅", "戊寅", "辛卯", "甲午"};
  const FavourableAnalysis analysis = AnalyseFavourable(pillars);
  EXPECT_EQ(analysis.day_master, "金");
  EXPECT_EQ(analysis.favourable, "土");
  EXPECT_EQ(
      FavourableAnalysisText(pillars, analysis),
      "五行统计：4木，1火，1土，2金，0水。五行缺水；日主天干为金；同类为：金土；异类为：火木水。<br><br>"
      "〖同类得分〗：金2，土1.06，共计3.06分；〖异类得分〗：火1.92，木3.88，水0，共计5.8分；"
      "〖差值〗：-2.74分；〖综合旺衰得分〗：-2.74分，「八字偏弱」；〖八字喜用神〗：八字偏弱，八字喜「土」，"
      "<font color=red>「土」就是此八字的「喜用神」</font>，起名时建议带五行属性为土的汉字。");
}

TEST(FavourableAnalysisText, MissingElementsOnlyWhenSomeAreMissing) {
  // All five present: no "五行缺" at all.
  const Pillars all = {"己卯", "丙子", "己未", "庚午"};
  EXPECT_EQ(FindText(FavourableAnalysisText(all, AnalyseFavourable(all)), "五行缺"), -1);
  // Neither 木 nor 火: listed in the order 木 火 土 金 水.
  const Pillars cold = {"庚辰", "庚辰", "戊戌", "壬子"};
  const GbkText text = FavourableAnalysisText(cold, AnalyseFavourable(cold));
  EXPECT_EQ(text.rfind("五行统计：0木，0火，4土，2金，2水。五行缺木火；日主天干为土；", 0), 0u) << text;
}

TEST(FavourableAnalysisText, DifferenceIsWrittenAsTheSumsShowIt) {
  // 3.54 − 4.1 is −0.5599999999999996 in binary; the page shows −0.56, twice.
  FavourableAnalysis analysis;
  analysis.difference = 3.54 - 4.1;
  const GbkText text = FavourableAnalysisText({"庚寅", "戊寅", "辛卯", "甲午"}, analysis);
  EXPECT_GE(FindText(text, "〖差值〗：-0.56分；〖综合旺衰得分〗：-0.56分，"), 1) << text;
}

TEST(FavourablePage, LunarCellsNameDaysAndMonthsTheirOwnWay) {
  struct Case {
    DateTime birth;
    const char* cells;  // month, day and hour cells in a row
  } cases[] = {
      {LunarBirth(2010, 3, 10, false, 0),
       "三月</td>\r\n  <td bgcolor=\"#FFFFFF\">十日</td>\r\n"
       "  <td bgcolor=\"#FFFFFF\">子时"},
      {LunarBirth(2010, 3, 20, false, 23),
       "三月</td>\r\n  <td bgcolor=\"#FFFFFF\">廿日</td>\r\n"
       "  <td bgcolor=\"#FFFFFF\">子时"},
      {LunarBirth(2010, 11, 1, false, 1),
       "十一月</td>\r\n  <td bgcolor=\"#FFFFFF\">初一日</td>\r\n"
       "  <td bgcolor=\"#FFFFFF\">丑时"},
      {LunarBirth(2017, 6, 30, true, 12),
       "闰六月</td>\r\n  <td bgcolor=\"#FFFFFF\">三十日</td>\r\n"
       "  <td bgcolor=\"#FFFFFF\">午时"},
  };
  for (const Case& c : cases) {
    const std::optional<FavourablePage> page = BuildFavourablePage(c.birth);
    ASSERT_TRUE(page);
    EXPECT_GE(FindText(page->page, c.cells), 1) << DateTimeText(c.birth);
  }
  const std::optional<FavourablePage> midnight = BuildFavourablePage({1990, 7, 2, 0});
  ASSERT_TRUE(midnight);
  EXPECT_GE(FindText(midnight->page, ">0时</td>"), 1);
}

TEST(FavourablePage, SameFavourableElementAsTheChart) {
  for (const DateTime birth : {DateTime{2010, 2, 10, 12}, DateTime{1990, 7, 2, 0}, DateTime{2000, 4, 10, 0},
                               DateTime{1930, 1, 1, 0}, DateTime{2030, 12, 31, 23}}) {
    const std::optional<FavourablePage> page = BuildFavourablePage(birth);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->analysis.favourable, BuildFourPillarChart(birth, "")->favourable);
    EXPECT_TRUE(page->page.ends_with(
        "的汉字。</td>\r\n</tr>\r\n</table>\r\n</body>\r\n</html>\r\n"));  // the analysis is the last cell
  }
}

TEST(SolarTermPage, TheStarStandsBesideTheNearestTermOnItsSide) {
  const GbkText star = "<font color=red>★</font>";
  struct Case {
    DateTime birth;
    const char* marked;
  } cases[] = {
      // 06:00 is 47 minutes before 立春: 0 hours, counted as after it.
      {{2010, 2, 4, 6}, "<a href='ok.htm?jq=立春'>立春</a>(2月4日6时)<font color=red>★</font></td>"},
      {{2010, 2, 3, 12},
       "<td bgcolor='#FFFFF4' width='25%'><font color=red>★</font><a href='ok.htm?jq=立春'>"},
      {{2010, 1, 1, 0},
       "<td bgcolor='#FFFFF4' width='25%'><font color=red>★</font><a href='ok.htm?jq=小寒'>"},
      {{2010, 12, 31, 23}, "<a href='ok.htm?jq=冬至'>冬至</a>(12月22日7时)<font color=red>★</font></td>"},
  };
  for (const Case& c : cases) {
    const std::optional<SolarTermPage> page = BuildSolarTermPage(c.birth);
    ASSERT_TRUE(page);
    EXPECT_GE(FindText(page->page, c.marked), 1) << DateTimeText(c.birth);
    EXPECT_EQ(Count(page->page, "★"), 2) << DateTimeText(c.birth);  // the table's and the birthday line's
    EXPECT_EQ(std::count_if(page->terms.begin(), page->terms.end(), [](const auto& t) { return t.star; }), 1);
  }
}

TEST(SolarTermPage, TermsInPageOrderAndTheBirthdayLine) {
  const std::optional<SolarTermPage> page = BuildSolarTermPage({2010, 2, 10, 0});
  ASSERT_TRUE(page);
  ASSERT_EQ(page->terms.size(), 24u);
  for (std::size_t p = 0; p < 24; ++p) {
    const int number = p < 2 ? static_cast<int>(p) + 23 : static_cast<int>(p) - 1;
    EXPECT_EQ(page->terms[p].name, SolarTermName(number));
    EXPECT_EQ(page->terms[p].moment, SolarTermMoment(2010, number));
  }
  EXPECT_EQ(TermMomentText(page->terms[0].moment), "1月5日19时");
  EXPECT_EQ(TermMomentText({2010, 3, 6, 0, 46, 20}), "3月6日0时");
  EXPECT_GE(FindText(page->page, "<b>2010年“二十四节气”到来具体时刻表</b>"), 1);
  EXPECT_GE(FindText(page->page, "</table>\r\n<br>" + GbkText("<font color=red>★</font>") +
                                     "<font color=red>：生日2010年2月10日所处位置</font>\r\n<p>"),
            1);
  EXPECT_EQ(Count(page->page, "<tr><td"), 6);
}

TEST(BirthPages, RefuseAMomentTheCalendarCannotPlace) {
  for (const DateTime birth : {InvalidMoment, DateTime{2031, 1, 10, 0}, DateTime{1929, 12, 31, 23}}) {
    EXPECT_FALSE(BuildFourPillarChart(birth, "公告"));
    EXPECT_FALSE(BuildFavourablePage(birth));
    EXPECT_FALSE(BuildSolarTermPage(birth));
  }
}

// Pages reviewed by eye in a browser; any change to them must be looked at again.
class GoldenPages : public testing::TestWithParam<std::pair<DateTime, const char*>> {
 protected:
  static std::string Golden(const std::string& kind, const char* moment) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(
        std::string(TAVRIN_SOURCE_DIR) + "/tests/data/birth_pages/" + kind + "-" + moment + ".htm", bytes));
    return bytes;
  }
};

TEST_P(GoldenPages, EqualTheReviewedCopies) {
  const auto& [birth, name] = GetParam();
  EXPECT_TRUE(BuildFourPillarChart(birth, "")->page == Golden("chart", name)) << "chart-" << name;
  EXPECT_TRUE(BuildFavourablePage(birth)->page == Golden("xys", name)) << "xys-" << name;
  EXPECT_TRUE(BuildSolarTermPage(birth)->page == Golden("jieqi", name)) << "jieqi-" << name;
}

INSTANTIATE_TEST_SUITE_P(TwoBirths, GoldenPages,
                         testing::Values(std::make_pair(DateTime{2010, 2, 10, 12}, "2010-02-10-12"),
                                         std::make_pair(DateTime{1990, 7, 2, 0}, "1990-07-02-0")));

class PageFiles : public testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() / ("tavrin-birth-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }
  std::string Directory() const { return directory_.string() + "/"; }
  std::string Read(const std::string& path) const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
  }
  std::filesystem::path directory_;
};

TEST_F(PageFiles, EachPageReplacesItsFileAndTheTermPageKeepsOkHtm) {
  const DateTime birth{2010, 2, 10, 12};
  const std::string chart = WriteFourPillarPage(*BuildFourPillarChart(birth, ""), Directory());
  EXPECT_EQ(chart, Directory() + test::Utf8(u8"生辰八字.htm"));
  EXPECT_EQ(Read(chart), BuildFourPillarChart(birth, "")->page);
  const std::string xys = WriteFavourablePage(*BuildFavourablePage(birth), Directory());
  EXPECT_EQ(xys, Directory() + "xys.htm");
  EXPECT_EQ(Read(xys), BuildFavourablePage(birth)->page);

  const std::string jieqi = WriteSolarTermPage(*BuildSolarTermPage(birth), Directory());
  EXPECT_EQ(jieqi, Directory() + "jieqi.htm");
  EXPECT_EQ(Read(jieqi), BuildSolarTermPage(birth)->page);
  EXPECT_EQ(Read(Directory() + "ok.htm"), "");
  // An ok.htm already there is left alone; jieqi.htm is replaced.
  ASSERT_TRUE(ReplaceFile(Directory() + "ok.htm", "kept"));
  WriteSolarTermPage(*BuildSolarTermPage({1990, 7, 2, 0}), Directory());
  EXPECT_EQ(Read(Directory() + "ok.htm"), "kept");
  EXPECT_EQ(Read(jieqi), BuildSolarTermPage({1990, 7, 2, 0})->page);
}

}  // namespace
}  // namespace tavrin
