#include "dictionary/traditional.hpp"

#include <opencc/opencc.h>

#include <memory>
#include <mutex>
#include <optional>

#include "tavrin/data/tables.hpp"
#include "text/encoding.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// OpenCC loads its dictionaries once (a few milliseconds); the converter is then
// shared by every thread, one call at a time.
class SharedConverter {
 public:
  std::optional<std::string> Convert(const std::string& utf8) {
    std::lock_guard lock(mutex_);
    if (!tried_) {
      tried_ = true;
      try {
        converter_ = std::make_unique<opencc::SimpleConverter>("s2t.json");
      } catch (const std::exception&) {
        converter_.reset();  // no OpenCC data installed: the mapping cannot be had
      }
    }
    if (!converter_) return std::nullopt;
    try {
      return converter_->Convert(utf8);
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }

 private:
  std::mutex mutex_;
  bool tried_ = false;
  std::unique_ptr<opencc::SimpleConverter> converter_;
};

std::optional<GbkText> OpenCcForm(std::string_view text) {
  static SharedConverter converter;
  const ConversionResult utf8 = GbkToUtf8(text);
  if (!utf8.ok()) return std::nullopt;
  const std::optional<std::string> traditional = converter.Convert(utf8.text);
  if (!traditional) return std::nullopt;
  ConversionResult gbk = Utf8ToGbk(*traditional);
  if (!gbk.ok()) return std::nullopt;
  return std::move(gbk.text);
}

}  // namespace

GbkText TraditionalForm(std::string_view text) {
  if (text.empty()) return {};
  if (text == "钟") return "鍾";
  const GbkText key = "√" + GbkText(text) + "|";
  if (FindText(data::TraditionalOverrides(), key) > 0) {
    return GbkText(FieldAfter(data::TraditionalOverrides(), key));
  }
  if (std::optional<GbkText> form = OpenCcForm(text)) return std::move(*form);
  return GbkText(text.size(), ' ');
}

}  // namespace tavrin
