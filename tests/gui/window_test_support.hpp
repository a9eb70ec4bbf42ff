#pragma once
// What the window tests share: a desktop that records instead of showing, and
// private data folders for each test.
#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include "gui/app/desktop.hpp"

namespace tavrin::gui::test {

class RecordingDesktop final : public Desktop {
 public:
  void ShowMessage(QWidget*, const QString& text) override { messages << text; }
  void SetClipboardText(const QString& text) override { clipboard = text; }
  void OpenAddress(const QUrl& address) override { opened << address; }

  QStringList messages;
  QString clipboard;
  QList<QUrl> opened;
};

// The GBK bytes of a text, as the product writes its files.
QByteArray Gbk(const QString& text);
// The whole content of a file; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);

// Points the user's data, cache and configuration folders at a fresh
// temporary folder for as long as it lives.
class PrivateFolders {
 public:
  PrivateFolders();
  QString Data() const { return root_.path() + QStringLiteral(u"/data"); }
  QString Cache() const { return root_.path() + QStringLiteral(u"/cache"); }
  QString Config() const { return root_.path() + QStringLiteral(u"/config"); }

 private:
  QTemporaryDir root_;
};

}  // namespace tavrin::gui::test
