#include "text/encoding.hpp"

#include <gtest/gtest.h>

#include "support/utf8.hpp"

namespace tavrin {
namespace {

TEST(Encoding, RoundTripsBetweenUtf8AndGbk) {
  const std::string utf8 = test::Utf8(u8"鍾軒澤 a1 ǖü　“金”");
  const ConversionResult gbk = Utf8ToGbk(utf8);
  ASSERT_TRUE(gbk.ok());
  EXPECT_EQ(gbk.text.substr(0, 6), "\xE6\x52\xDC\x8E\x9D\xC9");  // 鍾 軒 澤
  EXPECT_EQ(gbk.text.substr(0, 6), "鍾軒澤");                    // literals are compiled to GBK
  const ConversionResult back = GbkToUtf8(gbk.text);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.text, utf8);
  EXPECT_TRUE(Utf8ToGbk("").ok());
}

TEST(Encoding, RefusesMalformedInputAndSaysWhere) {
  struct Case {
    std::string input;
    bool from_gbk;
    std::size_t offset;
  } cases[] = {
      {"ab\xB1", true, 2},              // a lone lead byte at the end
      {"ab\xB1\x20z", true, 2},         // a lead byte followed by a byte outside GBK's trail range
      {"\xFF\xA1", true, 0},            // 0xFF opens no GBK character
      {"x\xC3", false, 1},              // truncated UTF-8
      {test::Utf8(u8"a😀b"), false, 1},  // a character with no GBK form
      {test::Utf8(u8"a한"), false, 1},  // Hangul has no GBK form
  };
  for (const Case& c : cases) {
    const ConversionResult result = c.from_gbk ? GbkToUtf8(c.input) : Utf8ToGbk(c.input);
    EXPECT_FALSE(result.ok()) << c.input;
    EXPECT_EQ(result.error_offset.value_or(999), c.offset) << c.input;
    EXPECT_TRUE(result.text.empty());
  }
}

}  // namespace
}  // namespace tavrin
