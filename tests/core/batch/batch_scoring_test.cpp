#include "batch/batch_scoring.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "app/file_output.hpp"
#include "naming/five_grids.hpp"
#include "naming/name_score.hpp"
#include "naming/readings.hpp"
#include "support/utf8.hpp"
#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

GbkText ResultOf(std::string_view input, bool sorted = false) {
  std::vector<ScoredName> names = ScoreBatch(BatchItems(input));
  if (sorted) SortByScore(names);
  return BatchResultText(names);
}

TEST(BatchScoring, ResultTextOfNamesInInputOrder) {
  EXPECT_EQ(ResultOf("王小明 李思源"), "王小明(91) 李思源(94) ");
  // "<br>" after every sixth name, none after the seventh.
  EXPECT_EQ(ResultOf("王明 王明 王明 王明 王明 王明 王明"),
            "王明(48.5) 王明(48.5) 王明(48.5) 王明(48.5) 王明(48.5) 王明(48.5) <br>王明(48.5) ");
  // Line breaks are separators like spaces; CR LF is one.
  EXPECT_EQ(ResultOf("王小明\r\n李思源"), ResultOf("王小明 李思源"));
  EXPECT_EQ(ResultOf("王小明\n李思源"), ResultOf("王小明 李思源"));
}

TEST(BatchScoring, ItemsOfTheWrongLengthAreSkippedButCounted) {
  const std::vector<GbkText> items = BatchItems("王 王小明 欧阳小明明  李思源");
  ASSERT_EQ(items.size(), 5u);  // the double space gives an empty item
  std::vector<std::size_t> seen;
  const std::vector<ScoredName> names = ScoreBatch(items, [&](std::size_t i, std::size_t n) {
    EXPECT_EQ(n, 5u);
    seen.push_back(i);
  });
  EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2, 3, 4, 5}));
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].item, "王小明");
  EXPECT_EQ(BatchItems("").size(), 0u);
  EXPECT_EQ(BatchItems(" ").size(), 1u);
}

TEST(BatchScoring, ScoresEqualTheNameTestWithAOneCharacterSurname) {
  for (const char* name : {"王小明", "李思源", "陈浩", "张子涵", "欧阳修", "钟一鸣天", "范冰冰"}) {
    const std::string_view item = name;
    const FiveGrids grids = ComputeFiveGrids(item.substr(0, 2), item.substr(2));
    const double single = NameScore(grids, TalentKey(grids), LookupRelation(grids.person, grids.outer).grade);
    EXPECT_EQ(ScoreBatchItem(item), single) << name;
  }
  // The grade-only relations table agrees with the readings table for every pair.
  for (int a = 0; a < 10; ++a) {
    for (int b = 0; b < 10; ++b) {
      const GbkText key = "|" + std::to_string(a) + "|" + std::to_string(b) + "||";
      EXPECT_EQ(FieldAfter(data::BatchRelationGrades(), key), LookupRelation(a, b).grade) << a << b;
    }
  }
}

TEST(BatchScoring, NamesGoIntoThePageAsTextNotMarkup) {
  EXPECT_EQ(ScoreBatchItem("<script>"), 94.5);  // eight bytes are scored, as any item
  EXPECT_EQ(ResultOf("<script> a&b\"'c"), "&lt;script&gt;(94.5) a&amp;b&quot;&#39;c(94.5) ");
}

TEST(BatchScoring, SortingPutsHighScoresFirstAndKeepsTiesInOrder) {
  // 李思源 94, 王小明 91, 陈浩 68, 王明 48.5.
  EXPECT_EQ(ResultOf("王明 王小明 陈浩 李思源 王小明", true),
            "李思源(94) 王小明(91) 王小明(91) 陈浩(68) 王明(48.5) ");
  std::vector<ScoredName> names = {{"甲", 80}, {"乙", 90}, {"丙", 80}, {"丁", 90}};
  SortByScore(names);
  EXPECT_EQ(names[0].item + names[1].item + names[2].item + names[3].item, "乙丁甲丙");
}

class BatchRun : public testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() / ("tavrin-batch-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }
  std::string Directory() const { return directory_.string() + "/"; }
  std::filesystem::path directory_;
};

TEST_F(BatchRun, WritesThePageOrNothingForAnEmptyInput) {
  EXPECT_FALSE(RunBatch("", false, Directory()).has_value());
  EXPECT_TRUE(std::filesystem::is_empty(directory_));

  const std::optional<std::string> path = RunBatch(" ", false, Directory());
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, Directory() + test::Utf8(u8"批量测名.htm"));  // the file system's UTF-8 name
  std::string page;
  ASSERT_TRUE(ReadWholeFile(*path, page));
  EXPECT_EQ(page, BuildBatchPage(""));
  EXPECT_GE(FindText(page, "charset=gb2312"), 1);
  EXPECT_GE(FindText(page, "<title>批量测名</title>"), 1);
  EXPECT_EQ(FindText(page, "替换"), -1);

  ASSERT_TRUE(RunBatch("王小明 李思源", false, Directory()).has_value());
  ASSERT_TRUE(ReadWholeFile(*path, page));
  EXPECT_GE(FindText(page, "\r\n\r\n王小明(91) 李思源(94) \r\n\r\n"), 1);
}

TEST_F(BatchRun, RunsNeverOverlap) {
  std::atomic<int> running = 0;
  std::atomic<bool> overlapped = false;
  const BatchProgress progress = [&](std::size_t i, std::size_t n) {
    if (i == 1) overlapped = overlapped || running.fetch_add(1) != 0;
    if (i == n) running.fetch_sub(1);
  };
  std::string many;
  for (int i = 0; i < 3000; ++i) many += "王小明 ";
  std::vector<std::thread> runs;
  for (int t = 0; t < 3; ++t) runs.emplace_back([&, t] { RunBatch(many, t == 1, Directory(), progress); });
  for (std::thread& run : runs) run.join();
  EXPECT_FALSE(overlapped);
}

}  // namespace
}  // namespace tavrin
