#include "gui/engine2d/progress_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "core/engine2d/progress.h"
#include "core/layouts/layouts_load.h"
#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "core/tables/table_file.h"
#include "gui/engine2d/optimization_runner.h"
#include "gui/job/job_window_factories.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {

// Takes the place of the desktop's browser: records every file the program asks it to open.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

namespace {

constexpr const char* kStartQuestion = "Start OPTIMIZATION?";
constexpr const char* kChangeQuestion =
    "You are trying to change data. You need to optimize again. \n\nContinue?";
constexpr const char* kStopRunQuestion = "The optimization is still running. Stop it and close?";

template <typename T>
T* Find(QObject* root, const char* name) {
  return testing::FindWidget<T>(root, QString::fromLatin1(name));
}

QString LabelText(ProgressWindow& progress, const char* name) {
  return Find<QLabel>(&progress, name)->text();
}

QString CommandText(ProgressWindow& progress) {
  return Find<QPushButton>(&progress, "cmd")->text();
}

bool IsBrightRed(QLabel* label) {
  return label->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

// Waits until the run has ended; the window then offers "OK".
bool WaitForEnd(ProgressWindow& progress) {
  return QTest::qWaitFor([&] { return CommandText(progress) == QStringLiteral("OK"); }, 20000);
}

}  // namespace

class ProgressWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> folder_;
  std::unique_ptr<testing::ScriptedPrompter> prompter_;
  std::unique_ptr<MainWindow> window_;
  std::deque<std::optional<std::string>> save_answers_;
  int save_dialogs_ = 0;
  int progress_windows_ = 0;
  // What the test does while the next Progress window is open, inside its modal loop.
  std::function<void(ProgressWindow&)> during_run_;

  // The main window over small.opt, in a data folder whose misc.set asks for `efficiency`
  // passes per stock size, once its two start-up view notices are shown.
  void OpenSmallJob(int efficiency) {
    const std::string data = folder_->File("data");
    QVERIFY(!SeedDataFolder(data).has_value());
    folder_->Write("data/misc.set", "\"MM\",\"" + std::to_string(efficiency) + "\",\"FULL\"\r\n");
    const auto example = ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/small.opt");
    QVERIFY(example.has_value());

    MainWindowSetup setup;
    setup.workspace = {data, "7.25"};
    setup.prompter = prompter_.get();
    setup.command_line_file = folder_->Write("small.opt", *example);
    setup.file_dialog = [this](const FileDialogRequest&) {
      ++save_dialogs_;
      return std::optional<std::string>();
    };
    AddJobWindows(setup);
    AddOptimizationRunner(setup, [this](ProgressWindow& progress) {
      ++progress_windows_;
      QTimer::singleShot(0, &progress, [this, &progress] {
        if (during_run_) during_run_(progress);
        // A failed check above must not leave the modal loop running.
        if (progress.isVisible()) progress.StopAndClose();
      });
    });
    window_ = std::make_unique<MainWindow>(std::move(setup));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_COMPARE(prompter_->prompts().size(), size_t{2});
  }

  // The texts of the prompts after the two start-up notices.
  std::vector<std::string> Texts() const {
    const std::vector<std::string> all = prompter_->Texts();
    return {all.begin() + 2, all.end()};
  }

  // F5 with "Start OPTIMIZATION?" answered Yes; returns when the command has returned and,
  // unless the window is closing, the main window takes the keys again.
  void StartOptimization(std::function<void(ProgressWindow&)> during_run, bool closing = false) {
    during_run_ = std::move(during_run);
    prompter_->Plan(PromptAnswer::kYes);
    QTest::keyClick(window_.get(), Qt::Key_F5);
    during_run_ = nullptr;
    if (!closing) QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  std::string LayoutFile() const { return folder_->Read("data/7.25dia.tlf"); }

  QStringList StatusTexts() const {
    return {window_->StatusText(1), window_->StatusText(2), window_->StatusText(3)};
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    prompter_ = std::make_unique<testing::ScriptedPrompter>();
    save_dialogs_ = 0;
    progress_windows_ = 0;
  }

  void cleanup() {
    // The prompter the window holds goes after the window.
    window_.reset();
  }

  void RunsToTheEndThenOffersSaveAsAndTheViews() {
    OpenSmallJob(10);
    // The checks ask first; No starts nothing.
    prompter_->Plan(PromptAnswer::kNo);
    QTest::keyClick(window_.get(), Qt::Key_F5);
    QCOMPARE(Texts(), std::vector<std::string>{kStartQuestion});
    QCOMPARE(progress_windows_, 0);
    QCOMPARE(save_dialogs_, 0);

    StartOptimization([](ProgressWindow& progress) {
      QCOMPARE(progress.objectName(), QStringLiteral("Progress"));
      QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Preparing..."));
      QCOMPARE(CommandText(progress), QStringLiteral("Stop"));
      QCOMPARE(LabelText(progress, "Hdlbl"), QStringLiteral("Total Layouts      Overall Yield"));
      QCOMPARE(LabelText(progress, "tIMElBL"), QStringLiteral("Time Remaining"));
      QVERIFY(WaitForEnd(progress));
      QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Optimization done."));
      QCOMPARE(LabelText(progress, "NOLlbl"), QStringLiteral("8"));
      QCOMPARE(LabelText(progress, "Yieldlbl"), QStringLiteral("89.45"));
      QCOMPARE(LabelText(progress, "Comblbl"), QStringLiteral("0/1"));
      QCOMPARE(LabelText(progress, "PercentLbl"), QStringLiteral("[100.00%]"));
      // "Maximum Yield" is the objective: its statistic is the red one.
      QVERIFY(IsBrightRed(Find<QLabel>(&progress, "Yieldlbl")));
      QVERIFY(!IsBrightRed(Find<QLabel>(&progress, "NOLlbl")));
      QVERIFY(!Find<QProgressBar>(&progress, "PBar")->isVisible());
      QVERIFY(!Find<QLabel>(&progress, "Comblbl")->isVisible());
      QVERIFY(!Find<QLabel>(&progress, "PercentLbl")->isVisible());
      QVERIFY(Find<QLabel>(&progress, "NOLlbl")->isVisible());
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
      QVERIFY(!progress.isVisible());
    });
    QCOMPARE(progress_windows_, 1);
    // The same result as the command line's, written into the job's working dia.tlf.
    QCOMPARE(LayoutFile(), testing::TestDataBytes("engine2d/runs/small_yield.tlf"));
    QCOMPARE(window_->job().settings.resume_pass, 20);
    QCOMPARE(save_dialogs_, 1);
    // The result windows are not part of the program yet: their notices follow Save As.
    QCOMPARE(Texts(), (std::vector<std::string>{kStartQuestion, kStartQuestion,
                                                "Layouts is not available yet.",
                                                "Report is not available yet."}));
    QCOMPARE(StatusTexts(),
             (QStringList{"Overall Yield (%) = 89.45", "Total Layouts = 8", "Profit = 3080"}));
    QVERIFY(window_->job().settings.job_changed);
  }

  void ARefusedRunLeavesTheResultAlone() {
    OpenSmallJob(10);
    Grid& glass = window_->job().glass;
    glass.SetRows(2);
    ClearTable(glass);
    folder_->Write("data/7.25dia.tlf", "earlier");
    window_->job().settings.resume_pass = 3;
    // Without glass the checks start at once, before BLADE is written; the driver refuses.
    during_run_ = [](ProgressWindow& progress) {
      QVERIFY(WaitForEnd(progress));
      QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Wrong BLADE specfied."));
      QVERIFY(!Find<QLabel>(&progress, "Hdlbl")->isVisible());
      QVERIFY(!Find<QProgressBar>(&progress, "PBar")->isVisible());
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
    };
    QTest::keyClick(window_.get(), Qt::Key_F5);
    QCOMPARE(progress_windows_, 1);
    QCOMPARE(LayoutFile(), std::string("earlier"));
    QCOMPARE(window_->job().settings.resume_pass, 3);
    QCOMPARE(save_dialogs_, 1);
  }

  void StopAndContinueFromTheStoppedPass() {
    OpenSmallJob(32767);
    StartOptimization([](ProgressWindow& progress) {
      auto* bar = Find<QProgressBar>(&progress, "PBar");
      QTRY_VERIFY(bar->value() >= 1);
      QCOMPARE(bar->maximum(), 65534);
      // Only the button ends a run.
      QTest::keyClick(&progress, Qt::Key_Escape);
      QVERIFY(progress.isVisible());
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
      QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Terminating..."));
      QVERIFY(WaitForEnd(progress));
      QCOMPARE(LabelText(progress, "Msglbl").toStdString(), std::string(kStoppedMessage));
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
    });
    const int32_t stopped_at = window_->job().settings.resume_pass;
    QVERIFY(stopped_at >= 1 && stopped_at < 65534);
    QVERIFY(!LayoutFile().empty());
    const ResultStatus status = ResultStatusTexts(window_->job());
    QVERIFY(status.error.empty());
    QCOMPARE(window_->StatusText(2).toStdString(), status.status.layouts);

    std::vector<int> shown_passes;
    StartOptimization([&shown_passes](ProgressWindow& progress) {
      auto* bar = Find<QProgressBar>(&progress, "PBar");
      connect(bar, &QProgressBar::valueChanged, bar, [&shown_passes](int value) {
        if (value > 0) shown_passes.push_back(value);
      });
      QTRY_VERIFY(!shown_passes.empty());
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
      QVERIFY(WaitForEnd(progress));
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
    });
    // The continued run re-ran the pass it had stopped at, and went on from there.
    QVERIFY(!shown_passes.empty());
    QCOMPARE(shown_passes.front(), stopped_at);
    QVERIFY(window_->job().settings.resume_pass >= stopped_at);
    QCOMPARE(save_dialogs_, 2);
  }

  void AChangeAfterAnOptimizationAsksAndYesDropsTheLayouts() {
    OpenSmallJob(1);
    StartOptimization([](ProgressWindow& progress) {
      QVERIFY(WaitForEnd(progress));
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
    });
    const std::string layouts = LayoutFile();
    QVERIFY(!layouts.empty());
    const QStringList figures = StatusTexts();
    QVERIFY(figures[0].startsWith(QStringLiteral("Overall Yield (%) = ")));
    QVERIFY(!figures[0].endsWith(QStringLiteral("NA")));
    QVERIFY(window_->job().settings.resume_pass > 0);

    QTest::keyClick(window_.get(), Qt::Key_F3);
    QMdiSubWindow* glass = window_->FindChildWindow(ChildWindow::kGlass);
    QVERIFY(glass != nullptr);
    auto* grid = Find<GridWidget>(glass, "FG");
    grid->SetCurrentCell(1, 5);
    const std::string quantity = grid->grid().Text(1, 5);
    const size_t asked = prompter_->prompts().size();

    prompter_->Plan(PromptAnswer::kNo);
    QTest::keyClick(grid, Qt::Key_7);
    QCOMPARE(prompter_->Texts().back(), std::string(kChangeQuestion));
    QCOMPARE(grid->grid().Text(1, 5), quantity);
    QCOMPARE(LayoutFile(), layouts);
    QCOMPARE(StatusTexts(), figures);

    prompter_->Plan(PromptAnswer::kYes);
    QTest::keyClick(grid, Qt::Key_7);
    QCOMPARE(prompter_->prompts().size(), asked + 2);
    QCOMPARE(grid->grid().Text(1, 5), quantity + "7");
    QVERIFY(LayoutFile().empty());
    QCOMPARE(StatusTexts(),
             (QStringList{"Overall Yield (%) = NA", "Total Layouts = NA", "Profit = NA"}));
    QCOMPARE(window_->job().settings.resume_pass, 0);
    // Later changes need no question: there are no layouts to lose.
    QTest::keyClick(grid, Qt::Key_7);
    QCOMPARE(prompter_->prompts().size(), asked + 2);
  }

  void ClosingTheMainWindowDuringARunAsksAndStopsIt() {
    OpenSmallJob(32767);
    QSignalSpy closed(window_.get(), &MainWindow::Closed);
    StartOptimization(
        [this](ProgressWindow& progress) {
          QTRY_VERIFY(Find<QProgressBar>(&progress, "PBar")->value() >= 1);
          prompter_->Plan(PromptAnswer::kNo);
          QVERIFY(!window_->close());
          QCOMPARE(prompter_->prompts().back().text, std::string(kStopRunQuestion));
          QCOMPARE(prompter_->prompts().back().buttons, PromptButtons::kYesNo);
          QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Optimizing..."));
          QCOMPARE(CommandText(progress), QStringLiteral("Stop"));

          prompter_->Plan(PromptAnswer::kYes);
          // The save question of the close that follows the run.
          prompter_->Plan(PromptAnswer::kNo);
          QVERIFY(!window_->close());
          QCOMPARE(LabelText(progress, "Msglbl"), QStringLiteral("Terminating..."));
          // The window closes by itself once the run has ended.
          QTRY_VERIFY_WITH_TIMEOUT(!progress.isVisible(), 20000);
        },
        /*closing=*/true);
    QTRY_COMPARE(closed.count(), 1);
    QVERIFY(!window_->isVisible());
    QCOMPARE(Texts(), (std::vector<std::string>{kStartQuestion, kStopRunQuestion, kStopRunQuestion,
                                                "Save changes in current file?"}));
    // The run's result stayed with the job, and Save As was not offered on the way out.
    QVERIFY(window_->job().settings.resume_pass >= 1);
    QVERIFY(!LayoutFile().empty());
    QCOMPARE(save_dialogs_, 0);
  }

  void HelpOpensFromTheMainWindowAndTheProgressWindow() {
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
    OpenSmallJob(1);
    QTest::keyClick(window_.get(), Qt::Key_F1);
    QCOMPARE(browser.urls.size(), 1);
    StartOptimization([&browser](ProgressWindow& progress) {
      QTRY_VERIFY(progress.isActiveWindow());
      QTest::keyClick(&progress, Qt::Key_F1);
      QCOMPARE(browser.urls.size(), 2);
      QVERIFY(WaitForEnd(progress));
      QTest::mouseClick(Find<QPushButton>(&progress, "cmd"), Qt::LeftButton);
    });
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    for (const QUrl& url : browser.urls) {
      QVERIFY2(url.toLocalFile().contains(QStringLiteral("/help/")), qPrintable(url.toString()));
      QVERIFY(QFileInfo::exists(url.toLocalFile()));
    }
    QCOMPARE(browser.urls[1].fileName(), QStringLiteral("optimizing.html"));
    QCOMPARE(browser.urls[1].fragment(), QStringLiteral("progress"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::ProgressWindowTest)
#include "progress_window_test.moc"
