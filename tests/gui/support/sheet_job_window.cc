#include "gui/support/sheet_job_window.h"

#include <string>
#include <utility>

#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "gui/reports/result_window_factories.h"

namespace lumora::testing {

std::optional<MainWindowSetup> SheetJobSetup(const TempFolder& folder, Prompter* prompter) {
  if (SeedDataFolder(folder.File("data")).has_value()) return std::nullopt;
  const auto job = ReadFileBytes(std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt");
  if (!job) return std::nullopt;
  MainWindowSetup setup;
  setup.workspace = {folder.File("data"), "4.5"};
  setup.prompter = prompter;
  setup.file_dialog = [](const FileDialogRequest&) { return std::optional<std::string>(); };
  setup.command_line_file = folder.Write("sheet_job.opt", *job);
  AddResultWindows(setup);
  return setup;
}

}  // namespace lumora::testing
