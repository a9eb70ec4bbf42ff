#include "text/numbers.hpp"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(RealText, ShortestFormUpToThirteenDigits) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{90, "90"},
               {87.5, "87.5"},
               {-0.56, "-0.56"},
               {1e-7, "1e-07"},
               {100, "100"},
               {0, "0"},
               {1.0 / 3, "0.3333333333333"},
               {1e15, "1000000000000000"},
               {2.5e-3, "0.0025"}};
  for (const Case& c : cases) EXPECT_EQ(RealText(c.value), c.text) << c.value;
}

TEST(RoundHalfAway, RoundsHalvesAwayFromZeroWithTheNudge) {
  struct Case {
    double value;
    int decimals;
    double rounded;
  } cases[] = {
      {2.345, 2, 2.35}, {-2.345, 2, -2.35}, {2.675, 2, 2.68},  // 2.675 is stored as 2.67499999…
      {0.5, 0, 1},      {-0.5, 0, -1},      {1.25, 1, 1.3},     {91.0, 1, 91.0},
      {87.44, 1, 87.4}, {-0.56, 1, -0.6},   {0.049999, 1, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(RoundHalfAway(c.value, c.decimals), c.rounded) << c.value << " to " << c.decimals;
  }
}

TEST(CompareReals, TreatsValuesWithinOneTenMillionthAsEqual) {
  EXPECT_EQ(CompareReals(0.4, 0.4 + 5e-8), 0);
  EXPECT_EQ(CompareReals(0.4, 0.40000009), 0);
  EXPECT_EQ(CompareReals(0.4, 0.4000002), -1);
  EXPECT_EQ(CompareReals(-0.4, -0.4000002), 1);
  EXPECT_EQ(CompareReals(0.1 + 0.2, 0.3), 0);
}

}  // namespace
}  // namespace tavrin
