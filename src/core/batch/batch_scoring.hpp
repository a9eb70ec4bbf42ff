#pragma once
// Scoring a whole list of names at once: the items, their scores and the page.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/gbk_text.hpp"

namespace tavrin {

// The items of a batch input: line breaks read as spaces, then split at every
// single space (two spaces in a row give an empty item).
std::vector<GbkText> BatchItems(std::string_view input);

// The score of one item read as a one-character surname and a given name of one
// to three characters: an item of 4, 6 or 8 bytes. Other items have no score.
std::optional<double> ScoreBatchItem(std::string_view item);

struct ScoredName {
  GbkText item;
  double score = 0;
};

// Progress through the items: (position from 1, count), once per item, skipped
// ones included.
using BatchProgress = std::function<void(std::size_t position, std::size_t count)>;

// Scores every item that can be scored, in input order.
std::vector<ScoredName> ScoreBatch(const std::vector<GbkText>& items, const BatchProgress& progress = {});

// Highest score first; equal scores keep their input order.
void SortByScore(std::vector<ScoredName>& names);

// Each name as HTML text followed by "(" + score + ") ", "<br>" after every sixth.
GbkText BatchResultText(const std::vector<ScoredName>& names);

// The result page around a result text.
GbkText BuildBatchPage(std::string_view result_text);

// A whole run as the batch window starts it: scores `input`, writes the page
// "批量测名.htm" into `data_dir` (ending with "/") and returns its path (UTF-8,
// as the file system names it); nothing
// when the input holds no item. Runs never overlap: a second one waits for the
// first to end.
std::optional<std::string> RunBatch(std::string_view input, bool sort_by_score, const std::string& data_dir,
                                    const BatchProgress& progress = {});

}  // namespace tavrin
