#include "gui/app/main_window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QThread>
#include <chrono>

#include "app/announcement.hpp"
#include "app/product.hpp"
#include "app/site.hpp"
#include "batch/batch_scoring.hpp"
#include "calendar/chinese_calendar.hpp"
#include "calendar/favourable_page.hpp"
#include "calendar/four_pillar_chart.hpp"
#include "calendar/solar_term_page.hpp"
#include "gui/app/desktop.hpp"
#include "gui/app/gbk_qt.hpp"
#include "gui/batch/batch_window.hpp"
#include "gui/view/report_view.hpp"
#include "naming/name_report.hpp"
#include "settings/ini_text.hpp"

namespace tavrin::gui {
namespace {

// Places a new control of the main window, named as the rest of the system
// addresses it.
template <typename Control>
Control* Place(Control* control, const char16_t* name, int x, int y, int width, int height) {
  control->setObjectName(QString::fromUtf16(name));
  control->setGeometry(x, y, width, height);
  return control;
}

QLabel* Label(QWidget* parent, const char16_t* name, const char16_t* text, int x, int y, int width,
              int height) {
  return Place(new QLabel(QString::fromUtf16(text), parent), name, x, y, width, height);
}

QComboBox* Combo(QWidget* parent, const char16_t* name, const QStringList& items, int x, int y, int width,
                 int height) {
  QComboBox* combo = Place(new QComboBox(parent), name, x, y, width, height);
  combo->addItems(items);
  return combo;
}

QStringList Numbers(int first, int last) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QString::number(n);
  return items;
}

QStringList LunarDays() {
  QStringList days;
  for (int day = 1; day <= 30; ++day) days << FromGbk(LunarDayName(day));
  return days;
}

QStringList LunarMonths() {
  QStringList months;
  for (int month = 1; month <= 12; ++month) months << FromGbk(LunarMonthName(month));
  return months;
}

// A date panel: year, month, day and hour lists, each followed by its unit.
QFrame* DatePanel(QWidget* parent, const char16_t* name, int x, int y, int width, QComboBox*& year,
                  QComboBox*& month, QComboBox*& day, QComboBox*& hour, const char16_t* year_name,
                  const char16_t* month_name, const char16_t* day_name, const char16_t* hour_name,
                  const QStringList& months, const QStringList& days, int year_height) {
  QFrame* panel = Place(new QFrame(parent), name, x, y, width, 33);
  year = Combo(panel, year_name, Numbers(1930, 2030), 5, 9, 60, year_height);
  month = Combo(panel, month_name, months, 95, 9, 60, 20);
  day = Combo(panel, day_name, days, 185, 9, 60, 20);
  hour = Combo(panel, hour_name, Numbers(0, 23), 275, 9, 60, 20);
  const char16_t* units[] = {u"年", u"月", u"日", u"时"};
  for (int i = 0; i < 4; ++i)
    (new QLabel(QString::fromUtf16(units[i]), panel))->setGeometry(68 + 90 * i, 11, 20, 16);
  return panel;
}

// Runs `action` on the window's thread, if the window still exists by then.
// Tasks on other threads reach the window only this way: the call is queued to
// the application, which outlives every window.
template <typename Action>
void PostToWindow(const QPointer<MainWindow>& window, Action action) {
  QMetaObject::invokeMethod(
      qApp,
      [window, action] {
        if (window) action(*window);
      },
      Qt::QueuedConnection);
}

QString ComboText(const QComboBox* combo) {
  return combo->currentIndex() < 0 ? QString() : combo->currentText();
}

}  // namespace

QString ProductCaption() {
  return QString::fromLatin1(ProductName.data(), static_cast<qsizetype>(ProductName.size())) +
         QStringLiteral(u" v") +
         QString::fromLatin1(ProductVersion.data(), static_cast<qsizetype>(ProductVersion.size()));
}

MainWindow::MainWindow(Desktop& desktop, DataLocations locations, QWidget* parent)
    : QMainWindow(parent), desktop_(desktop), locations_(std::move(locations)) {
  setObjectName(QStringLiteral(u"MainWindow"));
  setWindowTitle(ProductCaption());
  BuildControls();
  ConnectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  QStatusBar* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral(u"状态条1"));
  status->setSizeGripEnabled(false);
  setStatusBar(status);
  // The window's client area is 800 × 568, the status bar at its foot.
  client->setFixedSize(800, 568 - 22);
  status->setFixedHeight(22);
  setFixedSize(800, 568);
  move(50, 50);

  Label(client, u"透明标签1", u"出生日期", 16, 17, 56, 24);
  date_kind_ = Combo(client, u"组合框_日期类型", {QStringLiteral(u"按公历"), QStringLiteral(u"按农历")}, 80,
                     19, 80, 20);
  solar_panel_ =
      DatePanel(client, u"外形框1", 168, 10, 360, solar_year_, solar_month_, solar_day_, solar_hour_,
                u"组合框_年", u"组合框_月", u"组合框_日", u"组合框_时", Numbers(1, 12), Numbers(1, 31), 20);
  lunar_panel_ =
      DatePanel(client, u"外形框2", 168, 110, 368, lunar_year_, lunar_month_, lunar_day_, lunar_hour_,
                u"组合框_年2", u"组合框_月2", u"组合框_日2", u"组合框_时2", LunarMonths(), LunarDays(), 19);
  Label(client, u"透明标签10", u"提示：根据五格剖象法，姓名得分和生日无关", 537, 18, 245, 24);

  // Two thin rules across the window.
  for (const auto& [name, x, y] : {std::tuple{u"进度条2", -5, 52}, std::tuple{u"进度条1", -7, 96}}) {
    QFrame* rule = Place(new QFrame(client), name, x, y, 855, 2);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
  }

  Label(client, u"透明标签3", u"姓名信息", 16, 63, 56, 24);
  Label(client, u"透明标签4", u"姓：", 80, 67, 32, 16);
  surname_ = Place(new QLineEdit(client), u"姓氏编辑框", 109, 65, 80, 20);
  Label(client, u"透明标签5", u"名：", 198, 67, 24, 16);
  given_ = Place(new QLineEdit(client), u"名字编辑框", 225, 65, 80, 20);
  Label(client, u"透明标签2", u"宝宝性别", 327, 63, 56, 24);
  male_ = Place(new QRadioButton(QStringLiteral(u"男"), client), u"单选框男", 398, 63, 40, 24);
  female_ = Place(new QRadioButton(QStringLiteral(u"女"), client), u"单选框女", 450, 63, 40, 24);
  male_->setChecked(true);

  const struct {
    const char16_t* name;
    const char16_t* text;
    int x, y, width;
  } buttons[] = {
      {u"按钮1", u"<< 测算姓名", 555, 63, 104}, {u"按钮2", u"批量测名", 675, 63, 104},
      {u"按钮5", u"生辰八字分析", 8, 481, 112}, {u"按钮6", u"喜用神分析", 127, 481, 112},
      {u"按钮7", u"本命佛分析", 244, 481, 112}, {u"按钮8", u"节气分析", 363, 481, 112},
      {u"按钮4", u"复制内容", 545, 481, 112},   {u"按钮3", u"打印内容", 667, 481, 112},
  };
  for (const auto& button : buttons) {
    Place(new QPushButton(QString::fromUtf16(button.text), client), button.name, button.x, button.y,
          button.width, 24);
  }

  view_ = Place(new ReportView(client), u"超文本浏览框1", 6, 104, 782, 368);
  // The home-page link opened at shutdown: it has no caption and stays hidden.
  home_link_ = Place(new QLabel(client), u"超级链接框1", 544, 248, 80, 24);
  home_link_->hide();
}

void MainWindow::ConnectHandlers() {
  auto button = [this](const char16_t* name) { return findChild<QPushButton*>(QString::fromUtf16(name)); };
  connect(button(u"按钮1"), &QPushButton::clicked, this, &MainWindow::RunNameTest);
  connect(button(u"按钮2"), &QPushButton::clicked, this, &MainWindow::OpenBatchWindow);
  connect(button(u"按钮5"), &QPushButton::clicked, this, &MainWindow::RunFourPillarReport);
  connect(button(u"按钮6"), &QPushButton::clicked, this, &MainWindow::RunFavourableReport);
  connect(button(u"按钮8"), &QPushButton::clicked, this, &MainWindow::RunSolarTermReport);
  connect(button(u"按钮7"), &QPushButton::clicked, this, &MainWindow::ShowPatronBuddha);
  connect(button(u"按钮4"), &QPushButton::clicked, this, &MainWindow::CopyPage);
  connect(button(u"按钮3"), &QPushButton::clicked, this, &MainWindow::PrintPage);
  // Only a choice made by the user runs a list's handler, never a selection set from code.
  connect(date_kind_, &QComboBox::activated, this, &MainWindow::SwitchDateKind);
  connect(lunar_year_, &QComboBox::activated, this, [this] {
    FillLunarMonths();
    FocusSurname();
  });
  for (QComboBox* combo :
       {solar_year_, solar_month_, solar_day_, solar_hour_, lunar_month_, lunar_day_, lunar_hour_}) {
    connect(combo, &QComboBox::activated, this, &MainWindow::FocusSurname);
  }
  for (QRadioButton* radio : {male_, female_})
    connect(radio, &QRadioButton::clicked, this, &MainWindow::FocusSurname);
}

void MainWindow::Start(const DateTime& now) {
  FocusSurname();
  RestoreInputs(now);
  for (QWidget* widget : std::initializer_list<QWidget*>{male_, female_, solar_panel_, lunar_panel_}) {
    widget->setAutoFillBackground(false);
  }
  QCoreApplication::processEvents();
  // The start-up report runs on the window's thread like every report, so runs
  // never interleave; its task only posts it there.
  QThread* startup_task = QThread::create([window = QPointer<MainWindow>(this)] {
    PostToWindow(window, [](MainWindow& shown) {
      shown.SwitchDateKind();
      shown.RunFourPillarReport();
    });
  });
  connect(startup_task, &QThread::finished, startup_task, &QObject::deleteLater);
  startup_task->start();
  if (SiteIsOnline()) StartAnnouncementTask(QUrl(FromGbk(SiteAddress())), now);
}

void MainWindow::StartAnnouncementTask(const QUrl& site, const DateTime& now) {
  if (!AnnouncementDue(now)) return;
  if (!network_) network_ = new QNetworkAccessManager(this);
  QNetworkRequest request(QUrl(site.toString() + QStringLiteral(u"/ver/free.txt")));
  request.setHeader(QNetworkRequest::ContentTypeHeader,
                    QByteArrayLiteral("application/x-www-form-urlencoded"));
  request.setRawHeader(QByteArrayLiteral("Connection"), QByteArrayLiteral("close"));
  QNetworkReply* reply = network_->get(request);
  connect(reply, &QNetworkReply::finished, this, [this, reply] {
    reply->deleteLater();
    // Whatever body arrives is kept, error pages included; a failed request
    // keeps an empty one.
    const QByteArray body = reply->error() == QNetworkReply::NoError || reply->bytesAvailable() > 0
                                ? reply->readAll()
                                : QByteArray();
    if (!StoreAnnouncement(body.toStdString(), locations_.data_dir).empty()) RunFourPillarReport();
  });
}

void MainWindow::ShowPatronBuddha() {
  // The animal of the last assembled birth moment's year, which begins at 立春.
  const GbkText animal = FormatLunar(birth_moment_.moment, "%S");
  if (animal.empty()) return desktop_.ShowMessage(this, FromGbk(kMomentMissingMessage));
  view_->ShowAddress(QUrl(FromGbk(PatronBuddhaAddress(animal))));
}

void MainWindow::CopyPage() {
  view_->ReadPlainText([this](const QString& text) {
    desktop_.SetClipboardText(text);
    desktop_.ShowMessage(this, QStringLiteral(u"已经成功复制了!"));
  });
}

void MainWindow::PrintPage() { view_->OpenPrintPreview(); }

void MainWindow::RestoreInputs(const DateTime& now) {
  SavedInputs as_built;
  as_built.date_kind = date_kind_->currentIndex();
  as_built.surname = ToGbk(surname_->text());
  as_built.given = ToGbk(given_->text());
  as_built.male = male_->isChecked();
  const SavedInputs saved = tavrin::RestoreInputs(locations_.settings_path, now, as_built);
  const std::pair<QComboBox*, int> selections[] = {
      {solar_year_, saved.solar_year}, {solar_month_, saved.solar_month}, {solar_day_, saved.solar_day},
      {solar_hour_, saved.solar_hour}, {lunar_year_, saved.lunar_year},   {date_kind_, saved.date_kind},
  };
  for (const auto& [combo, index] : selections) combo->setCurrentIndex(ClampSelection(index, combo->count()));
  surname_->setText(FromGbk(saved.surname));
  given_->setText(FromGbk(saved.given));
  male_->setChecked(saved.male);
  female_->setChecked(!saved.male);
}

SavedInputs MainWindow::CurrentInputs() const {
  SavedInputs inputs;
  inputs.solar_year = solar_year_->currentIndex();
  inputs.solar_month = solar_month_->currentIndex();
  inputs.solar_day = solar_day_->currentIndex();
  inputs.solar_hour = solar_hour_->currentIndex();
  inputs.lunar_year = lunar_year_->currentIndex();
  inputs.date_kind = date_kind_->currentIndex();
  inputs.surname = ToGbk(surname_->text());
  inputs.given = ToGbk(given_->text());
  inputs.male = male_->isChecked();
  return inputs;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  SaveInputs(locations_.settings_path, CurrentInputs());  // a failed write is not reported
  // The maker's home page, from the hundredth day after 2013-11-10, and only
  // when the site is on the web.
  const QDate reference(2013, 11, 10);
  if (SiteIsOnline() && reference.daysTo(QDate::currentDate()) >= 100) {
    home_link_->setText(FromGbk(SiteAddress()));
    desktop_.OpenAddress(QUrl(home_link_->text()));
  }
  event->accept();
}

void MainWindow::FocusSurname() { surname_->setFocus(Qt::OtherFocusReason); }

void MainWindow::ShowPage(const std::string& path) { view_->ShowFile(path); }

void MainWindow::RunNameTest() {
  const NameTestOutcome outcome =
      tavrin::RunNameTest(ToGbk(surname_->text()), ToGbk(given_->text()), locations_.data_dir);
  if (!outcome.message.empty()) {
    desktop_.ShowMessage(this, FromGbk(outcome.message));
    (outcome.focus == NameBox::Surname ? surname_ : given_)->setFocus(Qt::OtherFocusReason);
    return;
  }
  ShowPage(outcome.page_path);
  FocusSurname();
}

void MainWindow::OpenBatchWindow() {
  BatchWindow window(
      locations_.data_dir, locations_.settings_path,
      [this](GbkText input, bool sort_by_score) { StartBatch(std::move(input), sort_by_score); }, this);
  window.exec();
}

void MainWindow::StartBatch(GbkText input, bool sort_by_score) {
  QThread* task = QThread::create([window = QPointer<MainWindow>(this), input = std::move(input),
                                   sort_by_score, data_dir = locations_.data_dir] {
    // The caption follows the run without a repaint for every one of a long
    // list's names: at most every 50 ms, and always for the last.
    auto last_shown = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    const BatchProgress progress = [&](std::size_t position, std::size_t count) {
      const auto now = std::chrono::steady_clock::now();
      if (position != count && now - last_shown < std::chrono::milliseconds(50)) return;
      last_shown = now;
      const QString caption = QStringLiteral(u"正在进行测名%1/%2...").arg(position).arg(count);
      PostToWindow(window, [caption](MainWindow& shown) { shown.setWindowTitle(caption); });
    };
    const std::optional<std::string> page = RunBatch(input, sort_by_score, data_dir, progress);
    if (!page) return;  // an empty list changes nothing
    PostToWindow(window, [path = *page](MainWindow& shown) {
      shown.ShowPage(path);
      shown.setWindowTitle(ProductCaption());
    });
  });
  connect(task, &QThread::finished, task, &QObject::deleteLater);
  task->start();
}

void MainWindow::SwitchDateKind() {
  const int kind = date_kind_->currentIndex();
  solar_panel_->setVisible(kind == 0);
  lunar_panel_->setVisible(!solar_panel_->isVisibleTo(this));
  lunar_panel_->move(solar_panel_->pos());
  WriteIniValue(locations_.settings_path, ProductName, "设置_日期类型", std::to_string(kind));
  FillLunarMonths();
  FocusSurname();
}

void MainWindow::FillLunarMonths() {
  const std::vector<GbkText> months = LunarYearMonthNames(ToGbk(ComboText(lunar_year_)));
  if (months.empty()) return;
  lunar_month_->clear();
  for (const GbkText& month : months) lunar_month_->addItem(FromGbk(month));
  lunar_month_->setCurrentIndex(0);
}

// Each birth page starts from the date lists and refuses a moment that does
// not exist with one message, writing nothing.
void MainWindow::RunFourPillarReport() {
  AssembleBirthMoment();
  const std::optional<FourPillarChart> chart = BuildFourPillarChart(birth_moment_.moment, AnnouncementText());
  if (!chart) return desktop_.ShowMessage(this, FromGbk(kMomentMissingMessage));
  ShowPage(WriteFourPillarPage(*chart, locations_.data_dir));
}

void MainWindow::RunFavourableReport() {
  AssembleBirthMoment();
  const std::optional<FavourablePage> page = BuildFavourablePage(birth_moment_.moment);
  if (!page) return desktop_.ShowMessage(this, FromGbk(kMomentMissingMessage));
  ShowPage(WriteFavourablePage(*page, locations_.data_dir));
}

void MainWindow::RunSolarTermReport() {
  AssembleBirthMoment();
  const std::optional<SolarTermPage> page = BuildSolarTermPage(birth_moment_.moment);
  if (!page) return desktop_.ShowMessage(this, FromGbk(kMomentMissingMessage));
  ShowPage(WriteSolarTermPage(*page, locations_.data_dir));
}

void MainWindow::AssembleBirthMoment() {
  BirthDateSelection selection;
  selection.date_kind = date_kind_->currentIndex();
  const std::pair<GbkText*, QComboBox*> texts[] = {
      {&selection.solar_year, solar_year_}, {&selection.solar_month, solar_month_},
      {&selection.solar_day, solar_day_},   {&selection.solar_hour, solar_hour_},
      {&selection.lunar_year, lunar_year_}, {&selection.lunar_month, lunar_month_},
      {&selection.lunar_day, lunar_day_},   {&selection.lunar_hour, lunar_hour_},
  };
  for (const auto& [text, combo] : texts) *text = ToGbk(ComboText(combo));
  birth_moment_ = tavrin::AssembleBirthMoment(selection);
  if (!birth_moment_.error.empty()) desktop_.ShowMessage(this, FromGbk(birth_moment_.error));
}

}  // namespace tavrin::gui
