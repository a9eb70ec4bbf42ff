#pragma once
// The application's main window: the date and name inputs, the analysis
// buttons and the report view in which every result is shown.
#include <QMainWindow>

#include "calendar/birth_moment.hpp"
#include "settings/data_locations.hpp"
#include "settings/saved_inputs.hpp"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QPushButton;
class QRadioButton;

namespace tavrin::gui {

class Desktop;
class ReportView;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Desktop& desktop, DataLocations locations, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up after construction: restores the last inputs and starts the
  // start-up report (the four-pillar page of the restored date).
  void Start(const DateTime& now);

  const DataLocations& Locations() const { return locations_; }
  ReportView* View() const { return view_; }
  const BirthMoment& CurrentBirthMoment() const { return birth_moment_; }

  // The actions behind the buttons, each run on the window's thread.
  void RunNameTest();
  void RunFourPillarReport();
  void RunFavourableReport();
  void RunSolarTermReport();
  void SwitchDateKind();
  void FillLunarMonths();
  void OpenBatchWindow();
  void ShowPatronBuddha();
  void CopyPage();
  void PrintPage();
  // Asks the site for its announcement (GET site + "/ver/free.txt"); when one
  // arrives, the four-pillar page is made again to show it. Never blocks: a
  // server that does not answer is simply abandoned when the window closes.
  void StartAnnouncementTask(const QUrl& site, const DateTime& now);
  // Scores a copy of a name list on a thread of its own: progress in the
  // caption, then the result page in the view.
  void StartBatch(GbkText input, bool sort_by_score);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void ConnectHandlers();
  void RestoreInputs(const DateTime& now);
  SavedInputs CurrentInputs() const;
  // Reads the date lists into the shared birth moment; shows the lunar message.
  void AssembleBirthMoment();
  void FocusSurname();
  void ShowPage(const std::string& path);

  Desktop& desktop_;
  const DataLocations locations_;
  BirthMoment birth_moment_;

  QComboBox* date_kind_ = nullptr;
  QFrame* solar_panel_ = nullptr;
  QFrame* lunar_panel_ = nullptr;
  QComboBox *solar_year_ = nullptr, *solar_month_ = nullptr, *solar_day_ = nullptr, *solar_hour_ = nullptr;
  QComboBox *lunar_year_ = nullptr, *lunar_month_ = nullptr, *lunar_day_ = nullptr, *lunar_hour_ = nullptr;
  QLineEdit* surname_ = nullptr;
  QLineEdit* given_ = nullptr;
  QRadioButton* male_ = nullptr;
  QRadioButton* female_ = nullptr;
  QLabel* home_link_ = nullptr;
  ReportView* view_ = nullptr;
  QNetworkAccessManager* network_ = nullptr;
};

// "Tavrin v3.0": the caption of the main window while it is idle.
QString ProductCaption();

}  // namespace tavrin::gui
