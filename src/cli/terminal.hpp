#pragma once
// The terminal edge of tavrin-cli: arguments arrive and output leaves as UTF-8,
// while everything inside is GBK.
#include <optional>
#include <string>
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin::cli {

// The GBK form of a UTF-8 argument, or nothing when it holds a character with no
// GBK form (or is not UTF-8).
std::optional<GbkText> ArgumentToGbk(std::string_view utf8);

// Writes GBK text to standard output or standard error as UTF-8.
void PrintOut(std::string_view gbk);
void PrintError(std::string_view gbk);

}  // namespace tavrin::cli
