#pragma once
// How a typed name becomes the characters that are scored: blanks removed,
// digits, Latin letters and common punctuation cleaned away, then cut to two
// surname and three given-name characters by byte position.
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

// Removes every ASCII space and full-width space (A1 A1).
GbkText RemoveBlanks(std::string_view text);

// Removes blanks, then every digit, Latin letter (either case) and one of
// ?!.()[]{};:,<>|\/-+= at character boundaries. Other ASCII (such as "_") stays.
GbkText CleanNameText(std::string_view text);

struct CleanedName {
  GbkText surname;  // at most 4 bytes
  GbkText given;    // at most 6 bytes
  // The characters by byte position; empty where the text is too short.
  GbkText Surname1() const { return Slot(surname, 0); }
  GbkText Surname2() const { return Slot(surname, 2); }
  GbkText Given1() const { return Slot(given, 0); }
  GbkText Given2() const { return Slot(given, 2); }
  GbkText Given3() const { return Slot(given, 4); }
  // A name can be scored only when its first surname and given characters exist.
  bool IsScorable() const { return !Surname1().empty() && !Given1().empty(); }

 private:
  static GbkText Slot(const GbkText& text, std::size_t at) {
    return at < text.size() ? text.substr(at, 2) : GbkText();
  }
};

CleanedName CleanName(std::string_view surname, std::string_view given);

}  // namespace tavrin
