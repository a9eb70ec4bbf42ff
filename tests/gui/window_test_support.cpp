#include "window_test_support.hpp"

#include <QDir>

namespace tavrin::gui::test {

PrivateFolders::PrivateFolders() {
  for (const QString& folder : {Data(), Cache(), Config()}) QDir().mkpath(folder);
  qputenv("XDG_DATA_HOME", Data().toUtf8());
  qputenv("XDG_CACHE_HOME", Cache().toUtf8());
  qputenv("XDG_CONFIG_HOME", Config().toUtf8());
}

}  // namespace tavrin::gui::test
