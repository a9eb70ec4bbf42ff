// The grids, the score and the stroke cache of the five-grid method.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "naming/five_grids.hpp"
#include "naming/name_input.hpp"
#include "naming/name_score.hpp"
#include "naming/readings.hpp"
#include "naming/stroke_cache.hpp"

namespace tavrin {
namespace {

// Characters of known Kangxi counts, to build names of any stroke pattern.
const char* WithStrokes(int strokes) {
  switch (strokes) {
    case 3:
      return "小";
    case 4:
      return "王";
    case 5:
      return "玉";
    case 7:
      return "江";
    case 8:
      return "明";
    case 9:
      return "柏";
    case 10:
      return "玲";
    case 11:
      return "健";
    case 12:
      return "清";
    case 13:
      return "裕";
    default:
      ADD_FAILURE() << "no test character with " << strokes << " strokes";
      return "";
  }
}

std::string Name(std::initializer_list<int> strokes) {
  std::string name;
  for (int s : strokes) name += WithStrokes(s);
  return name;
}

TEST(ComputeFiveGrids, FollowsTheNameShapes) {
  struct Case {
    std::string surname, given;
    FiveGrids grids;
  } cases[] = {
      {Name({4}), Name({3, 8}), {5, 7, 11, 15, 9}},           // the worked example
      {Name({7}), Name({9}), {8, 16, 10, 16, 2}},             // one and one
      {Name({8, 12}), Name({10}), {20, 22, 11, 30, 9}},       // two-character surname
      {Name({7}), Name({5, 9, 11}), {8, 12, 25, 32, 21}},     // three-character given name
      {Name({8, 12}), Name({10, 13}), {20, 22, 23, 43, 21}},  // two and two
      {"王a", Name({10}), {0, 10, 11, 10, 1}},                // 3 bytes: the surname adds nothing
      {Name({4}), "明a", {5, 4, 0, 4, 1}},                    // 3 bytes: nor does the given name
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComputeFiveGrids(c.surname, c.given), c.grids) << c.surname << c.given;
}

TEST(GridElement, ByTheLastDigit) {
  const char* by_digit[] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
  for (int n = 0; n < 100; ++n) EXPECT_EQ(GridElement(n), by_digit[n % 10]) << n;
  EXPECT_EQ(GridElement(20), "水");
  EXPECT_EQ(GridElement(32), "木");
  EXPECT_EQ(GridElement(15), "土");
  EXPECT_EQ(TalentKey({5, 7, 11, 15, 9}), "土金木");
}

TEST(NameScore, WorkedExampleAndExtremes) {
  // 5 大吉, 7 吉, 11 大吉, 15 大吉, 9 凶 (2); 土金木 凶/凶/吉 (5 + 2); relations 吉.
  EXPECT_EQ(NameScore({5, 7, 11, 15, 9}, "土金木", "吉"), 91);
  EXPECT_EQ(ScoreText(91), "91");
  // All best: grids 1 大吉, 7 吉; 木木木 吉/吉/吉.
  EXPECT_EQ(NameScore({1, 7, 1, 1, 7}, "木木木", "吉"), 100);
  // All worst: 大凶 grids (2, 34) and 凶/凶/凶 with relations 凶.
  EXPECT_EQ(NameScore({2, 34, 2, 34, 2}, "水水水", "凶"), 47);
  // Overall 平 (1), foundation and success 吉, relations 平 (0.5).
  EXPECT_EQ(NameScore({1, 1, 1, 1, 1}, "木火火", "平"), 98.5);
  EXPECT_EQ(ScoreText(98.5), "98.5");
  // Grids outside 1–81 cost nothing, 0 and 82 alike; an unknown grade neither.
  EXPECT_EQ(NameScore({0, 82, 0, 82, 0}, "木木木", "吉"), 100);
  EXPECT_EQ(NameScore({1, 1, 1, 1, 1}, "", ""), 100);
}

TEST(NameInput, CleansBlanksDigitsLettersAndPunctuationThenCuts) {
  struct Case {
    const char* surname;
    const char* given;
    const char* clean_surname;
    const char* clean_given;
  } cases[] = {
      {" 王 ", "　小 明　", "王", "小明"},
      {"王", "小明1aZ", "王", "小明"},
      {"Wang", "明", "", "明"},
      {"司马", "光", "司马", "光"},
      {"王", "一二三四", "王", "一二三"},
      {"王_", "明?!.()[]{};:,<>|\\/-+=", "王_", "明"},
      {"欧阳修远", "明", "欧阳", "明"},
  };
  for (const Case& c : cases) {
    const CleanedName name = CleanName(c.surname, c.given);
    EXPECT_EQ(name.surname, c.clean_surname) << c.surname;
    EXPECT_EQ(name.given, c.clean_given) << c.given;
  }
  const CleanedName name = CleanName("司马", "光");
  EXPECT_EQ(name.Surname2(), "马");
  EXPECT_EQ(name.Given2(), "");
  EXPECT_FALSE(CleanName("Wang", "明").IsScorable());
}

TEST(StrokeCache, LooksEachCharacterUpOnceAndEmptiesOnAShortText) {
  int lookups = 0;
  StrokeCache cache([&](std::string_view character) {
    ++lookups;
    return character == "王" ? 4 : character == "小" ? 3 : 0;
  });
  EXPECT_EQ(cache.Strokes("王"), 4);
  EXPECT_EQ(cache.Strokes("小"), 3);
  EXPECT_EQ(cache.Strokes("王"), 4);
  EXPECT_EQ(cache.Strokes("鍾"), 0);
  EXPECT_EQ(cache.Strokes("鍾"), 0);  // a zero is remembered too
  EXPECT_EQ(lookups, 3);
  EXPECT_EQ(cache.Text(), "[王]4/[小]3/[鍾]0/");
  EXPECT_EQ(cache.Strokes("a"), 0);
  EXPECT_EQ(cache.Text(), "");
  EXPECT_EQ(cache.Strokes("王"), 4);
  EXPECT_EQ(lookups, 4);
}

TEST(StrokeCache, SharedSafelyBetweenThreads) {
  std::atomic<int> lookups = 0;
  StrokeCache cache([&](std::string_view character) {
    ++lookups;
    return static_cast<unsigned char>(character[1]) % 30;
  });
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&cache, t] {
      for (int round = 0; round < 200; ++round) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
          const std::string character = {static_cast<char>(0xB0 + (trail + t) % 3), static_cast<char>(trail)};
          ASSERT_EQ(cache.Strokes(character), trail % 30);
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(lookups, 3 * 94);  // every character looked up exactly once
  EXPECT_EQ(CachedStrokes("王"), 4);
}

}  // namespace
}  // namespace tavrin
