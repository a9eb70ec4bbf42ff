// The data path end to end: a UTF-8 file under tests/data is embedded by the
// build as its exact GBK bytes, line ends included.
#include <gtest/gtest.h>

#include "tavrin/test_data/fixtures.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

TEST(EmbeddedData, HoldsTheExactGbkBytesOfItsFile) {
  const std::string_view table = test_data::TellingRows();
  EXPECT_EQ(table, "√健|11|√柏|9|√金|8|\r\n{1}\r\n：一乙\r\n{2}\r\n：匕刀人入厶\r\n");
  EXPECT_EQ(table.substr(0, 2), "\xA1\xCC");  // √ in GBK
}

TEST(EmbeddedData, RowsReadWithTheSearchRule) {
  const std::string_view table = test_data::TellingRows();
  EXPECT_EQ(ReadNumber(FieldAfter(table, "√柏|")), 9);
  EXPECT_EQ(ReadNumber(FieldAfter(table, "√金|")), 8);
  // The stroke section of 刀 is the number between the last braces before it.
  const std::string_view before = table.substr(0, static_cast<std::size_t>(FindText(table, "刀") - 1));
  const int open = FindLastText(before, "{"), close = FindLastText(before, "}");
  EXPECT_EQ(
      ReadNumber(before.substr(static_cast<std::size_t>(open), static_cast<std::size_t>(close - open - 1))),
      2);
}

}  // namespace
}  // namespace tavrin
