#pragma once
#include <QMainWindow>

namespace tavrin::gui {

// The application's main window.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

// "Tavrin v3.0": the caption every window of the product carries.
QString ProductCaption();

}  // namespace tavrin::gui
