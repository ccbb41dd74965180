#ifndef LUMORA_CORE_LIBRARY_DATA_TABLES_H_
#define LUMORA_CORE_LIBRARY_DATA_TABLES_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

// Tables of the data folder a library window edits beside the material and product libraries:
// the density table Density.dat and the rack library racks.dat. Their rows keep the order the
// user gives them (the first record of an item counts, racks fill in their order).
namespace lumora {

struct DataTable {
  std::string_view name;  // of its window
  std::string_view caption;
  std::string_view file;          // in the data folder
  std::string_view working_file;  // the window's working copy, named after the stamp
  const std::vector<std::string>& headers;
};

const DataTable& DensityTable();
const DataTable& RackLibraryTable();

// The table's file loaded into a grid of its headers, then pointed at the working copy.
Grid LoadDataTableGrid(const Workspace& workspace, const DataTable& table);

// Closing the window: asks "Save Changes?"; Yes stores the grid into the table's file. Answers
// false only when the store failed (and was told).
bool CloseDataTable(Grid& grid, const Workspace& workspace, const DataTable& table,
                    Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_DATA_TABLES_H_
