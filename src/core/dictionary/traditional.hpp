#pragma once
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

// The traditional form of a text (callers pass one character), as the reports
// show it beside the character. 钟 is 鍾 (the form a name uses); characters
// that are standard forms in names (the surname 范, not 範) keep their own
// form; everything else goes through OpenCC's simplified-to-traditional
// mapping. When the mapping cannot be had, the result is spaces of the
// text's length, and the report shows an empty cell rather than a wrong form.
GbkText TraditionalForm(std::string_view text);

}  // namespace tavrin
