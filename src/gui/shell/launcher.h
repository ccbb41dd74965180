#ifndef LUMORA_GUI_SHELL_LAUNCHER_H_
#define LUMORA_GUI_SHELL_LAUNCHER_H_

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/job/file_commands.h"
#include "core/job/program_settings.h"

class QScreen;

namespace lumora {

class MainWindow;

// What the launcher works with for the whole run of the program.
struct LauncherSetup {
  Workspace workspace;
  // The job file named on the command line; opened at the first showing when it exists.
  std::string command_line_file;
  // Who shows questions and notices (in the launcher and its main windows); message boxes
  // when null.
  Prompter* prompter = nullptr;
  // The open/save dialog of the main windows; the desktop's file dialog when empty.
  FileDialog file_dialog;
};

// The launcher in front of the main window: fills the desktop work area in its colours and
// offers the modules by its eight buttons "cmd0" to "cmd7". The first time it is shown it opens
// the command-line job in the main window, or else shows the About window as the start-up
// screen. While a main window is open the launcher stays inactive. Exit (and closing the
// launcher) removes the run's working files. Object name "Launcher".
class Launcher : public QWidget {
  Q_OBJECT

 public:
  explicit Launcher(LauncherSetup setup, QWidget* parent = nullptr);
  ~Launcher() override;

  // The open main window, or null.
  MainWindow* main_window() const;
  const ProgramSettings& settings() const { return settings_; }

  // Opens the main window in sheet or coil mode with a job file (when it exists).
  MainWindow* OpenMainWindow(bool coil_mode, const std::string& job_file = {});

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FirstShown();
  void FillWorkArea();
  void ShowAbout();
  void ShowConfigure();
  void Exit();
  Prompter& prompter() { return *prompter_; }

  LauncherSetup setup_;
  ProgramSettings settings_;
  Prompter* prompter_;
  std::unique_ptr<Prompter> own_prompter_;
  QPointer<MainWindow> main_window_;
  QPointer<QScreen> screen_;
  bool first_shown_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_LAUNCHER_H_
