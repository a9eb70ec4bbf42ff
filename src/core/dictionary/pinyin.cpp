#include "dictionary/pinyin.hpp"

#include <array>

#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// The marked vowels, by letter and tone 1–4; "ve" is written ü + marked e.
struct ToneMarks {
  char letter;
  std::array<std::string_view, 4> marked;
};
constexpr ToneMarks kToneMarks[] = {
    {'a', {"ā", "á", "ǎ", "à"}}, {'o', {"ō", "ó", "ǒ", "ò"}}, {'e', {"ē", "é", "ě", "è"}},
    {'i', {"ī", "í", "ǐ", "ì"}}, {'u', {"ū", "ú", "ǔ", "ù"}}, {'v', {"ǖ", "ǘ", "ǚ", "ǜ"}},
};
constexpr std::array<std::string_view, 4> kMarkedVe = {"üē", "üé", "üě", "üè"};

std::string_view Marked(char letter, int tone) {
  for (const ToneMarks& marks : kToneMarks) {
    if (marks.letter == letter) return marks.marked[static_cast<std::size_t>(tone - 1)];
  }
  return {};
}

bool IsOneOf(char letter, std::string_view letters) { return letters.find(letter) != std::string_view::npos; }

GbkText MarkSyllable(std::string_view syllable) {
  if (syllable.empty()) return {};
  const int tone = ReadNumber(syllable.substr(syllable.size() - 1));
  const bool has_digit = syllable.back() >= '0' && syllable.back() <= '9';
  const std::string_view letters = has_digit ? syllable.substr(0, syllable.size() - 1) : syllable;
  const bool has_v = letters.find('v') != std::string_view::npos;
  if (tone == 5 && !has_v) return GbkText(letters);  // the neutral tone goes unmarked

  for (std::size_t at = 0; at < letters.size(); ++at) {
    const char letter = letters[at];
    if (!IsOneOf(letter, "aoeuiv")) continue;
    std::size_t target = at;
    if (letter == 'u' && at + 1 < letters.size() && IsOneOf(letters[at + 1], "aieo")) target = at + 1;
    if (letter == 'i' && at + 1 < letters.size() && IsOneOf(letters[at + 1], "aueo")) target = at + 1;
    const bool ve = letter == 'v' && at + 1 < letters.size() && letters[at + 1] == 'e';
    GbkText result(letters.substr(0, target));
    if (tone >= 1 && tone <= 4) {
      result += ve ? kMarkedVe[static_cast<std::size_t>(tone - 1)] : Marked(letters[target], tone);
    } else {
      // No mark exists for this tone (the neutral lv5, or no digit at all): keep
      // the vowel plain but still write v as ü, and drop the digit.
      result += letters[target] == 'v' ? GbkText(ve ? "üe" : "ü") : GbkText(1, letters[target]);
    }
    result += letters.substr(target + (ve ? 2 : 1));
    return result;
  }
  return GbkText(syllable);  // no vowel letter (m2, ng3): left as it is, digit included
}

}  // namespace

GbkText MarkTones(std::string_view numbered) {
  GbkText result;
  const std::vector<std::string_view> syllables = SplitText(numbered, ",");
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    if (i > 0) result += ',';
    result += MarkSyllable(syllables[i]);
  }
  return result;
}

GbkText PinyinOf(std::string_view character) {
  if (character.empty()) return {};
  const std::string_view table = data::PinyinTable();
  if (FindText(table, character) < 0) return FirstReading(character);
  GbkText numbered;
  for (std::string_view line : SplitText(table, "\r\n")) {
    if (line.empty() || FindText(line, character) < 0) continue;
    if (!numbered.empty()) numbered += ',';
    numbered += TextBefore(line, " ");
  }
  return MarkTones(numbered);
}

GbkText FirstReading(std::string_view character) {
  if (character.size() != 2) return {};
  const auto lead = static_cast<unsigned char>(character[0]),
             trail = static_cast<unsigned char>(character[1]);
  if (lead < 0xB0 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE) return {};
  // Lines "<syllable> <characters>": the reading is the start of the line that
  // holds the character.
  const std::string_view table = data::FirstReadings();
  const int position = FindText(table, character);
  if (position < 0) return {};
  const std::string_view before = table.substr(0, static_cast<std::size_t>(position - 1));
  const int line_end = FindLastText(before, "\n");
  const std::string_view line = before.substr(line_end < 0 ? 0 : static_cast<std::size_t>(line_end));
  return GbkText(TextBefore(line, " "));
}

}  // namespace tavrin
