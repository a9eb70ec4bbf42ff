#include "app/site_pages.hpp"

#include <gtest/gtest.h>

#include "calendar/chinese_calendar.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

TEST(SitePages, EverySolarTermAndAnimalHasItsPage) {
  for (int number = 1; number <= 24; ++number) {
    const GbkText name(SolarTermName(number));
    const std::optional<GbkText> page = SitePage("/P20111229/jieqi/" + name + ".htm");
    ASSERT_TRUE(page.has_value()) << number;
    EXPECT_GE(FindText(*page, "charset=gb2312"), 1);
    EXPECT_GE(FindText(*page, "<title>" + name + "</title>"), 1) << number;
    for (const char* label : {"位置", "日期", "气候", "习俗", "养生", "生于此时"}) {
      EXPECT_GE(FindText(*page, ">" + GbkText(label) + "</td>"), 1) << number << label;
    }
    EXPECT_EQ(FindText(*page, "{/"), -1) << "a placeholder is left in " << number;
    EXPECT_EQ(FindText(*page, "<td class=\"tdbgcolor\"></td>"), -1) << "an empty field in " << number;
  }
  const struct {
    const char* animal;
    const char* buddha;
  } patrons[] = {{"鼠", "千手观音"}, {"牛", "虚空藏菩萨"}, {"虎", "虚空藏菩萨"}, {"兔", "文殊菩萨"},
                 {"龙", "普贤菩萨"}, {"蛇", "普贤菩萨"},   {"马", "大势至菩萨"}, {"羊", "大日如来"},
                 {"猴", "大日如来"}, {"鸡", "不动尊菩萨"}, {"狗", "阿弥陀佛"},   {"猪", "阿弥陀佛"}};
  for (const auto& patron : patrons) {
    const std::optional<GbkText> page = SitePage("/P20111229/bmf/" + GbkText(patron.animal) + ".htm");
    ASSERT_TRUE(page.has_value()) << patron.animal;
    EXPECT_GE(FindText(*page, "<td class=\"tdbgcolor\">" + GbkText(patron.buddha) + "</td>"), 1)
        << patron.animal;
    EXPECT_EQ(FindText(*page, "{/"), -1);
  }
}

TEST(SitePages, OtherPathsHaveNoPage) {
  for (const char* path : {"/P20111229/jieqi/春节.htm", "/P20111229/bmf/猫.htm", "/P20111229/jieqi/立春.html",
                           "/P20111229/jieqi/.htm", "/jieqi/立春.htm", "", "/P20111229/bmf/鼠.htm/x"}) {
    EXPECT_FALSE(SitePage(path).has_value()) << path;
  }
  EXPECT_TRUE(SitePage("/P20111229/jieqi/立春.HTM").has_value());
}

}  // namespace
}  // namespace tavrin
