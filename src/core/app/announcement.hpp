#pragma once
// The maker's announcement: empty until the announcement task has fetched one.
// Written once by that task and read by report runs on the window's thread, so
// the value is replaced whole, atomically.
#include <string>
#include <string_view>

#include "text/date_time.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

GbkText AnnouncementText();
void SetAnnouncementText(GbkText text);

// The announcement is asked for only more than three days after 2013-11-10.
bool AnnouncementDue(const DateTime& now);

// Takes a fetched answer (an INI text; up to its first NUL byte), keeps it as
// "update.ini" in `data_dir`, reads the key 公告内容 of the section Velmaro from
// that file and, when it is not empty, makes it the AnnouncementText. Returns
// the text read (empty when there is none).
GbkText StoreAnnouncement(std::string_view answer, const std::string& data_dir);

}  // namespace tavrin
