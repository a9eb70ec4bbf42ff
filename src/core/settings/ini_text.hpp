#pragma once
// INI files with the semantics of the classic private-profile functions, over
// GBK bytes: "[section]" lines, "key=value" lines, section and key names
// compared without regard to ASCII case and trimmed of blanks, the first
// occurrence winning. Writing one value keeps every other section, key,
// comment and line of the file as it was.
#include <optional>
#include <string>
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

class IniText {
 public:
  explicit IniText(std::string bytes = {}) : bytes_(std::move(bytes)) {}

  // The value of `key` in `section`, blanks around it removed; nothing when the
  // section or key is absent.
  std::optional<GbkText> Value(std::string_view section, std::string_view key) const;

  // Replaces the key's line, or adds it at the end of its section, or adds the
  // section at the end of the file.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// The value of a key in the INI file at `path` (UTF-8 path), or `fallback`
// when the file, section or key is missing.
GbkText ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view fallback);

// Sets one value in the INI file at `path`, creating it when missing; the file
// is replaced whole and safely. False when it could not be written.
bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace tavrin
