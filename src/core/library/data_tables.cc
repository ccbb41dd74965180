#include "core/library/data_tables.h"

#include "core/job/job_messages.h"
#include "core/library/library_files.h"
#include "core/racks/rack_library.h"
#include "core/reports/weights.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {

const DataTable& DensityTable() {
  static const std::vector<std::string> headers = {"ITEM", "DENSITY"};
  static const DataTable table{"DENSITY", "Density Table", kDensityFileName, "density.tlf",
                               headers};
  return table;
}

const DataTable& RackLibraryTable() {
  static const DataTable table{"RACKS", "Rack Library", kRackLibraryFileName, "racks.tlf",
                               RackLibraryHeaders()};
  return table;
}

Grid LoadDataTableGrid(const Workspace& workspace, const DataTable& table) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(table.headers));
  RenumberRows(grid);
  grid.tag = workspace.SettingsFile(table.file);
  LoadTable(grid);
  grid.tag = workspace.WorkingFile(table.working_file);
  return grid;
}

bool CloseDataTable(Grid& grid, const Workspace& workspace, const DataTable& table,
                    Prompter& prompter) {
  if (!AskSaveLibraryChanges(prompter)) return true;
  grid.tag = workspace.SettingsFile(table.file);
  if (const auto reason = SaveTable(grid)) {
    TellSaveFailure(prompter, {grid.tag, *reason});
    return false;
  }
  return true;
}

}  // namespace lumora
