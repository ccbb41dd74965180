#ifndef LUMORA_GUI_SHELL_JOB_RECOVERY_KEEPER_H_
#define LUMORA_GUI_SHELL_JOB_RECOVERY_KEEPER_H_

#include <QObject>
#include <string>

#include "core/base/prompter.h"

namespace lumora {

class Launcher;
class MainWindow;

// Keeps the main window's job for crash recovery every minute and after every optimization,
// while it has unsaved changes, but never while a dialog is open (a run, a question); the
// window closing removes what was kept. The first failure to keep it is told, the next ones
// only after keeping has worked again. Object name "JobRecoveryKeeper".
class JobRecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  explicit JobRecoveryKeeper(MainWindow& window);

  void Keep();

 private:
  MainWindow& window_;
  bool failure_told_ = false;
};

// At the start of the program: offers the job that a run which is gone kept ("Recover the job
// you were working on?" with its name and time). Yes opens it in the launcher's main window as
// an unsaved change of its file, No discards it. Answers whether a job was opened.
bool OfferJobRecovery(Launcher& launcher, Prompter& prompter, const std::string& data_folder);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_JOB_RECOVERY_KEEPER_H_
