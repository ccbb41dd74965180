#include "gui/engine2d/optimization_runner.h"

#include <utility>

#include "gui/engine2d/progress_window.h"

namespace lumora {

void AddOptimizationRunner(MainWindowSetup& setup, std::function<void(ProgressWindow&)> opened) {
  setup.optimization_runner = [opened = std::move(opened)](MainWindow& window) {
    ProgressWindow progress(window.job(), &window);
    if (const auto seconds = window.deep_run()) progress.SetDeepRun(*seconds);
    if (opened) opened(progress);
    window.SetRunStopper([&progress] { progress.StopAndClose(); });
    progress.exec();
    window.SetRunStopper({});
  };
}

}  // namespace lumora
