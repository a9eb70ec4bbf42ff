#pragma once
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

// All readings of a character, tone-marked and joined by "," in table order
// (和 reads hé,hè,hú,huó,huò). A character the pinyin table lacks takes its
// first reading without tone from the fallback table; empty when neither holds
// it (a traditional form such as 鍾) or for an empty text.
GbkText PinyinOf(std::string_view character);

// Numbered syllables joined by "," (huo2,lve4) to tone-marked ones (huó,lüè).
GbkText MarkTones(std::string_view numbered);

// The fallback: the first reading, lower case without tone, of a GB2312
// character; empty for anything else.
GbkText FirstReading(std::string_view character);

}  // namespace tavrin
