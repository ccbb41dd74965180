#include "core/library/product_library.h"

#include <algorithm>

#include "core/job/job_messages.h"
#include "core/library/library_files.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/file_routines.h"
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
      ReadFileBytes(workspace.SettingsFile(kProductLibraryFile)).value_or("");
  return WriteFileAtomically(workspace.SettingsFile(kChoiceListFile),
                             ChoiceListBytes(ProductNames(library)));
}

bool CloseProductLibrary(Grid& grid, const Workspace& workspace, Prompter& prompter) {
  const PromptAnswer answer = prompter.Ask({.title = std::string(kAttentionTitle),
                                            .text = std::string(kSaveLibraryChangesText),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kYesNo,
                                            .default_answer = PromptAnswer::kYes});
  if (answer != PromptAnswer::kYes) return true;
  grid.tag = workspace.SettingsFile(kProductLibraryFile);
  grid.row = grid.row_sel = 1;
  grid.col = grid.col_sel = plm_col::kProduct;
  if (const auto reason = SortTable(grid, SortOrder::kAscending)) {
    TellSaveFailure(prompter, {grid.tag, *reason});
    return false;
  }
  if (const auto reason = BuildProductList(workspace)) {
    TellSaveFailure(prompter, {workspace.SettingsFile(kChoiceListFile), *reason});
    return false;
  }
  return true;
}

}  // namespace lumora
