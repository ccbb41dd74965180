#include <QMimeData>
#include <QTableWidget>

#include "core/tables/table_file.h"
#include "gui/job/glass_window.h"
#include "gui/job/list_import_dialog.h"
#include "gui/support/program_window.h"
#include "gui/tables/grid_toolbar.h"

namespace lumora {
namespace {

using testing::FindWidget;

constexpr const char* kChangeQuestion =
    "You are trying to change data. You need to optimize again. \n\nContinue?";
constexpr const char* kLayouts = "1,-1,1,0,0,10,10,1,0\r\n";

}  // namespace

// The Basic Details, Sheet and Glass windows in the main window.
class JobWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // After an optimization a key, a sort or Select Item asks first: No keeps everything, Yes
  // drops the result.
  void ChangesAfterAnOptimizationAskFirst() {
    testing::ProgramWindow program;
    program.Open();
    Grid& stock = program->job().sheet;
    stock.SetRows(4);
    RenumberRows(stock);
    stock.SetText(1, sheet_col::kL1, "900");
    stock.SetText(2, sheet_col::kL1, "100");
    GridWidget* grid = program.OpenGrid(Qt::Key_F2, ChildWindow::kSheet);
    program.folder.Write("data/7.25dia.tlf", kLayouts);
    program->SetStatusText(1, QStringLiteral("Overall Yield (%) = 81.5"));
    program.prompter.Plan(PromptAnswer::kNo);
    QTest::keyClick(grid, Qt::Key_5);
    program.prompter.Plan(PromptAnswer::kNo);
    auto* sort = FindWidget<GridToolBar>(program->FindChildWindow(ChildWindow::kSheet), "TB");
    sort->Button(1)->trigger();
    QCOMPARE(grid->grid().Text(1, sheet_col::kL1), std::string("900"));
    program.OpenGrid(Qt::Key_F4, ChildWindow::kBasicDetails);
    auto* select =
        FindWidget<QPushButton>(program->FindChildWindow(ChildWindow::kBasicDetails), "cmd");
    program.prompter.Plan(PromptAnswer::kNo);
    select->click();
    QCOMPARE(program.prompter.Texts(), std::vector<std::string>(3, kChangeQuestion));
    QCOMPARE(program.Working("dia.tlf"), std::string(kLayouts));
    QCOMPARE(program->StatusText(1), QStringLiteral("Overall Yield (%) = 81.5"));

    program.prompter.Plan(PromptAnswer::kYes);
    select->click();
    QCOMPARE(program.prompter.Texts().back(), std::string("Sheet Library is empty"));
    QVERIFY(program.Working("dia.tlf").empty());
  }

  // The quantity and orientation labels of the Glass window and the margin marks of the Sheet
  // window follow the grid.
  void LabelsFollowTheQuantitiesAndTheCurrentRow() {
    testing::ProgramWindow program;
    program.Open();
    GridWidget* grid = program.OpenGrid(Qt::Key_F3, ChildWindow::kGlass);
    QWidget* glass = program->FindChildWindow(ChildWindow::kGlass);
    QLabel* quantity = FindWidget<QLabel>(glass, "QtyLbl");
    QLabel* orn2 = FindWidget<QLabel>(glass, "Orn2lbl");
    testing::Type(grid, 1, glass_col::kQty, "12");
    QCOMPARE(quantity->text(), QStringLiteral("12"));
    testing::Type(grid, 1, glass_col::kOrn, "2");
    QVERIFY(!FindWidget<QLabel>(glass, "Orn1lbl")->isVisible() && orn2->isVisible());
    testing::Type(grid, 2, glass_col::kQty, "30");
    QVERIFY(!orn2->isVisible());
    QCOMPARE(quantity->text(), QStringLiteral("42"));

    Grid& stock = program->job().sheet;
    stock.SetRows(4);
    RenumberRows(stock);
    stock.SetText(1, sheet_col::kMarginLeft, "10");
    stock.SetText(1, sheet_col::kMarginBottom, "5");
    stock.SetText(2, sheet_col::kMarginTop, "3");
    stock.SetText(2, sheet_col::kMarginRight, "0.5");
    grid = program.OpenGrid(Qt::Key_F2, ChildWindow::kSheet);
    auto lit = [sheet = program->FindChildWindow(ChildWindow::kSheet)] {
      QString marks;
      for (int i = 0; i < 4; ++i) {
        const auto* mark = FindWidget<QLabel>(sheet, QStringLiteral("MarginLbl%1").arg(i));
        marks += mark->isEnabled() ? 'X' : '-';
      }
      return marks;
    };
    QCOMPARE(lit(), QStringLiteral("X--X"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 2).center());
    QCOMPARE(lit(), QStringLiteral("-XX-"));
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(lit(), QStringLiteral("----"));
  }

  // A list comes into the Glass window from the toolbar and from a drop. Import in the Sheet
  // window: without the item in stock, Yes offers the library's items in Basic Details; with
  // it, its sizes come into the grid.
  void ImportsAListAndTheLibrarysStock() {
    using enum PromptAnswer;
    testing::ProgramWindow program;
    program.folder.Write("data/mlm.dat",
                         "\"FLOAT\",\"\",\"\",\"2440\",\"1830\",\"10\",\"12\"\r\n"
                         "\"FLOAT\",\"\",\"\",\"3210\",\"2250\",\"4\",\"13\"\r\n"
                         "\"FLOAT\",\"\",\"\",\"900\",\"600\",\"2\",\"SCRAP\"\r\n"
                         "\"TINTED\",\"\",\"\",\"3000\",\"2000\",\"1\",\"9\"\r\n");
    program.Open();
    program.folder.Write("order.csv", "Pos;Breite;Hoehe;Stk\r\n1;1000;500;2\r\n2;900;400;1x\r\n");
    const std::string path = program.folder.File("order.csv");
    GridWidget* grid = program.OpenGrid(Qt::Key_F3, ChildWindow::kGlass);
    auto* window =
        qobject_cast<GlassWindow*>(program->FindChildWindow(ChildWindow::kGlass)->widget());
    // The mapping knows only "Pos"; the user maps the other columns in the dialog, where the
    // preview follows: two rows of Sr.No alone, then the one row that fits.
    QStringList previews;
    const auto map_by_hand = [&previews] {
      testing::WhenShown<ListImportDialog>([&previews](ListImportDialog& dialog) {
        auto* preview = FindWidget<QTableWidget>(&dialog, "Preview");
        previews << QString::number(preview->rowCount());
        for (const auto& [name, column] : {std::pair{"MapL1", 2}, {"MapL2", 3}, {"MapQTY", 4}}) {
          FindWidget<QComboBox>(&dialog, name)->setCurrentIndex(column);
        }
        previews << preview->item(0, glass_col::kL1Inch - 1)->text();
        previews << QString::number(preview->rowCount());
        dialog.accept();
      });
    };
    program.dialog.answers = {path};
    program.prompter.Plan(kYes);
    map_by_hand();
    FindWidget<QAction>(window, "ImportList")->trigger();
    QCOMPARE(grid->grid().Text(1, glass_col::kL1), std::string("1000"));
    QCOMPARE(grid->grid().Rows(), 3);
    QCOMPARE(previews, QStringList({"2", "39 3/8", "1"}));

    // Dropped again and added after the row: No to replacing, go on without line 3.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    program.prompter.Plan(kNo);
    program.prompter.Plan(kYes);
    map_by_hand();
    testing::DropOn(window, data);
    QCOMPARE(grid->grid().Rows(), 4);
    QCOMPARE(window->quantity_label()->text(), QStringLiteral("4"));
    QCOMPARE(program.prompter.prompts().size(), 3u);

    auto* basic =
        FindWidget<GridWidget>(program->OpenChildWindow(ChildWindow::kBasicDetails), "FG");
    QTest::keyClicks(basic, "clear");
    QMdiSubWindow* sheet_window = program->OpenChildWindow(ChildWindow::kSheet);
    auto* sheet = FindWidget<GridWidget>(sheet_window, "FG");
    QStringList offered;
    testing::ChooseEntry(QStringLiteral("FLOAT"), &offered);
    program.prompter.Plan(kYes);
    testing::Click(sheet_window, "cmd");
    QCOMPARE(offered, QStringList({"FLOAT", "TINTED"}));
    QCOMPARE(basic->grid().Text(1, basic_col::kItem), std::string("FLOAT"));
    testing::Click(sheet_window, "cmd");
    QCOMPARE(program.prompter.Texts().back(), std::string("2 size(s) imported from MLM"));
    QCOMPARE(sheet->grid().Text(2, sheet_col::kL1), std::string("3210"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::JobWindowsTest)
#include "job_windows_test.moc"
