#ifndef LUMORA_GUI_ENGINE2D_PROGRESS_WINDOW_H_
#define LUMORA_GUI_ENGINE2D_PROGRESS_WINDOW_H_

#include <QDialog>
#include <array>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include "core/deep/deep_optimization.h"
#include "core/engine2d/optimization.h"
#include "core/engine2d/progress.h"
#include "core/job/job.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace lumora {

// The Progress window ("Progress"): runs the optimization of a job on a worker thread as soon
// as it is shown and follows it pass by pass, so the window never freezes. Its button "cmd"
// reads "Stop" during the run (the run then ends at the end of the current pass) and "OK"
// afterwards, which closes it. When the run ends the job takes its result: the working dia.tlf
// and the pass a stopped run continues from. The number beside the percentage has its caption
// ("Passes to go / improvements:", in a deep run "Search steps:"), and the end of a deep run says
// how its result compares with the standard one.
class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  // The job must outlive the window; the run reads the job as it is when the window is shown.
  explicit ProgressWindow(Job& job, QWidget* parent = nullptr);
  // A run still going is stopped at the end of its pass and waited for; its result is dropped.
  ~ProgressWindow() override;

  // Whether the run has ended (refused, done or stopped) and the job holds its result.
  bool finished() const { return state_ == State::kFinished; }
  // How the run ended; meaningful once finished.
  const OptimizationResult& result() const { return result_; }

  // Makes the run a deep optimization with this time limit in seconds; before the window is
  // shown.
  void SetDeepRun(double seconds) { deep_seconds_ = seconds; }

  // Stops the run at the end of its pass and closes the window once the run has ended (at once
  // when it has already ended).
  void StopAndClose();

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class State { kReady, kRunning, kFinished };

  void StartRun();
  void RunStandard(const OptimizationSettings& settings);
  void RunDeep(const OptimizationSettings& settings);
  void CommandClicked();
  // Puts a text on the message label, the window growing to show all of it.
  void ShowMessage(const QString& text);
  void ShowStart(const ProgressStart& start);
  void ShowFigures(const ProgressFigures& figures);
  void ShowLatestFigures();
  void FinishRun();
  // Called on the worker thread after every pass. The first figures of a run are always shown;
  // later ones are shown as often as the window keeps up, the newest first.
  void PostFigures(const ProgressFigures& figures);

  Job& job_;
  // The job as the run reads it: the worker never touches the live job.
  std::optional<Job> run_job_;
  std::thread worker_;
  std::atomic<bool> stop_requested_{false};
  bool first_figures_posted_ = false;  // worker thread only
  std::mutex figures_mutex_;
  std::optional<ProgressFigures> latest_figures_;  // guarded by figures_mutex_
  OptimizationResult result_;                      // the worker's until it is joined
  std::optional<DeepFigures> deep_figures_;        // the same; a deep run's
  State state_ = State::kReady;
  bool started_ = false;
  bool close_when_finished_ = false;
  std::optional<double> deep_seconds_;
  // Of a deep run, written by the worker until it is joined: the objective and the standard
  // engine's result it started from, which its end compares with.
  Objective deep_objective_ = Objective::kNone;

  QProgressBar* progress_bar_;
  QPushButton* command_;
  QLabel* passes_label_;
  QLabel* passes_caption_;
  std::array<QLabel*, 3> time_labels_{};  // TimeStLbl1 to TimeStLbl3
  QLabel* percent_label_;
  QLabel* message_label_;
  QLabel* search_label_;  // what a deep search did, once it has ended
  QLabel* heading_label_;
  QLabel* yield_label_;
  QLabel* layouts_label_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_ENGINE2D_PROGRESS_WINDOW_H_
