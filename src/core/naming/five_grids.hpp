#pragma once
// The five grids of a name, computed from Kangxi stroke counts.
#include <string_view>

#include "dictionary/elements.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

struct FiveGrids {
  int heaven = 0;  // 天格
  int person = 0;  // 人格
  int earth = 0;   // 地格
  int total = 0;   // 总格
  int outer = 0;   // 外格
  friend bool operator==(const FiveGrids&, const FiveGrids&) = default;
};

// Surname of 2 or 4 bytes, given name of 2, 4 or 6 bytes (other lengths add
// nothing); strokes come from the shared stroke cache.
FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given);

// The element of a grid number by its last decimal digit: 1–2 木, 3–4 火,
// 5–6 土, 7–8 金, 9–0 水.
FiveElement GridElement(int number);

// The three-talent key: the elements of 天格, 人格 and 地格, e.g. 土金木.
GbkText TalentKey(const FiveGrids& grids);

}  // namespace tavrin
