#include "gui/view/site_scheme.hpp"

#include <QBuffer>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "app/site_pages.hpp"
#include "gui/app/gbk_qt.hpp"

namespace tavrin::gui {
namespace {

// Runs while static objects are constructed, before any QApplication.
const bool kSchemeRegistered = [] {
  QWebEngineUrlScheme scheme(SiteScheme());
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
  return true;
}();

}  // namespace

QByteArray SiteScheme() { return QByteArrayLiteral("tavrin"); }

void SiteSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const std::optional<GbkText> page = SitePage(ToGbk(job->requestUrl().path()));
  if (!page) return job->fail(QWebEngineUrlRequestJob::UrlNotFound);
  auto* body = new QBuffer(job);
  body->setData(QByteArray::fromStdString(*page));
  job->reply(QByteArrayLiteral("text/html;charset=gb2312"), body);
}

}  // namespace tavrin::gui
