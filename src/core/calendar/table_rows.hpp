#pragma once
// Rows of the calendar's built-in tables: one row a line, lines ending with
// CR LF, each row opened by its key with the key's marks ("|甲|", "丑—",
// "/子癸/"). Matching the opening of a line, never the middle of one, keeps a
// key from hitting a value that happens to be spelt the same.
#include <string_view>

#include "text/search.hpp"

namespace tavrin::calendar_tables {

// The rest of the first row that opens with `opening`; empty when none does.
inline std::string_view RowAfter(std::string_view table, std::string_view opening) {
  for (std::string_view row : SplitText(table, "\r\n")) {
    if (row.starts_with(opening)) return row.substr(opening.size());
  }
  return {};
}

// The first field of a row's rest, up to `end` (empty without one).
inline std::string_view RowField(std::string_view table, std::string_view opening, std::string_view end) {
  return TextBefore(RowAfter(table, opening), end);
}

}  // namespace tavrin::calendar_tables
