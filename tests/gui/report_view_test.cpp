// What the window does with its report view: the solar-term links and the
// site's pages, the patron Buddha, copy, print, and the announcement.
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

#include "app/announcement.hpp"
#include "gui/app/app_paths.hpp"
#include "gui/app/main_window.hpp"
#include "gui/view/report_view.hpp"
#include "text/encoding.hpp"
#include "window_test_support.hpp"

using tavrin::gui::MainWindow;
using tavrin::gui::ReportView;
using tavrin::gui::test::Gbk;
using tavrin::gui::test::PrivateFolders;
using tavrin::gui::test::ReadBytes;
using tavrin::gui::test::RecordingDesktop;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A web server on 127.0.0.1 that answers every request with one body, or
// never answers at all.
class AnnouncementServer : public QObject {
 public:
  explicit AnnouncementServer(std::optional<QByteArray> body) : body_(std::move(body)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      QTcpSocket* socket = server_.nextPendingConnection();
      connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        requests += socket->readAll();
        if (!body_) return;  // keeps the client waiting
        socket->write("HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body_->size()) + "\r\n\r\n" +
                      *body_);
        socket->disconnectFromHost();
      });
    });
  }
  QUrl Site() const { return QUrl(QStringLiteral(u"http://127.0.0.1:%1").arg(server_.serverPort())); }
  QByteArray requests;

 private:
  QTcpServer server_;
  std::optional<QByteArray> body_;
};

}  // namespace

class ReportViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PrivateFolders> folders_;
  RecordingDesktop desktop_;
  std::unique_ptr<MainWindow> window_;

  // Opens the window and waits for its start-up page.
  void Open(const tavrin::DateTime& now = {2024, 3, 5, 14, 0, 0}) {
    window_ = std::make_unique<MainWindow>(desktop_, tavrin::gui::ResolvePlatformDataLocations());
    window_->show();
    window_->Start(now);
    QTRY_VERIFY_WITH_TIMEOUT(Shown().endsWith(QStringLiteral(u"生辰八字.htm")), 10000);
  }
  QString DataDir() const { return folders_->Data() + QStringLiteral(u"/Harlune/Tavrin/"); }
  QString Shown() const { return window_->View()->url().toString(); }
  QString ShownTitle() const { return window_->View()->title(); }
  void Choose(const char16_t* combo_name, const QString& item) {
    auto* combo = window_->findChild<QComboBox*>(QString::fromUtf16(combo_name));
    combo->setCurrentIndex(combo->findText(item));
  }

 private slots:
  void init() {
    folders_ = std::make_unique<PrivateFolders>();
    desktop_ = RecordingDesktop();
    tavrin::SetAnnouncementText("");
  }
  void cleanup() {
    window_.reset();
    folders_.reset();
  }

  void solarTermLinksShowTheSitePageAndNeverTheLocalFile() {
    Open();
    WriteBytes(DataDir() + QStringLiteral(u"ok.htm"), QByteArray());
    // The view encodes a link's key in the page's GBK; capitals change nothing.
    for (const auto& [link, title] :
         {std::pair{QStringLiteral(u"ok.htm?jq=%C1%A2%B4%BA"), QStringLiteral(u"立春")},
          std::pair{QStringLiteral(u"OK.HTM?JQ=%B6%AC%D6%C1"), QStringLiteral(u"冬至")}}) {
      window_->View()->setUrl(QUrl(QUrl::fromLocalFile(DataDir()).toString() + link));
      QTRY_COMPARE_WITH_TIMEOUT(ShownTitle(), title, 10000);
      QVERIFY(Shown().startsWith(QStringLiteral(u"tavrin://site/P20111229/jieqi/")));
    }
    // A page of the system's own is never refused.
    window_->View()->ShowFile((DataDir() + QStringLiteral(u"生辰八字.htm")).toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(Shown().endsWith(QStringLiteral(u"生辰八字.htm")), 10000);
  }

  void thePatronBuddhaBeforeLichunIsThePreviousYears() {
    Open();
    Choose(u"组合框_年", QStringLiteral(u"2010"));
    Choose(u"组合框_月", QStringLiteral(u"2"));
    Choose(u"组合框_日", QStringLiteral(u"3"));
    window_->RunFourPillarReport();
    window_->ShowPatronBuddha();  // 2010-02-03 is still the year of the ox (己丑)
    QTRY_COMPARE_WITH_TIMEOUT(ShownTitle(), QStringLiteral(u"牛年本命佛"), 10000);
    QVERIFY(window_->View()->url().path().endsWith(QStringLiteral(u"/bmf/牛.htm")));
  }

  void copyPutsThePageTextOnTheClipboard() {
    Open();
    WriteBytes(
        DataDir() + QStringLiteral(u"copy.htm"),
        Gbk(QStringLiteral(u"<html><head><meta "
                           u"charset=gb2312></head><body><p>王&nbsp;小明</p><p>九十一分</p></body></html>")));
    QSignalSpy loaded(window_->View(), &QWebEngineView::loadFinished);
    window_->View()->ShowFile((DataDir() + QStringLiteral(u"copy.htm")).toStdString());
    QVERIFY(loaded.wait(10000));
    window_->CopyPage();
    QTRY_COMPARE_WITH_TIMEOUT(desktop_.messages.size(), 1, 10000);
    QCOMPARE(desktop_.messages.first(), QStringLiteral(u"已经成功复制了!"));
    QCOMPARE(desktop_.clipboard, QStringLiteral(u"王 小明\n\n九十一分"));
  }

  void printingRendersTheShownPage() {
    Open();
    QTemporaryDir output;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output.filePath(QStringLiteral(u"page.pdf")));
    QVERIFY(window_->View()->PrintTo(printer));
    const QByteArray pdf = ReadBytes(output.filePath(QStringLiteral(u"page.pdf")));
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.size() > 1000);
  }

  void anAnnouncementShowsInTheChartAndLaterNamePages() {
    Open();
    AnnouncementServer server(Gbk(QStringLiteral(u"[Velmaro]\r\n公告内容=新版已经发布\r\n")));
    window_->StartAnnouncementTask(server.Site(), {2024, 3, 5, 14, 0, 0});
    QTRY_VERIFY_WITH_TIMEOUT(
        ReadBytes(DataDir() + QStringLiteral(u"生辰八字.htm")).contains(Gbk(QStringLiteral(u"新版已经发布"))),
        10000);
    QVERIFY(server.requests.startsWith("GET /ver/free.txt"));
    QVERIFY(server.requests.contains("Content-Type: application/x-www-form-urlencoded"));
    QVERIFY(ReadBytes(DataDir() + QStringLiteral(u"生辰八字.htm"))
                .contains(Gbk(QStringLiteral(u"【强烈推荐】"))));

    window_->findChild<QLineEdit*>(QStringLiteral(u"姓氏编辑框"))->setText(QStringLiteral(u"王"));
    window_->findChild<QLineEdit*>(QStringLiteral(u"名字编辑框"))->setText(QStringLiteral(u"小明"));
    window_->RunNameTest();
    QVERIFY(
        ReadBytes(DataDir() + QStringLiteral(u"NamePf.htm")).contains(Gbk(QStringLiteral(u"新版已经发布"))));
    QVERIFY(!ReadBytes(DataDir() + QStringLiteral(u"NamePf2011.htm"))
                 .contains(Gbk(QStringLiteral(u"新版已经发布"))));
  }

  void anAnswerWithoutTheKeyChangesNothing() {
    for (const QByteArray& body : {Gbk(QStringLiteral(u"[Velmaro]\r\n其他=1\r\n")), QByteArray()}) {
      Open();
      AnnouncementServer server(body);
      window_->StartAnnouncementTask(server.Site(), {2024, 3, 5, 14, 0, 0});
      QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(DataDir() + QStringLiteral(u"update.ini")), 10000);
      QCOMPARE(ReadBytes(DataDir() + QStringLiteral(u"update.ini")), body);
      QVERIFY(tavrin::AnnouncementText().empty());
      window_.reset();
      QFile::remove(DataDir() + QStringLiteral(u"update.ini"));
    }
  }

  void aServerThatNeverAnswersHoldsNothingUp() {
    Open();
    AnnouncementServer server(std::nullopt);
    window_->StartAnnouncementTask(server.Site(), {2024, 3, 5, 14, 0, 0});
    QTRY_VERIFY_WITH_TIMEOUT(!server.requests.isEmpty(), 10000);
    window_->RunNameTest();  // the window goes on working
    QCOMPARE(desktop_.messages.last(), QStringLiteral(u"请输入宝宝姓氏"));
    QElapsedTimer closing;
    closing.start();
    QVERIFY(window_->close());
    window_.reset();
    QVERIFY(closing.elapsed() < 2000);
  }
};

QTEST_MAIN(ReportViewTest)
#include "report_view_test.moc"
