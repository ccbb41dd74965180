#include "gui/shell/job_recovery_keeper.h"

#include <QApplication>
#include <QTimer>

#include "core/base/version.h"
#include "core/shell/job_recovery.h"
#include "gui/shell/launcher.h"
#include "gui/shell/main_window.h"

namespace lumora {

JobRecoveryKeeper::JobRecoveryKeeper(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("JobRecoveryKeeper"));
  auto* timer = new QTimer(this);
  timer->setInterval(kRecoveryIntervalSeconds * 1000);
  connect(timer, &QTimer::timeout, this, &JobRecoveryKeeper::Keep);
  timer->start();
  connect(&window, &MainWindow::OptimizationEnded, this, &JobRecoveryKeeper::Keep);
  connect(&window, &MainWindow::Closed, this, [this] { DropKeptJob(window_.job().workspace); });
}

void JobRecoveryKeeper::Keep() {
  // A dialog may be running the engine on the job's grids, or be about to change them.
  if (QApplication::activeModalWidget() != nullptr) return;
  window_.StoreJobViews();
  const std::optional<std::string> failure = KeepJobForRecovery(window_.job(), RecoveryTimeNow());
  if (!failure) {
    failure_told_ = false;
    return;
  }
  if (failure_told_) return;
  failure_told_ = true;
  window_.prompter().Ask({.title = kApplicationTitle,
                          .text = *failure,
                          .icon = PromptIcon::kExclamation,
                          .buttons = PromptButtons::kOk,
                          .default_answer = PromptAnswer::kOk});
}

bool OfferJobRecovery(Launcher& launcher, Prompter& prompter, const std::string& data_folder) {
  const std::optional<KeptJob> kept = FindRecoverableJob(data_folder);
  if (!kept) return false;
  const PromptAnswer answer = prompter.Ask({.title = kApplicationTitle,
                                            .text = RecoverQuestionText(*kept),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kYesNo,
                                            .default_answer = PromptAnswer::kYes});
  if (answer != PromptAnswer::kYes) {
    DiscardKeptJob(*kept);
    return false;
  }
  MainWindow* window = launcher.OpenMainWindow(kept->coil_mode, kept->job_path);
  AdoptRecoveredJob(window->job(), *kept);
  window->setWindowTitle(QString::fromStdString(JobCaption(window->job())));
  return true;
}

}  // namespace lumora
