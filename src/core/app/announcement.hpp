#pragma once
// The maker's announcement: empty until the announcement task has fetched one.
// Written once by that task and read by report runs on the window's thread, so
// the value is replaced whole, atomically.
#include "text/gbk_text.hpp"

namespace tavrin {

GbkText AnnouncementText();
void SetAnnouncementText(GbkText text);

}  // namespace tavrin
