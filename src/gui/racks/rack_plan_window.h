#ifndef LUMORA_GUI_RACKS_RACK_PLAN_WINDOW_H_
#define LUMORA_GUI_RACKS_RACK_PLAN_WINDOW_H_

#include <QWidget>
#include <array>

#include "core/base/prompter.h"
#include "core/job/job.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace lumora {

class GridWidget;

// "Rack Plan" ("RackPlan"): where the pieces of the job's result stand after the cut, by the
// data folder's racks.dat, in three tabs of "tabs", each a read-only grid "FG" under the grid
// toolbar "TB": "Rack Plan" (a row per piece by rack and slot), "Racks" (each rack's load
// against its most) and "Not Racked" (the pieces no rack takes, and why). "lblSummary" counts the
// pieces and tells what the plan lacks; "Rack Library..." ("cmdRacks") edits racks.dat and plans
// again.
class RackPlanWindow : public QWidget {
  Q_OBJECT

 public:
  RackPlanWindow(const Job& job, Prompter& prompter, QWidget* parent = nullptr);

  GridWidget* grid(int tab) const { return grids_[static_cast<size_t>(tab)]; }
  QLabel* summary() const { return summary_; }

 private:
  // Plans the racks again and shows the plan.
  void Plan();
  void EditRacks();

  const Job& job_;
  Prompter& prompter_;
  QLabel* summary_;
  QTabWidget* tabs_;
  std::array<GridWidget*, 3> grids_{};
  QPushButton* racks_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_RACKS_RACK_PLAN_WINDOW_H_
