#pragma once
// The widget edge: the core speaks GBK, the widgets Unicode.
#include <QString>
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin::gui {

QString FromGbk(std::string_view gbk);

// A character with no GBK form becomes "?": the name cleaning removes it, and a
// settings value keeps its place visible.
GbkText ToGbk(const QString& text);

// A file-system path (UTF-8) as Qt takes it.
QString FromPath(const std::string& path);

}  // namespace tavrin::gui
