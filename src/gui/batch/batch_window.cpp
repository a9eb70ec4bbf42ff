#include "gui/batch/batch_window.hpp"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/file_output.hpp"
#include "app/product.hpp"
#include "gui/app/gbk_qt.hpp"
#include "settings/ini_text.hpp"

namespace tavrin::gui {
namespace {

constexpr std::string_view kArchiveFile = "批量测名存档.txt";
constexpr std::string_view kSortSetting = "设置_按分数排序";

}  // namespace

BatchWindow::BatchWindow(const std::string& data_dir, const std::string& settings_path, StartBatch start,
                         QWidget* parent)
    : QDialog(parent), data_dir_(data_dir), settings_path_(settings_path), start_(std::move(start)) {
  setObjectName(QStringLiteral(u"BatchWindow"));
  setWindowTitle(QStringLiteral(u"批量测名"));
  setModal(true);
  setFixedSize(617, 383);
  move(50, 50);

  names_ = new QPlainTextEdit(this);
  names_->setObjectName(QStringLiteral(u"编辑框1"));
  names_->setGeometry(17, 18, 576, 272);
  auto* hint = new QLabel(QStringLiteral(u"提示：批量测名,各姓名之间请以空格分开"), this);
  hint->setObjectName(QStringLiteral(u"透明标签1"));
  hint->setGeometry(16, 304, 288, 24);
  auto* start_button = new QPushButton(QStringLiteral(u"开始测名"), this);
  start_button->setObjectName(QStringLiteral(u"按钮2"));
  start_button->setGeometry(324, 303, 120, 30);
  auto* close_button = new QPushButton(QStringLiteral(u"关闭"), this);
  close_button->setObjectName(QStringLiteral(u"按钮1"));
  close_button->setGeometry(456, 303, 120, 30);
  sort_by_score_ = new QCheckBox(QStringLiteral(u"按分数排序"), this);
  sort_by_score_->setObjectName(QStringLiteral(u"复选框排序"));
  sort_by_score_->setGeometry(17, 340, 160, 24);

  // The list as it was left, up to the first NUL byte; a missing file gives
  // an empty box.
  std::string archive;
  ReadWholeFile(PathInDirectory(data_dir_, kArchiveFile), archive);
  names_->setPlainText(FromGbk(archive.substr(0, archive.find('\0'))));
  sort_by_score_->setChecked(ReadIniValue(settings_path_, ProductName, kSortSetting, "假") == "真");

  connect(start_button, &QPushButton::clicked, this, &BatchWindow::Start);
  connect(close_button, &QPushButton::clicked, this, &QDialog::reject);
}

BatchWindow::~BatchWindow() = default;

void BatchWindow::Start() {
  start_(ToGbk(names_->toPlainText()), sort_by_score_->isChecked());
  QCoreApplication::processEvents();
  accept();
}

void BatchWindow::done(int result) {
  // However the window closes, the list is kept for the next opening.
  if (!saved_) {
    saved_ = true;
    WriteFileIn(data_dir_, kArchiveFile, ToGbk(names_->toPlainText()));
    WriteIniValue(settings_path_, ProductName, kSortSetting, sort_by_score_->isChecked() ? "真" : "假");
  }
  QDialog::done(result);
}

}  // namespace tavrin::gui
