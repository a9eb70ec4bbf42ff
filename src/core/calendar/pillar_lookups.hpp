#pragma once
// What the built-in tables say about the parts of a birth chart: the element of
// a stem or branch, the hidden stems of a branch, the branch of a clock hour,
// the nayin of a pillar and the patron Buddha of a zodiac animal. Keys are
// exact; a key that no table holds gives an empty text unless said otherwise.
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

// 金 木 水 火 土 of one heavenly stem or earthly branch: 甲 木, 子 水.
std::string_view ElementOf(std::string_view stem_or_branch);

// The element of a pillar's stem followed by that of its branch: 庚寅 gives 金木.
GbkText PillarElements(std::string_view pillar);

// The stems hidden in a branch, in their order: 丑 gives 癸己辛.
std::string_view HiddenStems(std::string_view branch);

// The branch of a clock hour: 子 for 0 and 23, then two hours a branch (1–2 丑
// … 21–22 亥); "未知" for any other number.
std::string_view HourBranch(int hour);

// A pillar's nayin: its entry in the table (two pillars and the name,
// 甲子乙丑海中金), the name (海中金) and the name's element (金).
struct Nayin {
  GbkText entry, name, element;
};
// False, with `nayin` untouched, for a text that is not a pillar of the cycle.
bool LookupNayin(std::string_view pillar, Nayin& nayin);

// The patron Buddha of a zodiac animal: 鼠 千手观音.
std::string_view PatronBuddha(std::string_view animal);

}  // namespace tavrin
