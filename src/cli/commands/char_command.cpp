// tavrin-cli char TEXT: what the dictionary knows of each character.
#include "cli/commands/commands.hpp"
#include "cli/terminal.hpp"
#include "dictionary/char_info.hpp"

namespace tavrin::cli {
namespace {

int RunChar(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (!ParseArguments(kCharCommand, arguments, {.min_positional = 1, .max_positional = 1}, parsed))
    return kUsageError;
  const std::optional<GbkText> text = ArgumentToGbk(parsed.positional[0]);
  if (!text) return Fail(kInputError, "char: TEXT holds a character with no GBK form");

  std::string out;
  for (std::size_t at = 0; at < text->size(); at += CharLengthAt(*text, at)) {
    const CharInfo info = DescribeCharacter(std::string_view(*text).substr(at, CharLengthAt(*text, at)));
    out += info.character + "\t" + info.traditional + "\t" + std::to_string(info.strokes) + "\t" +
           info.element + "\t" + info.pinyin + "\n";
  }
  PrintOut(out);
  return kSuccess;
}

}  // namespace

const Command kCharCommand = {
    "char",
    "char TEXT",
    "each character's traditional form, Kangxi strokes, element and pinyin",
    "One line per character of TEXT: the character, its traditional form, its Kangxi\n"
    "stroke count (0 when no table holds it), its element of meaning (金 木 水 火 土, or 未),\n"
    "and its tone-marked pinyin (all readings joined by \",\"; may be empty).\n\n"
    "Example:\n  tavrin-cli char 泽轩钟和嗯\n",
    RunChar,
};

}  // namespace tavrin::cli
