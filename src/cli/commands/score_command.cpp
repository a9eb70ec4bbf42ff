// tavrin-cli score [FILE] [--sort]: batch scoring with the batch window's rules.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "batch/batch_scoring.hpp"
#include "cli/commands/commands.hpp"
#include "cli/terminal.hpp"
#include "text/encoding.hpp"
#include "text/numbers.hpp"

namespace tavrin::cli {
namespace {

bool ReadInput(const std::string& source, std::string& text) {
  std::ostringstream content;
  if (source == "-") {
    content << std::cin.rdbuf();
  } else {
    std::ifstream file(source, std::ios::binary);
    if (!file) return false;
    content << file.rdbuf();
  }
  text = content.str();
  return true;
}

int RunScore(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (!ParseArguments(kScoreCommand, arguments,
                      {.flags = {"--sort"}, .min_positional = 0, .max_positional = 1}, parsed)) {
    return kUsageError;
  }
  const std::string source = parsed.positional.empty() ? "-" : parsed.positional[0];
  std::string utf8;
  if (!ReadInput(source, utf8)) return Fail(kInputError, "score: cannot read FILE '" + source + "'");
  const ConversionResult gbk = Utf8ToGbk(utf8);
  if (!gbk.ok()) {
    const auto line = 1 + std::count(utf8.begin(), utf8.begin() + static_cast<long>(*gbk.error_offset), '\n');
    return Fail(kInputError, "score: line " + std::to_string(line) + " of '" + source +
                                 "' holds a character with no GBK form (or is not UTF-8)");
  }

  std::vector<ScoredName> names = ScoreBatch(BatchItems(gbk.text));
  if (parsed.flags.count("--sort")) SortByScore(names);
  GbkText out;
  out.reserve(names.size() * 16);
  for (const ScoredName& name : names) out += name.item + "\t" + RealText(name.score) + "\n";
  PrintOut(out);
  return kSuccess;
}

}  // namespace

const Command kScoreCommand = {
    "score",
    "score [FILE] [--sort]",
    "score a list of names (one-character surnames) as the batch window does",
    "Reads names from FILE (standard input when FILE is absent or -), separated by\n"
    "spaces or line breaks. Each item of one to three given-name characters after a\n"
    "one-character surname is scored; other items are skipped silently. One line per\n"
    "scored item: the item and its score out of 100. --sort puts the highest scores\n"
    "first, keeping input order among equal scores.\n\n"
    "Example:\n  printf '王小明 李思源\\n' | tavrin-cli score --sort\n",
    RunScore,
};

}  // namespace tavrin::cli
