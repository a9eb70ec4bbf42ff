// The dictionary tables in their exact formats, and over every GB2312 character.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>

#include "dictionary/elements.hpp"
#include "dictionary/pinyin.hpp"
#include "dictionary/strokes.hpp"
#include "tavrin/data/tables.hpp"
#include "text/encoding.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

bool IsHanzi(std::string_view text) { return text.size() == 2 && IsLeadByte(text[0]); }
bool IsCount(std::string_view text) {
  return !text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// GB2312's 6,763 hanzi: rows B0–F7, cells A1–FE, less the five empty cells of row D7.
std::vector<std::string> Gb2312Hanzi() {
  std::vector<std::string> all;
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail >= 0xFA) continue;
      all.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    }
  }
  return all;
}

// Run-on rows "√" + fields + "|"...: returns the rows' fields, failing on a malformed row.
std::vector<std::vector<std::string_view>> RunOnRows(std::string_view table, std::size_t fields) {
  std::vector<std::vector<std::string_view>> rows;
  std::string_view rest = table;
  while (!rest.empty()) {
    EXPECT_EQ(rest.substr(0, 2), "√") << "row " << rows.size() + 1 << " does not open with √";
    if (rest.substr(0, 2) != "√") break;
    rest.remove_prefix(2);
    std::vector<std::string_view> row;
    for (std::size_t i = 0; i < fields; ++i) {
      const int bar = FindText(rest, "|");
      if (bar < 0) break;
      row.push_back(rest.substr(0, static_cast<std::size_t>(bar - 1)));
      rest.remove_prefix(static_cast<std::size_t>(bar));
    }
    EXPECT_EQ(row.size(), fields) << "row " << rows.size() + 1 << " is cut short";
    rows.push_back(row);
  }
  return rows;
}

TEST(DictionaryTables, StrokeRowsAreWellFormedAndKeyedOnce) {
  std::set<std::string_view> keys;
  for (const auto& row : RunOnRows(data::NameCharStrokes(), 2)) {
    EXPECT_TRUE(IsHanzi(row[0]) && IsCount(row[1])) << "NameCharStrokes row " << row[0];
    EXPECT_TRUE(keys.insert(row[0]).second) << "NameCharStrokes holds twice: " << row[0];
  }
  for (const auto& row : RunOnRows(data::SimpTradStrokes(), 3)) {
    EXPECT_TRUE(IsHanzi(row[0]) && IsHanzi(row[1]) && IsCount(row[2])) << "SimpTradStrokes row " << row[0];
    EXPECT_NE(row[0], row[1]) << "SimpTradStrokes maps a character to itself: " << row[0];
    EXPECT_TRUE(keys.insert(row[0]).second) << "keyed in both stroke tables, or twice: " << row[0];
  }
  const std::string_view cells = data::CharStrokeCells();
  ASSERT_EQ(cells.size() % 5, 0u);
  for (std::size_t at = 0; at < cells.size(); at += 5) {
    const std::string_view cell = cells.substr(at, 5), count = cell.substr(2, 2);
    const bool padded = count[0] == ' ' || count[1] == ' ';
    EXPECT_TRUE(IsHanzi(cell.substr(0, 2)) && cell[4] == ' ' && ReadNumber(count) > 0 &&
                (padded ? count.find_first_of("0123456789") != std::string_view::npos && count != "  "
                        : IsCount(count)))
        << "CharStrokeCells cell " << at / 5 + 1 << ": '" << cell << "'";
  }
}

TEST(DictionaryTables, TellingRowsStandAsGiven) {
  for (const char* row : {"√健|11|", "√柏|9|", "√金|8|"})
    EXPECT_GE(FindText(data::NameCharStrokes(), row), 1) << row;
  for (const char* row : {"√轩|軒|10|", "√泽|澤|17|", "√国|國|11|"}) {
    EXPECT_GE(FindText(data::SimpTradStrokes(), row), 1) << row;
  }
  for (const char* cell : {"啊16 ", "哎 8 ", "哀9  "}) {
    EXPECT_EQ((FindText(data::CharStrokeCells(), cell) - 1) % 5, 0) << cell;
  }
  auto lines = [](std::string_view table) {
    const auto split = SplitText(table, "\r\n");
    return std::set<std::string_view>(split.begin(), split.end());
  };
  const auto stroke_lines = lines(data::StrokeGroups()), element_lines = lines(data::ElementGroups());
  for (const char* line : {"{1}", "：一乙", "{2}", "：匕刀人入厶"})
    EXPECT_TRUE(stroke_lines.count(line)) << line;
  for (const char* line : {"{1}", "“土”：一乙", "{2}", "“金”：匕刀人入厶", "“水”：勹卜乜"}) {
    EXPECT_TRUE(element_lines.count(line)) << line;
  }
  const auto pinyin_lines = lines(data::PinyinTable());
  for (const char* line :
       {"a1 阿啊呵腌吖锕", "a5 阿啊呵", "lv4 律绿率虑滤氯", "lve4 略掠锊", "n2 嗯唔", "hng5 哼"}) {
    EXPECT_TRUE(pinyin_lines.count(line)) << line;
  }
}

// StrokeGroups and ElementGroups: "{n}" lines, then lines of groups each opened
// by "：" (or by an element label "“金”："), a second group after spaces.
std::string GroupCharacters(std::string_view table, bool labelled, std::vector<std::string>* labels) {
  std::string characters;
  EXPECT_EQ(table.substr(table.size() - 2), "\r\n") << "the last line has no CR LF";
  int section = 0;
  for (std::string_view line : SplitText(table, "\r\n")) {
    if (!line.empty() && line[0] == '{') {
      const int number = ReadNumber(line.substr(1));
      EXPECT_EQ(line, "{" + std::to_string(number) + "}") << "malformed section line " << line;
      EXPECT_GT(number, section) << "sections out of order at " << line;
      section = number;
      continue;
    }
    EXPECT_GT(section, 0) << "characters before the first section: " << line;
    std::size_t at = 0;
    while (at < line.size()) {
      if (line[at] == ' ') {
        ++at;
        continue;
      }
      if (labelled) {
        const std::string_view label = line.substr(at, 4), close = line.substr(at + 4, 2);
        EXPECT_TRUE(line.substr(at, 2) == "“" && close == "”") << "no element label in line " << line;
        if (labels) labels->emplace_back(line.substr(at + 2, 2));
        (void)label;
        at += 6;
      }
      EXPECT_EQ(line.substr(at, 2), "：") << "a group does not open with ： in line " << line;
      at += 2;
      while (at < line.size() && line[at] != ' ') {
        EXPECT_TRUE(IsHanzi(line.substr(at, 2))) << "not a character in line " << line;
        characters += line.substr(at, 2);
        at += 2;
      }
    }
  }
  return characters;
}

TEST(DictionaryTables, GroupTablesHoldTheSameCharactersInTheSameOrder) {
  std::vector<std::string> labels;
  const std::string strokes = GroupCharacters(data::StrokeGroups(), false, nullptr);
  const std::string elements = GroupCharacters(data::ElementGroups(), true, &labels);
  EXPECT_EQ(strokes, elements);
  for (const std::string& label : labels) {
    EXPECT_TRUE(label == "金" || label == "木" || label == "水" || label == "火" || label == "土") << label;
  }
  // The element lookup relies on each element character standing exactly once.
  for (const char* element : {"金", "木", "水", "火", "土"}) {
    EXPECT_EQ(FindText(elements, element), FindLastText(elements, element)) << element;
  }
}

TEST(DictionaryTables, PinyinLinesAreSyllableToneSpaceCharacters) {
  std::string previous_syllable;
  for (std::string_view line : SplitText(data::PinyinTable(), "\r\n")) {
    const std::string_view numbered = TextBefore(line, " ");
    ASSERT_GE(numbered.size(), 2u) << line;
    const char tone = numbered.back();
    EXPECT_TRUE(tone >= '1' && tone <= '5') << line;
    EXPECT_EQ(numbered.substr(0, numbered.size() - 1).find_first_not_of("abcdefghijklmnopqrstuvwxyz"),
              std::string_view::npos)
        << line;
    const std::string_view characters = line.substr(numbered.size() + 1);
    EXPECT_FALSE(characters.empty()) << line;
    for (std::size_t at = 0; at < characters.size(); at += 2) {
      EXPECT_TRUE(IsHanzi(characters.substr(at, 2))) << line;
    }
  }
}

// The characters left without an element, each with its recorded reason, from
// the generator's provenance file (UTF-8: "character<TAB>未<TAB>none:<why>").
std::set<std::string> CharactersRecordedWithoutElement() {
  std::ifstream file(std::string(TAVRIN_SOURCE_DIR) + "/data/dictionary/sources/element-sources.tsv");
  EXPECT_TRUE(file) << "element-sources.tsv not found";
  std::set<std::string> characters;
  for (std::string line; std::getline(file, line);) {
    // UTF-8, so split with plain byte searches rather than the GBK-aware rule.
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos && line.find("\tnone:") != std::string::npos) {
      characters.insert(Utf8ToGbk(line.substr(0, tab)).text);
    }
  }
  return characters;
}

TEST(DictionaryTables, EveryGb2312CharacterHasStrokesAnElementAndAReading) {
  const std::set<std::string> without_element = CharactersRecordedWithoutElement();
  EXPECT_TRUE(without_element.count("嗯"));
  for (const std::string& character : Gb2312Hanzi()) {
    EXPECT_GT(StrokeCount(character), 0) << character;
    EXPECT_EQ(ElementOf(character) == "未", without_element.count(character) == 1) << character;
    EXPECT_FALSE(PinyinOf(character).empty()) << character;
  }
}

}  // namespace
}  // namespace tavrin
