#include "text/search.hpp"

#include <algorithm>
#include <climits>
#include <cstring>

namespace tavrin {
namespace {

char FoldAscii(char byte) { return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte; }

bool MatchesAt(std::string_view text, std::size_t at, std::string_view pattern, CaseRule mode) {
  if (text.size() - at < pattern.size()) return false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char a = text[at + i], b = pattern[i];
    // Folding only touches A–Z, so a lead or trail byte of a Chinese character is
    // compared exactly even in the case-insensitive mode.
    if (mode == CaseRule::Exact ? a != b : FoldAscii(a) != FoldAscii(b)) return false;
  }
  return true;
}

// The first byte match of a non-empty pattern at or after `from`. glibc's memmem
// skips ahead by pairs of bytes, which matters in tables full of "|".
std::size_t ByteFind(std::string_view text, std::string_view pattern, std::size_t from) {
  if (from >= text.size()) return std::string_view::npos;
  const void* found = memmem(text.data() + from, text.size() - from, pattern.data(), pattern.size());
  return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data())
               : std::string_view::npos;
}

int FindFirstBoundary(std::string_view text, std::size_t start) {
  for (std::size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) {
    if (at >= start) return static_cast<int>(at + 1);
  }
  return -1;
}

bool HasAsciiLetter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

}  // namespace

int FindText(std::string_view text, std::string_view pattern, CaseRule mode, int from) {
  if (text.empty()) return -1;
  const std::size_t start = from > 1 ? static_cast<std::size_t>(from - 1) : 0;
  if (mode == CaseRule::Exact || !HasAsciiLetter(pattern)) {
    // Every lookup scans a table from its start, so this is the hot path of the
    // whole system: let the library find byte matches, and walk the character
    // boundaries (a lead byte opens two bytes) only up to each candidate.
    if (pattern.empty()) return FindFirstBoundary(text, start);
    std::size_t boundary = 0;
    for (std::size_t candidate = ByteFind(text, pattern, 0); candidate != std::string_view::npos;
         candidate = ByteFind(text, pattern, candidate + 1)) {
      while (boundary < candidate) boundary += CharLengthAt(text, boundary);
      if (boundary == candidate && candidate >= start) return static_cast<int>(candidate + 1);
    }
    return -1;
  }
  for (std::size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) {
    if (at >= start && MatchesAt(text, at, pattern, mode)) return static_cast<int>(at + 1);
  }
  return -1;
}

int FindLastText(std::string_view text, std::string_view pattern, CaseRule mode) {
  int last = -1;
  for (std::size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) {
    if (MatchesAt(text, at, pattern, mode)) last = static_cast<int>(at + 1);
  }
  return last;
}

std::string_view TextBefore(std::string_view text, std::string_view separator) {
  const int position = FindText(text, separator, CaseRule::IgnoreAscii);
  if (position <= 1) return {};
  return text.substr(0, static_cast<std::size_t>(position - 1));
}

std::string_view TextAfter(std::string_view text, std::string_view separator) {
  if (separator.empty()) return text;
  const int position = FindText(text, separator, CaseRule::IgnoreAscii);
  if (position < 0) return {};
  return text.substr(static_cast<std::size_t>(position - 1) + separator.size());
}

std::string_view FieldAfter(std::string_view table, std::string_view key, std::string_view bar) {
  return TextBefore(TextAfter(table, key), bar);
}

int ReadNumber(std::string_view field) {
  std::size_t at = 0;
  while (at < field.size() && field[at] == ' ') ++at;
  long long value = 0;
  for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
    value = value * 10 + (field[at] - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

GbkText ReplaceEvery(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return GbkText(text);
  GbkText result;
  std::size_t done = 0;
  for (int found; (found = FindText(text, from, CaseRule::Exact, static_cast<int>(done) + 1)) > 0;) {
    const auto at = static_cast<std::size_t>(found - 1);
    result.append(text.substr(done, at - done)).append(to);
    done = at + from.size();
  }
  return result.append(text.substr(done));
}

std::vector<std::string_view> SplitText(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> items;
  if (text.empty()) return items;
  if (separator.empty()) {
    items.push_back(text);
    return items;
  }
  std::size_t item_start = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (MatchesAt(text, at, separator, CaseRule::Exact)) {
      items.push_back(text.substr(item_start, at - item_start));
      at += separator.size();
      item_start = at;
    } else {
      at += CharLengthAt(text, at);
    }
  }
  if (item_start < text.size()) items.push_back(text.substr(item_start));
  return items;
}

}  // namespace tavrin
