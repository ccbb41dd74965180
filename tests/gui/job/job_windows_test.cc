#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>
#include <optional>
#include <string>

#include "core/job/job.h"
#include "core/job/job_tables.h"
#include "core/tables/file_routines.h"
#include "core/tables/table_file.h"
#include "gui/job/basic_details_window.h"
#include "gui/job/glass_window.h"
#include "gui/job/job_window_factories.h"
#include "gui/job/list_import_dialog.h"
#include "gui/job/sheet_window.h"
#include "gui/support/drop.h"
#include "gui/support/find_widget.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_dialog.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

constexpr const char* kChangeQuestion =
    "You are trying to change data. You need to optimize again. \n\nContinue?";

// A job in a fresh data folder, the prompter that answers for it, and counts of what the
// change confirmation asked the windows around the job to do.
struct JobFixture {
  explicit JobFixture(const std::string& unit = "MM", MoveSetting move = MoveSetting::kFull,
                      bool coil_mode = false) {
    ProgramSettings settings;
    settings.unit = unit;
    settings.move = move;
    settings.coil_mode = coil_mode;
    job = MakeJob(Workspace{folder.path(), "7."}, settings);
  }

  JobWindowContext Context() {
    return {job, prompter,
            [this] {
              return ResultViewActions{[this] { ++views_closed; }, [this] { ++results_forgotten; }};
            },
            dialog.Callback()};
  }
  std::string Working(const char* name) const { return job.workspace.WorkingFile(name); }
  void WriteLayouts() {
    QVERIFY(!WriteFileAtomically(Working("dia.tlf"), "1,-1,1,0,0,10,10,1,0\r\n"));
  }

  testing::TempFolder folder;
  testing::ScriptedPrompter prompter;
  testing::ScriptedDialog dialog;
  Job job;
  int views_closed = 0;
  int results_forgotten = 0;
};

std::string Cell(const GridWidget* grid, int row, int col) { return grid->grid().Text(row, col); }

QPoint Current(const GridWidget* grid) { return QPoint(grid->grid().col, grid->grid().row); }

// Enter from a cell; where the current cell went, as (col, row).
QPoint EnterFrom(GridWidget* grid, int row, int col) {
  grid->SetCurrentCell(row, col);
  QTest::keyClick(grid, Qt::Key_Return);
  return Current(grid);
}

template <typename Window>
GridWidget* Show(Window& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not exposed");
  return testing::FindWidget<GridWidget>(&window, "FG");
}

}  // namespace

class JobWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void BasicDetailsKeepsOneRowOfFiveVisibleColumns() {
    JobFixture fixture;
    BasicDetailsWindow window(fixture.Context());
    GridWidget* grid = Show(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Basic Details"));
    QStringList visible;
    for (int c = 0; c < grid->grid().Cols(); ++c) {
      if (!grid->CellRect(0, c).isEmpty()) visible << QString::fromStdString(Cell(grid, 0, c));
    }
    QCOMPARE(visible, QStringList({"ITEM", "T (MM)", "B (MM)", "L1 (MM)", "L2 (MM)"}));

    QTest::keyClicks(grid, "float 6,");
    QCOMPARE(Cell(grid, 1, basic_col::kItem), std::string("FLOAT 6"));
    QVERIFY(fixture.job.settings.job_changed);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->grid().col, basic_col::kTolerance);
    QTest::keyClicks(grid, "0.5.");
    QCOMPARE(Cell(grid, 1, basic_col::kTolerance), std::string("0.5"));
    grid->SetCurrentCell(1, basic_col::kL2);
    QTest::keyClicks(grid, "3210");
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(Current(grid), QPoint(basic_col::kItem, 1));
    QCOMPARE(grid->grid().Rows(), 2);

    // A pasted block that reaches below the row leaves the one row.
    QGuiApplication::clipboard()->setText(QStringLiteral("2\r\n3\r\n4\r\n"));
    grid->SetCurrentCell(1, basic_col::kB);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(grid->grid().Rows(), 2);
    QCOMPARE(Cell(grid, 1, basic_col::kB), std::string("2"));

    // Closing writes the working table; the job takes the grid when the main window asks.
    window.StoreIntoJob(fixture.job);
    QCOMPARE(fixture.job.basic.Text(1, basic_col::kL2), std::string("3210"));
    window.close();
    const auto stored = ReadFileBytes(fixture.Working("basic.tlf"));
    QVERIFY(stored.has_value());
    QCOMPARE(stored->substr(0, 10), std::string("\"FLOAT 6\","));
    QCOMPARE(stored->find("\r\n"), stored->size() - 2);
  }

  void SelectItemAsksFirstAfterAnOptimization() {
    JobFixture fixture;
    BasicDetailsWindow window(fixture.Context());
    GridWidget* grid = Show(window);
    auto* button = testing::FindWidget<QPushButton>(&window, "cmd");
    QCOMPARE(button->text(), QStringLiteral("Select I&tem"));
    grid->SetCurrentCell(1, basic_col::kL1);
    fixture.WriteLayouts();
    fixture.prompter.Plan(PromptAnswer::kNo);
    button->click();
    QCOMPARE(fixture.prompter.Texts(), std::vector<std::string>{kChangeQuestion});
    QCOMPARE(grid->grid().col, basic_col::kL1);

    fixture.prompter.Plan(PromptAnswer::kYes);
    button->click();
    QCOMPARE(fixture.prompter.Texts().back(), std::string("Sheet Library is empty"));
    QCOMPARE(grid->grid().col, basic_col::kItem);
    QVERIFY(IsFileEmpty(fixture.Working("dia.tlf")));
  }

  void TypesStockAndGlassKeyByKey() {
    JobFixture fixture;
    QVERIFY(!WriteFileAtomically(fixture.folder.File("charge.dat"),
                                 "\"0\",\"24\",\"24\"\r\n\"24\",\"48\",\"48\"\r\n"
                                 "\"48\",\"96\",\"96\"\r\n"));
    SheetWindow sheet(fixture.Context());
    GridWidget* grid = Show(sheet);
    QTest::keyClicks(grid, "1200");
    QCOMPARE(Cell(grid, 1, sheet_col::kL1Inch), std::string("47 1/4"));
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClicks(grid, "3210");
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->grid().col, sheet_col::kQty);
    QTest::keyClicks(grid, "1.5");
    QCOMPARE(Cell(grid, 1, sheet_col::kQty), std::string("15"));
    // Emptying a length empties its twin.
    grid->SetCurrentCell(1, sheet_col::kL2);
    for (int i = 0; i < 4; ++i) QTest::keyClick(grid, Qt::Key_Backspace);
    QCOMPARE(Cell(grid, 1, sheet_col::kL2Inch), std::string(""));
    // Millimetres are typed, so the inch columns take no keys.
    grid->SetCurrentCell(1, sheet_col::kL1Inch);
    QTest::keyClicks(grid, "5");
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(Cell(grid, 1, sheet_col::kL1Inch), std::string("47 1/4"));
    QCOMPARE(grid->grid().Rows(), 3);

    fixture.job.settings.unit = "IN";
    GlassWindow glass(fixture.Context());
    grid = Show(glass);
    QCOMPARE(glass.windowTitle(), QStringLiteral("Glass Size Specifications     Unit: IN"));
    QCOMPARE(grid->grid().col, glass_col::kL1Inch);
    QTest::keyClicks(grid, "48 3/4/ ");
    QCOMPARE(Cell(grid, 1, glass_col::kL1Inch), std::string("48 3/4"));
    QCOMPARE(Cell(grid, 1, glass_col::kL1), std::string("1238.25"));
    QCOMPARE(Cell(grid, 1, glass_col::kChargeL1), std::string("96"));
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClicks(grid, "24");
    QCOMPARE(Cell(grid, 1, glass_col::kChargeL2), std::string("24"));
    grid->SetCurrentCell(1, glass_col::kL2);
    QTest::keyClicks(grid, "9");
    QCOMPARE(Cell(grid, 1, glass_col::kL2), std::string("609.6"));

    QLabel* quantity = testing::FindWidget<QLabel>(&glass, "QtyLbl");
    QLabel* orn1 = testing::FindWidget<QLabel>(&glass, "Orn1lbl");
    QLabel* orn2 = testing::FindWidget<QLabel>(&glass, "Orn2lbl");
    grid->SetCurrentCell(1, glass_col::kQty);
    QTest::keyClicks(grid, "1.2");
    QCOMPARE(quantity->text(), QStringLiteral("12"));
    QVERIFY(!orn1->isVisible() && !orn2->isVisible());
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClicks(grid, "32");
    QCOMPARE(Cell(grid, 1, glass_col::kOrn), std::string("2"));
    QVERIFY(!orn1->isVisible() && orn2->isVisible());
    grid->SetCurrentCell(2, glass_col::kQty);
    QTest::keyClicks(grid, "30");
    QCOMPARE(quantity->text(), QStringLiteral("42"));
    QVERIFY(!orn2->isVisible());
    grid->SetCurrentCell(1, glass_col::kQty);
    QVERIFY(orn2->isVisible());
    QVERIFY(fixture.job.settings.job_changed);
  }

  void EnterFollowsWindowUnitAndMove() {
    JobFixture fixture("MM", MoveSetting::kFull);
    fixture.job.sheet.SetRows(4);
    RenumberRows(fixture.job.sheet);
    SheetWindow sheet(fixture.Context());
    GridWidget* grid = Show(sheet);
    QCOMPARE(EnterFrom(grid, 1, 2), QPoint(5, 1));
    QCOMPARE(EnterFrom(grid, 1, 10), QPoint(1, 2));
    fixture.job.settings.move = MoveSetting::kHalf;
    QCOMPARE(EnterFrom(grid, 2, 5), QPoint(1, 3));

    fixture.job.settings.unit = "IN";
    fixture.job.glass.SetRows(4);
    RenumberRows(fixture.job.glass);
    GlassWindow glass(fixture.Context());
    grid = Show(glass);
    QCOMPARE(EnterFrom(grid, 1, 5), QPoint(3, 2));
    QCOMPARE(EnterFrom(grid, 2, 16), QPoint(3, 3));
    fixture.job.settings.move = MoveSetting::kFull;
    QCOMPARE(EnterFrom(grid, 2, 5), QPoint(6, 2));
  }

  void PastesABlockIntoTheLastRow() {
    JobFixture fixture;
    fixture.job.glass.SetText(1, glass_col::kQty, "5");
    fixture.job.glass.SetRows(3);
    RenumberRows(fixture.job.glass);
    GlassWindow glass(fixture.Context());
    GridWidget* grid = Show(glass);
    QGuiApplication::clipboard()->setText(QStringLiteral("7\t1\tA\r\n6\t2\tB\r\n"));
    grid->SetCurrentCell(2, glass_col::kQty);
    testing::FindWidget<GridToolBar>(&glass, "TB")->Button(7)->trigger();
    QCOMPARE(fixture.prompter.Texts(), std::vector<std::string>{"Paste from clipboard ?"});
    QCOMPARE(grid->grid().Rows(), 4);
    QCOMPARE(Cell(grid, 3, 0), std::string("3"));
    QCOMPARE(Cell(grid, 3, glass_col::kOrn), std::string("2"));
    QCOMPARE(Cell(grid, 3, glass_col::kChargeL1), std::string("B"));
    QCOMPARE(testing::FindWidget<QLabel>(&glass, "QtyLbl")->text(), QStringLiteral("18"));
    QVERIFY(fixture.job.settings.job_changed);
  }

  void MarginIndicatorsFollowTheCurrentRow() {
    JobFixture fixture;
    Grid& stock = fixture.job.sheet;
    stock.SetRows(4);
    RenumberRows(stock);
    stock.SetText(1, sheet_col::kL1, "3210");
    stock.SetText(1, sheet_col::kMarginLeft, "10");
    stock.SetText(1, sheet_col::kMarginBottom, "5");
    stock.SetText(2, sheet_col::kL1, "2440");
    stock.SetText(2, sheet_col::kMarginTop, "3");
    stock.SetText(2, sheet_col::kMarginRight, "0.5");
    stock.SetText(2, sheet_col::kMarginBottom, "0");
    SheetWindow sheet(fixture.Context());
    GridWidget* grid = Show(sheet);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Sheet Specifications     Unit: MM"));
    for (int c = sheet_col::kMarginLeft; c <= sheet_col::kMarginBottom; ++c) {
      QVERIFY(grid->CellRect(0, c).isEmpty());
    }
    QVERIFY(!grid->CellRect(0, sheet_col::kQty).isEmpty());
    auto lit = [&sheet] {
      QString marks;
      for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("MarginLbl%1").arg(i);
        marks += testing::FindWidget<QLabel>(&sheet, name)->isEnabled() ? "X" : "-";
      }
      return marks;
    };
    QCOMPARE(lit(), QStringLiteral("X--X"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 2).center());
    QCOMPARE(lit(), QStringLiteral("-XX-"));
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(lit(), QStringLiteral("----"));
    // A paste reaches the hidden margins.
    QGuiApplication::clipboard()->setText(QStringLiteral("4\t12\r\n"));
    grid->SetCurrentCell(3, sheet_col::kQty);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(lit(), QStringLiteral("X---"));
  }

  void CoilModeHidesTheQuantity() {
    JobFixture fixture("IN", MoveSetting::kFull, true);
    SheetWindow sheet(fixture.Context());
    GridWidget* grid = Show(sheet);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Coil Specifications     Unit: IN"));
    QVERIFY(grid->CellRect(0, sheet_col::kQty).isEmpty());
    QCOMPARE(EnterFrom(grid, 1, sheet_col::kL2Inch), QPoint(sheet_col::kCostPerSqFt, 1));
    auto* import = testing::FindWidget<QPushButton>(&sheet, "cmd");
    QCOMPARE(import->text(), QStringLiteral("Import"));
    import->click();
    QCOMPARE(fixture.prompter.Texts(),
             std::vector<std::string>{"Material specified was not found in stock. Do you want "
                                      "select item from the stock ?"});
    // The main window switches the unit and shows the job again.
    fixture.job.settings.unit = "MM";
    sheet.LoadFromJob(fixture.job);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Coil Specifications     Unit: MM"));
  }

  void ChangesAfterAnOptimizationAskFirst() {
    JobFixture fixture;
    fixture.job.sheet.SetRows(4);
    RenumberRows(fixture.job.sheet);
    fixture.job.sheet.SetText(1, sheet_col::kL1, "900");
    fixture.job.sheet.SetText(2, sheet_col::kL1, "100");
    SheetWindow sheet(fixture.Context());
    GridWidget* grid = Show(sheet);
    fixture.WriteLayouts();

    // Moving about asks nothing.
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Return);
    grid->SetCurrentCell(1, sheet_col::kL1);
    QVERIFY(fixture.prompter.Texts().empty());

    fixture.prompter.Plan(PromptAnswer::kNo);
    QTest::keyClick(grid, Qt::Key_5);
    QCOMPARE(fixture.prompter.Texts(), std::vector<std::string>{kChangeQuestion});
    QCOMPARE(fixture.prompter.prompts().back().title, std::string("Attention!"));
    QCOMPARE(Cell(grid, 1, sheet_col::kL1), std::string("900"));
    QVERIFY(!IsFileEmpty(fixture.Working("dia.tlf")));
    QVERIFY(!fixture.job.settings.job_changed);

    // The rows' order is what the layouts refer to: a sort asks as well.
    fixture.prompter.Plan(PromptAnswer::kNo);
    testing::FindWidget<GridToolBar>(&sheet, "TB")->Button(1)->trigger();
    QCOMPARE(Cell(grid, 1, sheet_col::kL1), std::string("900"));
    QCOMPARE(fixture.prompter.Texts().size(), size_t{2});
    QCOMPARE(fixture.views_closed + fixture.results_forgotten, 0);

    fixture.prompter.Plan(PromptAnswer::kYes);
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(Cell(grid, 1, sheet_col::kL1), std::string(""));
    QVERIFY(IsFileEmpty(fixture.Working("dia.tlf")));
    QCOMPARE(fixture.views_closed, 1);
    QCOMPARE(fixture.results_forgotten, 1);
    QVERIFY(fixture.job.settings.job_changed);
    // With the layouts gone, the next keys just type.
    QTest::keyClicks(grid, "12");
    QCOMPARE(Cell(grid, 1, sheet_col::kL1), std::string("12"));
    QCOMPARE(fixture.prompter.Texts().size(), size_t{3});
  }

  void ImportsAListFromTheToolbarAndFromADrop() {
    using enum PromptAnswer;
    JobFixture fixture;
    fixture.folder.Write("order.csv", "Pos;Breite;Hoehe;Stk\r\n1;1000;500;2\r\n2;900;400;1x\r\n");
    const std::string path = fixture.folder.File("order.csv");
    GlassWindow window(fixture.Context());
    GridWidget* grid = Show(window);
    // The mapping knows only "Pos"; the user maps the other columns in the dialog, where the
    // preview follows: two rows of Sr.No alone, then the one row that fits.
    QStringList previews;
    const auto map_by_hand = [&previews] {
      auto* dialog = qobject_cast<ListImportDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      auto* preview = testing::FindWidget<QTableWidget>(dialog, "Preview");
      previews << QString::number(preview->rowCount());
      for (const auto& [name, column] : {std::pair{"MapL1", 2}, {"MapL2", 3}, {"MapQTY", 4}}) {
        testing::FindWidget<QComboBox>(dialog, name)->setCurrentIndex(column);
      }
      previews << preview->item(0, glass_col::kL1Inch - 1)->text();
      previews << QString::number(preview->rowCount());
      dialog->accept();
    };
    fixture.dialog.answers = {path};
    fixture.prompter.Plan(kYes);
    QTimer::singleShot(0, &window, map_by_hand);
    testing::FindWidget<QAction>(&window, "ImportList")->trigger();
    QCOMPARE(Cell(grid, 1, glass_col::kL1), std::string("1000"));
    QCOMPARE(Cell(grid, 1, glass_col::kSrNo), std::string("1"));
    QCOMPARE(grid->grid().Rows(), 3);
    QCOMPARE(previews, QStringList({"2", "39 3/8", "1"}));
    QVERIFY(fixture.job.settings.job_changed);
    QCOMPARE(window.quantity_label()->text(), QStringLiteral("2"));

    // Dropped again and added after the row: go on without line 3, No to replacing.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    fixture.prompter.Plan(kYes);
    fixture.prompter.Plan(kNo);
    QTimer::singleShot(0, &window, map_by_hand);
    testing::DropOn(&window, data);
    QCOMPARE(grid->grid().Rows(), 4);
    QCOMPARE(window.quantity_label()->text(), QStringLiteral("4"));
    QCOMPARE(fixture.prompter.prompts().size(), 3u);
  }

  void WorkInsideTheMainWindow() {
    JobFixture fixture;
    MainWindowSetup setup;
    setup.workspace = fixture.job.workspace;
    setup.settings = fixture.job.settings;
    setup.prompter = &fixture.prompter;
    setup.file_dialog = [](const FileDialogRequest&) { return std::optional<std::string>(); };
    AddJobWindows(setup);
    MainWindow main(std::move(setup));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QMdiArea* area = testing::FindWidget<QMdiArea>(&main, "mdi");
    auto open = [&main, area](const char* action) {
      testing::FindWidget<QAction>(&main, action)->trigger();
      QMdiSubWindow* window = area->activeSubWindow();
      return window == nullptr ? nullptr : window->widget();
    };

    auto* basic = qobject_cast<BasicDetailsWindow*>(open("Edit1"));
    QVERIFY(basic != nullptr);
    QTest::keyClicks(basic->grid_widget(), "clear");
    auto* sheet = qobject_cast<SheetWindow*>(open("Edit3"));
    QVERIFY(sheet != nullptr);
    QTest::keyClicks(sheet->grid_widget(), "2440");
    main.StoreJobViews();
    QCOMPARE(main.job().basic.Text(1, basic_col::kItem), std::string("CLEAR"));
    QCOMPARE(main.job().sheet.Text(1, sheet_col::kL1Inch), std::string("96 1/16"));
    QVERIFY(main.job().settings.job_changed);

    testing::FindWidget<QAction>(&main, "Tools5")->trigger();
    QCOMPARE(sheet->windowTitle(), QStringLiteral("Sheet Specifications     Unit: IN"));
    QCOMPARE(sheet->grid_widget()->grid().col, sheet_col::kL1Inch);
    QCOMPARE(area->activeSubWindow()->windowTitle(), sheet->windowTitle());

    // A change after an optimization drops the result the status bar shows.
    fixture.WriteLayouts();
    main.SetStatusText(1, QStringLiteral("Overall Yield (%) = 81.5"));
    auto* glass = qobject_cast<GlassWindow*>(open("Edit5"));
    QVERIFY(glass != nullptr);
    fixture.prompter.Plan(PromptAnswer::kYes);
    QTest::keyClicks(glass->grid_widget(), "24");
    QCOMPARE(fixture.prompter.Texts(), std::vector<std::string>{kChangeQuestion});
    QCOMPARE(main.StatusText(1), QStringLiteral("Overall Yield (%) = NA"));

    main.CloseChildWindow(ChildWindow::kSheet);
    const auto stored = ReadFileBytes(fixture.Working("sheet.tlf"));
    QVERIFY(stored.has_value());
    QVERIFY(stored->starts_with("\"2440\",\"\",\"96 1/16\","));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::JobWindowsTest)
#include "job_windows_test.moc"
