#include "gui/job/job_window_factories.h"

#include "gui/job/basic_details_window.h"
#include "gui/job/glass_window.h"
#include "gui/job/sheet_window.h"

namespace lumora {

JobWindowContext JobWindowContextOf(MainWindow& window) {
  return {window.job(), window.prompter(), [&window] { return window.ResultActions(); },
          window.file_dialog()};
}

void AddJobWindows(MainWindowSetup& setup) {
  setup.child_factories[ChildWindow::kBasicDetails] = [](MainWindow& window) -> QWidget* {
    return new BasicDetailsWindow(JobWindowContextOf(window));
  };
  setup.child_factories[ChildWindow::kSheet] = [](MainWindow& window) -> QWidget* {
    return new SheetWindow(JobWindowContextOf(window));
  };
  setup.child_factories[ChildWindow::kGlass] = [](MainWindow& window) -> QWidget* {
    return new GlassWindow(JobWindowContextOf(window));
  };
}

}  // namespace lumora
