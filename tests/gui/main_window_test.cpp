#include <QtTest>

#include "gui/app/main_window.hpp"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheProductCaptionAndCloses() {
    tavrin::gui::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral(u"Tavrin v3.0"));
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
