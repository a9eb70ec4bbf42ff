#include <QApplication>
#include <QDateTime>

#include "gui/app/app_paths.hpp"
#include "gui/app/desktop.hpp"
#include "gui/app/main_window.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tavrin::gui::QtDesktop desktop;
  tavrin::gui::MainWindow window(desktop, tavrin::gui::ResolvePlatformDataLocations());
  window.show();
  const QDateTime now = QDateTime::currentDateTime();
  window.Start({now.date().year(), now.date().month(), now.date().day(), now.time().hour(), 0, 0});
  return application.exec();
}
