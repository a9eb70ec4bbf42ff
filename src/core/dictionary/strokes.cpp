#include "dictionary/strokes.hpp"

#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

bool Holds(std::string_view table, std::string_view key) {
  return FindText(table, key, CaseRule::IgnoreAscii) > 0;
}

// "√" + character + "|" + count + "|", run on.
int FromNameCharacters(std::string_view key) {
  return Holds(data::NameCharStrokes(), key) ? ReadNumber(FieldAfter(data::NameCharStrokes(), key)) : -1;
}

// "√" + simplified + "|" + traditional + "|" + count + "|": skip the traditional form.
int FromSimplifiedCharacters(std::string_view key) {
  if (!Holds(data::SimpTradStrokes(), key)) return -1;
  return ReadNumber(FieldAfter(TextAfter(data::SimpTradStrokes(), key), "|"));
}

// Five-byte cells: the character, its count in two ASCII bytes, a space.
int FromCells(std::string_view character) {
  const std::string_view cells = data::CharStrokeCells();
  const int position = FindText(cells, character);
  if (position < 0) return -1;
  return ReadNumber(cells.substr(static_cast<std::size_t>(position - 1) + 2, 2));
}

// Sections "{n}" followed by lines of characters: the count is the number in
// the last braces before the character's first place.
int FromGroups(std::string_view character) {
  const std::string_view groups = data::StrokeGroups();
  const int position = FindText(groups, character);
  if (position < 0) return 0;
  const std::string_view before = groups.substr(0, static_cast<std::size_t>(position - 1));
  const int open = FindLastText(before, "{"), close = FindLastText(before, "}");
  if (open < 0 || close < open) return 0;
  return ReadNumber(
      before.substr(static_cast<std::size_t>(open), static_cast<std::size_t>(close - open - 1)));
}

}  // namespace

int StrokeCount(std::string_view character) {
  // Only a two-byte character can be a key: a digit would otherwise be found
  // inside the count fields of the tables.
  if (character.size() != 2 || !IsLeadByte(character[0])) return 0;
  const GbkText key = "√" + GbkText(character) + "|";
  if (const int count = FromNameCharacters(key); count >= 0) return count;
  if (const int count = FromSimplifiedCharacters(key); count >= 0) return count;
  if (const int count = FromCells(character); count >= 0) return count;
  return FromGroups(character);
}

}  // namespace tavrin
