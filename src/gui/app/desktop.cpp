#include "gui/app/desktop.hpp"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

namespace tavrin::gui {

void QtDesktop::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral(u"提示"), text, QMessageBox::Ok, parent);
  box.exec();
}

void QtDesktop::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtDesktop::OpenAddress(const QUrl& address) { QDesktopServices::openUrl(address); }

}  // namespace tavrin::gui
