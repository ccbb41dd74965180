#include "gui/shell/main_window.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>
#include <optional>

#include "core/job/job_tables.h"
#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "core/tables/table_file.h"
#include "gui/job/job_view.h"
#include "gui/support/drop.h"
#include "gui/support/find_widget.h"
#include "support/scripted_dialog.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

// A job window in miniature: it edits a copy of one job grid, as the real ones will.
class FakeJobView : public QWidget, public JobView {
 public:
  explicit FakeJobView(Grid Job::*member) : member_(member) {}
  void StoreIntoJob(Job& job) const override { job.*member_ = grid; }
  void LoadFromJob(const Job& job) override { grid = job.*member_; }
  void FocusGrid() override { ++focus_requests; }

  Grid grid;
  int focus_requests = 0;

 private:
  Grid Job::*member_;
};

struct MenuItem {
  int index;
  QString caption;
  QKeySequence shortcut;
};

void AddSheetRow(Grid& grid, const char* l1, const char* l2, const char* qty) {
  const int row = grid.Rows() - 1;
  grid.SetText(row, sheet_col::kL1, l1);
  grid.SetText(row, sheet_col::kL2, l2);
  grid.SetText(row, sheet_col::kQty, qty);
  EnsureBlankRow(grid);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  // A fresh data folder with the default files for every test.
  std::unique_ptr<testing::TempFolder> folder_;
  std::unique_ptr<testing::ScriptedPrompter> prompter_;
  std::unique_ptr<testing::ScriptedDialog> dialog_;
  FakeJobView* sheet_view_ = nullptr;
  size_t prompts_taken_ = 0;

  MainWindowSetup Setup(bool coil_mode) {
    MainWindowSetup setup;
    setup.workspace = {folder_->File("data"), "7.25"};
    setup.settings.coil_mode = coil_mode;
    setup.prompter = prompter_.get();
    setup.file_dialog = dialog_->Callback();
    setup.child_factories[ChildWindow::kSheet] = [this](MainWindow&) {
      sheet_view_ = new FakeJobView(&Job::sheet);
      return sheet_view_;
    };
    return setup;
  }

  static void Show(MainWindow& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  // The texts of the prompts shown since the last call.
  std::vector<std::string> TakePrompts() {
    const auto texts = prompter_->Texts();
    std::vector<std::string> fresh(texts.begin() + static_cast<std::ptrdiff_t>(prompts_taken_),
                                   texts.end());
    prompts_taken_ = texts.size();
    return fresh;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    prompter_ = std::make_unique<testing::ScriptedPrompter>();
    dialog_ = std::make_unique<testing::ScriptedDialog>();
    sheet_view_ = nullptr;
    prompts_taken_ = 0;
    QVERIFY(!SeedDataFolder(folder_->File("data")).has_value());
  }

  void MenusFollowTheMenuTable() {
    MainWindow window(Setup(false));
    const QList<QAction*> menus = window.menuBar()->actions();
    QStringList titles;
    for (QAction* menu : menus) titles << menu->text();
    QCOMPARE(titles,
             QStringList({"&File", "&Edit", "&Optimize", "&View", "&Tools", "&Window", "&Help"}));

    const std::vector<std::vector<MenuItem>> items = {
        {{1, "&New", QKeySequence("Ctrl+N")},
         {2, "&Open...", QKeySequence("Ctrl+O")},
         {3, "&Save", QKeySequence("Ctrl+S")},
         {4, "Save &As...", {}},
         {6, "Save As Defaults", {}},
         {8, "Import Glass List...", {}},
         {9, "Import Stock List...", {}},
         {10, "Export...", {}},
         {12, "E&xit", {}}},
        {{1, "&Basic Details", QKeySequence("F4")},
         {3, "&Sheet Specifications", QKeySequence("F2")},
         {5, "&Glass Size Specifications", QKeySequence("F3")}},
        {{1, "&Start Optimization", QKeySequence("F5")},
         {3, "Maximum Yield", {}},
         {4, "Minimum Layouts", {}},
         {6, "&Deep Optimization...", QKeySequence("Shift+F5")}},
        {{1, "&Report", QKeySequence("F7")},
         {3, "&Layouts", QKeySequence("F8")},
         {5, "&Balance And Scrap Table", QKeySequence("F6")}},
        {{1, "&Unit Conversion Tool", QKeySequence("F9")},
         {3, "&Density Table", {}},
         {5, "Change Unit to &IN", QKeySequence("F11")},
         {6, "Change Unit to &MM", QKeySequence("F12")}},
        {{1, "&Tile", {}}, {2, "&Cascade", {}}},
        {{1, "&Lumora Help", QKeySequence("F1")}, {3, "&About LUMORA", {}}},
    };
    for (size_t m = 0; m < items.size(); ++m) {
      const QList<QAction*> actions = menus[m]->menu()->actions();
      QCOMPARE(actions.size(), items[m].back().index);
      size_t next = 0;
      for (int index = 1; index <= actions.size(); ++index) {
        QAction* action = actions[index - 1];
        if (next < items[m].size() && items[m][next].index == index) {
          QCOMPARE(action->text(), items[m][next].caption);
          QCOMPARE(action->shortcut(), items[m][next].shortcut);
          ++next;
        } else {
          QVERIFY2(action->isSeparator(), qPrintable(menus[m]->text() + QString::number(index)));
        }
      }
    }
    QVERIFY(testing::FindWidget<QAction>(&window, "Optimize3")->isChecked());
    QVERIFY(!testing::FindWidget<QAction>(&window, "Optimize4")->isChecked());
  }

  void ToolbarAndStatusBarInSheetMode() {
    MainWindow window(Setup(false));
    Show(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Base Module"));
    auto* toolbar = testing::FindWidget<QToolBar>(&window, "TB");
    const QList<QAction*> buttons = toolbar->actions();
    QCOMPARE(buttons.size(), 17);
    const std::map<int, QString> tooltips = {{1, "New FIle"},
                                             {2, "Open File"},
                                             {3, "Save File"},
                                             {5, "Basic Details"},
                                             {6, "Sheet Specifications"},
                                             {7, "Coil Specifications"},
                                             {8, "Glass Size Specifications"},
                                             {10, "Start Optimization"},
                                             {12, "Report"},
                                             {13, "Layouts"},
                                             {14, "Balance And Scrap Table"},
                                             {16, "Change Unit to IN"},
                                             {17, "Change Unit to MM"}};
    for (int index = 1; index <= 17; ++index) {
      QAction* button = buttons[index - 1];
      const auto tooltip = tooltips.find(index);
      if (tooltip == tooltips.end()) {
        QVERIFY(button->isSeparator());
      } else {
        QCOMPARE(button->toolTip(), tooltip->second);
        QCOMPARE(button->objectName(), QStringLiteral("TB%1").arg(index));
        QVERIFY(!button->icon().isNull());
      }
    }
    QVERIFY(window.ToolbarButton(QLatin1StringView("TB6"))->isVisible());
    QVERIFY(!window.ToolbarButton(QLatin1StringView("TB7"))->isVisible());
    QVERIFY(!window.ToolbarButton(QLatin1StringView("TB16"))->isChecked());
    QVERIFY(window.ToolbarButton(QLatin1StringView("TB17"))->isChecked());

    const QStringList texts = {"Overall Yield (%) = NA", "Total Layouts = NA", "Profit = NA",
                               "Lumora version 0.1.0"};
    for (int panel = 1; panel <= 4; ++panel) {
      QCOMPARE(testing::FindWidget<QLabel>(&window, QStringLiteral("Panel%1").arg(panel))->text(),
               texts[panel - 1]);
    }
    QVERIFY(TakePrompts().empty());
  }

  void CoilModeDiffers() {
    MainWindow window(Setup(true));
    Show(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Strandor"));
    QCOMPARE(testing::FindWidget<QAction>(&window, "Edit3")->text(),
             QStringLiteral("Coi&l Specifications"));
    QVERIFY(!window.ToolbarButton(QLatin1StringView("TB6"))->isVisible());
    QVERIFY(window.ToolbarButton(QLatin1StringView("TB7"))->isVisible());
    QCOMPARE(window.ChildCaption(ChildWindow::kSheet), QStringLiteral("Coil Specifications"));

    window.job().settings.job_changed = true;
    prompter_->Plan(PromptAnswer::kNo);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialog_->requests.size(), size_t{1});
    QCOMPARE(dialog_->requests[0].kind, FileDialogKind::kOpen);
    QCOMPARE(dialog_->requests[0].title, std::string("open File..."));
    QCOMPARE(dialog_->requests[0].filter, std::string("SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt"));
    QCOMPARE(TakePrompts(), std::vector<std::string>{"Save changes in current file?"});
    // A cancelled open clears the changed flag all the same.
    QVERIFY(!window.job().settings.job_changed);
  }

  void UnitSwitchAndObjectiveMarks() {
    MainWindow window(Setup(false));
    Show(window);
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(sheet_view_ != nullptr);

    QTest::keyClick(&window, Qt::Key_F11);
    QCOMPARE(window.job().settings.unit, std::string("IN"));
    QVERIFY(window.ToolbarButton(QLatin1StringView("TB16"))->isChecked());
    QVERIFY(!window.ToolbarButton(QLatin1StringView("TB17"))->isChecked());
    // The open Sheet window shows the inch column as current.
    QCOMPARE(sheet_view_->grid.col, sheet_col::kL1Inch);
    QCOMPARE(window.job().glass.col, sheet_col::kL1Inch);

    window.ToolbarButton(QLatin1StringView("TB17"))->trigger();
    QCOMPARE(window.job().settings.unit, std::string("MM"));
    QVERIFY(window.ToolbarButton(QLatin1StringView("TB17"))->isChecked());
    QVERIFY(!window.ToolbarButton(QLatin1StringView("TB16"))->isChecked());
    QCOMPARE(sheet_view_->grid.col, sheet_col::kL1);

    // Either entry flips both marks, even the one already checked.
    testing::FindWidget<QAction>(&window, "Optimize3")->trigger();
    QVERIFY(!testing::FindWidget<QAction>(&window, "Optimize3")->isChecked());
    QVERIFY(testing::FindWidget<QAction>(&window, "Optimize4")->isChecked());
    QVERIFY(!window.job().maximum_yield && window.job().minimum_layouts);
    testing::FindWidget<QAction>(&window, "Optimize3")->trigger();
    QVERIFY(window.job().maximum_yield && !window.job().minimum_layouts);
  }

  void SaveNewAndOpenRoundTrip() {
    MainWindow window(Setup(false));
    Show(window);
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(sheet_view_ != nullptr);
    QCOMPARE(window.FindChildWindow(ChildWindow::kSheet)->objectName(), QStringLiteral("SHEET"));
    AddSheetRow(sheet_view_->grid, "1200", "900", "4");
    window.job().settings.job_changed = true;

    const std::string job_file = folder_->File("Jobs-A.OPT");
    dialog_->answers.push_back(job_file);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialog_->requests.back().kind, FileDialogKind::kSave);
    QCOMPARE(dialog_->requests.back().title, std::string("Save File..."));
    QCOMPARE(dialog_->requests.back().filter, std::string("*.opt|*.opt"));
    QVERIFY(folder_->Read("Jobs-A.OPT").find("\"1200\",\"900\"") != std::string::npos);
    // The caption shows the file name in lower case.
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Base Module - ") + QString::fromStdString(job_file).toLower());
    QVERIFY(!window.job().settings.job_changed);
    // A second Save keeps the name without asking.
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialog_->requests.size(), size_t{1});

    window.SetStatusText(1, QStringLiteral("Overall Yield (%) = 91.2"));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(window.windowTitle(), QStringLiteral("Base Module"));
    QCOMPARE(window.StatusText(1), QStringLiteral("Overall Yield (%) = NA"));
    // "Defaults" carries no stock: the open Sheet window shows none.
    QCOMPARE(sheet_view_->grid.Rows(), 2);

    dialog_->answers.push_back(job_file);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialog_->requests.back().filter, std::string("*.opt|*.opt"));
    QCOMPARE(sheet_view_->grid.Rows(), 3);
    QCOMPARE(sheet_view_->grid.Text(1, sheet_col::kL2), std::string("900"));
    QCOMPARE(sheet_view_->grid.Text(1, sheet_col::kQty), std::string("4"));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("/jobs-a.opt")));
    // Opening shows the Layouts and then the Report view; the job was never optimized.
    QCOMPARE(TakePrompts(), std::vector<std::string>(2, "This file was not optimized."));
  }

  void ClosingAsksAndCancelKeepsTheWindow() {
    MainWindow window(Setup(false));
    Show(window);
    QSignalSpy closed(&window, &MainWindow::Closed);
    QTest::keyClick(&window, Qt::Key_F2);
    AddSheetRow(sheet_view_->grid, "2440", "1830", "7");
    window.job().settings.job_changed = true;

    prompter_->Plan(PromptAnswer::kCancel);
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(closed.count(), 0);
    QCOMPARE(prompter_->prompts().back().buttons, PromptButtons::kYesNoCancel);
    QCOMPARE(prompter_->prompts().back().title, std::string("Attention!"));
    QVERIFY(window.FindChildWindow(ChildWindow::kSheet) != nullptr);

    prompter_->Plan(PromptAnswer::kNo);
    QVERIFY(window.close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(dialog_->requests.empty());
    // The Sheet window closed with the main window, and the job took its grid.
    QVERIFY(window.FindChildWindow(ChildWindow::kSheet) == nullptr);
    QCOMPARE(window.job().sheet.Text(1, sheet_col::kL1), std::string("2440"));
  }

  void ViewCommandsNeedLayouts() {
    MainWindowSetup setup = Setup(false);
    int layouts_built = 0;
    setup.child_factories[ChildWindow::kLayouts] = [&layouts_built](MainWindow&) {
      ++layouts_built;
      return new QWidget;
    };
    MainWindow window(std::move(setup));
    Show(window);
    QTest::keyClick(&window, Qt::Key_F7);
    QCOMPARE(prompter_->prompts().size(), size_t{1});
    QCOMPARE(prompter_->prompts()[0].text, std::string("This file was not optimized."));
    QCOMPARE(prompter_->prompts()[0].title, std::string("Attention!"));
    QCOMPARE(prompter_->prompts()[0].icon, PromptIcon::kQuestion);
    TakePrompts();

    folder_->Write("data/7.25dia.tlf", "1,1,0,0,100,100,1\r\n");
    QTest::keyClick(&window, Qt::Key_F8);
    QCOMPARE(window.FindChildWindow(ChildWindow::kLayouts)->windowTitle(),
             QStringLiteral("Layouts"));
    QCOMPARE(window.findChild<QMdiArea*>("mdi")->activeSubWindow(),
             window.FindChildWindow(ChildWindow::kLayouts));
    // Each view command builds the Layouts window afresh.
    QTest::keyClick(&window, Qt::Key_F8);
    QCOMPARE(layouts_built, 2);
    QTest::keyClick(&window, Qt::Key_F7);
    QCOMPARE(TakePrompts(), std::vector<std::string>{"Report is not available yet."});
  }

  void StartOptimizationRunsTheChecksFirst() {
    MainWindowSetup setup = Setup(false);
    int runs = 0;
    setup.optimization_runner = [&runs](MainWindow&) { ++runs; };
    MainWindow window(std::move(setup));
    Show(window);
    QTest::keyClick(&window, Qt::Key_F2);
    AddSheetRow(sheet_view_->grid, "0", "1830", "7");
    window.job().glass.SetText(1, glass_col::kL1, "500");
    window.job().glass.SetText(1, glass_col::kL2, "400");
    window.job().glass.SetText(1, glass_col::kQty, "2");
    EnsureBlankRow(window.job().glass);

    prompter_->Plan(PromptAnswer::kNo);
    QTest::keyClick(&window, Qt::Key_F5);
    QCOMPARE(TakePrompts(), std::vector<std::string>{"L1 missing in sheet number (1), Proceed?"});
    QCOMPARE(runs, 0);
    QCOMPARE(sheet_view_->focus_requests, 1);
    QVERIFY(!window.job().settings.job_changed);

    sheet_view_->grid.SetText(1, sheet_col::kL1, "2440");
    prompter_->Plan(PromptAnswer::kYes);
    QTest::keyClick(&window, Qt::Key_F5);
    QCOMPARE(runs, 1);
    QVERIFY(window.job().settings.job_changed);
    // The grids went through the checks: "BLADE" is written into Basic Details.
    QVERIFY(!window.job().basic.Text(1, basic_col::kBlade).empty());
    // After the run Save As is offered, then the Layouts and Report views.
    QCOMPARE(dialog_->requests.back().title, std::string("Save File..."));
    QCOMPARE(TakePrompts(),
             (std::vector<std::string>{"Start OPTIMIZATION?", "This file was not optimized.",
                                       "This file was not optimized."}));
  }

  void StartWithoutARunnerTellsSo() {
    MainWindow window(Setup(false));
    Show(window);
    // Without stock or glass the checks start at once.
    window.findChild<QAction*>("Optimize1")->trigger();
    QCOMPARE(TakePrompts(), std::vector<std::string>{"The optimization run is not available yet."});
    QVERIFY(dialog_->requests.empty());
  }

  void CommandLineJobOpensWithItsViews() {
    const auto example = ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/small.opt");
    QVERIFY(example.has_value());
    folder_->Write("given.opt", *example);
    MainWindowSetup setup = Setup(false);
    setup.command_line_file = folder_->File("given.opt");
    MainWindow window(std::move(setup));
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Base Module - ") +
                 QString::fromStdString(folder_->File("given.opt")).toLower());
    QVERIFY(window.job().sheet.Rows() > 2);
    Show(window);
    QTRY_COMPARE(prompter_->prompts().size(), size_t{2});
  }

  void DroppedJobFileOpensAfterTheSaveQuestion() {
    const auto example = ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/small.opt");
    QVERIFY(example.has_value());
    folder_->Write("dropped.opt", *example);
    MainWindow window(Setup(false));
    Show(window);
    window.job().settings.job_changed = true;
    for (const auto& [name, opens] : {std::pair{"dropped.txt", false}, {"dropped.opt", true}}) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder_->File(name)))});
      prompter_->Plan(PromptAnswer::kNo);
      testing::DropOn(&window, data);
      QCOMPARE(window.job().file_name == folder_->File("dropped.opt"), opens);
    }
    QCOMPARE(TakePrompts().front(), std::string("Save changes in current file?"));
    QVERIFY(dialog_->requests.empty());
  }

  void ExportWritesTheListsToTheChosenFile() {
    MainWindow window(Setup(false));
    Show(window);
    AddSheetRow(window.job().sheet, "2440", "1220", "3");
    dialog_->answers = {folder_->File("lists.csv")};
    window.findChild<QAction*>("Export")->trigger();
    QCOMPARE(dialog_->requests.front().kind, FileDialogKind::kSave);
    const std::string csv = folder_->Read("lists.csv");
    QVERIFY(csv.find("Sheet Specifications\r\nL1 (MM),L2 (MM),L1 (IN),L2 (IN),QTY,CP/SFT\r\n"
                     "2440,1220,,,3,\r\n") != std::string::npos);
  }

  void WindowMenuListsTheChildrenAndTheirPlacesAreKept() {
    QRect moved(40, 30, 420, 260);
    {
      MainWindow window(Setup(false));
      Show(window);
      QMdiSubWindow* sheet = window.OpenChildWindow(ChildWindow::kSheet);
      sheet->setWindowTitle(QStringLiteral("Sheet Specifications"));
      auto* menu = testing::FindWidget<QMenu>(&window, "Window");
      emit menu->aboutToShow();
      QCOMPARE(menu->actions().back()->text(), QStringLiteral("Sheet Specifications"));
      QVERIFY(menu->actions().back()->isChecked());
      sheet->setGeometry(moved);
      sheet->close();
    }
    MainWindow window(Setup(false));
    Show(window);
    QCOMPARE(window.OpenChildWindow(ChildWindow::kSheet)->geometry(), moved);
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::MainWindowTest)
#include "main_window_test.moc"
