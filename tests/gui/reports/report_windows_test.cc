#include <QImage>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/tables/file_routines.h"
#include "gui/reports/balance_window.h"
#include "gui/reports/report_window.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "gui/support/sheet_job_window.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {

class ReportWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> folder_;
  std::unique_ptr<testing::ScriptedPrompter> prompter_;
  std::unique_ptr<MainWindow> window_;

  // The first row whose text starts with the prefix; 0 when there is none.
  static int RowStarting(const Grid& grid, const std::string& prefix) {
    for (int row = 1; row < grid.Rows(); ++row) {
      if (grid.Text(row, 1).starts_with(prefix)) return row;
    }
    return 0;
  }

  // The colour three quarters across a report line's cell, where no text reaches; the row is
  // scrolled into view first.
  static QColor CellBackground(GridWidget* grid, int row) {
    grid->SetCurrentCell(row, 1);
    const QRect cell = grid->CellRect(row, 1);
    return grid->viewport()->grab().toImage().pixelColor(cell.left() + cell.width() * 3 / 4,
                                                         cell.center().y());
  }

  // Whether any pixel of the row's cell has the colour.
  static bool RowHasColour(GridWidget* grid, int row, const QColor& colour) {
    grid->SetCurrentCell(row, 1);
    const QRect cell = grid->CellRect(row, 1);
    const QImage image = grid->viewport()->grab().toImage();
    for (int x = cell.left(); x < std::min(cell.right(), image.width()); ++x) {
      for (int y = cell.top(); y < cell.bottom(); ++y) {
        if (image.pixelColor(x, y) == colour) return true;
      }
    }
    return false;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    prompter_ = std::make_unique<testing::ScriptedPrompter>();
    std::optional<MainWindowSetup> setup = testing::SheetJobSetup(*folder_, prompter_.get());
    QVERIFY(setup.has_value());
    window_ = std::make_unique<MainWindow>(std::move(*setup));
    window_->resize(1200, 800);
    window_->show();
    QTRY_VERIFY(window_->FindChildWindow(ChildWindow::kReport) != nullptr);
  }

  void cleanup() { window_.reset(); }

  void ReportShowsTheFileWithHeadingsShadedAndTheProfitBold() {
    auto* report =
        qobject_cast<ReportWindow*>(window_->FindChildWindow(ChildWindow::kReport)->widget());
    QVERIFY(report != nullptr);
    QCOMPARE(window_->FindChildWindow(ChildWindow::kReport)->windowTitle(),
             QStringLiteral("Report"));
    GridWidget* grid = testing::FindWidget<GridWidget>(report, "FG");
    testing::FindWidget<GridToolBar>(report, "TB");
    QCOMPARE(grid->grid().Text(0, 1), std::string("REPORT"));
    QVERIFY(grid->grid().Text(1, 1).starts_with("Overall Yield(%)="));
    QCOMPARE(grid->grid().row, 1);

    const int layout = RowStarting(grid->grid(), "Layout No. 1/3");
    const int summary = RowStarting(grid->grid(), "Sheet(s) Utilization Summary");
    const int plain = RowStarting(grid->grid(), "Item: ");
    const int profit = RowStarting(grid->grid(), "Profit");
    QVERIFY(layout > 0 && summary > 0 && plain > 0 && profit > 0);
    QCOMPARE(CellBackground(grid, summary), QColor(192, 192, 192));
    QCOMPARE(CellBackground(grid, layout), QColor(192, 192, 192));
    QCOMPARE(CellBackground(grid, plain), grid->palette().color(QPalette::Base));
    QCOMPARE(CellBackground(grid, profit), grid->palette().color(QPalette::Base));
    QVERIFY(!RowHasColour(grid, profit, QColor(255, 0, 0)));

    // A loss turns the profit line red.
    grid->grid().SetText(profit, 1, "Profit       -120");
    grid->Refresh();
    grid->viewport()->repaint();
    QVERIFY(RowHasColour(grid, profit, QColor(255, 0, 0)));

    // Sorting the window's rows leaves report.tlf, which printing reads by position, alone.
    const std::string report_file = window_->job().workspace.WorkingFile("report.tlf");
    const std::string before = ReadFileBytes(report_file).value_or("");
    grid->SortAscending();
    QCOMPARE(ReadFileBytes(report_file).value_or(""), before);
  }

  void BalanceTableShowsOffcutTlfWithExportDisabled() {
    window_->ShowView(ChildWindow::kBalance);
    QMdiSubWindow* frame = window_->FindChildWindow(ChildWindow::kBalance);
    QVERIFY(frame != nullptr);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Balance And Scrap Table"));
    auto* balance = qobject_cast<BalanceWindow*>(frame->widget());
    QVERIFY(balance != nullptr);
    GridWidget* grid = testing::FindWidget<GridWidget>(balance, "FG");
    testing::FindWidget<GridToolBar>(balance, "TB");
    QCOMPARE(grid->grid().Text(0, 1), std::string("LAYOUT"));
    QCOMPARE(grid->grid().Text(0, 5), std::string("TAG"));
    const std::string offcut =
        ReadFileBytes(window_->job().workspace.WorkingFile("offcut.tlf")).value_or("");
    QVERIFY(!offcut.empty());
    QVERIFY(offcut.starts_with("1,\"" + grid->grid().Text(1, 2) + "\""));
    QVERIFY(!testing::FindWidget<QPushButton>(balance, "cmdExport")->isEnabled());
    QCOMPARE(testing::FindWidget<QPushButton>(balance, "cmdExport")->text(),
             QStringLiteral("Export"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::ReportWindowsTest)
#include "report_windows_test.moc"
