#include "core/library/product_library.h"

#include <algorithm>

#include "core/base/file_routines.h"
#include "core/job/job_messages.h"
#include "core/library/library_files.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {

const std::vector<std::string>& ProductLibraryHeaders() {
  static const std::vector<std::string> headers = {"PRODUCT", "CUSTOMER", "MAT",   "GRADE",
                                                   "THICK",   "LENGTH",   "WIDTH", "QTY"};
  return headers;
}

Grid LoadProductLibraryGrid(const Workspace& workspace) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(ProductLibraryHeaders()));
  RenumberRows(grid);
  grid.tag = workspace.SettingsFile(kProductLibraryFile);
  LoadTable(grid);
  grid.tag = workspace.WorkingFile(kProductWorkingFile);
  return grid;
}

std::vector<std::string> ProductNames(std::string_view library_bytes) {
  std::vector<std::string> names;
  for (const auto& record : ReadRecords(library_bytes, plm_col::kCount)) {
    const std::string& name = record[plm_col::kProduct - 1];
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
      names.push_back(name);
    }
  }
  return names;
}

std::optional<std::string> BuildProductList(const Workspace& workspace) {
  const std::string library =
      ReadFileBytes(workspace.SettingsFile(kProductLibraryFile), kTableFileLimit).value_or("");
  return WriteFileAtomically(workspace.SettingsFile(kChoiceListFile),
                             ChoiceListBytes(ProductNames(library)));
}

bool CloseProductLibrary(Grid& grid, const Workspace& workspace, Prompter& prompter) {
  if (!AskSaveLibraryChanges(prompter)) return true;
  if (!SortAndStoreLibrary(grid, workspace.SettingsFile(kProductLibraryFile), plm_col::kProduct,
                           SortOrder::kAscending, prompter)) {
    return false;
  }
  if (const auto reason = BuildProductList(workspace)) {
    TellSaveFailure(prompter, {workspace.SettingsFile(kChoiceListFile), *reason});
    return false;
  }
  return true;
}

}  // namespace lumora
