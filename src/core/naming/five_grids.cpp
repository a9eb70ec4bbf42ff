#include "naming/five_grids.hpp"

#include <string>

#include "naming/stroke_cache.hpp"

namespace tavrin {

FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given) {
  auto strokes = [](std::string_view text, std::size_t at) { return CachedStrokes(text.substr(at, 2)); };

  int last_surname = 0, surname_sum = 0, single_surname = 0;
  FiveGrids grids;
  if (surname.size() == 2) {
    const int s1 = strokes(surname, 0);
    grids.heaven = s1 + 1;  // a single surname borrows one stroke from heaven
    last_surname = surname_sum = s1;
    single_surname = 1;
  } else if (surname.size() == 4) {
    const int s1 = strokes(surname, 0), s2 = strokes(surname, 2);
    grids.heaven = s1 + s2;
    last_surname = s2;
    surname_sum = s1 + s2;
  }

  int first_given = 0, given_sum = 0, single_given = 0;
  if (given.size() == 2) {
    first_given = given_sum = strokes(given, 0);
    grids.earth = first_given + 1;  // a single given name borrows one as well
    single_given = 1;
  } else if (given.size() == 4 || given.size() == 6) {
    first_given = strokes(given, 0);
    given_sum = first_given + strokes(given, 2) + (given.size() == 6 ? strokes(given, 4) : 0);
    grids.earth = given_sum;
  }

  grids.person = last_surname + first_given;
  grids.total = surname_sum + given_sum;
  grids.outer = grids.total - grids.person + single_surname + single_given;
  return grids;
}

FiveElement GridElement(int number) {
  switch (std::to_string(number).back()) {
    case '1':
    case '2':
      return "木";
    case '3':
    case '4':
      return "火";
    case '5':
    case '6':
      return "土";
    case '7':
    case '8':
      return "金";
    default:
      return "水";
  }
}

GbkText TalentKey(const FiveGrids& grids) {
  return GridElement(grids.heaven) + GridElement(grids.person) + GridElement(grids.earth);
}

}  // namespace tavrin
