#include "gui/app/main_window.hpp"

#include "app/product.hpp"

namespace tavrin::gui {

QString ProductCaption() {
  // The product constants are ASCII, so their bytes read the same as UTF-8.
  return QString::fromLatin1(ProductName.data(), static_cast<qsizetype>(ProductName.size())) +
         QStringLiteral(u" v") +
         QString::fromLatin1(ProductVersion.data(), static_cast<qsizetype>(ProductVersion.size()));
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral(u"MainWindow"));
  setWindowTitle(ProductCaption());
}

}  // namespace tavrin::gui
