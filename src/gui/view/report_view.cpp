#include "gui/view/report_view.hpp"

#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "app/site.hpp"
#include "gui/app/gbk_qt.hpp"
#include "gui/view/site_scheme.hpp"
#include "text/encoding.hpp"

namespace tavrin::gui {
namespace {

// Turns a link to the local "ok.htm" into the site's page of its solar term.
class ReportPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool is_main_frame) override {
    if (!is_main_frame) return true;
    // The encoded form keeps the term's name in the GBK escapes the page gave it.
    const std::optional<GbkText> target = SolarTermLinkTarget(url.toEncoded().toStdString());
    if (!target) return true;
    setUrl(QUrl(FromGbk(*target)));
    return false;
  }
};

QString WithoutCharactersOutsideGbk(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (const uint code_point : text.toUcs4()) {
    const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code_point), 1);
    const bool line_end = code_point == '\n' || code_point == '\r' || code_point == '\t';
    kept += line_end || Utf8ToGbk(character.toStdString()).ok() ? character : QStringLiteral(u" ");
  }
  return kept;
}

}  // namespace

ReportView::ReportView(QWidget* parent) : QWebEngineView(parent) {
  QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
  if (!profile->urlSchemeHandler(SiteScheme())) {
    profile->installUrlSchemeHandler(SiteScheme(), new SiteSchemeHandler(profile));
  }
  setPage(new ReportPage(profile, this));
  // The pages are the product's own, filled with text from the disk and an
  // announcement from the network: nothing in them may run as a script.
  settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
}

void ReportView::ShowFile(const std::string& path) { ShowAddress(QUrl::fromLocalFile(FromPath(path))); }

void ReportView::ShowAddress(const QUrl& address) {
  // The same address again means a page file that has just been rewritten.
  if (url() == address) {
    reload();
  } else {
    setUrl(address);
  }
}

void ReportView::ReadPlainText(std::function<void(const QString&)> receive) {
  page()->toPlainText(
      [receive = std::move(receive)](const QString& text) { receive(WithoutCharactersOutsideGbk(text)); });
}

bool ReportView::PrintTo(QPrinter& printer) {
  QEventLoop waiting;
  bool printed = false;
  const auto connection = connect(this, &QWebEngineView::printFinished, &waiting, [&](bool success) {
    printed = success;
    waiting.quit();
  });
  print(&printer);
  waiting.exec();
  disconnect(connection);
  return printed;
}

void ReportView::OpenPrintPreview() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  preview.setWindowTitle(QStringLiteral(u"打印预览"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintTo(*target); });
  preview.exec();
}

}  // namespace tavrin::gui
