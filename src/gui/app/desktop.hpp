#pragma once
// What the windows ask of the desktop: a message box, the clipboard, opening a
// web address. Behind one small interface so that the window tests observe
// them without modal dialogs or a browser.
#include <QString>
#include <QUrl>

class QWidget;

namespace tavrin::gui {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // A modal box titled "提示" with the question icon and one OK button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  virtual void SetClipboardText(const QString& text) = 0;
  // Opens a web address with the system's default handler.
  virtual void OpenAddress(const QUrl& address) = 0;
};

class QtDesktop final : public Desktop {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void SetClipboardText(const QString& text) override;
  void OpenAddress(const QUrl& address) override;
};

}  // namespace tavrin::gui
