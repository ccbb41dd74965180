#ifndef LUMORA_TESTS_GUI_SUPPORT_SHEET_JOB_WINDOW_H_
#define LUMORA_TESTS_GUI_SUPPORT_SHEET_JOB_WINDOW_H_

#include <optional>

#include "core/shell/prompter.h"
#include "gui/shell/main_window.h"
#include "support/temp_folder.h"

namespace lumora::testing {

// A main window setup with the result windows that opens a copy of the sheet job of the report
// tests, in a data folder seeded under folder. nullopt when the data folder cannot be seeded or
// the job cannot be read.
std::optional<MainWindowSetup> SheetJobSetup(const TempFolder& folder, Prompter* prompter);

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_GUI_SUPPORT_SHEET_JOB_WINDOW_H_
