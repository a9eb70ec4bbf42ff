#pragma once
// The last inputs of the main window, kept in the settings file between runs:
// nine keys in the section "Tavrin".
#include <string>

#include "text/date_time.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

struct SavedInputs {
  // Selected indices of the combos; -1 stands for no selection.
  int solar_year = -1;   // item 0 is 1930
  int solar_month = -1;  // item 0 is month 1
  int solar_day = -1;    // item 0 is day 1
  int solar_hour = -1;   // item 0 is hour 0
  int lunar_year = -1;   // item 0 is 1930
  int date_kind = 0;     // 0 按公历, 1 按农历
  GbkText surname, given;
  bool male = true;
};

// Reads the nine keys from the settings file at `path`. A missing key takes
// its default: today's date and hour (the year counting as 0 outside
// 1930–2030) for the combos, and `as_built`'s values for the others. Indices
// are as read (a text that is not a number reads 0); clamp them to a combo's
// items with ClampSelection.
SavedInputs RestoreInputs(const std::string& path, const DateTime& now, const SavedInputs& as_built);

// Writes the nine keys in their order. False when the file could not be written.
bool SaveInputs(const std::string& path, const SavedInputs& inputs);

// A settings value read as a number: leading blanks, an optional sign, digits
// and an optional fraction, truncated toward zero; 0 when there is no number.
int SettingNumber(std::string_view text);

// The selection a combo of `item_count` items takes for `index`: the last item
// beyond the end, no selection (-1) for a negative index.
int ClampSelection(int index, int item_count);

}  // namespace tavrin
