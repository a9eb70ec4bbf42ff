#pragma once
// Conversion between GBK and UTF-8, for the edges of the system only (widgets,
// terminal, tools, the build). Malformed input is reported, never dropped: a
// silent loss here would change a name or a stroke count without anyone seeing.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

struct ConversionResult {
  std::string text;                         // the converted bytes when ok()
  std::optional<std::size_t> error_offset;  // byte offset of the first bad input
  bool ok() const { return !error_offset.has_value(); }
};

ConversionResult Utf8ToGbk(std::string_view utf8);
ConversionResult GbkToUtf8(std::string_view gbk);

}  // namespace tavrin
