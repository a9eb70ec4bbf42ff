#pragma once
// Narrow literals in this code base are GBK; tests that need UTF-8 bytes write
// u8"" literals and turn them into std::string here.
#include <string>
#include <string_view>

namespace tavrin::test {

inline std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

}  // namespace tavrin::test
