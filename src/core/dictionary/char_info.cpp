#include "dictionary/char_info.hpp"

#include "dictionary/pinyin.hpp"
#include "dictionary/strokes.hpp"
#include "dictionary/traditional.hpp"

namespace tavrin {

CharInfo DescribeCharacter(std::string_view character) {
  return CharInfo{GbkText(character), TraditionalForm(character), StrokeCount(character),
                  ElementOf(character), PinyinOf(character)};
}

}  // namespace tavrin
