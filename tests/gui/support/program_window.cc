#include "gui/support/program_window.h"

#include <QDropEvent>
#include <QListWidget>

#include "core/job/job_sections.h"
#include "core/shell/data_folder.h"
#include "gui/engine2d/optimization_runner.h"
#include "gui/engine2d/progress_window.h"
#include "gui/job/job_window_factories.h"
#include "gui/library/item_choice_window.h"
#include "gui/reports/result_window_factories.h"

namespace lumora::testing {

ProgramWindow::ProgramWindow() {
  if (SeedDataFolder(folder.File("data")).has_value()) qFatal("cannot seed the data folder");
}

void ProgramWindow::Open(bool coil_mode, const std::string& job) {
  window.reset();
  MainWindowSetup setup;
  setup.workspace = {folder.File("data"), "7.25"};
  setup.settings.coil_mode = coil_mode;
  setup.command_line_file = job;
  setup.prompter = &prompter;
  setup.file_dialog = dialog.Callback();
  AddJobWindows(setup);
  AddResultWindows(setup);
  AddOptimizationRunner(setup, [this](ProgressWindow& progress) {
    QTimer::singleShot(0, &progress, [this, &progress] {
      if (during_run) {
        during_run(progress);
      } else {
        EndAndConfirm(progress);
      }
      // A failed check above must not leave the modal loop running.
      if (progress.isVisible()) progress.StopAndClose();
    });
  });
  window = std::make_unique<MainWindow>(std::move(setup));
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qFatal("main window not active");
}

void ProgramWindow::Optimize(std::function<void(ProgressWindow&)> act, Qt::KeyboardModifiers keys) {
  during_run = std::move(act);
  prompter.Plan(PromptAnswer::kYes);
  QTest::keyClick(window.get(), Qt::Key_F5, keys);
  during_run = nullptr;
  // The keys go to the main window again once it is active.
  if (!window->isVisible()) return;
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

GridWidget* ProgramWindow::OpenGrid(Qt::Key key, ChildWindow kind) {
  QTest::keyClick(window.get(), key);
  return FindWidget<GridWidget>(window->FindChildWindow(kind), "FG");
}

std::string ProgramWindow::Working(const std::string& name) const {
  return ReadFileBytes(folder.File("data/7.25" + name), kJobFileLimit).value_or("");
}

QStringList ProgramWindow::StatusTexts() const {
  return {window->StatusText(1), window->StatusText(2), window->StatusText(3)};
}

std::string SmallJobBytes() {
  const auto example = ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/small.opt", kJobFileLimit);
  if (!example) qFatal("no small.opt");
  return *example;
}

bool EndAndConfirm(ProgressWindow& progress) {
  auto* command = FindWidget<QPushButton>(&progress, "cmd");
  if (!QTest::qWaitFor([command] { return command->text() == QStringLiteral("OK"); }, 20000)) {
    return false;
  }
  QTest::mouseClick(command, Qt::LeftButton);
  return true;
}

void Type(GridWidget* grid, int row, int col, const char* keys) {
  grid->SetCurrentCell(row, col);
  QTest::keyClicks(grid, keys);
}

void ChooseEntry(const QString& entry, QStringList* offered) {
  WhenShown<ItemChoiceWindow>([entry, offered](ItemChoiceWindow& dialog) {
    for (int i = 0; i < dialog.list()->count(); ++i) {
      offered->append(dialog.list()->item(i)->text());
      if (dialog.list()->item(i)->text() == entry) dialog.list()->setCurrentRow(i);
    }
    Click(&dialog, "cmd");
  });
}

void DropOn(QWidget* target, const QMimeData& data) {
  const QPoint middle = target->rect().center();
  QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

}  // namespace lumora::testing
