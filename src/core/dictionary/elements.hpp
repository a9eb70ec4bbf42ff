#pragma once
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

// One of 金 木 水 火 土, or 未 where no element is known.
using FiveElement = GbkText;

// The element of a character's meaning: the element label of the group that
// holds its first place in the element table; an element character is its own.
FiveElement ElementOf(std::string_view character);

}  // namespace tavrin
