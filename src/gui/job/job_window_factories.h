#ifndef LUMORA_GUI_JOB_JOB_WINDOW_FACTORIES_H_
#define LUMORA_GUI_JOB_JOB_WINDOW_FACTORIES_H_

#include "gui/job/job_grid_window.h"
#include "gui/shell/main_window.h"

namespace lumora {

// What a job window of this main window works with: its job, its prompter and its result views.
JobWindowContext JobWindowContextOf(MainWindow& window);

// Makes Basic Details, Sheet (Coil) Specifications and Glass Size Specifications part of the
// main window that opens with this setup.
void AddJobWindows(MainWindowSetup& setup);

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_JOB_WINDOW_FACTORIES_H_
