#include "gui/shell/launcher.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "gui/shell/about_window.h"
#include "gui/shell/help.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {

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
    return testing::FindWidget<QPushButton>(window, QStringLiteral("cmd%1").arg(index));
  }

  // The start-up screen, once the launcher was shown.
  static AboutWindow* WaitForAbout(Launcher& launcher) {
    AboutWindow* about = nullptr;
    const auto shown = [&] {
      about = launcher.findChild<AboutWindow*>(QStringLiteral("About"));
      return about != nullptr && about->isVisible();
    };
    if (!QTest::qWaitFor(shown)) return nullptr;
    return about;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    prompter_ = testing::ScriptedPrompter();
    QVERIFY(!SeedDataFolder(folder_->File("data")).has_value());
  }

  void FillsTheWorkAreaWithItsButtons() {
    Launcher launcher(Setup());
    launcher.show();
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    QCOMPARE(launcher.frameGeometry(), launcher.screen()->availableGeometry());
    QCOMPARE(launcher.palette().color(QPalette::Window), QColor(35, 101, 53));
    QCOMPARE(
        testing::FindWidget<QLabel>(&launcher, "TitleLbl")->palette().color(QPalette::WindowText),
        QColor(Qt::white));
    const QStringList captions = {"Base Module",   "S D R",     "M L M",    "P L M",
                                  "Load Products", "Configure", "About...", "Exit"};
    const QStringList tooltips = {"Base Module",
                                  "Strandor",
                                  "Material Library Manager",
                                  "Product Library Manager",
                                  "Load Products",
                                  "Modify Settings",
                                  "About LUMORA",
                                  "Close LUMORA"};
    for (int index = 0; index < 8; ++index) {
      QCOMPARE(Button(&launcher, index)->text(), captions[index]);
      QCOMPARE(Button(&launcher, index)->toolTip(), tooltips[index]);
    }
  }

  void AboutIsTheStartUpScreen() {
    Launcher launcher(Setup());
    launcher.show();
    AboutWindow* about = WaitForAbout(launcher);
    QVERIFY(about != nullptr);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Lumora"));
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(testing::FindWidget<QLabel>(about, "VersionLbl")->text(),
             QStringLiteral("Lumora version 0.1.0"));
    testing::FindWidget<QPushButton>(about, "cmdOK")->click();
    QTRY_VERIFY(launcher.findChild<AboutWindow*>() == nullptr);
    QVERIFY(launcher.main_window() == nullptr);
  }

  void ACommandLineJobOpensStraightIntoTheMainWindow() {
    const std::string job = folder_->Write(
        "Given Job.opt", *ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/small.opt"));
    Launcher launcher(Setup(job));
    launcher.show();
    QTRY_VERIFY(launcher.main_window() != nullptr);
    MainWindow* window = launcher.main_window();
    QCOMPARE(window->windowTitle(),
             QStringLiteral("Base Module - ") + QString::fromStdString(job).toLower());
    QVERIFY(!launcher.isEnabled());
    QVERIFY(launcher.findChild<AboutWindow*>() == nullptr);
    // The launcher stays while a main window is open.
    QVERIFY(!launcher.close());

    QVERIFY(window->close());
    QVERIFY(launcher.isEnabled());
    QTRY_VERIFY(launcher.main_window() == nullptr);
  }

  void AMissingCommandLineJobShowsTheStartUpScreen() {
    Launcher launcher(Setup(folder_->File("gone.opt")));
    launcher.show();
    QVERIFY(WaitForAbout(launcher) != nullptr);
    QVERIFY(launcher.main_window() == nullptr);
  }

  void ModuleButtonsOpenTheirModes() {
    Launcher launcher(Setup());
    launcher.show();
    QVERIFY(WaitForAbout(launcher) != nullptr);
    Button(&launcher, 1)->click();
    QCOMPARE(launcher.main_window()->windowTitle(), QStringLiteral("Strandor"));
    QVERIFY(launcher.main_window()->job().settings.coil_mode);
    // The job windows are part of the main windows the launcher opens.
    QVERIFY(launcher.main_window()->OpenChildWindow(ChildWindow::kSheet) != nullptr);
    // The job took the settings of misc.set; they come back when the window closes.
    QVERIFY(launcher.main_window()->close());
    QCOMPARE(launcher.settings().unit, std::string("MM"));
    QTRY_VERIFY(launcher.main_window() == nullptr);

    Button(&launcher, 0)->click();
    QCOMPARE(launcher.main_window()->windowTitle(), QStringLiteral("Base Module"));
    QVERIFY(!launcher.main_window()->job().settings.coil_mode);
    QVERIFY(launcher.main_window()->close());

    const std::vector<std::pair<int, QString>> modules = {{2, "MLM"}, {3, "PLM"}, {4, "LOADPROD"}};
    for (const auto& [index, name] : modules) {
      Button(&launcher, index)->click();
      auto* window = testing::FindWidget<QDialog>(&launcher, name);
      QVERIFY(window->isVisible());
      QCOMPARE(window->windowModality(), Qt::ApplicationModal);
      prompter_.Plan(PromptAnswer::kNo);
      window->reject();
      QTRY_VERIFY(launcher.findChild<QDialog*>(name) == nullptr);
    }
    QCOMPARE(prompter_.Texts(), (std::vector<std::string>{"Save Changes?", "Save Changes?"}));
  }

  void ConfigureOffersTheSettingsWindows() {
    Launcher launcher(Setup());
    launcher.show();
    QVERIFY(WaitForAbout(launcher) != nullptr);
    Button(&launcher, 5)->click();
    auto* configure = testing::FindWidget<QDialog>(&launcher, "Configure");
    QVERIFY(configure->isVisible());
    QCOMPARE(configure->windowTitle(), QStringLiteral("Configure"));
    QCOMPARE(configure->windowModality(), Qt::ApplicationModal);
    const QStringList captions = {"Chargeable Size", "Scrap Criteria", "Labels", "Misc", "Close"};
    for (int index = 0; index < 5; ++index) {
      QCOMPARE(Button(configure, index)->text(), captions[index]);
    }
    const std::vector<std::pair<int, QString>> windows = {
        {0, "CHARGE"}, {1, "SCRAP"}, {2, "LABELS"}, {3, "MISC"}};
    for (const auto& [index, name] : windows) {
      Button(configure, index)->click();
      auto* window = testing::FindWidget<QDialog>(configure, name);
      QVERIFY(window->isVisible());
      QCOMPARE(window->windowModality(), Qt::ApplicationModal);
    }
    QVERIFY(prompter_.Texts().empty());
    Button(configure, 4)->click();
    QTRY_VERIFY(launcher.findChild<QDialog*>(QStringLiteral("Configure")) == nullptr);
  }

  void ExitRemovesTheWorkingFiles() {
    folder_->Write("data/12.5sheet.tlf", "\"1\"\r\n");
    folder_->Write("data/12.5products.lst", "X\r\n");
    folder_->Write("data/12.5tmp.tlf", "");
    Launcher launcher(Setup());
    launcher.show();
    QVERIFY(WaitForAbout(launcher) != nullptr);
    Button(&launcher, 7)->click();
    QVERIFY(!launcher.isVisible());
    const QStringList left =
        QDir(QString::fromStdString(folder_->File("data"))).entryList(QDir::Files);
    QVERIFY2(left.filter(QStringLiteral("12.5")).isEmpty(), qPrintable(left.join(' ')));
    QVERIFY(left.contains(QStringLiteral("misc.set")));
    QVERIFY(left.contains(QStringLiteral("Defaults")));
  }

  void HelpIsFoundInTheDataFolderFirst() {
    QVERIFY(QFileInfo(FindHelpFile(QString())).isFile());
    QVERIFY(QDir().mkpath(QString::fromStdString(folder_->File("data/help"))));
    folder_->Write("data/help/index.html", "<html></html>");
    QCOMPARE(FindHelpFile(QString::fromStdString(folder_->File("data"))),
             QString::fromStdString(folder_->File("data/help/index.html")));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::LauncherTest)
#include "launcher_test.moc"
