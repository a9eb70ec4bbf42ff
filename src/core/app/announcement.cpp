#include "app/announcement.hpp"

#include <memory>
#include <mutex>

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

}  // namespace tavrin
