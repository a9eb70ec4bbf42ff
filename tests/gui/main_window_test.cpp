// The main window headless: start-up, saved inputs, the date panels, the name
// test and the birth pages.
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "calendar/chinese_calendar.hpp"
#include "gui/app/app_paths.hpp"
#include "gui/app/main_window.hpp"
#include "gui/view/report_view.hpp"
#include "text/encoding.hpp"
#include "window_test_support.hpp"

using tavrin::gui::MainWindow;
using tavrin::gui::test::Gbk;
using tavrin::gui::test::PrivateFolders;
using tavrin::gui::test::ReadBytes;
using tavrin::gui::test::RecordingDesktop;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PrivateFolders> folders_;
  RecordingDesktop desktop_;
  std::unique_ptr<MainWindow> window_;

  // A window as the application opens it, on the given day.
  MainWindow& Open(const tavrin::DateTime& now = {2024, 3, 5, 14, 0, 0}) {
    window_ = std::make_unique<MainWindow>(desktop_, tavrin::gui::ResolvePlatformDataLocations());
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("the window did not become active");
    window_->Start(now);
    return *window_;
  }
  template <typename Control>
  Control* Find(const char16_t* name) {
    return window_->findChild<Control*>(QString::fromUtf16(name));
  }
  QComboBox* Combo(const char16_t* name) { return Find<QComboBox>(name); }
  void Choose(const char16_t* combo_name, const QString& item) {
    QComboBox* combo = Combo(combo_name);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    emit combo->activated(index);  // as a choice made by the user
  }
  void Click(const char16_t* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  // Chinese cannot be typed key by key: it arrives from an input method.
  void Type(const char16_t* edit_name, const QString& text) {
    QLineEdit* edit = Find<QLineEdit>(edit_name);
    edit->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(edit, &commit);
  }
  QString DataDir() const { return folders_->Data() + QStringLiteral(u"/Harlune/Tavrin/"); }
  QString Shown() const { return window_->View()->url().toLocalFile(); }
  void WaitForStartupPage() {
    QTRY_COMPARE_WITH_TIMEOUT(Shown(), DataDir() + QStringLiteral(u"生辰八字.htm"), 10000);
  }

 private slots:
  void init() {
    folders_ = std::make_unique<PrivateFolders>();
    desktop_ = RecordingDesktop();
  }
  void cleanup() {
    window_.reset();
    folders_.reset();
  }

  void firstLaunchShowsTodayAndWritesTheMarkers() {
    MainWindow& window = Open();
    QCOMPARE(window.windowTitle(), QStringLiteral(u"Tavrin v3.0"));
    QCOMPARE(window.size(), QSize(800, 568));
    QCOMPARE(ReadBytes(folders_->Data() + QStringLiteral(u"/Harlune/用户注意.txt")),
             Gbk(QStringLiteral(
                 u"本目录为数据保存目录,用户请勿手动修改或删除本目录下任何文件,以免相应的软件运行出错\r\n")));
    QCOMPARE(ReadBytes(DataDir() + QStringLiteral(u"Tavrin.txt")), QByteArray("Tavrin"));
    QCOMPARE(Combo(u"组合框_年")->currentText(), QStringLiteral(u"2024"));
    QCOMPARE(Combo(u"组合框_月")->currentText(), QStringLiteral(u"3"));
    QCOMPARE(Combo(u"组合框_日")->currentText(), QStringLiteral(u"5"));
    QCOMPARE(Combo(u"组合框_时")->currentText(), QStringLiteral(u"14"));
    QCOMPARE(Combo(u"组合框_年2")->currentText(), QStringLiteral(u"2024"));
    QCOMPARE(Combo(u"组合框_日期类型")->currentText(), QStringLiteral(u"按公历"));
    QVERIFY(Find<QRadioButton>(u"单选框男")->isChecked());
    QVERIFY(Find<QLineEdit>(u"姓氏编辑框")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(u"名字编辑框")->text().isEmpty());
    WaitForStartupPage();  // the application opens on the four-pillar page
    QVERIFY(desktop_.messages.isEmpty());
  }

  void anUnwritableDataFolderFallsBackToTheCache() {
    // A file where the data folder should be: nothing can be created under it.
    QDir(folders_->Data()).removeRecursively();
    QFile blocker(folders_->Data());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Open();
    QCOMPARE(QString::fromStdString(window_->Locations().data_dir),
             folders_->Cache() + QStringLiteral(u"/3d/Tavrin/"));
    QCOMPARE(QString::fromStdString(window_->Locations().settings_path),
             folders_->Config() + QStringLiteral(u"/Corvane.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folders_->Cache() + QStringLiteral(u"/3d/Tavrin/生辰八字.htm")),
                             10000);
    window_->close();
    QVERIFY(QFile::exists(folders_->Config() + QStringLiteral(u"/Corvane.txt")));
  }

  void oddSettingsReadAsTheyShould() {
    QDir().mkpath(folders_->Data() + QStringLiteral(u"/Harlune"));
    QFile settings(folders_->Data() + QStringLiteral(u"/Harlune/Harlunesoft.p"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(
        Gbk(QStringLiteral(u"[Tavrin]\r\n设置_性别值=1\r\n设置_年=abc\r\n设置_年2=150\r\n设置_月=-3\r\n")));
    settings.close();
    Open();
    QVERIFY(Find<QRadioButton>(u"单选框女")->isChecked());
    QCOMPARE(Combo(u"组合框_年")->currentText(), QStringLiteral(u"1930"));
    QCOMPARE(Combo(u"组合框_年2")->currentText(), QStringLiteral(u"2030"));
    QCOMPARE(Combo(u"组合框_月")->currentIndex(), -1);
  }

  void closingKeepsTheInputsForTheNextLaunch() {
    Open();
    WaitForStartupPage();
    Combo(u"组合框_年")->setCurrentIndex(80);
    Combo(u"组合框_日")->setCurrentIndex(30);
    Find<QRadioButton>(u"单选框女")->setChecked(true);
    Type(u"姓氏编辑框", QStringLiteral(u"欧阳"));
    Type(u"名字编辑框", QStringLiteral(u"小明"));
    Combo(u"组合框_月2")->setCurrentIndex(3);
    Combo(u"组合框_日2")->setCurrentIndex(9);
    window_->close();
    window_.reset();

    Open({2030, 12, 31, 23, 0, 0});
    QCOMPARE(Combo(u"组合框_年")->currentText(), QStringLiteral(u"2010"));
    QCOMPARE(Combo(u"组合框_月")->currentText(), QStringLiteral(u"3"));
    QCOMPARE(Combo(u"组合框_日")->currentText(), QStringLiteral(u"31"));
    QVERIFY(Find<QRadioButton>(u"单选框女")->isChecked());
    QCOMPARE(Find<QLineEdit>(u"姓氏编辑框")->text(), QStringLiteral(u"欧阳"));
    QCOMPARE(Find<QLineEdit>(u"名字编辑框")->text(), QStringLiteral(u"小明"));
    QCOMPARE(Combo(u"组合框_月2")->currentIndex(), 0);  // the lunar lists start at their first items
    QCOMPARE(Combo(u"组合框_日2")->currentIndex(), 0);
    QCOMPARE(Combo(u"组合框_时2")->currentIndex(), 0);
  }

  void switchingToTheLunarCalendarSwapsThePanels() {
    Open();
    WaitForStartupPage();
    Choose(u"组合框_日期类型", QStringLiteral(u"按农历"));
    QVERIFY(!Find<QFrame>(u"外形框1")->isVisible());
    QVERIFY(Find<QFrame>(u"外形框2")->isVisible());
    QCOMPARE(Find<QFrame>(u"外形框2")->pos(), Find<QFrame>(u"外形框1")->pos());
    QVERIFY(ReadBytes(folders_->Data() + QStringLiteral(u"/Harlune/Harlunesoft.p"))
                .contains(Gbk(QStringLiteral(u"设置_日期类型=1"))));

    Choose(u"组合框_年2", QStringLiteral(u"1984"));
    QComboBox* months = Combo(u"组合框_月2");
    QCOMPARE(months->count(), 13);
    QCOMPARE(months->itemText(10), QStringLiteral(u"闰十"));
    QCOMPARE(months->itemText(9), QStringLiteral(u"十"));
    QCOMPARE(months->currentText(), QStringLiteral(u"正"));
  }

  void aDateThatDoesNotExistGivesItsMessage() {
    Open();
    WaitForStartupPage();
    QFile::remove(DataDir() + QStringLiteral(u"生辰八字.htm"));
    Choose(u"组合框_年", QStringLiteral(u"2001"));
    Choose(u"组合框_月", QStringLiteral(u"2"));
    Choose(u"组合框_日", QStringLiteral(u"29"));
    Click(u"按钮5");
    QCOMPARE(desktop_.messages, QStringList{QStringLiteral(u"所选时间不存在")});
    QVERIFY(!QFile::exists(DataDir() + QStringLiteral(u"生辰八字.htm")));

    // Day 30 of a lunar month of 29 days: the lunar message, once.
    int short_month = 1;
    tavrin::DateTime ignored;
    while (tavrin::LunarToSolar(2010, short_month, 30, false, ignored)) ++short_month;
    Choose(u"组合框_日期类型", QStringLiteral(u"按农历"));
    Choose(u"组合框_年2", QStringLiteral(u"2010"));
    QCOMPARE(tavrin::LeapMonth(2010), 0);  // so month n is item n - 1
    Combo(u"组合框_月2")->setCurrentIndex(short_month - 1);
    Choose(u"组合框_日2", QStringLiteral(u"三十"));
    desktop_.messages.clear();
    Click(u"按钮6");
    QCOMPARE(desktop_.messages.count(QStringLiteral(u"您所选的农历时间不存在!")), 1);
  }

  void theNameTestAsksForWhatIsMissingThenShowsTheReport() {
    Open();
    WaitForStartupPage();
    Type(u"姓氏编辑框", QStringLiteral(u" 　"));
    Click(u"按钮1");
    QCOMPARE(desktop_.messages.last(), QStringLiteral(u"请输入宝宝姓氏"));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(u"姓氏编辑框"));
    Type(u"姓氏编辑框", QStringLiteral(u"王"));
    Click(u"按钮1");
    QCOMPARE(desktop_.messages.last(), QStringLiteral(u"请输入宝宝名字"));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(u"名字编辑框"));

    Type(u"名字编辑框", QStringLiteral(u"小明"));
    Click(u"按钮1");
    QTRY_COMPARE(Shown(), DataDir() + QStringLiteral(u"NamePf.htm"));
    QVERIFY(ReadBytes(DataDir() + QStringLiteral(u"NamePf.htm")).contains(Gbk(QStringLiteral(u"王"))));
    QCOMPARE(desktop_.messages.size(), 2);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
