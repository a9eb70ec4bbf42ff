// tavrin-cli name SURNAME GIVEN [--out DIR]: the name report.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "cli/commands/commands.hpp"
#include "cli/terminal.hpp"
#include "naming/name_input.hpp"
#include "naming/name_report.hpp"

namespace tavrin::cli {
namespace {

// The report's lines end with CR LF in its file; a terminal wants LF.
std::string WithLineFeeds(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' || at + 1 == text.size() || text[at + 1] != '\n') result += text[at];
  }
  return result;
}

int RunName(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (!ParseArguments(kNameCommand, arguments,
                      {.valued = {"--out"}, .min_positional = 2, .max_positional = 2}, parsed)) {
    return kUsageError;
  }
  const std::optional<GbkText> surname = ArgumentToGbk(parsed.positional[0]);
  const std::optional<GbkText> given = ArgumentToGbk(parsed.positional[1]);
  if (!surname) return Fail(kInputError, "name: SURNAME holds a character with no GBK form");
  if (!given) return Fail(kInputError, "name: GIVEN holds a character with no GBK form");

  // The application's checks, in its order: blanks only, then nothing left to score.
  if (RemoveBlanks(*surname).empty()) {
    return Fail(kInputError, "name: SURNAME is empty (" + GbkText(kAskForSurname) + ")");
  }
  if (RemoveBlanks(*given).empty())
    return Fail(kInputError, "name: GIVEN is empty (" + GbkText(kAskForGiven) + ")");
  const CleanedName name = CleanName(*surname, *given);
  if (name.Surname1().empty()) return Fail(kInputError, "name: SURNAME has no Chinese character to score");
  if (name.Given1().empty()) return Fail(kInputError, "name: GIVEN has no Chinese character to score");

  const auto out = parsed.values.find("--out");
  if (out != parsed.values.end()) {
    const std::string& directory = out->second;
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
      return Fail(kInputError, "name: --out expects an existing directory, not '" + directory + "'");
    }
    if (access(directory.c_str(), W_OK) != 0) {
      return Fail(kInputError, "name: --out directory '" + directory + "' is not writable");
    }
    RunNameTest(*surname, *given, directory);
  }
  PrintOut(WithLineFeeds(FillNameTextReport(name)));
  return kSuccess;
}

}  // namespace

const Command kNameCommand = {
    "name",
    "name SURNAME GIVEN [--out DIR]",
    "the name report as plain text; --out also writes its three files",
    "The plain-text name report (名字评分) of a name, after the same cleaning and cutting\n"
    "as the application: each character with its traditional form, pinyin, Kangxi\n"
    "strokes and element, the five grids with their readings, the three talents, the\n"
    "relations and personality readings, the verdict and the score.\n\n"
    "  --out DIR   also write the application's files into DIR (which must exist), in\n"
    "              GBK: NamePf.htm (the page), NamePf2011.htm (the page without the\n"
    "              announcement) and NamePf.txt (this report, with CR LF line ends).\n\n"
    "Example:\n  tavrin-cli name 王 小明 --out /tmp\n",
    RunName,
};

}  // namespace tavrin::cli
