#include "gui/tools/unit_conversion_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <string>

#include "core/shell/data_folder.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/file_routines.h"
#include "gui/job/job_window_factories.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

constexpr int kMM = 0;
constexpr int kIN = 3;
constexpr int kFT = 4;

// A grid with an "L1 (MM)" and a "QTY" column whose first row holds 1200 and 3.
Grid LengthGrid() {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString({"L1 (MM)", "QTY"}));
  grid.SetText(1, 1, "1200");
  grid.SetText(1, 2, "3");
  return grid;
}

void ChooseUnit(QComboBox* list, int index) { list->setCurrentIndex(index); }

}  // namespace

class UnitConversionWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> folder_;

  Workspace Folder() const { return {folder_->path(), "1."}; }

  // Shows a tool and waits until it is the active window.
  static void ShowActive(QWidget* tool) {
    tool->show();
    tool->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tool));
  }

 private slots:
  void init() { folder_ = std::make_unique<testing::TempFolder>(); }

  void ConvertsAsTheInputIsTyped() {
    auto* tool = new UnitConversionWindow(Folder());
    QPointer<UnitConversionWindow> alive(tool);
    ShowActive(tool);
    QCOMPARE(tool->windowTitle(), QStringLiteral("Unit Conversion Tool"));
    QCOMPARE(tool->button()->text(), QStringLiteral("Close"));
    QCOMPARE(tool->unit_list(0)->count(), 5);
    QCOMPARE(tool->unit_list(1)->itemText(2), QStringLiteral("mt"));
    QCOMPARE(tool->unit_list(0)->currentIndex(), kMM);

    ChooseUnit(tool->unit_list(0), kIN);
    QTest::keyClicks(tool->input(), "48 3/4");
    QCOMPARE(tool->output()->text(), QStringLiteral("1238.2500"));
    // No number can be computed with a zero denominator: the output stays.
    QTest::keyClick(tool->input(), Qt::Key_Backspace);
    QTest::keyClick(tool->input(), Qt::Key_0);
    QCOMPARE(tool->output()->text(), QStringLiteral("1238.2500"));
    tool->input()->setText(QStringLiteral("3/4"));
    QCOMPARE(tool->output()->text(), QStringLiteral("19.0500"));
    tool->input()->setText(QStringLiteral("1"));
    ChooseUnit(tool->unit_list(0), kFT);
    QCOMPARE(tool->output()->text(), QStringLiteral("304.8000"));
    tool->input()->setText(QStringLiteral("100"));
    ChooseUnit(tool->unit_list(0), kMM);
    ChooseUnit(tool->unit_list(1), kIN);
    QCOMPARE(tool->output()->text(), QStringLiteral("3.9370"));
    tool->input()->setText(QStringLiteral("inches"));
    QCOMPARE(tool->output()->text(), QStringLiteral("0.0000"));

    // Escape closes without remembering the units; "Close" remembers them.
    QTest::keyClick(tool, Qt::Key_Escape);
    QTRY_VERIFY(alive.isNull());
    QVERIFY(!FileExists(folder_->File("unit.tlf")));
    tool = new UnitConversionWindow(Folder());
    alive = tool;
    ShowActive(tool);
    ChooseUnit(tool->unit_list(0), kIN);
    tool->button()->click();
    QTRY_VERIFY(alive.isNull());
    QCOMPARE(folder_->Read("unit.tlf"), std::string("\"in\",\"mm\"\r\n"));

    UnitConversionWindow again(Folder());
    QCOMPARE(again.unit_list(0)->currentText(), QStringLiteral("in"));
    QCOMPARE(again.unit_list(1)->currentText(), QStringLiteral("mm"));
  }

  void ClosesWhenItLosesTheFocus() {
    QWidget other;
    other.show();
    auto* tool = new UnitConversionWindow(Folder());
    QPointer<UnitConversionWindow> alive(tool);
    ShowActive(tool);
    // Choosing from a list keeps it open.
    tool->unit_list(0)->showPopup();
    QTest::qWait(50);
    QVERIFY(!alive.isNull());
    tool->unit_list(0)->hidePopup();
    other.activateWindow();
    QTRY_VERIFY(alive.isNull());
    QVERIFY(!FileExists(folder_->File("unit.tlf")));
  }

  // Paste types Delete and the result into the cell through the grid's key rules: a length
  // column takes 47.2441, a quantity column refuses the point and stops at its five digits.
  void PastesThroughTheKeyRulesOfTheColumn() {
    GridWidget grid;
    grid.SetGrid(LengthGrid());
    grid.show();
    for (const auto& [col, expected] : {std::pair{1, "47.2441"}, std::pair{2, "47244"}}) {
      grid.SetCurrentCell(1, col);
      grid.grid().SetText(1, col, "1200");
      auto* tool = new UnitConversionWindow(Folder());
      QPointer<UnitConversionWindow> alive(tool);
      tool->PresetFromCell(&grid);
      QCOMPARE(tool->input()->text(), QStringLiteral("1200"));
      QCOMPARE(tool->button()->text(), QStringLiteral("Paste"));
      ShowActive(tool);
      ChooseUnit(tool->unit_list(1), kIN);
      QCOMPARE(tool->output()->text(), QStringLiteral("47.2441"));
      tool->button()->click();
      QTRY_VERIFY(alive.isNull());
      QCOMPARE(grid.grid().Text(1, col), std::string(expected));
    }
    QCOMPARE(grid.grid().Text(1, 1), std::string("47.2441"));
    QCOMPARE(folder_->Read("unit.tlf"), std::string("\"mm\",\"in\"\r\n"));
  }

  // F9 in the main window: from a decimal cell of the Glass grid the tool is preset and pastes;
  // from a text cell it only converts.
  void F9PresetsTheToolFromANumericCell() {
    QVERIFY(!SeedDataFolder(folder_->File("data")).has_value());
    testing::ScriptedPrompter prompter;
    MainWindowSetup setup;
    setup.workspace = {folder_->File("data"), "2.5"};
    setup.prompter = &prompter;
    setup.file_dialog = [](const FileDialogRequest&) { return std::optional<std::string>(); };
    AddJobWindows(setup);
    MainWindow window(std::move(setup));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QMdiSubWindow* glass = window.OpenChildWindow(ChildWindow::kGlass);
    QVERIFY(glass != nullptr);
    auto* grid = testing::FindWidget<GridWidget>(glass, "FG");
    grid->setFocus();
    grid->SetCurrentCell(1, 1);
    QTest::keyClicks(grid, "1200");
    QCOMPARE(grid->grid().Text(0, 1), std::string("L1 (MM)"));

    QTest::keyClick(&window, Qt::Key_F9);
    auto* tool = window.findChild<UnitConversionWindow*>();
    QVERIFY(tool != nullptr);
    QPointer<UnitConversionWindow> alive(tool);
    QCOMPARE(tool->input()->text(), QStringLiteral("1200"));
    QCOMPARE(tool->button()->text(), QStringLiteral("Paste"));
    QVERIFY(QTest::qWaitForWindowActive(tool));
    ChooseUnit(tool->unit_list(1), kIN);
    tool->button()->click();
    QTRY_VERIFY(alive.isNull());
    QCOMPARE(grid->grid().Text(1, 1), std::string("47.2441"));

    grid->SetCurrentCell(1, grid->grid().Cols() - 1);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F9);
    tool = window.findChild<UnitConversionWindow*>();
    QVERIFY(tool != nullptr);
    QCOMPARE(tool->button()->text(), QStringLiteral("Close"));
    QCOMPARE(tool->input()->text(), QString());
    tool->close();
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::UnitConversionWindowTest)
#include "unit_conversion_window_test.moc"
