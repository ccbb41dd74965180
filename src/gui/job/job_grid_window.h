#ifndef LUMORA_GUI_JOB_JOB_GRID_WINDOW_H_
#define LUMORA_GUI_JOB_JOB_GRID_WINDOW_H_

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "core/base/prompter.h"
#include "core/job/data_change.h"
#include "core/job/file_commands.h"
#include "core/job/job.h"
#include "gui/job/job_view.h"

class QKeyEvent;
class QVBoxLayout;

namespace lumora {

class GridWidget;

// What a job window works with: the job of the main window (its settings, flags and workspace),
// who answers its questions, and what dropping the result of an optimization means for the
// windows around it.
struct JobWindowContext {
  Job& job;
  Prompter& prompter;
  std::function<ResultViewActions()> result_actions;
  // The shared open/save dialog, for the list import.
  FileDialog file_dialog;
};

// Which job grid a window edits.
enum class JobGridKind { kBasic, kSheet, kGlass };

// A child window that edits one job grid. Its grid widget ("FG") is the live copy of the grid
// while the window is open; every key goes through the key rules, after the change
// confirmation and, in the Sheet and Glass grids, the lock of the other unit's columns. The
// working table is written when the window closes.
class JobGridWindow : public QWidget, public JobView {
  Q_OBJECT

 public:
  JobGridWindow(JobWindowContext context, JobGridKind kind, QWidget* parent = nullptr);

  GridWidget* grid_widget() const { return grid_; }
  JobGridKind kind() const { return kind_; }

  void StoreIntoJob(Job& job) const override;
  void LoadFromJob(const Job& job) override;
  void FocusGrid() override;

  // The caption for the current mode and unit ("Sheet Specifications     Unit: MM").
  QString Caption() const;
  // Sets the caption again; the window does so itself whenever it is shown or activated.
  void RefreshCaption();

  // The change confirmation: true at once without layouts, else the user's answer (a Yes drops
  // the layouts).
  bool ConfirmChange();

  // The Sheet and Glass windows import a list file ("Import Glass List...", "Import Stock
  // List...", or a file dropped on them): the mapping dialog over a preview, then the questions
  // of the import. Returns whether the grid changed. The command asks for the file first.
  bool ImportList(const std::string& path);
  void ImportListCommand();

 signals:
  // The grid's texts, rows or current cell changed; the window's labels follow it.
  void GridStateChanged();

 protected:
  Job& job() { return context_.job; }
  const Job& job() const { return context_.job; }
  Prompter& prompter() { return context_.prompter; }
  // The layout below the toolbar and the grid, for the window's own controls.
  QVBoxLayout* body() const { return body_; }

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool AllowKey(const QKeyEvent& event);
  void CellEdited(int row, int col);
  void ContentsChanged();

  JobWindowContext context_;
  JobGridKind kind_;
  GridWidget* grid_;
  QVBoxLayout* body_;
  bool watching_activation_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_JOB_GRID_WINDOW_H_
