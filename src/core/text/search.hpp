#pragma once
// The one search rule that every lookup of the system shares. A scan advances a
// whole character at a time, so a match only begins on a character boundary and
// never on the second byte of a two-byte character. Positions are 1-based; a
// search that finds nothing gives -1.
#include <concepts>
#include <string>
#include <string_view>
#include <vector>

#include "text/gbk_text.hpp"

namespace tavrin {

enum class CaseRule { Exact, IgnoreAscii };

// Position of the first match at or after `from` (1-based), or -1. An empty
// pattern matches at position 1 of a non-empty text and nowhere in an empty one.
int FindText(std::string_view text, std::string_view pattern, CaseRule mode = CaseRule::Exact, int from = 1);

// Position of the last match, or -1; the scan goes forward under the same rule.
int FindLastText(std::string_view text, std::string_view pattern, CaseRule mode = CaseRule::Exact);

// The bytes before the first occurrence of `separator` (ASCII case ignored);
// empty when the separator is absent or opens the text. The result views `text`.
std::string_view TextBefore(std::string_view text, std::string_view separator);
// The bytes after the first occurrence of `separator` to the end (ASCII case
// ignored); the whole text for an empty separator, empty when it is absent.
std::string_view TextAfter(std::string_view text, std::string_view separator);

// The results view their argument, so a temporary string would leave them dangling.
template <typename Text>
requires std::same_as<Text, std::string> std::string_view TextBefore(Text&&, std::string_view)
= delete;
template <typename Text>
requires std::same_as<Text, std::string> std::string_view TextAfter(Text&&, std::string_view)
= delete;

// The field that follows `key` up to the next `bar` (TextBefore of TextAfter):
// how every table row is read. Empty when the key or the bar is absent.
std::string_view FieldAfter(std::string_view table, std::string_view key, std::string_view bar = "|");

// A field read as a number: leading spaces skipped, then decimal digits up to the
// first other byte; no digit reads 0. Saturates instead of overflowing.
int ReadNumber(std::string_view field);

// The text with every (exact, character-aligned) occurrence of `from` replaced
// by `to`, scanning on after each replacement: how a template is filled.
GbkText ReplaceEvery(std::string_view text, std::string_view from, std::string_view to);

// Splits at every (exact, character-aligned) occurrence of `separator`. Two
// separators in a row give an empty item; an empty text gives no items; the text
// after the last separator is an item only when it is not empty.
std::vector<std::string_view> SplitText(std::string_view text, std::string_view separator);

}  // namespace tavrin
