#include "gui/tables/grid_widget.h"

#include <QClipboard>
#include <QPrinter>
#include <QVBoxLayout>

#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"
#include "gui/support/program_window.h"
#include "gui/tables/grid_toolbar.h"
#include "support/pdf_info.h"

namespace lumora {

// A grid window as the job and settings windows build theirs: the toolbar over the grid.
class GridWindow : public QWidget {
 public:
  explicit GridWindow(const std::vector<std::string>& headers, int rows = 2) {
    grid = new GridWidget(this);
    toolbar = new GridToolBar(grid, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar);
    layout->addWidget(grid);
    Grid model;
    ApplyFormatString(model, BuildFormatString(headers));
    model.SetRows(rows);
    RenumberRows(model);
    grid->SetGrid(std::move(model));
    grid->SetPrompter(&prompter);
    resize(700, 300);
    show();
    if (!QTest::qWaitForWindowExposed(this)) qFatal("window not exposed");
  }

  QPoint Current() const { return QPoint(grid->grid().col, grid->grid().row); }
  QPoint Selected() const { return QPoint(grid->grid().col_sel, grid->grid().row_sel); }

  GridWidget* grid;
  GridToolBar* toolbar;
  testing::ScriptedPrompter prompter;
};

class GridWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  // A click chooses the cell, Shift+click selects to it; the header selects its column, the
  // number column its row. The last column scrolls into view beside the fixed number column.
  void MouseSelectsCellsAndColumns() {
    GridWindow window(GlassHeaders(), 6);
    GridWidget* grid = window.grid;
    // clang-format off
    const struct { int row, col; Qt::KeyboardModifiers keys; QPoint current, chosen; } clicks[] = {
        {3, 2, {}, {2, 3}, {2, 3}}, {1, 4, Qt::ShiftModifier, {2, 3}, {4, 1}},
        {0, 5, {}, {5, 1}, {5, 5}}, {2, 0, {}, {1, 2}, {16, 2}}};
    // clang-format on
    for (const auto& c : clicks) {
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, c.keys,
                        grid->CellRect(c.row, c.col).center());
      QCOMPARE(QRect(window.Current(), window.Selected()), QRect(c.current, c.chosen));
    }
    QTest::keyClick(grid, Qt::Key_End);
    const QRect last = grid->CellRect(2, 16);
    QVERIFY(last.right() < grid->viewport()->width() &&
            last.left() >= grid->CellRect(2, 0).right());
  }

  // Rows copied from a spreadsheet land in the grid, a block copies out and back; the grid
  // prints what it holds.
  void ClipboardAndPrinting() {
    GridWindow window(GlassHeaders());
    GridWidget* grid = window.grid;
    grid->SetChangeGate([] { return true; });
    QGuiApplication::clipboard()->setText(QStringLiteral("1200\t800\t\n600\t450\t\n"));
    window.prompter.Plan(PromptAnswer::kYes);
    grid->SetCurrentCell(1, 1);
    window.toolbar->Button(7)->trigger();
    QCOMPARE(window.prompter.Texts(), std::vector<std::string>{"Paste from clipboard ?"});
    QCOMPARE(grid->grid().Text(1, 1) + "x" + grid->grid().Text(2, 2), std::string("1200x450"));

    // Copy a 2 x 3 block and paste it into the last row: one row is added.
    grid->SetSelection(1, 1, 2, 3);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1200\t800\t\r\n600\t450\t\r\n"));
    window.prompter.Plan(PromptAnswer::kYes);
    grid->SetCurrentCell(2, 9);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(grid->grid().Text(3, 10), std::string("450"));

    // A refused change leaves the clipboard unpasted and asks nothing.
    grid->SetChangeGate([] { return false; });
    window.toolbar->Button(7)->trigger();
    QCOMPARE(window.prompter.prompts().size(), size_t{2});

    testing::TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.File("grid.pdf")));
    QVERIFY(grid->Print(printer, false));
    QVERIFY(testing::Contains(testing::PdfText(folder.File("grid.pdf")), "1200"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::GridWidgetTest)
#include "grid_widget_test.moc"
