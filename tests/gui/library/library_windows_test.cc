#include "gui/library/library_windows.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "core/job/job_tables.h"
#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "gui/job/job_window_factories.h"
#include "gui/library/library_export.h"
#include "gui/library/load_products_window.h"
#include "gui/reports/result_window_factories.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::FindWidget;

// Acts on the modal dialog with the object name once it is up; the dialog's own event loop
// runs the check.
void WhenModal(const QString& name, std::function<void(QDialog*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, name, act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->objectName() != name || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(dialog);
  });
  timer->start();
}

// Chooses the entry of the Item Choice window once it shows, and notes the entries it offered.
void ChooseEntry(const QString& entry, QStringList* offered) {
  WhenModal(QStringLiteral("ItemChoice"), [entry, offered](QDialog* dialog) {
    auto* list = FindWidget<QListWidget>(dialog, "Lst");
    for (int i = 0; i < list->count(); ++i) {
      offered->append(list->item(i)->text());
      if (list->item(i)->text() == entry) list->setCurrentRow(i);
    }
    FindWidget<QPushButton>(dialog, "cmd")->click();
  });
}

std::string Cell(const GridWidget* grid, int row, int col) { return grid->grid().Text(row, col); }

std::string Read(const testing::TempFolder& folder, const char* name) {
  return ReadFileBytes(folder.File(name)).value_or("");
}

}  // namespace

class LibraryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void MaterialLibraryManagerTurnsSortsAndMergesOnDone() {
    testing::TempFolder folder;
    folder.Write("mlm.dat", "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n");
    testing::ScriptedPrompter prompter({PromptAnswer::kYes});
    MaterialLibraryWindow window(Workspace{folder.path(), "3."}, prompter);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Material Library Manager"));
    QCOMPARE(window.done_button()->toolTip(), QStringLiteral("Update"));
    QCOMPARE(window.mode(), QString());
    auto* grid = FindWidget<GridWidget>(&window, "FG");
    QVERIFY(grid->CellRect(0, 2).isEmpty());
    QVERIFY(grid->CellRect(0, 3).isEmpty());
    FindWidget<QWidget>(&window, "TB");

    grid->SetCurrentCell(2, 1);
    QTest::keyClicks(grid, "float");
    for (const auto& [col, text] : {std::pair{4, "1830"}, {5, "2440"}, {6, "4"}, {7, "12"}}) {
      grid->SetCurrentCell(2, col);
      QTest::keyClicks(grid, text);
    }
    grid->grid().SetText(2, 3, "5");
    QCOMPARE(grid->grid().Rows(), 4);
    window.done_button()->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(prompter.Texts(), std::vector<std::string>{"Save Changes?"});
    QCOMPARE(Read(folder, "mlm.dat"),
             std::string("\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"14\",\"12\"\r\n"));
  }

  void ImportAndItemChoiceThroughTheJobWindows() {
    testing::TempFolder folder;
    folder.Write("mlm.dat",
                 "\"FLOAT\",\"\",\"\",\"2440\",\"1830\",\"10\",\"12\"\r\n"
                 "\"FLOAT\",\"\",\"\",\"3210\",\"2250\",\"4\",\"13\"\r\n"
                 "\"FLOAT\",\"\",\"\",\"900\",\"600\",\"2\",\"SCRAP\"\r\n"
                 "\"TINTED\",\"\",\"\",\"3000\",\"2000\",\"1\",\"9\"\r\n");
    testing::ScriptedPrompter prompter;
    MainWindowSetup setup;
    setup.workspace = {folder.path(), "4.5"};
    setup.prompter = &prompter;
    AddJobWindows(setup);
    MainWindow main(std::move(setup));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* basic = FindWidget<GridWidget>(main.OpenChildWindow(ChildWindow::kBasicDetails), "FG");
    QTest::keyClicks(basic, "clear");
    QMdiSubWindow* sheet_window = main.OpenChildWindow(ChildWindow::kSheet);
    auto* sheet = FindWidget<GridWidget>(sheet_window, "FG");
    QTest::keyClicks(sheet, "1000");

    // No CLEAR in stock: Yes offers the items of the library in Basic Details.
    QStringList offered;
    ChooseEntry(QStringLiteral("FLOAT"), &offered);
    prompter.Plan(PromptAnswer::kYes);
    FindWidget<QPushButton>(sheet_window, "cmd")->click();
    QCOMPARE(offered, QStringList({"FLOAT", "TINTED"}));
    QCOMPARE(Cell(basic, 1, basic_col::kItem), std::string("FLOAT"));
    QCOMPARE(Cell(sheet, 1, sheet_col::kL1), std::string());
    QVERIFY(main.job().settings.job_changed);

    main.OpenChildWindow(ChildWindow::kSheet);
    FindWidget<QPushButton>(sheet_window, "cmd")->click();
    QCOMPARE(prompter.Texts(),
             (std::vector<std::string>{"Material specified was not found in stock. Do you want "
                                       "select item from the stock ?",
                                       "2 size(s) imported from MLM"}));
    QCOMPARE(Cell(sheet, 2, sheet_col::kL1), std::string("3210"));
    QCOMPARE(Cell(sheet, 2, sheet_col::kL1Inch), std::string("126 3/8"));
    QCOMPARE(Cell(sheet, 3, sheet_col::kL1), std::string());
    QVERIFY(main.job().settings.imported_stock);
    main.job().settings.job_changed = false;
  }

  void ExportFromTheBalanceTableUpdatesTheLibrary() {
    testing::TempFolder folder;
    QVERIFY(!SeedDataFolder(folder.File("data")));
    const std::string library =
        "\"FLOAT CLEAR\",\"CLR\",\"6\",\"3210\",\"2250\",\"5\",\"1.45\"\r\n";
    folder.Write("data/mlm.dat", library);
    testing::ScriptedPrompter prompter;
    MainWindowSetup setup;
    setup.workspace = {folder.File("data"), "6.5"};
    setup.prompter = &prompter;
    setup.command_line_file = std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt";
    AddJobWindows(setup);
    AddResultWindows(setup);
    MainWindow main(std::move(setup));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTRY_VERIFY(main.FindChildWindow(ChildWindow::kLayouts) != nullptr);
    // As if the sheets had been imported.
    main.job().settings.imported_stock = true;
    main.ShowView(ChildWindow::kBalance);
    QMdiSubWindow* table = main.FindChildWindow(ChildWindow::kBalance);
    QVERIFY(table != nullptr);
    auto* export_button = FindWidget<QPushButton>(table, "cmdExport");
    QVERIFY(export_button->isEnabled());

    prompter.Plan(PromptAnswer::kNo);
    export_button->click();
    QCOMPARE(Read(folder, "data/mlm.dat"), library);
    QVERIFY(export_button->isEnabled());

    prompter.Plan(PromptAnswer::kYes);
    export_button->click();
    const std::string updated = Read(folder, "data/mlm.dat");
    QVERIFY2(
        updated.starts_with("\"FLOAT CLEAR\",\"CLR\",\"6\",\"3210\",\"2250\",\"2\",\"1.45\"\r\n"
                            "\"FLOAT CLEAR\",\"CLR\",\"6\",\"802\",\"800\",\"2\",\"1.45\"\r\n"),
        updated.c_str());
    QVERIFY(updated.find("\"2440\",\"1830\",\"-3\",\"1.6\"") != std::string::npos);
    QVERIFY(!export_button->isEnabled());
    QVERIFY(!main.job().settings.imported_stock);
    const std::vector<std::string> texts = prompter.Texts();
    QCOMPARE(std::vector<std::string>(texts.end() - 3, texts.end()),
             (std::vector<std::string>{"Update Material Library?", "Update Material Library?",
                                       "Material Library Updated!"}));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void LoadProductsChoosesProductsAndGeneratesJobs() {
    testing::TempFolder folder;
    folder.Write("plm.dat",
                 "\"DOOR\",\"\",\"FLOAT\",\"\",\"6\",\"2000\",\"700\",\"2\"\r\n"
                 "\"TOP\",\"\",\"FLOAT\",\"\",\"6\",\"1200\",\"800\",\"1\"\r\n");
    // Left over from an item choice: the window must not offer these.
    folder.Write("products.lst", "\"FLOAT\"\r\n");
    folder.Write("loadprod.tlf", "\"OLD\",\"1\",\"\"\r\n");
    testing::ScriptedPrompter prompter;
    {
      LoadProductsWindow window(Workspace{folder.path(), "5."}, prompter);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QCOMPARE(window.windowTitle(), QStringLiteral("Load Products"));
      QCOMPARE(FindWidget<QComboBox>(&window, "cmb")->currentText(), QStringLiteral(".OPT"));
      QCOMPARE(window.load_button()->toolTip(), QStringLiteral("Make '.opt' files"));
      auto* grid = FindWidget<GridWidget>(&window, "FG");
      QCOMPARE(Cell(grid, 1, 1), std::string());

      QStringList offered;
      ChooseEntry(QStringLiteral("TOP"), &offered);
      QTest::keyClick(grid, Qt::Key_T);
      QCOMPARE(offered, QStringList({"DOOR", "TOP"}));
      QCOMPARE(Cell(grid, 1, 1), std::string("TOP"));
      grid->SetCurrentCell(1, 2);
      QTest::keyClicks(grid, "3");
      grid->SetCurrentCell(2, 1);
      ChooseEntry(QStringLiteral("DOOR"), &offered);
      QTest::keyClick(grid, Qt::Key_D);
      grid->SetCurrentCell(2, 2);
      QTest::keyClicks(grid, "2");

      FindWidget<QLineEdit>(&window, "txt")->setText(QStringLiteral(" ORD "));
      window.load_button()->click();
      QCOMPARE(prompter.Texts(),
               std::vector<std::string>{
                   "1 'ORD' file(s) starting from ORD[MAT=FLOAT,GRADE=,THICK=6].OPT generated."});
      const std::string job = Read(folder, "ORD[MAT=FLOAT,GRADE=,THICK=6].OPT");
      QVERIFY(job.find("\"1200\",\"800\",\"\",\"\",\"3\"") != std::string::npos);
      QVERIFY(job.find("\"2000\",\"700\",\"\",\"\",\"4\"") != std::string::npos);
      window.close();
    }
    QVERIFY(!FileExists(folder.File("loadprod.tlf")));
  }

  void ProductLibraryManagerSortsAndListsProductsOnDone() {
    testing::TempFolder folder;
    folder.Write("plm.dat",
                 "\"TOP\",\"\",\"FLOAT\",\"\",\"6\",\"1200\",\"800\",\"1\"\r\n"
                 "\"DOOR\",\"\",\"FLOAT\",\"\",\"6\",\"2000\",\"700\",\"2\"\r\n");
    testing::ScriptedPrompter prompter({PromptAnswer::kYes});
    ProductLibraryWindow window(Workspace{folder.path(), "3."}, prompter);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Product Library Manager"));
    QCOMPARE(window.objectName(), QStringLiteral("PLM"));
    window.reject();
    QCOMPARE(prompter.Texts(), std::vector<std::string>{"Save Changes?"});
    QCOMPARE(Read(folder, "products.lst"), std::string("\"DOOR\"\r\n\"TOP\"\r\n"));
    QVERIFY(Read(folder, "plm.dat").starts_with("\"DOOR\""));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::LibraryWindowsTest)
#include "library_windows_test.moc"
