#include "text/encoding.hpp"

#include <iconv.h>

#include <cerrno>

namespace tavrin {
namespace {

ConversionResult Convert(std::string_view input, const char* to, const char* from) {
  ConversionResult result;
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    result.error_offset = 0;
    return result;
  }
  // GBK and UTF-8 grow by at most 3/2 either way; +4 keeps room for the last character.
  std::string output(input.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  // Stop at the first invalid or incomplete sequence (EILSEQ, EINVAL).
  if (iconv(converter, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1)) {
    result.error_offset = input.size() - in_left;
  } else {
    output.resize(output.size() - out_left);
    result.text = std::move(output);
  }
  iconv_close(converter);
  return result;
}

}  // namespace

ConversionResult Utf8ToGbk(std::string_view utf8) { return Convert(utf8, "GBK", "UTF-8"); }

ConversionResult GbkToUtf8(std::string_view gbk) { return Convert(gbk, "UTF-8", "GBK"); }

}  // namespace tavrin
