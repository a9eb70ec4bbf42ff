#pragma once
// The batch window: a list of names to score at once. It only keeps the list
// (the archive in the data folder) and hands a copy of it to the batch run.
#include <QDialog>
#include <functional>

#include "text/gbk_text.hpp"

class QCheckBox;
class QPlainTextEdit;

namespace tavrin::gui {

class BatchWindow : public QDialog {
  Q_OBJECT

 public:
  // `start` receives a copy of the list and whether to sort by score.
  using StartBatch = std::function<void(GbkText input, bool sort_by_score)>;
  BatchWindow(const std::string& data_dir, const std::string& settings_path, StartBatch start,
              QWidget* parent = nullptr);
  ~BatchWindow() override;

 protected:
  void done(int result) override;

 private:
  void Start();

  const std::string data_dir_, settings_path_;
  StartBatch start_;
  QPlainTextEdit* names_ = nullptr;
  QCheckBox* sort_by_score_ = nullptr;
  bool saved_ = false;
};

}  // namespace tavrin::gui
