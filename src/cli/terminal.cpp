#include "cli/terminal.hpp"

#include <cstdio>

#include "text/encoding.hpp"

namespace tavrin::cli {
namespace {

void Print(std::FILE* stream, std::string_view gbk) {
  const ConversionResult utf8 = GbkToUtf8(gbk);
  // Our own output is always valid GBK; should it ever not be, show the bytes
  // rather than nothing.
  const std::string& text = utf8.ok() ? utf8.text : std::string(gbk);
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

std::optional<GbkText> ArgumentToGbk(std::string_view utf8) {
  ConversionResult gbk = Utf8ToGbk(utf8);
  if (!gbk.ok()) return std::nullopt;
  return std::move(gbk.text);
}

void PrintOut(std::string_view gbk) { Print(stdout, gbk); }
void PrintError(std::string_view gbk) { Print(stderr, gbk); }

}  // namespace tavrin::cli
