#include "app/announcement.hpp"

#include <mutex>

#include "app/file_output.hpp"
#include "settings/ini_text.hpp"

namespace tavrin {
namespace {

std::mutex announcement_mutex;
GbkText announcement;

}  // namespace

GbkText AnnouncementText() {
  std::lock_guard lock(announcement_mutex);
  return announcement;
}

void SetAnnouncementText(GbkText text) {
  std::lock_guard lock(announcement_mutex);
  announcement = std::move(text);
}

bool AnnouncementDue(const DateTime& now) {
  const std::int64_t days = DayNumber(now.year, now.month, now.day) - DayNumber(2013, 11, 10);
  return days > 3;
}

GbkText StoreAnnouncement(std::string_view answer, const std::string& data_dir) {
  const std::string path = PathInDirectory(data_dir, "update.ini");
  ReplaceFile(path, answer.substr(0, answer.find('\0')));  // a failed write leaves the old file to read
  GbkText text = ReadIniValue(path, "Velmaro", "公告内容", "");
  if (!text.empty()) SetAnnouncementText(text);
  return text;
}

}  // namespace tavrin
