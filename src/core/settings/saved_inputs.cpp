#include "settings/saved_inputs.hpp"

#include <algorithm>
#include <climits>

#include "app/product.hpp"
#include "settings/ini_text.hpp"

namespace tavrin {
namespace {

constexpr int kFirstYear = 1930, kLastYear = 2030;

int ReadIndex(const std::string& path, std::string_view key, int fallback) {
  return SettingNumber(ReadIniValue(path, ProductName, key, std::to_string(fallback)));
}

}  // namespace

int SettingNumber(std::string_view text) {
  std::size_t at = text.find_first_not_of(" \t");
  if (at == std::string_view::npos) return 0;
  bool negative = false;
  if (text[at] == '-' || text[at] == '+') negative = text[at++] == '-';
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = std::min<long long>(value * 10 + (text[at] - '0'), INT_MAX);
  }
  return static_cast<int>(negative ? -value : value);
}

int ClampSelection(int index, int item_count) {
  if (index < 0 || item_count <= 0) return -1;
  return std::min(index, item_count - 1);
}

SavedInputs RestoreInputs(const std::string& path, const DateTime& now, const SavedInputs& as_built) {
  const int year = now.year >= kFirstYear && now.year <= kLastYear ? now.year : 0;
  SavedInputs inputs = as_built;
  inputs.solar_year = ReadIndex(path, "设置_年", year - kFirstYear);
  inputs.solar_month = ReadIndex(path, "设置_月", now.month - 1);
  inputs.solar_day = ReadIndex(path, "设置_日", now.day - 1);
  inputs.solar_hour = ReadIndex(path, "设置_时", now.hour);
  inputs.lunar_year = ReadIndex(path, "设置_年2", year - kFirstYear);
  inputs.date_kind = ReadIndex(path, "设置_日期类型", as_built.date_kind);
  inputs.surname = ReadIniValue(path, ProductName, "设置_姓", as_built.surname);
  inputs.given = ReadIniValue(path, ProductName, "设置_名", as_built.given);
  inputs.male = ReadIniValue(path, ProductName, "设置_性别值", as_built.male ? "真" : "假") == "真";
  return inputs;
}

bool SaveInputs(const std::string& path, const SavedInputs& inputs) {
  const std::pair<std::string_view, GbkText> values[] = {
      {"设置_年", std::to_string(inputs.solar_year)},
      {"设置_月", std::to_string(inputs.solar_month)},
      {"设置_日", std::to_string(inputs.solar_day)},
      {"设置_时", std::to_string(inputs.solar_hour)},
      {"设置_日期类型", std::to_string(inputs.date_kind)},
      {"设置_年2", std::to_string(inputs.lunar_year)},
      {"设置_姓", inputs.surname},
      {"设置_名", inputs.given},
      {"设置_性别值", inputs.male ? "真" : "假"},
  };
  bool written = true;
  for (const auto& [key, value] : values) written = WriteIniValue(path, ProductName, key, value) && written;
  return written;
}

}  // namespace tavrin
