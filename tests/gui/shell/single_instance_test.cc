#include "gui/shell/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>

#include "core/engine2d/job_run.h"
#include "core/engine2d/optimization.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "gui/engine2d/optimization_runner.h"
#include "gui/engine2d/progress_window.h"
#include "gui/job/job_window_factories.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "support/folder_snapshot.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

constexpr const char* kRefusal = "Lumora is already running";
// Passes per stock size: far more than a test waits for, so the run is stopped by hand.
constexpr const char* kLongRunMiscSet = "\"MM\",\"32767\",\"FULL\"\r\n";

QProcessEnvironment DesktopEnvironment(const QString& runtime_folder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_folder);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return environment;
}

// Starts the desktop program and waits until it has refused to run beside the lock's holder;
// false when it does not say so in time. The refusal then waits for its message box: the
// process is killed.
bool RefusedSecondStart(const QString& runtime_folder, const QString& data_folder) {
  QProcess second;
  second.setProcessEnvironment(DesktopEnvironment(runtime_folder));
  second.start(QStringLiteral(LUMORA_DESKTOP_PATH), {QStringLiteral("--data-dir"), data_folder});
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

// The working dia.tlf an undisturbed run of the job file leaves when it is stopped after
// stop_after_pass, in a data folder of its own with the misc.set of the long run.
std::string UndisturbedResult(const testing::TempFolder& folder, const std::string& job_file,
                              int32_t stop_after_pass) {
  const std::string data = folder.File("reference");
  if (SeedDataFolder(data).has_value()) return "";
  folder.Write("reference/misc.set", kLongRunMiscSet);
  testing::ScriptedPrompter prompter;
  Job job = MakeJob(Workspace{data, "8.5"}, ProgramSettings{});
  if (!OpenJob(job, job_file, prompter)) return "";
  prompter.Plan(PromptAnswer::kYes);
  if (!StartOptimization(job, prompter).start) return "";
  int32_t last_pass = 0;
  OptimizationCallbacks callbacks;
  callbacks.progress = [&](const ProgressFigures& figures) { last_pass = figures.pass; };
  callbacks.stop_requested = [&] { return last_pass >= stop_after_pass; };
  const OptimizationResult result =
      RunOptimization(EngineJobOf(job), JobRunSettings(job), callbacks);
  if (StoreRunResult(job, result).has_value()) return "";
  return ReadFileBytes(job.workspace.WorkingFile("dia.tlf")).value_or("");
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void OneHolderPerKey() {
    QTemporaryDir folder;
    {
      SingleInstanceLock first(folder.path());
      QVERIFY(first.CheckMutex(QStringLiteral("Lumora")));
      SingleInstanceLock second(folder.path());
      QVERIFY(!second.CheckMutex(QStringLiteral("Lumora")));
      SingleInstanceLock other_key(folder.path());
      QVERIFY(other_key.CheckMutex(QStringLiteral("Other")));
    }
    // The lock goes with its holder.
    SingleInstanceLock later(folder.path());
    QVERIFY(later.CheckMutex(QStringLiteral("Lumora")));
  }

  // Runs the program twice with the same runtime folder: the second start says so and never
  // gets as far as preparing its data folder; the first runs on. A first instance that is
  // killed leaves its lock behind, and the next start takes it over.
  void ASecondStartIsRefused() {
    QTemporaryDir runtime;
    QTemporaryDir data;
    const QProcessEnvironment environment = DesktopEnvironment(runtime.path());
    const QString lock_file =
        SingleInstanceLock::LockFilePath(runtime.path(), QStringLiteral("Lumora"));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(LUMORA_DESKTOP_PATH),
                {QStringLiteral("--data-dir"), data.filePath(QStringLiteral("first"))});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock_file), 20000);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(LUMORA_DESKTOP_PATH),
                 {QStringLiteral("--data-dir"), data.filePath(QStringLiteral("second"))});
    QVERIFY(second.waitForStarted());
    QByteArray told;
    const auto refused = [&] {
      told += second.readAllStandardError();
      return told.contains(kRefusal);
    };
    QTRY_VERIFY_WITH_TIMEOUT(refused(), 20000);
    QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("second"))));
    QVERIFY(QFileInfo::exists(data.filePath(QStringLiteral("first/misc.set"))));
    // The first has claimed its start stamp in its data folder.
    QTRY_COMPARE(QDir(data.filePath(QStringLiteral("first")))
                     .entryList({QStringLiteral("*run.lst")}, QDir::Files)
                     .size(),
                 1);
    QCOMPARE(first.state(), QProcess::Running);

    // The refusal waits for its message box to be closed.
    second.kill();
    QVERIFY(second.waitForFinished());
    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(QFileInfo::exists(lock_file));
    SingleInstanceLock after_crash(runtime.path());
    QVERIFY(after_crash.CheckMutex(QStringLiteral("Lumora")));
  }

  // This process holds the lock as the desktop does and is in the middle of an optimization
  // when the program is started again: the second start is refused, and the run goes on to a
  // result that is byte for byte the one of a run nobody disturbed.
  void ASecondStartIsRefusedWhileTheFirstOptimizes() {
    QTemporaryDir runtime;
    SingleInstanceLock lock(runtime.path());
    QVERIFY(lock.CheckMutex(QStringLiteral("Lumora")));

    testing::TempFolder folder;
    const std::string data = folder.File("data");
    QVERIFY(!SeedDataFolder(data).has_value());
    folder.Write("data/misc.set", kLongRunMiscSet);
    const auto example = ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/small.opt");
    QVERIFY(example.has_value());
    const std::string job_file = folder.Write("small.opt", *example);

    testing::ScriptedPrompter prompter;
    MainWindowSetup setup;
    setup.workspace = {data, "7.25"};
    setup.prompter = &prompter;
    setup.command_line_file = job_file;
    setup.file_dialog = [](const FileDialogRequest&) { return std::optional<std::string>(); };
    AddJobWindows(setup);
    bool refused_while_running = false;
    std::string changes_by_refusal = "not refused";
    int pass_at_refusal = 0;
    bool went_on = false;
    bool stopped = false;
    AddOptimizationRunner(setup, [&](ProgressWindow& progress) {
      QTimer::singleShot(0, &progress, [&] {
        auto* bar = testing::FindWidget<QProgressBar>(&progress, QStringLiteral("PBar"));
        auto* command = testing::FindWidget<QPushButton>(&progress, QStringLiteral("cmd"));
        const bool busy = QTest::qWaitFor([&] { return bar->value() >= 1; }, 20000);
        // Started on the same data folder, it must not even claim a stamp there.
        const testing::FolderSnapshot before = testing::SnapshotFolder(data);
        if (busy && RefusedSecondStart(runtime.path(), QString::fromStdString(data))) {
          changes_by_refusal.clear();
          for (const std::string& change :
               testing::FolderChanges(before, testing::SnapshotFolder(data))) {
            changes_by_refusal += change + " ";
          }
          refused_while_running = command->text() == QStringLiteral("Stop");
          pass_at_refusal = bar->value();
          // The run goes on after the refusal.
          went_on = QTest::qWaitFor([&] { return bar->value() > pass_at_refusal; }, 20000);
        }
        QTest::mouseClick(command, Qt::LeftButton);
        stopped = QTest::qWaitFor([&] { return command->text() == QStringLiteral("OK"); }, 20000);
        QTest::mouseClick(command, Qt::LeftButton);
      });
    });
    MainWindow window(std::move(setup));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The job's two start-up view notices come first.
    QTRY_COMPARE(prompter.prompts().size(), size_t{2});
    prompter.Plan(PromptAnswer::kYes);
    QTest::keyClick(&window, Qt::Key_F5);

    QVERIFY(refused_while_running);
    QVERIFY(went_on);
    QVERIFY(stopped);
    QCOMPARE(changes_by_refusal, std::string());
    const int32_t stopped_after = window.job().settings.resume_pass;
    QVERIFY(stopped_after > pass_at_refusal);
    const std::string result = folder.Read("data/7.25dia.tlf");
    QVERIFY(!result.empty());
    QCOMPARE(result, UndisturbedResult(folder, job_file, stopped_after));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::SingleInstanceTest)
#include "single_instance_test.moc"
