#ifndef LUMORA_GUI_ENGINE2D_OPTIMIZATION_RUNNER_H_
#define LUMORA_GUI_ENGINE2D_OPTIMIZATION_RUNNER_H_

#include <functional>

#include "gui/shell/main_window.h"

namespace lumora {

class ProgressWindow;

// Makes the Progress window the optimization run of the main window that opens with this
// setup: shown modally over the main window, which can stop it while it is closed. `opened`,
// when given, sees each Progress window before it is shown.
void AddOptimizationRunner(MainWindowSetup& setup,
                           std::function<void(ProgressWindow&)> opened = {});

}  // namespace lumora

#endif  // LUMORA_GUI_ENGINE2D_OPTIMIZATION_RUNNER_H_
