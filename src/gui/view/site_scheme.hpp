#pragma once
// Serves the maker's site pages that the product carries (solar terms,
// patron Buddhas) under the site's own address, so that links work offline.
#include <QWebEngineUrlSchemeHandler>

namespace tavrin::gui {

// The URL scheme of the built-in site ("tavrin"), registered before the
// application object exists, as the browser engine requires.
QByteArray SiteScheme();

class SiteSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
  void requestStarted(QWebEngineUrlRequestJob* job) override;
};

}  // namespace tavrin::gui
