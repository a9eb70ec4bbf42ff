#include "naming/name_input.hpp"

#include "text/search.hpp"

namespace tavrin {
namespace {

// Removes every character-aligned occurrence of `unwanted` (ASCII case ignored).
GbkText RemoveAll(std::string_view text, std::string_view unwanted) {
  GbkText result;
  std::size_t at = 0;
  for (;;) {
    const int position = FindText(text, unwanted, CaseRule::IgnoreAscii, static_cast<int>(at) + 1);
    if (position < 0) break;
    result += text.substr(at, static_cast<std::size_t>(position - 1) - at);
    at = static_cast<std::size_t>(position - 1) + unwanted.size();
  }
  result += text.substr(std::min(at, text.size()));
  return result;
}

}  // namespace

GbkText RemoveBlanks(std::string_view text) { return RemoveAll(RemoveAll(text, " "), "　"); }

GbkText CleanNameText(std::string_view text) {
  static constexpr std::string_view kUnwanted = "0123456789abcdefghijklmnopqrstuvwxyz?!.()[]{};:,<>|\\/-+=";
  GbkText cleaned = RemoveBlanks(text);
  for (char unwanted : kUnwanted) cleaned = RemoveAll(cleaned, std::string_view(&unwanted, 1));
  return cleaned;
}

CleanedName CleanName(std::string_view surname, std::string_view given) {
  CleanedName name;
  name.surname = CleanNameText(surname).substr(0, 4);
  name.given = CleanNameText(given).substr(0, 6);
  return name;
}

}  // namespace tavrin
