#include "naming/name_input.hpp"

#include "text/search.hpp"

namespace tavrin {

GbkText RemoveBlanks(std::string_view text) { return ReplaceAll(ReplaceAll(text, " ", ""), "　", ""); }

GbkText CleanNameText(std::string_view text) {
  static constexpr std::string_view kUnwanted = "0123456789abcdefghijklmnopqrstuvwxyz?!.()[]{};:,<>|\\/-+=";
  GbkText cleaned = RemoveBlanks(text);
  for (char unwanted : kUnwanted)
    cleaned = ReplaceAll(cleaned, std::string_view(&unwanted, 1), "", CaseRule::IgnoreAscii);
  return cleaned;
}

CleanedName CleanName(std::string_view surname, std::string_view given) {
  CleanedName name;
  name.surname = CleanNameText(surname).substr(0, 4);
  name.given = CleanNameText(given).substr(0, 6);
  return name;
}

}  // namespace tavrin
