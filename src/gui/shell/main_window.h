#ifndef LUMORA_GUI_SHELL_MAIN_WINDOW_H_
#define LUMORA_GUI_SHELL_MAIN_WINDOW_H_

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/base/prompter.h"
#include "core/base/unit_and_orn.h"
#include "core/job/data_change.h"
#include "core/job/file_commands.h"
#include "core/job/job.h"
#include "core/job/job_check.h"
#include "core/library/recut_job.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace lumora {

// The child windows the main window holds.
enum class ChildWindow { kBasicDetails, kSheet, kGlass, kReport, kLayouts, kBalance, kRackPlan };

class MainWindow;

// Builds the content of a child window. A content widget that is a JobView edits a job grid.
using ChildFactory = std::function<QWidget*(MainWindow&)>;
// Runs the optimization of the job (modally) once the checks before a run passed.
using OptimizationRunner = std::function<void(MainWindow&)>;

// What one opening of the main window starts with.
struct MainWindowSetup {
  Workspace workspace;
  // The program-wide settings; their mode flag chooses sheet or coil mode.
  ProgramSettings settings;
  // A job file named on the command line, opened when it exists.
  std::string command_line_file;
  // Who shows questions and notices; message boxes over the window when null.
  Prompter* prompter = nullptr;
  // The open/save dialog; the desktop's file dialog when empty.
  FileDialog file_dialog;
  // The child windows; every window the program opens has all of them.
  std::map<ChildWindow, ChildFactory> child_factories;
  // What F5 runs after the checks; required.
  OptimizationRunner optimization_runner;
};

// The multi-document frame that holds the job and result windows, with the menus, the toolbar
// and the four-panel status bar. It keeps the job and forwards every command to the core job
// operations; the child windows come from factories, so a window joins the program by
// handing one to the setup.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Opens "Defaults" and then the command-line job when it exists, else starts a new job. The
  // command-line job's Layouts and Report views follow once the event loop runs.
  explicit MainWindow(MainWindowSetup setup, QWidget* parent = nullptr);
  ~MainWindow() override;

  Job& job() { return job_; }
  const Job& job() const { return job_; }
  Prompter& prompter() { return *prompter_; }
  const FileDialog& file_dialog() const { return file_dialog_; }

  // Shows and activates a child window, building it when it is not open; a new job window is
  // loaded from the job first. Null when its factory builds nothing (a result view without
  // the Layouts window).
  QMdiSubWindow* OpenChildWindow(ChildWindow kind);
  QMdiSubWindow* FindChildWindow(ChildWindow kind) const;
  // Closes a child window; the job takes the grid of a job window.
  void CloseChildWindow(ChildWindow kind);
  // Closes the Layouts, Report, Balance And Scrap Table and Rack Plan windows; the layouts stay.
  void CloseResultViews();
  // What dropping or hiding the result means for this window, for the change confirmation.
  ResultViewActions ResultActions();
  // The window title of a child window in the current mode ("Coil Specifications" ...).
  QString ChildCaption(ChildWindow kind) const;

  // Takes the grids of the open job windows into the job, and shows the job's grids again.
  void StoreJobViews();
  void LoadJobViews();

  // Opens a job file as "&Open..." does, with the file given instead of chosen (a dropped file);
  // the Save Changes question comes first. Without show_views the job's views stay closed.
  void OpenJobFile(const std::string& path, bool show_views = true);

  // The view commands: "This file was not optimized." without layouts, else the Layouts window
  // is reopened and the asked-for window shown and activated.
  void ShowView(ChildWindow kind);

  // Status panels 1 to 4. ResetStatusTexts writes the three "= NA" texts and the version.
  void ResetStatusTexts();
  void SetStatusText(int panel, const QString& text);
  QString StatusText(int panel) const;

  // Tells on the status bar, for a while, which file a command wrote.
  void ShowWritten(const std::string& path);

  // Puts the figures of the job's result in dia.tlf on status panels 1 to 3 ("Overall Yield (%)
  // = 89.45" ...), or the "= NA" texts when there is no result to show.
  void ShowResultStatus();

  // Recut after breakage: writes the job of the broken pieces beside the job file, records them
  // in the job, and opens the recut job after the Save Changes question, its glass sizes shown.
  void RecutPieces(const std::vector<PiecePlace>& broken);

  // A toolbar button by its object name ("TB6"); null when there is none.
  QAction* ToolbarButton(QLatin1StringView name) const;

  // Set by the optimization runner while its run goes on: how to stop the run and close its
  // window. Closing the main window during the run asks first and then uses it.
  void SetRunStopper(std::function<void()> stop) { run_stopper_ = std::move(stop); }
  // The time limit in seconds while the run being started is a deep optimization.
  std::optional<double> deep_run() const { return deep_run_; }

 signals:
  // The window is closing for good (the save question was not cancelled).
  void Closed();
  // A change of job data dropped the layouts.
  void ResultDropped();
  // An optimization run has ended and left its result in the job.
  void OptimizationEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  QAction* AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                       void (MainWindow::*command)());

  void FileNewCommand();
  void FileOpenCommand();
  // With show_views the job's Layouts and Report views follow.
  void OpenJobWith(const FileDialog& dialog, bool show_views = true);
  // After a job was opened: its status figures, then its Layouts and Report views.
  void ShowOpenedJob();
  void FileSaveCommand();
  void FileSaveAsCommand();
  void FileSaveAsDefaultsCommand();
  void EditBasicDetails();
  void EditSheet();
  void EditGlass();
  void StartOptimizationCommand();
  void DeepOptimizationCommand();
  // "Cutting Line...": the rules of the job's cutting table.
  void CuttingLineCommand();
  void ChooseObjective();
  void ViewReport();
  void ViewLayouts();
  void ViewBalance();
  void UnitConversionTool();
  void ChangeUnitToInch();
  void ChangeUnitToMM();
  // "Define Labels..." while a job is open, as the launcher's Configure offers it.
  void DefineLabels();
  void DensityTableCommand();
  void ViewRackPlan();
  // "Use leftovers first" and "Keep one leftover": the check marks into leftover.set.
  void StoreLeftoverSettings();
  void OpenHelp();
  void ShowAbout();

  void ChangeUnit(Unit unit);
  void ShowUnitPair(Unit unit);
  // Shows the caption, the objective marks and the unit of the job after a job command.
  void RefreshFromJob();
  void FocusJobGrid(JobGridId grid);
  void ChildClosing(ChildWindow kind, QWidget* content);

  Job job_;
  Prompter* prompter_;
  std::unique_ptr<Prompter> own_prompter_;
  FileDialog file_dialog_;
  OptimizationRunner runner_;
  bool optimization_running_ = false;
  std::function<void()> run_stopper_;
  // The window was asked to close during a run: it closes once the run has ended.
  bool close_after_run_ = false;
  std::optional<double> deep_run_;

  QMdiArea* mdi_area_;
  std::map<ChildWindow, ChildFactory> factories_;
  std::map<ChildWindow, QPointer<QMdiSubWindow>> children_;

  QAction* edit_sheet_ = nullptr;
  QAction* maximum_yield_ = nullptr;
  QAction* minimum_layouts_ = nullptr;
  QAction* leftovers_first_ = nullptr;
  QAction* keep_leftover_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QActionGroup* unit_pair_ = nullptr;
  std::array<QLabel*, 4> status_panels_{};
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_MAIN_WINDOW_H_
