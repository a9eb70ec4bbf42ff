#pragma once
// The report view: the HTML view in the main window that shows every page,
// with what the window does with it beyond showing: solar-term links lead to
// the site's pages, the shown page is copied as text or printed.
#include <QWebEngineView>
#include <functional>

class QPrinter;

namespace tavrin::gui {

class ReportView : public QWebEngineView {
  Q_OBJECT

 public:
  explicit ReportView(QWidget* parent = nullptr);

  // Shows the page at a local file path (UTF-8) or at an address.
  void ShowFile(const std::string& path);
  void ShowAddress(const QUrl& address);

  // The shown page's text, as the user would copy it: characters with no GBK
  // form (the no-break space of "&nbsp;") become spaces.
  void ReadPlainText(std::function<void(const QString&)> receive);

  // Opens the print preview of the shown page, from which the user prints.
  void OpenPrintPreview();
  // Renders the shown page on a printer and waits until it is done.
  bool PrintTo(QPrinter& printer);
};

}  // namespace tavrin::gui
