#ifndef LUMORA_GUI_JOB_JOB_VIEW_H_
#define LUMORA_GUI_JOB_JOB_VIEW_H_

#include "core/job/job.h"

namespace lumora {

// A child window of the main window that edits one of the job grids (Basic Details, Sheet or
// Coil Specifications, Glass Size Specifications). Its grid is the live copy while it is open:
// the main window takes the grid into the job before every job command and shows the job's grid
// again after it, and takes the grid once more when the window closes. The window itself writes
// its working table as it closes.
class JobView {
 public:
  virtual ~JobView() = default;

  // Copies the grid being edited into its place in the job.
  virtual void StoreIntoJob(Job& job) const = 0;
  // Shows the job's grid (and the unit in the caption where the window shows one).
  virtual void LoadFromJob(const Job& job) = 0;
  // Gives the window's grid the keyboard focus.
  virtual void FocusGrid() = 0;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_JOB_VIEW_H_
