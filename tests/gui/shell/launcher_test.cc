#include "gui/shell/launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <sstream>
#include <tuple>
#include <vector>

#include "core/job/job_sections.h"
#include "core/shell/crashed_runs.h"
#include "core/shell/data_folder.h"
#include "core/shell/job_recovery.h"
#include "gui/job/settings_windows.h"
#include "gui/library/library_windows.h"
#include "gui/library/load_products_window.h"
#include "gui/reports/labels_window.h"
#include "gui/shell/about_window.h"
#include "gui/shell/single_instance.h"
#include "gui/support/program_window.h"

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
    QTRY_VERIFY((about = launcher.findChild<AboutWindow*>()) != nullptr && about->isVisible());
    Click(about, "cmdOK");
    QTRY_VERIFY(launcher.findChild<AboutWindow*>() == nullptr);

    for (const int index : {0, 1}) {
      Button(&launcher, index)->click();
      MainWindow* window = launcher.main_window();
      QCOMPARE(window->job().settings.coil_mode, index == 1);
      QVERIFY(window->OpenChildWindow(ChildWindow::kGlass) != nullptr);
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
    QVERIFY(!launcher.close() && window->close() && launcher.isEnabled());
  }

  // A job kept by a run that died (as its recovery file is after a crash) is offered at the
  // start: Yes opens it as an unsaved change of its own file, No discards it.
  void AJobKeptByACrashedRunIsOfferedAtTheStart() {
    std::istringstream mine(ClaimRecord());
    std::string pid, ticks, host;
    mine >> pid >> ticks >> host;
    const std::string job = folder_->File("jobs/small.opt");
    for (const PromptAnswer answer : {PromptAnswer::kYes, PromptAnswer::kNo}) {
      QVERIFY(QDir().mkpath(QString::fromStdString(folder_->File("data/recovery"))));
      const std::string kept = folder_->Write("data/recovery/3.5.opt", testing::SmallJobBytes());
      folder_->Write("data/recovery/3.5.lst",
                     pid + " 1" + ticks + " " + host + "\r\n" + job + "\r\n01/02/2025 10:00\r\n");
      prompter_.Plan(answer);
      Launcher launcher(Setup());
      launcher.show();
      QTRY_VERIFY(answer == PromptAnswer::kNo ? launcher.findChild<AboutWindow*>() != nullptr
                                              : launcher.main_window() != nullptr);
      QCOMPARE(prompter_.Texts().back(),
               std::string(kRecoverQuestion) + "\n\n" + job + ", saved 01/02/2025 10:00");
      QVERIFY(!FileExists(kept) && !FileExists(folder_->File("data/recovery/3.5.lst")));
      if (answer == PromptAnswer::kNo) continue;
      MainWindow* window = launcher.main_window();
      QCOMPARE(window->job().file_name, job);
      QVERIFY(window->job().settings.job_changed);
      QVERIFY(window->windowTitle().endsWith(QString::fromStdString(job).toLower()));
      QCOMPARE(window->job().glass.Text(1, glass_col::kL1), std::string("1200"));
      prompter_.Plan(PromptAnswer::kNo);
      QVERIFY(window->close());
    }
  }

  // Runs the program twice with the same runtime folder: the second start says so before it
  // touches its data folder, and the first runs on. A first instance that is killed leaves its
  // lock behind, and the next start takes it over.
  void ASecondStartIsRefused() {
    QTemporaryDir runtime;
    QTemporaryDir data;
    const QString lock_file =
        SingleInstanceLock::LockFilePath(runtime.path(), QStringLiteral("Lumora"));
    QProcess first;
    QProcess second;
    Start(first, runtime.path(), data.filePath(QStringLiteral("first")));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock_file), 20000);
    Start(second, runtime.path(), data.filePath(QStringLiteral("second")));
    QByteArray told;
    QTRY_VERIFY_WITH_TIMEOUT((told += second.readAllStandardError()).contains(kRefusal), 20000);
    QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("second"))));
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(QFileInfo::exists(lock_file));
    SingleInstanceLock after_crash(runtime.path());
    QVERIFY(after_crash.CheckMutex(QStringLiteral("Lumora")));
  }

  // Scrap Criteria, Misc and Define Labels store their one row (Define Labels its code too) on
  // their button only, without asking; Chargeable Sizes asks as it closes.
  void SettingsWindowsStoreOnTheirButtonOnly() {
    SettingsFolder folder;
    folder.Write("misc.set", "\"MM\",\"16\",\"FULL\"\r\n\"IN\",\"3\",\"HALF\"\r\n");
    folder.Write("lbl.def", "\"4\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n");
    folder.Write("charge.dat", "\"0\",\"24\",\"24\"\r\n");
    const auto files = [&folder] {
      std::string text;
      for (const char* name : {"scrap.dat", "misc.set", "lbl.def", "lblcode.set", "charge.dat"}) {
        text += ReadFileBytes(folder.File(name), kJobFileLimit).value_or("none\r\n");
      }
      return text;
    };
    const std::string before = files();
    for (const bool apply : {false, true}) {
      ScrapCriteriaWindow scrap(folder.data, folder.prompter);
      MiscWindow misc(folder.data, folder.prompter);
      LabelsWindow labels(folder.data, folder.prompter);
      ChargeableSizeWindow charge(folder.data, folder.prompter);
      QTest::keyClicks(Show(scrap), "300\r250\r");
      QTest::keyClicks(Show(misc), "q\r4");
      QTest::keyClick(Show(labels), Qt::Key_Delete);
      QTest::keyClick(FindWidget<GridWidget>(&labels, "FG"), Qt::Key_3);
      FindWidget<QComboBox>(&labels, "cmbCode")->setCurrentIndex(2);
      testing::Type(Show(charge), 2, 1, "24\r48\r48");
      folder.prompter.Plan(apply ? PromptAnswer::kYes : PromptAnswer::kNo);
      for (QDialog* window : std::initializer_list<QDialog*>{&scrap, &misc, &labels, &charge}) {
        if (apply) {
          Click(window, window == &labels ? "cmdClose" : "cmd");
        } else {
          window->close();
        }
        QVERIFY(!window->isVisible());
      }
      QCOMPARE(files(), apply ? "\"300\",\"250\"\r\n\"IN\",\"164\",\"FULL\"\r\n"
                                "\"3\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n0\r\n2\r\n"
                                "\"0\",\"24\",\"24\"\r\n\"24\",\"48\",\"48\"\r\n"
                              : before);
    }
    QCOMPARE(folder.prompter.Texts(), std::vector<std::string>(2, "Save Changes?"));
  }

  // Done asks, then the material library stores its sizes and the product library lists its
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
    testing::Type(Show(materials), 1, 6, "4");
    materials.done_button()->click();
    QCOMPARE(folder.Read("mlm.dat"),
             std::string("\"FLOAT\",\"\",\"5\",\"2440\",\"1830\",\"104\",\"12\"\r\n"));
    ProductLibraryWindow products(folder.data, folder.prompter);
    products.reject();
    QCOMPARE(folder.prompter.Texts(), std::vector<std::string>(2, "Save Changes?"));
    QCOMPARE(folder.Read("products.lst"), std::string("\"DOOR\"\r\n\"TOP\"\r\n"));

    // Left over from an item choice: the window must not offer these.
    folder.Write("products.lst", "\"FLOAT\"\r\n");
    folder.Write("loadprod.tlf", "\"OLD\",\"1\",\"\"\r\n");
    {
      LoadProductsWindow window(folder.data, folder.prompter);
      GridWidget* grid = Show(window);
      QCOMPARE(grid->grid().Text(1, 1), std::string());
      QStringList offered;
      grid->SetCurrentCell(1, 1);
      testing::ChooseEntry(QStringLiteral("TOP"), &offered);
      QTest::keyClick(grid, Qt::Key_T);
      testing::Type(grid, 1, 2, "3");
      QCOMPARE(offered, QStringList({"DOOR", "TOP"}));
      FindWidget<QLineEdit>(&window, "txt")->setText(QStringLiteral(" ORD "));
      window.load_button()->click();
      QCOMPARE(folder.prompter.Texts().back(),
               std::string(
                   "1 'ORD' file(s) starting from ORD[MAT=FLOAT,GRADE=,THICK=6].OPT generated."));
      QVERIFY(testing::Contains(folder.Read("ORD[MAT=FLOAT,GRADE=,THICK=6].OPT"),
                                "\"1200\",\"800\",\"\",\"\",\"3\""));
    }
    QVERIFY(!FileExists(folder.File("loadprod.tlf")));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::LauncherTest)
#include "launcher_test.moc"
