#include "calendar/pillar_lookups.hpp"

#include <string>

#include "calendar/table_rows.hpp"
#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {

using calendar_tables::RowField;

std::string_view ElementOf(std::string_view stem_or_branch) {
  if (stem_or_branch.empty()) return {};
  return RowField(data::ElementOfTable(), "|" + GbkText(stem_or_branch) + "|", "|");
}

GbkText PillarElements(std::string_view pillar) {
  if (pillar.size() != 4) return {};
  return GbkText(ElementOf(pillar.substr(0, 2))) + GbkText(ElementOf(pillar.substr(2, 2)));
}

std::string_view HiddenStems(std::string_view branch) {
  if (branch.empty()) return {};
  return RowField(data::HiddenStemTable(), GbkText(branch) + "—", "//");
}

std::string_view HourBranch(int hour) {
  const std::string_view branch = RowField(data::HourBranchTable(), "|" + std::to_string(hour) + "|", "|");
  return branch.empty() ? "未知" : branch;
}

bool LookupNayin(std::string_view pillar, Nayin& nayin) {
  if (pillar.size() != 4) return false;
  // Each entry is two pillars (eight bytes) and a name of three characters.
  for (std::string_view entry : SplitText(data::NayinTable(), "，")) {
    if (entry.size() != 14 || (entry.substr(0, 4) != pillar && entry.substr(4, 4) != pillar)) continue;
    nayin = {GbkText(entry), GbkText(entry.substr(8)), GbkText(entry.substr(12))};
    return true;
  }
  return false;
}

std::string_view PatronBuddha(std::string_view animal) {
  if (animal.empty()) return {};
  return RowField(data::PatronBuddhaTable(), GbkText(animal) + "//", "//");
}

}  // namespace tavrin
