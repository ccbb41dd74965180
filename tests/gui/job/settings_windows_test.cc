#include "gui/job/settings_windows.h"

#include <QPushButton>
#include <QtTest>
#include <string>

#include "core/shell/workspace.h"
#include "core/tables/file_routines.h"
#include "gui/support/find_widget.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

std::string Cell(const GridWidget* grid, int row, int col) { return grid->grid().Text(row, col); }

GridWidget* Show(QDialog& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not exposed");
  return testing::FindWidget<GridWidget>(&window, "FG");
}

}  // namespace

class SettingsWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void MiscTogglesAndAppliesOneRow() {
    testing::TempFolder folder;
    const Workspace workspace{folder.path(), "1."};
    folder.Write("misc.set", "\"MM\",\"16\",\"FULL\"\r\n\"IN\",\"3\",\"HALF\"\r\n");
    testing::ScriptedPrompter prompter;
    MiscWindow window(workspace, prompter);
    GridWidget* grid = Show(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Misc"));
    QCOMPARE(grid->grid().Rows(), 2);
    QVERIFY(grid->CellRect(1, 0).isEmpty());
    auto* apply = testing::FindWidget<QPushButton>(&window, "cmd");
    QCOMPARE(apply->text(), QStringLiteral("Apply"));

    // Whatever the key, the unit flips; Enter leaves the cell.
    QTest::keyClick(grid, Qt::Key_Q);
    QCOMPARE(Cell(grid, 1, 1), std::string("IN"));
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(Cell(grid, 1, 1), std::string("IN"));
    QTest::keyClick(grid, Qt::Key_7);
    QCOMPARE(Cell(grid, 1, 1), std::string("MM"));
    QTest::keyClick(grid, Qt::Key_Space);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->grid().col, 2);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClicks(grid, "4.0x0");
    QCOMPARE(Cell(grid, 1, 2), std::string("400"));
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_H);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->grid().Rows(), 2);

    apply->click();
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
    QCOMPARE(folder.Read("misc.set"), std::string("\"IN\",\"400\",\"HALF\"\r\n"));
  }

  void ScrapCriteriaStoresOnApplyOnly() {
    testing::TempFolder folder;
    const Workspace workspace{folder.path(), "1."};
    testing::ScriptedPrompter prompter;
    {
      ScrapCriteriaWindow window(workspace, prompter);
      GridWidget* grid = Show(window);
      QCOMPARE(window.windowTitle(), QStringLiteral("Scrap Criteria"));
      QTest::keyClicks(grid, "300");
      window.close();
      QVERIFY(!FileExists(folder.File("scrap.dat")));
    }
    ScrapCriteriaWindow window(workspace, prompter);
    GridWidget* grid = Show(window);
    QTest::keyClicks(grid, "300\r250\r");
    QCOMPARE(grid->grid().Rows(), 2);
    testing::FindWidget<QPushButton>(&window, "cmd")->click();
    QCOMPARE(folder.Read("scrap.dat"), std::string("\"300\",\"250\"\r\n"));
    QVERIFY(prompter.Texts().empty());
  }

  void ChargeableSizesAreSavedOnlyWhenAsked() {
    testing::TempFolder folder;
    const Workspace workspace{folder.path(), "1."};
    const std::string original = "\"24\",\"48\",\"48\"\r\n\"0\",\"24\",\"24\"\r\n";
    folder.Write("charge.dat", original);
    testing::ScriptedPrompter prompter;
    {
      ChargeableSizeWindow window(workspace, prompter);
      GridWidget* grid = Show(window);
      QCOMPARE(window.windowTitle(), QStringLiteral("Chargeable Size Definition"));
      QCOMPARE(Cell(grid, 2, 3), std::string("24"));
      // Sorting stores into the working table only.
      testing::FindWidget<GridToolBar>(&window, "TB")->Button(1)->trigger();
      QCOMPARE(Cell(grid, 1, 1), std::string("0"));
      QCOMPARE(folder.Read("1.charge.tlf"),
               std::string("\"0\",\"24\",\"24\"\r\n\"24\",\"48\",\"48\"\r\n"));
      grid->SetCurrentCell(3, 1);
      QTest::keyClicks(grid, "48\r96\r96 1/2");
      prompter.Plan(PromptAnswer::kNo);
      auto* done = testing::FindWidget<QPushButton>(&window, "cmd");
      QCOMPARE(done->text(), QStringLiteral("Done"));
      done->click();
      QVERIFY(!window.isVisible());
      QCOMPARE(prompter.Texts(), std::vector<std::string>{"Save Changes?"});
      QCOMPARE(prompter.prompts().back().title, std::string("Attention!"));
      QCOMPARE(folder.Read("charge.dat"), original);
    }
    ChargeableSizeWindow window(workspace, prompter);
    GridWidget* grid = Show(window);
    QCOMPARE(grid->grid().Rows(), 4);
    grid->SetCurrentCell(3, 1);
    QTest::keyClicks(grid, "48\r96\r96");
    prompter.Plan(PromptAnswer::kYes);
    window.close();
    QVERIFY(!window.isVisible());
    QCOMPARE(folder.Read("charge.dat"), original + std::string("\"48\",\"96\",\"96\"\r\n"));
    QCOMPARE(Current(grid), QPoint(1, 1));
  }

 private:
  static QPoint Current(const GridWidget* grid) {
    return QPoint(grid->grid().col, grid->grid().row);
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::SettingsWindowsTest)
#include "settings_windows_test.moc"
