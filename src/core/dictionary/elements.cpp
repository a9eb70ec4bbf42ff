#include "dictionary/elements.hpp"

#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {

FiveElement ElementOf(std::string_view character) {
  static constexpr std::string_view kElements[] = {"金", "木", "水", "火", "土"};
  for (std::string_view element : kElements) {
    if (character == element) return FiveElement(element);
  }
  // The element characters stand only in the group labels and in their own
  // groups, so the last one before the character names its group.
  const std::string_view groups = data::ElementGroups();
  const bool searchable = character.size() == 2 && IsLeadByte(character[0]);
  const int position = searchable ? FindText(groups, character) : -1;
  const std::string_view before =
      position > 0 ? groups.substr(0, static_cast<std::size_t>(position - 1)) : std::string_view();
  int best = -1;
  std::string_view found = "未";
  for (std::string_view element : kElements) {
    if (const int last = FindLastText(before, element); last > best) {
      best = last;
      found = element;
    }
  }
  return FiveElement(found);
}

}  // namespace tavrin
