#pragma once
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

// The Kangxi stroke count of one character as typed: the count of its
// traditional form, radicals in their full forms. The stroke tables are asked in
// turn and the first that holds the character answers; 0 when none holds it
// (and for an empty text, which stands for an absent name position, or anything
// that is not one two-byte character).
int StrokeCount(std::string_view character);

}  // namespace tavrin
