// Every cell of the birth chart's built-in tables, read through the lookups
// that the pages use. The expected values are written out here independently
// of data/calendar/, so a slip in either shows.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "calendar/element_strength.hpp"
#include "calendar/pillar_lookups.hpp"

namespace tavrin {
namespace {

constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";

std::string_view CharAt(std::string_view text, std::size_t index) { return text.substr(2 * index, 2); }

// A row of numbers separated by spaces.
std::vector<double> Numbers(const char* row) {
  std::istringstream stream(row);
  std::vector<double> numbers;
  for (double value; stream >> value;) numbers.push_back(value);
  return numbers;
}

TEST(ChartTables, ElementOfEveryStemAndBranch) {
  const std::string_view stem_elements = "木木火火土土金金水水";
  const std::string_view branch_elements = "水土木木土火火土金金土水";
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(ElementOf(CharAt(kStems, i)), CharAt(stem_elements, i));
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(ElementOf(CharAt(kBranches, i)), CharAt(branch_elements, i));
  // Keys are exact: an element letter, a pillar or nothing finds no row.
  for (std::string_view key : {"木", "甲子", "", "|"}) EXPECT_EQ(ElementOf(key), "") << key;
  EXPECT_EQ(PillarElements("庚寅"), "金木");
  EXPECT_EQ(PillarElements("癸亥"), "水水");
}

TEST(ChartTables, HiddenStemsOfEveryBranch) {
  const char* hidden[] = {"癸",   "癸己辛", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
                          "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "甲壬"};
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(HiddenStems(CharAt(kBranches, i)), hidden[i]) << i;
  EXPECT_EQ(HiddenStems("甲"), "");
  EXPECT_EQ(HiddenStems(""), "");
}

TEST(ChartTables, BranchOfEveryClockHour) {
  const char* branches[] = {"子", "丑", "丑", "寅", "寅", "卯", "卯", "辰", "辰", "巳", "巳", "午",
                            "午", "未", "未", "申", "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
  for (int hour = 0; hour < 24; ++hour) EXPECT_EQ(HourBranch(hour), branches[hour]) << hour;
  EXPECT_EQ(HourBranch(24), "未知");
  EXPECT_EQ(HourBranch(-1), "未知");
}

TEST(ChartTables, NayinOfEveryPillarOfTheCycle) {
  const char* names[] = {"海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
                         "白腊金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
                         "山下火", "平地木", "壁上土", "金箔金", "复灯火", "天河水", "太驿土", "钗训金",
                         "桑怀木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
  auto pillar = [](std::size_t index) {
    return GbkText(CharAt(kStems, index % 10)) + GbkText(CharAt(kBranches, index % 12));
  };
  for (std::size_t i = 0; i < 60; ++i) {
    const GbkText entry = pillar(i - i % 2) + pillar(i - i % 2 + 1) + names[i / 2];
    Nayin nayin;
    ASSERT_TRUE(LookupNayin(pillar(i), nayin)) << pillar(i);
    EXPECT_EQ(nayin.entry, entry);
    EXPECT_EQ(nayin.name, names[i / 2]);
    EXPECT_EQ(nayin.element, std::string_view(names[i / 2]).substr(4));
  }
  Nayin untouched{"a", "b", "c"};
  for (std::string_view key : {"甲丑", "海中", "甲子乙丑", ""})
    EXPECT_FALSE(LookupNayin(key, untouched)) << key;
  EXPECT_EQ(untouched.entry + untouched.name + untouched.element, "abc");
}

TEST(ChartTables, PatronBuddhaOfEveryAnimal) {
  const std::pair<const char*, const char*> rows[] = {
      {"鼠", "千手观音"}, {"牛", "虚空藏菩萨"}, {"虎", "虚空藏菩萨"}, {"兔", "文殊菩萨"},
      {"龙", "普贤菩萨"}, {"蛇", "普贤菩萨"},   {"马", "大势至菩萨"}, {"羊", "大日如来"},
      {"猴", "大日如来"}, {"鸡", "不动尊菩萨"}, {"狗", "阿弥陀佛"},   {"猪", "阿弥陀佛"}};
  for (const auto& [animal, buddha] : rows) EXPECT_EQ(PatronBuddha(animal), buddha) << animal;
  EXPECT_EQ(PatronBuddha("猫"), "");
  EXPECT_EQ(PatronBuddha(""), "");
}

TEST(ChartTables, KindGroupsOfEveryDayMaster) {
  const char* rows[][3] = {{"火", "火木", "水金土"},
                           {"金", "金土", "火木水"},
                           {"木", "木水", "金土火"},
                           {"水", "水金", "土火木"},
                           {"土", "土火", "木水金"}};
  for (const auto& row : rows) {
    const KindGroup groups = KindGroups(row[0]);
    EXPECT_EQ(groups.same, row[1]) << row[0];
    EXPECT_EQ(groups.different, row[2]) << row[0];
  }
  EXPECT_EQ(KindGroups("甲").same, "");
  EXPECT_EQ(KindGroups("").different, "");
}

TEST(ChartTables, StemCoefficientsByMonth) {
  // Rows by month branch from 寅, columns 甲 … 癸.
  const char* rows[] = {
      "1.14 1.14 1.2 1.2 1.06 1.06 1.0 1.0 1.0 1.0",     "1.2 1.2 1.2 1.2 1.0 1.0 1.0 1.0 1.0 1.0",
      "1.1 1.1 1.06 1.06 1.1 1.1 1.1 1.1 1.04 1.04",     "1.0 1.0 1.14 1.14 1.14 1.14 1.06 1.06 1.06 1.06",
      "1.0 1.0 1.2 1.2 1.2 1.2 1.0 1.0 1.0 1.0",         "1.04 1.04 1.1 1.1 1.16 1.16 1.1 1.1 1.0 1.0",
      "1.06 1.06 1.0 1.0 1.0 1.0 1.14 1.14 1.2 1.2",     "1.0 1.0 1.0 1.0 1.0 1.0 1.2 1.2 1.2 1.2",
      "1.0 1.0 1.04 1.04 1.14 1.14 1.16 1.16 1.06 1.06", "1.2 1.2 1.0 1.0 1.0 1.0 1.0 1.0 1.14 1.14",
      "1.2 1.2 1.0 1.0 1.0 1.0 1.0 1.0 1.2 1.2",         "1.06 1.06 1.0 1.0 1.1 1.1 1.14 1.14 1.1 1.1"};
  for (std::size_t m = 0; m < 12; ++m) {
    const std::string_view month = CharAt(kBranches, (m + 2) % 12);
    const std::vector<double> expected = Numbers(rows[m]);
    ASSERT_EQ(expected.size(), 10u);
    for (std::size_t s = 0; s < 10; ++s) {
      EXPECT_EQ(StemCoefficient(month, CharAt(kStems, s)), expected[s]) << month << CharAt(kStems, s);
    }
  }
  EXPECT_EQ(StemCoefficient("寅", "子"), std::nullopt);
  EXPECT_EQ(StemCoefficient("甲", "甲"), std::nullopt);
}

TEST(ChartTables, HiddenStemCoefficientsByMonth) {
  // Columns by month branch from 寅.
  const std::pair<const char*, const char*> rows[] = {
      {"子癸", "1.0 1.0 1.04 1.06 1.0 1.0 1.2 1.2 1.06 1.14 1.2 1.1"},
      {"丑癸", "0.3 0.3 0.312 0.318 0.3 0.3 0.36 0.36 0.318 0.342 0.36 0.33"},
      {"丑辛", "0.2 0.2 0.23 0.212 0.2 0.22 0.228 0.248 0.232 0.2 0.2 0.228"},
      {"丑己", "0.53 0.5 0.55 0.57 0.6 0.58 0.5 0.5 0.57 0.5 0.5 0.55"},
      {"寅丙", "0.36 0.36 0.318 0.342 0.36 0.33 0.3 0.3 0.342 0.318 0.3 0.3"},
      {"寅甲", "0.798 0.84 0.77 0.7 0.7 0.728 0.742 0.7 0.7 0.84 0.84 0.742"},
      {"卯乙", "1.14 1.2 1.1 1.0 1.0 1.04 1.06 1.0 1.0 1.2 1.2 1.06"},
      {"辰乙", "0.342 0.36 0.33 0.3 0.3 0.312 0.318 0.3 0.3 0.36 0.36 0.318"},
      {"辰癸", "0.2 0.2 0.208 0.2 0.2 0.2 0.24 0.24 0.212 0.228 0.24 0.22"},
      {"辰戊", "0.53 0.5 0.55 0.6 0.6 0.58 0.5 0.5 0.57 0.5 0.5 0.55"},
      {"巳庚", "0.3 0.3 0.33 0.3 0.3 0.33 0.342 0.36 0.348 0.3 0.3 0.342"},
      {"巳丙", "0.84 0.84 0.742 0.84 0.84 0.798 0.7 0.7 0.728 0.742 0.7 0.7"},
      {"午丁", "1.2 1.2 1.06 1.14 1.2 1.1 1.0 1.0 1.04 1.06 1.0 1.0"},
      {"未丁", "0.36 0.36 0.318 0.342 0.36 0.33 0.3 0.3 0.312 0.318 0.3 0.3"},
      {"未乙", "0.228 0.24 0.22 0.2 0.2 0.208 0.212 0.2 0.2 0.24 0.24 0.212"},
      {"未己", "0.53 0.5 0.55 0.57 0.6 0.58 0.5 0.5 0.57 0.5 0.5 0.55"},
      {"申壬", "0.3 0.3 0.312 0.318 0.3 0.3 0.36 0.36 0.318 0.342 0.36 0.33"},
      {"申庚", "0.7 0.7 0.77 0.742 0.7 0.77 0.798 0.84 0.812 0.7 0.7 0.798"},
      {"酉辛", "1.0 1.0 1.1 1.06 1.0 1.1 1.14 1.2 1.16 1.0 1.0 1.14"},
      {"戌辛", "0.3 0.3 0.33 0.318 0.3 0.33 0.342 0.36 0.348 0.3 0.3 0.342"},
      {"戌丁", "0.24 0.24 0.212 0.228 0.24 0.22 0.2 0.2 0.208 0.212 0.2 0.2"},
      {"戌戊", "0.53 0.5 0.55 0.57 0.6 0.58 0.5 0.5 0.57 0.5 0.5 0.55"},
      {"亥甲", "0.342 0.36 0.33 0.3 0.3 0.312 0.318 0.3 0.3 0.36 0.36 0.318"},
      {"亥壬", "0.7 0.7 0.728 0.742 0.7 0.7 0.84 0.84 0.724 0.798 0.84 0.77"}};
  int with_row = 0;
  for (std::size_t b = 0; b < 12; ++b) {
    const std::string_view branch = CharAt(kBranches, b);
    const std::string_view hidden = HiddenStems(branch);
    for (std::size_t h = 0; h < hidden.size() / 2; ++h) {
      const GbkText pair = GbkText(branch) + GbkText(CharAt(hidden, h));
      const char* values = nullptr;
      for (const auto& [key, row] : rows) {
        if (pair == key) values = row;
      }
      for (std::size_t m = 0; m < 12; ++m) {
        const std::string_view month = CharAt(kBranches, (m + 2) % 12);
        const std::optional<double> found = HiddenStemCoefficient(branch, CharAt(hidden, h), month);
        if (values == nullptr) {
          EXPECT_EQ(found, std::nullopt) << pair << month;
        } else {
          EXPECT_EQ(found, Numbers(values).at(m)) << pair << month;
        }
      }
      if (values != nullptr) ++with_row;
    }
  }
  // Every row belongs to a hidden stem of its branch; the four pairs without a
  // row (寅戊, 巳戊, 午己, 申戊) were checked to give nothing.
  EXPECT_EQ(with_row, 24);
}

}  // namespace
}  // namespace tavrin
