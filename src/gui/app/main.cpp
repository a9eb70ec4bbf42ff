#include <QApplication>

#include "gui/app/main_window.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tavrin::gui::MainWindow window;
  window.show();
  return application.exec();
}
