#pragma once
// Everything the dictionary knows of one name character.
#include <string_view>

#include "dictionary/elements.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

struct CharInfo {
  GbkText character;    // as typed; empty for an absent name position
  GbkText traditional;  // its traditional form
  int strokes = 0;      // Kangxi strokes, 0 when no table holds it
  FiveElement element;  // 金 木 水 火 土, or 未
  GbkText pinyin;       // tone-marked readings joined by ","
};

CharInfo DescribeCharacter(std::string_view character);

}  // namespace tavrin
