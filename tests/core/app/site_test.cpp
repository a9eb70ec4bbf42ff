// The site's addresses and the announcement it may send.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/announcement.hpp"
#include "app/file_output.hpp"
#include "app/site.hpp"

namespace tavrin {
namespace {

TEST(SiteAddresses, SolarTermLinksLeadToTheTermPages) {
  const GbkText site(SiteAddress());
  // The view encodes 立春 in the page's GBK: C1 A2 B4 BA.
  EXPECT_EQ(SolarTermLinkTarget("file:///home/a/Harlune/Tavrin/ok.htm?jq=%C1%A2%B4%BA"),
            site + "/P20111229/jieqi/立春.htm");
  EXPECT_EQ(SolarTermLinkTarget("file:///x/OK.HTM?JQ=%b4%f3%ba%ae"), site + "/P20111229/jieqi/大寒.htm");
  EXPECT_EQ(SolarTermLinkTarget("ok.htm?jq=冬至"), site + "/P20111229/jieqi/冬至.htm");
  // Every other address passes, the system's own pages first of all.
  for (const char* address : {"file:///home/a/Harlune/Tavrin/生辰八字.htm", "file:///x/jieqi.htm",
                              "tavrin://site/P20111229/jieqi/立春.htm", "http://example.org/book.htm"}) {
    EXPECT_FALSE(SolarTermLinkTarget(address).has_value()) << address;
  }
  EXPECT_EQ(PatronBuddhaAddress("鼠"), site + "/P20111229/bmf/鼠.htm");
  EXPECT_EQ(PercentDecoded("a%2"), "a%2");
  EXPECT_EQ(PercentDecoded("%zz%41"), "%zzA");
}

TEST(Announcement, DueFromTheFourthDayAfterTheReferenceDate) {
  EXPECT_FALSE(AnnouncementDue({2013, 11, 13, 23, 0, 0}));
  EXPECT_TRUE(AnnouncementDue({2013, 11, 14, 0, 0, 0}));
  EXPECT_FALSE(AnnouncementDue({2010, 1, 1, 0, 0, 0}));
  EXPECT_TRUE(AnnouncementDue({2026, 12, 11, 0, 0, 0}));
}

TEST(Announcement, TheAnswerIsKeptAndItsTextRead) {
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("tavrin-announcement-" + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  const std::string data_dir = directory.string() + "/";
  std::string kept;

  EXPECT_EQ(StoreAnnouncement("[Other]\r\n公告内容=no\r\n", data_dir), "");
  EXPECT_EQ(AnnouncementText(), "");
  EXPECT_EQ(StoreAnnouncement("", data_dir), "");
  ASSERT_TRUE(ReadWholeFile(data_dir + "update.ini", kept));
  EXPECT_EQ(kept, "");  // an empty answer empties the local copy

  const std::string answer("[Velmaro]\r\n公告内容=新版已发布\r\n\0tail", 37);
  EXPECT_EQ(StoreAnnouncement(answer, data_dir), "新版已发布");
  EXPECT_EQ(AnnouncementText(), "新版已发布");
  ASSERT_TRUE(ReadWholeFile(data_dir + "update.ini", kept));
  EXPECT_EQ(kept, "[Velmaro]\r\n公告内容=新版已发布\r\n");  // up to the first NUL byte

  SetAnnouncementText("");
  std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace tavrin
