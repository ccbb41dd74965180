#ifndef LUMORA_GUI_REPORTS_RESULT_WINDOW_FACTORIES_H_
#define LUMORA_GUI_REPORTS_RESULT_WINDOW_FACTORIES_H_

#include "gui/shell/main_window.h"

namespace lumora {

// Makes the Layouts, Report and Balance And Scrap Table windows part of the main window that
// opens with this setup. The Layouts window puts the report's totals on its status bar.
void AddResultWindows(MainWindowSetup& setup);

}  // namespace lumora

#endif  // LUMORA_GUI_REPORTS_RESULT_WINDOW_FACTORIES_H_
