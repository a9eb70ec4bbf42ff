#include "gui/app/gbk_qt.hpp"

#include <QList>

#include "text/encoding.hpp"

namespace tavrin::gui {

QString FromGbk(std::string_view gbk) {
  const ConversionResult utf8 = GbkToUtf8(gbk);
  if (utf8.ok()) return QString::fromStdString(utf8.text);
  // Bytes that are not GBK can only come from a damaged file: show what can be shown.
  QString shown;
  for (std::size_t at = 0; at < gbk.size(); at += CharLengthAt(gbk, at)) {
    const ConversionResult one = GbkToUtf8(gbk.substr(at, CharLengthAt(gbk, at)));
    shown += one.ok() ? QString::fromStdString(one.text) : QStringLiteral(u"?");
  }
  return shown;
}

GbkText ToGbk(const QString& text) {
  const ConversionResult whole = Utf8ToGbk(text.toStdString());
  if (whole.ok()) return whole.text;
  GbkText gbk;
  for (const uint code_point : text.toUcs4()) {
    const ConversionResult one =
        Utf8ToGbk(QString::fromUcs4(reinterpret_cast<const char32_t*>(&code_point), 1).toStdString());
    gbk += one.ok() ? one.text : GbkText("?");
  }
  return gbk;
}

QString FromPath(const std::string& path) { return QString::fromStdString(path); }

}  // namespace tavrin::gui
