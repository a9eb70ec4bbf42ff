// The batch window and the batch run it starts.
#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "gui/app/app_paths.hpp"
#include "gui/app/main_window.hpp"
#include "gui/batch/batch_window.hpp"
#include "gui/view/report_view.hpp"
#include "text/encoding.hpp"
#include "window_test_support.hpp"

using tavrin::gui::BatchWindow;
using tavrin::gui::MainWindow;
using tavrin::gui::test::Gbk;
using tavrin::gui::test::PrivateFolders;
using tavrin::gui::test::ReadBytes;
using tavrin::gui::test::RecordingDesktop;

class BatchWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PrivateFolders> folders_;
  RecordingDesktop desktop_;
  std::unique_ptr<MainWindow> window_;

  QString DataDir() const { return folders_->Data() + QStringLiteral(u"/Harlune/Tavrin/"); }
  QString ArchivePath() const { return DataDir() + QStringLiteral(u"批量测名存档.txt"); }
  QString PagePath() const { return DataDir() + QStringLiteral(u"批量测名.htm"); }
  std::unique_ptr<BatchWindow> OpenBatch() {
    auto batch = std::make_unique<BatchWindow>(
        window_->Locations().data_dir, window_->Locations().settings_path,
        [this](tavrin::GbkText input, bool sort) { window_->StartBatch(std::move(input), sort); },
        window_.get());
    batch->show();
    return batch;
  }
  QPlainTextEdit* Names(BatchWindow& batch) {
    return batch.findChild<QPlainTextEdit*>(QStringLiteral(u"编辑框1"));
  }
  void Press(BatchWindow& batch, const char16_t* button) {
    QTest::mouseClick(batch.findChild<QPushButton*>(QString::fromUtf16(button)), Qt::LeftButton);
  }

 private slots:
  void init() {
    folders_ = std::make_unique<PrivateFolders>();
    window_ = std::make_unique<MainWindow>(desktop_, tavrin::gui::ResolvePlatformDataLocations());
    window_->show();
  }
  void cleanup() {
    window_.reset();
    folders_.reset();
  }

  void theListIsKeptBetweenOpenings() {
    auto batch = OpenBatch();
    QCOMPARE(batch->windowTitle(), QStringLiteral(u"批量测名"));
    QCOMPARE(batch->size(), QSize(617, 383));
    QVERIFY(Names(*batch)->toPlainText().isEmpty());
    Names(*batch)->setPlainText(QStringLiteral(u"王小明 李思源\n陈浩"));
    batch->findChild<QCheckBox*>()->setChecked(true);
    Press(*batch, u"按钮1");  // 关闭
    QCOMPARE(ReadBytes(ArchivePath()), Gbk(QStringLiteral(u"王小明 李思源\n陈浩")));
    QVERIFY(!QFile::exists(PagePath()));

    auto again = OpenBatch();
    QCOMPARE(Names(*again)->toPlainText(), QStringLiteral(u"王小明 李思源\n陈浩"));
    QVERIFY(again->findChild<QCheckBox*>()->isChecked());
  }

  void startingScoresTheListAndShowsThePage() {
    auto batch = OpenBatch();
    Names(*batch)->setPlainText(QStringLiteral(u"王明 王小明\n李思源"));
    batch->findChild<QCheckBox*>()->setChecked(true);
    Press(*batch, u"按钮2");  // 开始测名
    QVERIFY(!batch->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(window_->View()->url().toLocalFile(), PagePath(), 10000);
    QCOMPARE(window_->windowTitle(), QStringLiteral(u"Tavrin v3.0"));
    QVERIFY(ReadBytes(PagePath()).contains(Gbk(QStringLiteral(u"李思源(94) 王小明(91) 王明(48.5) "))));
    QCOMPARE(ReadBytes(ArchivePath()), Gbk(QStringLiteral(u"王明 王小明\n李思源")));
  }

  void anEmptyListOnlyClosesTheWindow() {
    auto batch = OpenBatch();
    Press(*batch, u"按钮2");
    QVERIFY(!batch->isVisible());
    QTest::qWait(300);
    QVERIFY(QFile::exists(ArchivePath()));
    QVERIFY(ReadBytes(ArchivePath()).isEmpty());
    QVERIFY(!QFile::exists(PagePath()));
    QCOMPARE(window_->windowTitle(), QStringLiteral(u"Tavrin v3.0"));

    // One space is one empty item: a page with no names.
    auto spaced = OpenBatch();
    Names(*spaced)->setPlainText(QStringLiteral(u" "));
    Press(*spaced, u"按钮2");
    QTRY_COMPARE_WITH_TIMEOUT(window_->View()->url().toLocalFile(), PagePath(), 10000);
  }
};

QTEST_MAIN(BatchWindowTest)
#include "batch_window_test.moc"
