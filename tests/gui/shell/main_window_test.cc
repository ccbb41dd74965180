#include "gui/shell/main_window.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>

#include "core/deep/deep_optimization.h"
#include "core/engine2d/optimization.h"
#include "gui/engine2d/progress_window.h"
#include "gui/support/program_window.h"
#include "gui/tools/unit_conversion_window.h"

namespace lumora {
namespace {

using testing::FindWidget;
using testing::Type;

constexpr const char* kStartQuestion = "Start OPTIMIZATION?";
constexpr const char* kStopRunQuestion = "The optimization is still running. Stop it and close?";

QString LabelText(ProgressWindow& progress, const char* name) {
  return FindWidget<QLabel>(&progress, name)->text();
}

bool IsBrightRed(ProgressWindow& progress, const char* name) {
  return FindWidget<QLabel>(&progress, name)->palette().color(QPalette::WindowText) ==
         QColor(255, 0, 0);
}

}  // namespace

// The main window as the launcher opens it: job windows, result views, tools and the
// optimization run in the Progress window, which runs the engine off the event loop.
class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Type a job, optimize, view the result, save, reopen, edit and save again.
  void AJobGoesFromTypingToASavedResultAndBack() {
    testing::ProgramWindow program;
    program.Open();
    QTest::keyClick(program.window.get(), Qt::Key_F7);
    QCOMPARE(program.prompter.Texts(), std::vector<std::string>{"This file was not optimized."});
    Type(program.OpenGrid(Qt::Key_F4, ChildWindow::kBasicDetails), 1, basic_col::kItem, "float");
    GridWidget* sheet = program.OpenGrid(Qt::Key_F2, ChildWindow::kSheet);
    GridWidget* glass = program.OpenGrid(Qt::Key_F3, ChildWindow::kGlass);
    Type(sheet, 1, sheet_col::kL2, "1830");
    Type(glass, 1, glass_col::kL1, "1200");
    // Failed checks show the grid and start nothing.
    program.prompter.Plan(PromptAnswer::kNo);
    QTest::keyClick(program.window.get(), Qt::Key_F5);
    QCOMPARE(program.prompter.Texts().back(),
             std::string("L1 missing in sheet number (1), Proceed?"));
    QCOMPARE(program->findChild<QMdiArea*>("mdi")->activeSubWindow(),
             program->FindChildWindow(ChildWindow::kSheet));
    QVERIFY(program->findChild<ProgressWindow*>() == nullptr);
    Type(sheet, 1, sheet_col::kL1, "2440");
    Type(sheet, 1, sheet_col::kQty, "5");
    Type(glass, 1, glass_col::kL2, "800");
    Type(glass, 1, glass_col::kQty, "6");

    const std::string job_file = program.folder.File("typed.opt");
    program.dialog.answers = {job_file};
    program.Optimize();
    QCOMPARE(program.prompter.Texts().back(), std::string(kStartQuestion));
    QCOMPARE(program.dialog.requests.back().title, std::string("Save File..."));
    QVERIFY(testing::Contains(program.folder.Read("typed.opt"), "\"2440\",\"1830\""));
    QVERIFY(program->windowTitle().endsWith(QStringLiteral("/typed.opt")));
    QVERIFY(program->FindChildWindow(ChildWindow::kLayouts) != nullptr);
    const QStringList figures = program.StatusTexts();
    QVERIFY(!figures[0].endsWith(QStringLiteral("NA")));

    QTest::keyClick(program.window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(program->StatusText(1), QStringLiteral("Overall Yield (%) = NA"));
    QVERIFY(program->FindChildWindow(ChildWindow::kLayouts) == nullptr);
    QCOMPARE(sheet->grid().Text(1, sheet_col::kL1), std::string());
    program.dialog.answers = {job_file};
    QTest::keyClick(program.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(sheet->grid().Text(1, sheet_col::kL1), std::string("2440"));
    QCOMPARE(program.StatusTexts(), figures);
    // A job without layouts: its views tell so once, and the figures of the last one go.
    const size_t told = program.prompter.Texts().size();
    program.dialog.answers = {program.folder.Write("plain.opt", testing::SmallJobBytes())};
    QTest::keyClick(program.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(program.prompter.Texts().size(), told + 1);
    QCOMPARE(program->StatusText(1), QStringLiteral("Overall Yield (%) = NA"));
    program.dialog.answers = {job_file};
    QTest::keyClick(program.window.get(), Qt::Key_O, Qt::ControlModifier);

    // A change drops the result once the user agrees; Save keeps the name.
    program.prompter.Plan(PromptAnswer::kYes);
    Type(glass, 1, glass_col::kQty, "7");
    QCOMPARE(program->StatusText(1), QStringLiteral("Overall Yield (%) = NA"));
    QVERIFY(program->FindChildWindow(ChildWindow::kLayouts) == nullptr);
    const size_t dialogs = program.dialog.requests.size();
    QTest::keyClick(program.window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(program.dialog.requests.size(), dialogs);
    QVERIFY(testing::Contains(program.folder.Read("typed.opt"), "\"67\""));
  }

  // A job with unsaved changes is kept for recovery after every optimization (and every minute);
  // a normal close leaves nothing kept.
  void KeepsTheJobForRecoveryUntilItIsClosed() {
    testing::ProgramWindow program;
    program.Open(false, program.folder.Write("small.opt", testing::SmallJobBytes()));
    const std::string kept = program.folder.File("data/recovery/7.25.opt");
    QVERIFY(!FileExists(kept));
    program.Optimize();
    QVERIFY(FileExists(kept));
    QVERIFY(testing::Contains(program.folder.Read("data/recovery/7.25.lst"), "small.opt\r\n"));
    program.prompter.Plan(PromptAnswer::kNo);
    QVERIFY(program->close());
    QVERIFY(!FileExists(kept));
    QVERIFY(!FileExists(program.folder.File("data/recovery/7.25.lst")));
  }

  // The example runs off the event loop to the pinned result, shown in the Progress window and
  // the status bar. Shift+F5 asks for the time limit and runs a deep optimization, which ends at
  // Stop. Closing during a run asks, stops it and closes once the run has ended.
  void RunsToThePinnedResultAndStops() {
    testing::ProgramWindow program;
    program.folder.Write("data/misc.set", "\"MM\",\"10\",\"FULL\"\r\n");
    program.Open(false, program.folder.Write("small.opt", testing::SmallJobBytes()));
    // Its start-up views tell once that it was not optimized.
    QTRY_COMPARE(program.prompter.Texts(),
                 std::vector<std::string>{"This file was not optimized."});
    program.Optimize([](ProgressWindow& progress) {
      QVERIFY(testing::EndAndConfirm(progress));
      QStringList shown;
      for (const char* label : {"Msglbl", "NOLlbl", "Yieldlbl", "CombCaption", "Comblbl"}) {
        shown << LabelText(progress, label);
      }
      QCOMPARE(shown, QStringList({"Optimization done.", "8", "89.45",
                                   "Passes to go / improvements:", "0/1"}));
      // "Maximum Yield" is the objective: its statistic is the red one.
      QVERIFY(IsBrightRed(progress, "Yieldlbl") && !IsBrightRed(progress, "NOLlbl"));
    });
    // The same result as the command line's, written into the job's working dia.tlf.
    QCOMPARE(program.Working("dia.tlf"), testing::TestDataBytes("engine2d/runs/small_yield.tlf"));
    QCOMPARE(program.StatusTexts(),
             (QStringList{"Overall Yield (%) = 89.45", "Total Layouts = 8", "Profit = 3080"}));

    program->job().settings.resume_pass = 7;
    testing::WhenShown<QInputDialog>([](QInputDialog& dialog) {
      dialog.setIntValue(600);
      dialog.accept();
    });
    program.Optimize(
        [](ProgressWindow& progress) {
          QTRY_COMPARE_WITH_TIMEOUT(FindWidget<QProgressBar>(&progress, "PBar")->maximum(), 600,
                                    10000);
          QTRY_VERIFY_WITH_TIMEOUT(!LabelText(progress, "NOLlbl").isEmpty(), 10000);
          testing::Click(&progress, "cmd");
          QVERIFY(testing::EndAndConfirm(progress));
          QCOMPARE(LabelText(progress, "Msglbl").section('\n', 0, 0),
                   QString::fromLatin1(kDeepStoppedMessage.data()));
        },
        Qt::ShiftModifier);
    QCOMPARE(program->job().settings.resume_pass, 0);
    // A deep run that ends by itself says how it compares with the standard result.
    testing::WhenShown<QInputDialog>([](QInputDialog& dialog) {
      dialog.setIntValue(1);
      dialog.accept();
    });
    program.Optimize(
        [](ProgressWindow& progress) {
          QVERIFY(testing::EndAndConfirm(progress));
          QCOMPARE(LabelText(progress, "CombCaption"), QStringLiteral("Search steps:"));
          const QStringList lines = LabelText(progress, "Msglbl").split('\n');
          QCOMPARE(lines.size(), 2);
          QVERIFY(lines[1].startsWith("Beats the standard result: yield 89.45% -> ") ||
                  lines[1] == "No better than the standard result: yield 89.45%, 8 layouts.");
        },
        Qt::ShiftModifier);

    program->job().settings.efficiency = 32767;
    const size_t dialogs = program.dialog.requests.size();
    QSignalSpy closed(program.window.get(), &MainWindow::Closed);
    program.prompter.Plan(PromptAnswer::kYes);
    program.during_run = [&program](ProgressWindow& progress) {
      QTRY_VERIFY(FindWidget<QProgressBar>(&progress, "PBar")->value() >= 1);
      // Only the button or the main window ends a run.
      QTest::keyClick(&progress, Qt::Key_Escape);
      QVERIFY(progress.isVisible());
      program.prompter.Plan(PromptAnswer::kNo);
      QVERIFY(!program->close());
      QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Optimizing..."));
      program.prompter.Plan(PromptAnswer::kYes);
      // The save question of the close that follows the run.
      program.prompter.Plan(PromptAnswer::kNo);
      QVERIFY(!program->close());
      QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Terminating..."));
      // The window closes by itself once the run has ended.
      QTRY_VERIFY_WITH_TIMEOUT(!progress.isVisible(), 20000);
    };
    QTest::keyClick(program.window.get(), Qt::Key_F5);
    QTRY_COMPARE(closed.count(), 1);
    const std::vector<std::string> texts = program.prompter.Texts();
    QCOMPARE(std::vector<std::string>(texts.end() - 4, texts.end()),
             (std::vector<std::string>{kStartQuestion, kStopRunQuestion, kStopRunQuestion,
                                       "Save changes in current file?"}));
    // The run's result stayed with the job, and Save As was not offered on the way out.
    QVERIFY(program->job().settings.resume_pass >= 1 && program.dialog.requests.size() == dialogs);
  }

  // F5 on a job that knows its glass line offers Deep Optimization instead; No starts nothing.
  void AJobOfTheLineAsksForDeepOptimization() {
    testing::ProgramWindow program;
    program.Open(false, program.folder.Write("small.opt", testing::SmallJobBytes()));
    QTRY_COMPARE(program.prompter.Texts().size(), size_t{1});
    program->job().line.SetSettings(CuttingLineSettings{});
    program.prompter.Plan(PromptAnswer::kNo);
    QTest::keyClick(program.window.get(), Qt::Key_F5);
    QCOMPARE(program.prompter.Texts().back(), std::string(kNeedsDeepMessage) + "\n\nStart it now?");
    QCOMPARE(program.prompter.Texts().size(), size_t{2});
  }

  // F9 from a decimal cell of the Glass grid presets the unit tool, which pastes through the key
  // rules of the cell; from a text cell it only converts. Closing asks (Cancel keeps the
  // window); the window menu lists the children, whose places are kept. A dropped job opens.
  // Coil mode shows its own stock window and button; the unit and objective marks follow the job.
  void ToolsClosingDropsAndModes() {
    testing::ProgramWindow program;
    program.Open();
    GridWidget* grid = program.OpenGrid(Qt::Key_F3, ChildWindow::kGlass);
    grid->setFocus();
    Type(grid, 1, 1, "1200");
    QTest::keyClick(program.window.get(), Qt::Key_F9);
    QPointer<UnitConversionWindow> tool = program->findChild<UnitConversionWindow*>();
    QVERIFY(tool != nullptr && tool->input()->text() == QStringLiteral("1200"));
    QCOMPARE(tool->button()->text(), QStringLiteral("Paste"));
    QVERIFY(QTest::qWaitForWindowActive(tool));
    tool->unit_list(1)->setCurrentIndex(3);  // in
    tool->button()->click();
    QTRY_VERIFY(tool.isNull());
    QCOMPARE(grid->grid().Text(1, 1), std::string("47.2441"));
    QCOMPARE(program.folder.Read("data/unit.tlf"), std::string("\"mm\",\"in\"\r\n"));
    grid->SetCurrentCell(1, grid->grid().Cols() - 1);
    program->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    QTest::keyClick(program.window.get(), Qt::Key_F9);
    tool = program->findChild<UnitConversionWindow*>();
    QVERIFY(tool != nullptr && tool->input()->text().isEmpty());
    QCOMPARE(tool->button()->text(), QStringLiteral("Close"));
    tool->button()->click();

    QMdiSubWindow* sheet = program->OpenChildWindow(ChildWindow::kSheet);
    auto* menu = FindWidget<QMenu>(program.window.get(), "Window");
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().back()->text(), sheet->windowTitle());
    const QRect moved(40, 30, 420, 260);
    sheet->setGeometry(moved);
    Type(FindWidget<GridWidget>(sheet, "FG"), 1, sheet_col::kL1, "2440");
    program.prompter.Plan(PromptAnswer::kCancel);
    QVERIFY(!program->close());
    QVERIFY(program->isVisible() && program->FindChildWindow(ChildWindow::kSheet) != nullptr);
    program.prompter.Plan(PromptAnswer::kNo);
    QVERIFY(program->close());
    QCOMPARE(program->job().sheet.Text(1, sheet_col::kL1), std::string("2440"));
    // Each job window writes its working table as it closes.
    QVERIFY(program.Working("sheet.tlf").starts_with("\"2440\",\"\",\"96 1/16\","));
    program.Open();
    QCOMPARE(program->OpenChildWindow(ChildWindow::kSheet)->geometry(), moved);

    program.folder.Write("dropped.opt", testing::SmallJobBytes());
    for (const auto& [name, opens] : {std::pair{"dropped.txt", false}, {"dropped.opt", true}}) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(QString::fromStdString(program.folder.File(name)))});
      testing::DropOn(program.window.get(), data);
      QCOMPARE(program->job().file_name == program.folder.File("dropped.opt"), opens);
    }
    program.dialog.answers = {program.folder.File("lists.csv")};
    FindWidget<QAction>(program.window.get(), "Export")->trigger();
    QVERIFY(
        testing::Contains(program.folder.Read("lists.csv"), "\r\n3660,2440,144 1/8,96 1/16,20,"));

    program.Open(/*coil_mode=*/true);
    const auto button = [&program](const char* name) {
      return program->ToolbarButton(QLatin1StringView(name));
    };
    QCOMPARE(program->windowTitle(), QStringLiteral("Strandor"));
    QVERIFY(!button("TB6")->isVisible());
    button("TB7")->trigger();
    QMdiSubWindow* stock = program->FindChildWindow(ChildWindow::kSheet);
    QCOMPARE(stock->windowTitle(), QStringLiteral("Coil Specifications     Unit: MM"));
    QTest::keyClick(program.window.get(), Qt::Key_F11);
    QCOMPARE(program->job().settings.unit, Unit::kIn);
    QVERIFY(button("TB16")->isChecked() && !button("TB17")->isChecked());
    QCOMPARE(FindWidget<GridWidget>(stock, "FG")->grid().col, sheet_col::kL1Inch);
    button("TB17")->trigger();
    QVERIFY(program->job().settings.unit == Unit::kMm && !button("TB16")->isChecked());
    QCOMPARE(FindWidget<GridWidget>(stock, "FG")->grid().col, sheet_col::kL1);
    auto* yield = FindWidget<QAction>(program.window.get(), "Optimize3");
    auto* layouts = FindWidget<QAction>(program.window.get(), "Optimize4");
    yield->trigger();
    QVERIFY(!yield->isChecked() && layouts->isChecked());
    QVERIFY(!program->job().maximum_yield && program->job().minimum_layouts);
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::MainWindowTest)
#include "main_window_test.moc"
