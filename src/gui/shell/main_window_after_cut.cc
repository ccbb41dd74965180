#include <QAction>
#include <QMdiSubWindow>

#include "core/base/version.h"
#include "core/deep/deep_settings_file.h"
#include "core/job/job_messages.h"
#include "core/library/data_tables.h"
#include "core/reports/layout_print.h"
#include "gui/library/library_windows.h"
#include "gui/shell/main_window.h"

// The main window's commands for what follows the cut: the density table, the rack plan, the
// leftovers of the deep optimization and the recut of broken pieces.
namespace lumora {

void MainWindow::DensityTableCommand() {
  DataTableWindow window(job_.workspace, DensityTable(), prompter(), this);
  window.exec();
}

void MainWindow::ViewRackPlan() { ShowView(ChildWindow::kRackPlan); }

void MainWindow::StoreLeftoverSettings() {
  const LeftoverSettings settings{leftovers_first_->isChecked(), keep_leftover_->isChecked()};
  if (const auto error = WriteLeftoverSettings(job_.workspace, settings)) {
    prompter().Ask({std::string(kApplicationTitle), *error, PromptIcon::kExclamation});
  }
}

void MainWindow::RecutPieces(const std::vector<PiecePlace>& broken) {
  const auto tell = [this](const std::string& text) {
    prompter().Ask({std::string(kApplicationTitle), text, PromptIcon::kExclamation});
  };
  StoreJobViews();
  const ResultLoad load = LoadResult(job_);
  if (!load.error.empty()) return tell(load.error);
  const RecutJob recut =
      MakeWorkspaceRecutJob(job_, load.result, broken, FileTitle(job_.file_name));
  if (!recut.error.empty()) return tell(recut.error);
  const std::string path = RecutFileName(job_);
  if (const auto error = SaveFile(path, recut.bytes)) return tell(*error);
  if (const auto error = RecordRecut(job_, RecutRecords(load.result, broken, FileTitle(path)))) {
    return tell(*error);
  }
  // The record is a change of the job: the Save Changes question keeps it.
  job_.settings.job_changed = true;
  ShowWritten(path);
  OpenJobFile(path, false);
  if (job_.file_name == path) OpenChildWindow(ChildWindow::kGlass);
}

}  // namespace lumora
