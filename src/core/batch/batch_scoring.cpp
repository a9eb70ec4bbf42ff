#include "batch/batch_scoring.hpp"

#include <algorithm>
#include <array>
#include <mutex>

#include "app/file_output.hpp"
#include "naming/five_grids.hpp"
#include "naming/name_score.hpp"
#include "tavrin/data/tables.hpp"
#include "text/numbers.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// The relations grade from the batch's grade-only table: "|a|b||grade|".
std::string_view ReadRelationGrade(char person_digit, char outer_digit) {
  const char key[] = {'|', person_digit, '|', outer_digit, '|', '\0'};
  return TextBefore(TextAfter(TextAfter(data::BatchRelationGrades(), key), "|"), "|");
}

// The grade of each of the hundred digit pairs, read once by the same lookup.
std::string_view RelationGrade(int person, int outer) {
  static const std::array<std::array<std::string_view, 10>, 10> grades = [] {
    std::array<std::array<std::string_view, 10>, 10> read;
    for (int a = 0; a < 10; ++a) {
      for (int b = 0; b < 10; ++b)
        read[a][b] = ReadRelationGrade(static_cast<char>('0' + a), static_cast<char>('0' + b));
    }
    return read;
  }();
  return grades[static_cast<std::size_t>(std::to_string(person).back() - '0')]
               [static_cast<std::size_t>(std::to_string(outer).back() - '0')];
}

// A name goes into the page as text, never as markup.
void AppendHtmlText(GbkText& page, std::string_view text) {
  for (std::size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) {
    const std::string_view character = text.substr(at, CharLengthAt(text, at));
    if (character == "&") {
      page += "&amp;";
    } else if (character == "<") {
      page += "&lt;";
    } else if (character == ">") {
      page += "&gt;";
    } else if (character == "\"") {
      page += "&quot;";
    } else if (character == "'") {
      page += "&#39;";
    } else {
      page += character;
    }
  }
}

}  // namespace

std::vector<GbkText> BatchItems(std::string_view input) {
  GbkText spaced;
  spaced.reserve(input.size());
  for (std::size_t at = 0; at < input.size(); ++at) {
    if (input[at] == '\r' && at + 1 < input.size() && input[at + 1] == '\n') {
      spaced += ' ';  // CR LF is one line break, so one separator
      ++at;
    } else {
      spaced += input[at] == '\r' || input[at] == '\n' ? ' ' : input[at];
    }
  }
  std::vector<GbkText> items;
  for (std::string_view item : SplitText(spaced, " ")) items.emplace_back(item);
  return items;
}

std::optional<double> ScoreBatchItem(std::string_view item) {
  if (item.size() != 4 && item.size() != 6 && item.size() != 8) return std::nullopt;
  const FiveGrids grids = ComputeFiveGrids(item.substr(0, 2), item.substr(2));
  return NameScore(grids, TalentKey(grids), RelationGrade(grids.person, grids.outer));
}

std::vector<ScoredName> ScoreBatch(const std::vector<GbkText>& items, const BatchProgress& progress) {
  std::vector<ScoredName> names;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (progress) progress(i + 1, items.size());
    if (const std::optional<double> score = ScoreBatchItem(items[i])) names.push_back({items[i], *score});
  }
  return names;
}

void SortByScore(std::vector<ScoredName>& names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const ScoredName& a, const ScoredName& b) { return a.score > b.score; });
}

GbkText BatchResultText(const std::vector<ScoredName>& names) {
  GbkText text;
  for (std::size_t k = 0; k < names.size(); ++k) {
    AppendHtmlText(text, names[k].item);
    text += "(" + RealText(names[k].score) + ") ";
    if ((k + 1) % 6 == 0) text += "<br>";
  }
  return text;
}

GbkText BuildBatchPage(std::string_view result_text) {
  const std::string_view page = data::BatchPageTemplate();
  const int marker = FindText(page, "替换");
  if (marker < 0) return GbkText(page);
  const auto at = static_cast<std::size_t>(marker - 1);
  return GbkText(page.substr(0, at)) + GbkText(result_text) + GbkText(page.substr(at + 4));
}

std::optional<std::string> RunBatch(std::string_view input, bool sort_by_score, const std::string& data_dir,
                                    const BatchProgress& progress) {
  static std::mutex one_run_at_a_time;
  std::lock_guard lock(one_run_at_a_time);
  const std::vector<GbkText> items = BatchItems(input);
  if (items.empty()) return std::nullopt;
  std::vector<ScoredName> names = ScoreBatch(items, progress);
  if (sort_by_score) SortByScore(names);
  return WriteFileIn(data_dir, "批量测名.htm", BuildBatchPage(BatchResultText(names)));
}

}  // namespace tavrin
