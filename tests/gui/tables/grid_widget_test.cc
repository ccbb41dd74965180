#include "gui/tables/grid_widget.h"

#include <QClipboard>
#include <QPrinter>
#include <QSignalSpy>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>

#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"
#include "gui/support/find_widget.h"
#include "gui/tables/grid_toolbar.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {

// A grid window as the job and settings windows build theirs: the toolbar over the grid.
class GridWindow : public QWidget {
 public:
  explicit GridWindow(const std::vector<std::string>& headers) {
    setWindowTitle(QStringLiteral("Glass Size Specifications"));
    grid = new GridWidget(this);
    toolbar = new GridToolBar(grid, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar);
    layout->addWidget(grid);
    Grid model;
    ApplyFormatString(model, BuildFormatString(headers));
    RenumberRows(model);
    grid->SetGrid(std::move(model));
    grid->SetPrompter(&prompter);
    resize(700, 300);
  }

  GridWidget* grid;
  GridToolBar* toolbar;
  testing::ScriptedPrompter prompter;
};

class GridWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void TypesThroughTheKeyRules() {
    GridWindow window(GlassHeaders());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GridWidget* grid = testing::FindWidget<GridWidget>(&window, "FG");
    QSignalSpy edited(grid, &GridWidget::CellEdited);
    QSignalSpy job_changed(grid, &GridWidget::JobChanged);

    grid->SetCurrentCell(1, glass_col::kQty);
    QTest::keyClicks(grid, "12.5");
    QCOMPARE(grid->grid().Text(1, glass_col::kQty), std::string("125"));
    QCOMPARE(edited.count(), 3);
    QCOMPARE(job_changed.count(), 4);
    // Typing into the last row added the input row.
    QCOMPARE(grid->grid().Rows(), 3);

    // The point is a Delete key code to the desktop, but typed it is a decimal point.
    grid->SetCurrentCell(1, glass_col::kL1);
    QTest::keyClicks(grid, "1219.2");
    QCOMPARE(grid->grid().Text(1, glass_col::kL1), std::string("1219.2"));

    grid->SetCurrentCell(1, glass_col::kL1Inch);
    QTest::keyClicks(grid, "48 3/4/ ");
    QCOMPARE(grid->grid().Text(1, glass_col::kL1Inch), std::string("48 3/4"));
    QTest::keyClick(grid, Qt::Key_Backspace);
    QCOMPARE(grid->grid().Text(1, glass_col::kL1Inch), std::string("48 3/"));
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(grid->grid().Text(1, glass_col::kL1Inch), std::string(""));

    grid->SetCurrentCell(1, glass_col::kCustomer);
    QTest::keyClicks(grid, "acme, \"ltd\"");
    QCOMPARE(grid->grid().Text(1, glass_col::kCustomer), std::string("ACME LTD"));

    // A key the gate refuses never reaches the grid.
    grid->SetKeyGate([](const QKeyEvent& event) { return event.key() != Qt::Key_7; });
    grid->SetCurrentCell(2, glass_col::kQty);
    QTest::keyClicks(grid, "8787");
    QCOMPARE(grid->grid().Text(2, glass_col::kQty), std::string("88"));
  }

  void UnitCellsToggleAndKeepTheCursor() {
    GridWindow window({"UNIT", "EFF", "MOVE"});
    window.grid->SetTakesNewRows(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GridWidget* grid = window.grid;
    grid->SetCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_X);
    QCOMPARE(grid->grid().Text(1, 1), std::string("MM"));
    QTest::keyClick(grid, Qt::Key_5);
    QCOMPARE(grid->grid().Text(1, 1), std::string("IN"));
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->grid().col, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->grid().col, 2);
    QTest::keyClicks(grid, "1200");
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_H);
    QCOMPARE(grid->grid().Text(1, 3), std::string("HALF"));
    QCOMPARE(grid->grid().Text(1, 2), std::string("1200"));
    QCOMPARE(grid->grid().Rows(), 2);
  }

  void EnterFollowsUnitAndMove() {
    GridWindow window(SheetHeaders());
    GridWidget* grid = window.grid;
    Grid sheet = grid->grid();
    for (int c = sheet_col::kMarginLeft; c <= sheet_col::kMarginBottom; ++c)
      sheet.SetColWidth(c, 0);
    sheet.SetRows(4);
    RenumberRows(sheet);
    grid->SetGrid(sheet);
    grid->SetWindowName("SHEET");
    GridEnvironment environment{"MM", MoveSetting::kFull, ""};
    grid->SetEnvironment([&environment] { return environment; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto enter_from = [grid](int row, int col) {
      grid->SetCurrentCell(row, col);
      QTest::keyClick(grid, Qt::Key_Return);
      return QPoint(grid->grid().col, grid->grid().row);
    };
    QCOMPARE(enter_from(1, 2), QPoint(5, 1));
    QCOMPARE(enter_from(1, 5), QPoint(10, 1));
    QCOMPARE(enter_from(1, 10), QPoint(1, 2));
    environment.move_setting = MoveSetting::kHalf;
    QCOMPARE(enter_from(1, 5), QPoint(1, 2));
    environment.unit_setting = "IN";
    QCOMPARE(enter_from(1, 5), QPoint(3, 2));
    QCOMPARE(enter_from(2, 10), QPoint(3, 3));
    environment.move_setting = MoveSetting::kFull;
    QCOMPARE(enter_from(1, 4), QPoint(5, 1));
    QCOMPARE(enter_from(1, 5), QPoint(10, 1));
  }

  void MouseSelectsCellsAndColumns() {
    GridWindow window(GlassHeaders());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GridWidget* grid = window.grid;
    Grid model = grid->grid();
    model.SetRows(6);
    RenumberRows(model);
    grid->SetGrid(model);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 2).center());
    QCOMPARE(QPoint(grid->grid().col, grid->grid().row), QPoint(2, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->CellRect(1, 4).center());
    QCOMPARE(QPoint(grid->grid().col_sel, grid->grid().row_sel), QPoint(4, 1));
    QCOMPARE(QPoint(grid->grid().col, grid->grid().row), QPoint(2, 3));
    // The header selects its column, the number column its row.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(0, 5).center());
    QCOMPARE(QRect(QPoint(grid->grid().col, grid->grid().row),
                   QPoint(grid->grid().col_sel, grid->grid().row_sel)),
             QRect(QPoint(5, 1), QPoint(5, 5)));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 0).center());
    QCOMPARE(QRect(QPoint(grid->grid().col, grid->grid().row),
                   QPoint(grid->grid().col_sel, grid->grid().row_sel)),
             QRect(QPoint(1, 2), QPoint(16, 2)));
    // Moving far right scrolls the last column into view, beside the fixed number column.
    QTest::keyClick(grid, Qt::Key_End);
    const QRect last = grid->CellRect(2, 16);
    QVERIFY(last.right() < grid->viewport()->width());
    QVERIFY(last.left() >= grid->CellRect(2, 0).right());
  }

  void ClipboardRowsFromASpreadsheetLandInTheGrid() {
    GridWindow window(GlassHeaders());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GridWidget* grid = window.grid;
    testing::FindWidget<QToolBar>(&window, "TB");
    QSignalSpy job_changed(grid, &GridWidget::JobChanged);
    int gate_calls = 0;
    grid->SetChangeGate([&gate_calls] { return ++gate_calls > 0; });

    QGuiApplication::clipboard()->setText(QStringLiteral("1200\t800\t\n600\t450\t\n"));
    window.prompter.Plan(PromptAnswer::kYes);
    grid->SetCurrentCell(1, 1);
    window.toolbar->Button(7)->trigger();
    QCOMPARE(window.prompter.Texts(), std::vector<std::string>{"Paste from clipboard ?"});
    QCOMPARE(grid->grid().Rows(), 3);
    QCOMPARE(grid->grid().Text(1, 1) + "x" + grid->grid().Text(2, 2), std::string("1200x450"));
    QCOMPARE(gate_calls, 2);
    QCOMPARE(job_changed.count(), 1);

    // Copy a 2 x 3 block and paste it into the last row: one row is added.
    grid->SetSelection(1, 1, 2, 3);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1200\t800\t\r\n600\t450\t\r\n"));
    window.prompter.Plan(PromptAnswer::kYes);
    grid->SetCurrentCell(2, 9);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(grid->grid().Rows(), 4);
    QCOMPARE(grid->grid().Text(3, 0), std::string("3"));
    QCOMPARE(grid->grid().Text(3, 10), std::string("450"));

    // A refused change leaves the clipboard unpasted and asks nothing.
    grid->SetChangeGate([] { return false; });
    grid->SetCurrentCell(1, 1);
    window.toolbar->Button(7)->trigger();
    QCOMPARE(window.prompter.prompts().size(), size_t{2});
  }

  void ToolbarSortsAndPrints() {
    testing::TempFolder folder;
    GridWindow window({"L1 (MM)", "L2 (MM)", "QTY"});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GridToolBar* toolbar = testing::FindWidget<GridToolBar>(&window, "TB");
    const QStringList tips = {"Sort Ascending", "Sort Descending", "", "Print", "", "Copy",
                              "Paste"};
    for (int index = 1; index <= 7; ++index) {
      QAction* button = toolbar->Button(index);
      QCOMPARE(button == nullptr, tips[index - 1].isEmpty());
      if (button != nullptr) QCOMPARE(button->toolTip(), tips[index - 1]);
    }

    GridWidget* grid = window.grid;
    Grid model = grid->grid();
    model.tag = folder.File("1cut.tlf");
    model.SetRows(5);
    const char* lengths[] = {"900", "1200", "45"};
    for (int r = 1; r <= 3; ++r) model.SetText(r, 1, lengths[r - 1]);
    model.SetText(2, 3, "7");
    grid->SetGrid(model);
    grid->SetCurrentCell(2, 1);
    toolbar->Button(1)->trigger();
    QCOMPARE(grid->grid().Text(1, 1) + "," + grid->grid().Text(3, 1), std::string("45,1200"));
    QCOMPARE(grid->grid().Rows(), 5);
    toolbar->Button(2)->trigger();
    QCOMPARE(grid->grid().Text(1, 1) + "," + grid->grid().Text(1, 3), std::string("1200,7"));
    QCOMPARE(folder.Read("1cut.tlf").substr(0, 14), std::string("\"1200\",\"\",\"7\"\r"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.File("grid.pdf")));
    QVERIFY(grid->Print(printer, false));
    QCOMPARE(folder.Read("grid.pdf").substr(0, 5), std::string("%PDF-"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::GridWidgetTest)
#include "grid_widget_test.moc"
