#include "gui/shell/launcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <tuple>
#include <vector>

#include "core/shell/data_folder.h"
#include "gui/job/settings_windows.h"
#include "gui/library/library_windows.h"
#include "gui/library/load_products_window.h"
#include "gui/reports/labels_window.h"
#include "gui/shell/about_window.h"
#include "gui/shell/configure_window.h"
#include "gui/shell/single_instance.h"
#include "gui/support/program_window.h"
#include "support/folder_snapshot.h"

namespace lumora {
namespace {

using testing::Click;
using testing::FindWidget;

constexpr const char* kRefusal = "Lumora is already running";

// Starts the desktop program with its runtime folder and data folder.
void Start(QProcess& process, const QString& runtime_folder, const QString& data_folder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_folder);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(LUMORA_DESKTOP_PATH), {QStringLiteral("--data-dir"), data_folder});
}

// Starts the program again and waits until it has refused to run beside the lock's holder;
// false when it does not say so in time. The refusal then waits for its message box: the
// process is killed.
bool RefusedSecondStart(const QString& runtime_folder, const QString& data_folder) {
  QProcess second;
  Start(second, runtime_folder, data_folder);
  if (!second.waitForStarted()) return false;
  QByteArray told;
  const bool refused = QTest::qWaitFor(
      [&] {
        told += second.readAllStandardError();
        return told.contains(kRefusal);
      },
      20000);
  second.kill();
  second.waitForFinished();
  return refused;
}

GridWidget* Show(QDialog& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not exposed");
  return FindWidget<GridWidget>(&window, "FG");
}

// A folder of settings files, as the windows over it see it.
struct SettingsFolder : testing::TempFolder {
  Workspace data{path(), "1."};
  testing::ScriptedPrompter prompter;
};

}  // namespace

// The launcher, the only program of a user that runs at a time, and the library and settings
// windows it opens.
class LauncherTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> folder_;
  testing::ScriptedPrompter prompter_;

  LauncherSetup Setup(const std::string& command_line_file = {}) {
    LauncherSetup setup;
    setup.workspace = {folder_->File("data"), "12.5"};
    setup.command_line_file = command_line_file;
    setup.prompter = &prompter_;
    return setup;
  }

  static QPushButton* Button(QWidget* window, int index) {
    return FindWidget<QPushButton>(window, QStringLiteral("cmd%1").arg(index));
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    prompter_ = testing::ScriptedPrompter();
    QVERIFY(!SeedDataFolder(folder_->File("data")).has_value());
  }

  // Without a job to open (the one named is gone) About is the start-up screen. Every main
  // window the buttons open has every window and the optimization run; Exit removes the
  // working files.
  void ShowsAboutFirstAndTheButtonsOpenTheirWindows() {
    folder_->Write("data/12.5sheet.tlf", "\"1\"\r\n");
    Launcher launcher(Setup(folder_->File("gone.opt")));
    launcher.show();
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    QCOMPARE(launcher.frameGeometry(), launcher.screen()->availableGeometry());
    AboutWindow* about = nullptr;
    QVERIFY(QTest::qWaitFor([&] { return (about = launcher.findChild<AboutWindow*>()); }));
    QTRY_VERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    Click(about, "cmdOK");
    QTRY_VERIFY(launcher.findChild<AboutWindow*>() == nullptr);
    QVERIFY(launcher.main_window() == nullptr);

    for (const int index : {0, 1}) {
      Button(&launcher, index)->click();
      MainWindow* window = launcher.main_window();
      QCOMPARE(window->job().settings.coil_mode, index == 1);
      for (const ChildWindow kind :
           {ChildWindow::kBasicDetails, ChildWindow::kSheet, ChildWindow::kGlass}) {
        QVERIFY(window->OpenChildWindow(kind) != nullptr);
      }
      prompter_.Plan(PromptAnswer::kNo);
      QVERIFY(window->close());
      QTRY_VERIFY(launcher.main_window() == nullptr);
    }
    Button(&launcher, 5)->click();
    QWidget* configure = FindWidget<QDialog>(&launcher, "Configure");
    // clang-format off
    const std::tuple<QWidget*, int, const char*> windows[] = {
        {&launcher, 2, "MLM"}, {&launcher, 3, "PLM"}, {&launcher, 4, "LOADPROD"},
        {configure, 0, "CHARGE"}, {configure, 1, "SCRAP"}, {configure, 2, "LABELS"},
        {configure, 3, "MISC"}};
    // clang-format on
    for (const auto& [parent, index, name] : windows) {
      Button(parent, index)->click();
      QVERIFY(FindWidget<QDialog>(parent, name)->isVisible());
      FindWidget<QDialog>(parent, name)->close();
    }
    Button(&launcher, 7)->click();
    QVERIFY(!launcher.isVisible());
    const QStringList left =
        QDir(QString::fromStdString(folder_->File("data"))).entryList(QDir::Files);
    QVERIFY2(left.filter(QStringLiteral("12.5")).isEmpty(), qPrintable(left.join(' ')));
    QVERIFY(left.contains(QStringLiteral("misc.set")));
  }

  void ACommandLineJobOpensStraightIntoTheMainWindow() {
    const std::string job = folder_->Write("Given Job.opt", testing::SmallJobBytes());
    Launcher launcher(Setup(job));
    launcher.show();
    QTRY_VERIFY(launcher.main_window() != nullptr);
    MainWindow* window = launcher.main_window();
    QCOMPARE(window->windowTitle(),
             QStringLiteral("Base Module - ") + QString::fromStdString(job).toLower());
    QVERIFY(!launcher.isEnabled() && launcher.findChild<AboutWindow*>() == nullptr);
    // The launcher stays while a main window is open.
    QVERIFY(!launcher.close());
    QVERIFY(window->close());
    QVERIFY(launcher.isEnabled());
    QTRY_VERIFY(launcher.main_window() == nullptr);
  }

  // Runs the program twice with the same runtime folder: the second start says so and never
  // gets as far as preparing a data folder or claiming a start stamp in one; the first runs
  // on. A first instance that is killed leaves its lock behind, and the next start takes it
  // over.
  void ASecondStartIsRefused() {
    QTemporaryDir runtime;
    QTemporaryDir data;
    const QString first_data = data.filePath(QStringLiteral("first"));
    const QString lock_file =
        SingleInstanceLock::LockFilePath(runtime.path(), QStringLiteral("Lumora"));
    QProcess first;
    Start(first, runtime.path(), first_data);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock_file), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(
        QDir(first_data).entryList({QStringLiteral("*run.lst")}, QDir::Files).size(), 1, 20000);

    QVERIFY(RefusedSecondStart(runtime.path(), data.filePath(QStringLiteral("second"))));
    QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("second"))));
    const testing::FolderSnapshot before = testing::SnapshotFolder(first_data.toStdString());
    QVERIFY(RefusedSecondStart(runtime.path(), first_data));
    QCOMPARE(testing::FolderChanges(before, testing::SnapshotFolder(first_data.toStdString())),
             std::vector<std::string>());
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(QFileInfo::exists(lock_file));
    SingleInstanceLock after_crash(runtime.path());
    QVERIFY(after_crash.CheckMutex(QStringLiteral("Lumora")));
  }

  // Misc and Scrap Criteria store their one row on Apply only; Chargeable Sizes asks.
  void SettingsStoreOnApplyOnly() {
    SettingsFolder folder;
    folder.Write("misc.set", "\"MM\",\"16\",\"FULL\"\r\n\"IN\",\"3\",\"HALF\"\r\n");
    const std::string charges = "\"0\",\"24\",\"24\"\r\n";
    folder.Write("charge.dat", charges);
    {
      ScrapCriteriaWindow window(folder.data, folder.prompter);
      QTest::keyClicks(Show(window), "300");
      window.close();
      QVERIFY(!FileExists(folder.File("scrap.dat")));
    }
    ScrapCriteriaWindow scrap(folder.data, folder.prompter);
    QTest::keyClicks(Show(scrap), "300\r250\r");
    Click(&scrap, "cmd");
    QCOMPARE(folder.Read("scrap.dat"), std::string("\"300\",\"250\"\r\n"));

    MiscWindow misc(folder.data, folder.prompter);
    GridWidget* grid = Show(misc);
    QTest::keyClicks(grid, "q\r4");
    Click(&misc, "cmd");
    QCOMPARE(misc.result(), int(QDialog::Accepted));
    QCOMPARE(folder.Read("misc.set"), std::string("\"IN\",\"164\",\"FULL\"\r\n"));
    QVERIFY(folder.prompter.Texts().empty());

    for (const PromptAnswer answer : {PromptAnswer::kNo, PromptAnswer::kYes}) {
      ChargeableSizeWindow window(folder.data, folder.prompter);
      testing::Type(Show(window), 2, 1, "24\r48\r48");
      folder.prompter.Plan(answer);
      Click(&window, "cmd");
      QVERIFY(!window.isVisible());
    }
    QCOMPARE(folder.prompter.Texts(), std::vector<std::string>(2, "Save Changes?"));
    QCOMPARE(folder.Read("charge.dat"), charges + "\"24\",\"48\",\"48\"\r\n");
  }

  // Configure opens Define Labels, which stores lbl.def and the code setting when closed with
  // its button only.
  void DefineLabelsStoresOnCloseOnly() {
    SettingsFolder folder;
    const std::string original = "\"4\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n";
    folder.Write("lbl.def", original);
    ConfigureWindow configure(folder.data, folder.prompter);
    configure.show();
    for (const bool with_button : {false, true}) {
      Click(&configure, "cmd2");
      auto* labels = FindWidget<LabelsWindow>(&configure, "LABELS");
      QVERIFY(QTest::qWaitForWindowExposed(labels));
      auto* grid = FindWidget<GridWidget>(labels, "FG");
      QCOMPARE(grid->grid().Text(1, 4), std::string("40"));
      QTest::keyClick(grid, Qt::Key_Delete);
      QTest::keyClick(grid, Qt::Key_3);
      FindWidget<QComboBox>(labels, "cmbCode")->setCurrentIndex(2);
      if (with_button) break;
      labels->close();
      QCOMPARE(folder.Read("lbl.def"), original);
      QVERIFY(!FileExists(folder.File("lblcode.set")));
      QTRY_VERIFY(configure.findChild<LabelsWindow*>() == nullptr);
    }
    Click(FindWidget<LabelsWindow>(&configure, "LABELS"), "cmdClose");
    QCOMPARE(folder.Read("lbl.def"), std::string("\"3\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n"));
    QCOMPARE(folder.Read("lblcode.set"), std::string("0\r\n2\r\n"));
    QVERIFY(folder.prompter.Texts().empty());
  }

  // Done asks, then the material library merges equal sizes and the product library lists its
  // products. Load Products offers them and generates the jobs.
  void LibraryWindowsStoreAndLoadProducts() {
    SettingsFolder folder;
    folder.Write("mlm.dat", "\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"10\",\"12\"\r\n");
    folder.Write("plm.dat",
                 "\"TOP\",\"\",\"FLOAT\",\"\",\"6\",\"1200\",\"800\",\"1\"\r\n"
                 "\"DOOR\",\"\",\"FLOAT\",\"\",\"6\",\"2000\",\"700\",\"2\"\r\n");
    folder.prompter.Plan(PromptAnswer::kYes);
    folder.prompter.Plan(PromptAnswer::kYes);
    MaterialLibraryWindow materials(folder.data, folder.prompter);
    GridWidget* grid = Show(materials);
    for (const auto& [col, text] :
         {std::pair{1, "float"}, {4, "1830"}, {5, "2440"}, {6, "4"}, {7, "12"}}) {
      testing::Type(grid, 2, col, text);
    }
    grid->grid().SetText(2, 3, "5");
    materials.done_button()->click();
    QVERIFY(!materials.isVisible());
    QCOMPARE(folder.Read("mlm.dat"),
             std::string("\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"14\",\"12\"\r\n"));
    ProductLibraryWindow products(folder.data, folder.prompter);
    products.show();
    products.reject();
    QCOMPARE(folder.prompter.Texts(), std::vector<std::string>(2, "Save Changes?"));
    QCOMPARE(folder.Read("products.lst"), std::string("\"DOOR\"\r\n\"TOP\"\r\n"));

    // Left over from an item choice: the window must not offer these.
    folder.Write("products.lst", "\"FLOAT\"\r\n");
    folder.Write("loadprod.tlf", "\"OLD\",\"1\",\"\"\r\n");
    {
      LoadProductsWindow window(folder.data, folder.prompter);
      grid = Show(window);
      QCOMPARE(grid->grid().Text(1, 1), std::string());
      QStringList offered;
      for (const auto& [row, key, product, quantity] :
           {std::tuple{1, Qt::Key_T, "TOP", "3"}, {2, Qt::Key_D, "DOOR", "2"}}) {
        grid->SetCurrentCell(row, 1);
        testing::ChooseEntry(QString::fromLatin1(product), &offered);
        QTest::keyClick(grid, key);
        testing::Type(grid, row, 2, quantity);
      }
      QCOMPARE(offered, QStringList({"DOOR", "TOP", "DOOR", "TOP"}));
      FindWidget<QLineEdit>(&window, "txt")->setText(QStringLiteral(" ORD "));
      window.load_button()->click();
      QCOMPARE(folder.prompter.Texts().back(),
               std::string(
                   "1 'ORD' file(s) starting from ORD[MAT=FLOAT,GRADE=,THICK=6].OPT generated."));
      const std::string job = folder.Read("ORD[MAT=FLOAT,GRADE=,THICK=6].OPT");
      QVERIFY(testing::Contains(job, "\"1200\",\"800\",\"\",\"\",\"3\""));
      QVERIFY(testing::Contains(job, "\"2000\",\"700\",\"\",\"\",\"4\""));
    }
    QVERIFY(!FileExists(folder.File("loadprod.tlf")));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::LauncherTest)
#include "launcher_test.moc"
