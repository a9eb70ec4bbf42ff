#include "window_test_support.hpp"

#include <QDir>
#include <QFile>

#include "text/encoding.hpp"

namespace tavrin::gui::test {

QByteArray Gbk(const QString& text) { return QByteArray::fromStdString(Utf8ToGbk(text.toStdString()).text); }

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PrivateFolders::PrivateFolders() {
  for (const QString& folder : {Data(), Cache(), Config()}) QDir().mkpath(folder);
  qputenv("XDG_DATA_HOME", Data().toUtf8());
  qputenv("XDG_CACHE_HOME", Cache().toUtf8());
  qputenv("XDG_CONFIG_HOME", Config().toUtf8());
}

}  // namespace tavrin::gui::test
