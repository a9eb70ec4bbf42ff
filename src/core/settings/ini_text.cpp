#include "settings/ini_text.hpp"

#include <filesystem>
#include <vector>

#include "app/file_output.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FindText(a, b, CaseRule::IgnoreAscii) == 1;
}

// One line of the file: where it starts, its text without the line end, and
// where the next line starts.
struct Line {
  std::size_t start, end, next;
  std::string_view text;
};

std::vector<Line> LinesOf(std::string_view bytes) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    const std::size_t text_end = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
    lines.push_back({start, text_end, next, bytes.substr(start, text_end - start)});
    start = next;
  }
  return lines;
}

// "[name]" → name; nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[') return std::nullopt;
  const std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

// "key=value" → key; nothing for a comment or a line without "=".
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const int equals = FindText(trimmed, "=");
  if (equals < 1) return std::nullopt;
  return Trim(trimmed.substr(0, static_cast<std::size_t>(equals - 1)));
}

struct Found {
  bool section = false, key = false;
  std::size_t key_line = 0;     // the key's line, when found
  std::size_t section_end = 0;  // the line after the section's last key line
};

Found Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Found found;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i].text)) {
      if (inside) return found;  // the first section of that name ends here
      inside = SameName(*name, section);
      if (inside) {
        found.section = true;
        found.section_end = i + 1;
      }
      continue;
    }
    if (!inside) continue;
    if (const auto name = KeyName(lines[i].text)) {
      found.section_end = i + 1;
      if (SameName(*name, key)) {
        found.key = true;
        found.key_line = i;
        return found;
      }
    }
  }
  return found;
}

}  // namespace

std::optional<GbkText> IniText::Value(std::string_view section, std::string_view key) const {
  const std::vector<Line> lines = LinesOf(bytes_);
  const Found found = Locate(lines, section, key);
  if (!found.key) return std::nullopt;
  const std::string_view line = lines[found.key_line].text;
  return GbkText(Trim(line.substr(static_cast<std::size_t>(FindText(line, "=")))));
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::vector<Line> lines = LinesOf(bytes_);
  const Found found = Locate(lines, section, key);
  const std::string entry = std::string(key) + "=" + std::string(value);
  if (found.key) {
    const Line& line = lines[found.key_line];
    bytes_.replace(line.start, line.end - line.start, entry);
    return;
  }
  // A file that does not end its last line gets a line end before anything new.
  auto ended = [&](std::size_t at) {
    return at == 0 || bytes_[at - 1] == '\n' ? std::string() : std::string("\r\n");
  };
  if (found.section) {
    const std::size_t at = found.section_end < lines.size() ? lines[found.section_end].start : bytes_.size();
    bytes_.insert(at, ended(at) + entry + "\r\n");
    return;
  }
  bytes_ += ended(bytes_.size()) + "[" + std::string(section) + "]\r\n" + entry + "\r\n";
}

GbkText ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view fallback) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return GbkText(fallback);
  return IniText(std::move(bytes)).Value(section, key).value_or(GbkText(fallback));
}

bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value) {
  std::string bytes;
  // A missing file starts empty; one that exists but cannot be read is left
  // alone rather than replaced by a file that holds only this value.
  if (!ReadWholeFile(path, bytes) && std::filesystem::exists(path)) return false;
  IniText ini(std::move(bytes));
  ini.SetValue(section, key, value);
  return ReplaceFile(path, ini.Bytes());
}

}  // namespace tavrin
