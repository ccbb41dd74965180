#include "core/library/material_library.h"

#include <map>
#include <tuple>
#include <utility>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_messages.h"
#include "core/library/library_files.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

Grid MakeMaterialGrid(std::string tag) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(MaterialLibraryHeaders()));
  grid.SetColWidth(mlm_col::kGrade, 0);
  grid.SetColWidth(mlm_col::kThick, 0);
  RenumberRows(grid);
  grid.tag = std::move(tag);
  return grid;
}

// What makes two records one stock size. Being a duplicate is an equality of these keys, so
// the first record of a set collects the quantities of all later ones, in file order.
using StockKey = std::tuple<std::string, std::string, bool, double, double, double, double>;

StockKey KeyOf(const std::vector<std::string>& record) {
  const auto number = [&record](int col) { return ReadDouble(record[col - 1]); };
  return {record[mlm_col::kItem - 1],
          record[mlm_col::kGrade - 1],
          record[mlm_col::kCostPerSqFt - 1] == kScrapTag,
          number(mlm_col::kThick),
          number(mlm_col::kL1),
          number(mlm_col::kL2),
          number(mlm_col::kCostPerSqFt)};
}

// Sorts the grid on ITEM and stores it into mlm.dat, then merges mlm.dat.
bool SortAndMerge(Grid& grid, const Workspace& workspace, Prompter& prompter) {
  if (!SortAndStoreLibrary(grid, workspace.SettingsFile(kMaterialLibraryFile), mlm_col::kItem,
                           SortOrder::kNumericAscending, prompter)) {
    return false;
  }
  if (const auto reason = MergeLibrary(grid.tag)) {
    TellSaveFailure(prompter, {grid.tag, *reason});
    return false;
  }
  return true;
}

}  // namespace

const std::vector<std::string>& MaterialLibraryHeaders() {
  static const std::vector<std::string> headers = {"ITEM",    "GRADE", "THICK", "L1 (MM)",
                                                   "L2 (MM)", "QTY",   "CP/SFT"};
  return headers;
}

Grid LoadMaterialLibraryGrid(const Workspace& workspace) {
  Grid grid = MakeMaterialGrid(workspace.SettingsFile(kMaterialLibraryFile));
  LoadTable(grid);
  grid.tag = workspace.WorkingFile(kMaterialWorkingFile);
  return grid;
}

std::string MergeLibraryBytes(std::string_view bytes) {
  std::vector<std::vector<std::string>> records = ReadRecords(bytes, mlm_col::kCount);
  std::map<StockKey, size_t> first_of;
  std::vector<std::vector<std::string>> kept;
  for (auto& record : records) {
    if (record[mlm_col::kItem - 1].empty()) continue;
    const auto [found, is_new] = first_of.try_emplace(KeyOf(record), kept.size());
    if (is_new) {
      kept.push_back(std::move(record));
      continue;
    }
    std::string& quantity = kept[found->second][mlm_col::kQty - 1];
    const float sum = ReadFloat(quantity) + ReadFloat(record[mlm_col::kQty - 1]);
    quantity = sum == 0.0f ? std::string() : GeneralText(sum);
  }
  return RecordBytes(kept);
}

std::optional<std::string> MergeLibrary(const std::string& path) {
  const auto bytes = ReadFileBytes(path, kTableFileLimit);
  if (!bytes) return std::nullopt;
  return WriteFileAtomically(path, MergeLibraryBytes(*bytes));
}

bool SaveMaterialLibrary(Grid& grid, const Workspace& workspace, Prompter& prompter) {
  for (int r = 1; r < grid.Rows(); ++r) {
    const std::string l1 = grid.Text(r, mlm_col::kL1);
    const std::string l2 = grid.Text(r, mlm_col::kL2);
    if (ReadDouble(l1) < ReadDouble(l2)) {
      grid.SetText(r, mlm_col::kL1, l2);
      grid.SetText(r, mlm_col::kL2, l1);
    }
  }
  return SortAndMerge(grid, workspace, prompter);
}

bool CloseMaterialLibrary(Grid& grid, const Workspace& workspace, Prompter& prompter) {
  if (!AskSaveLibraryChanges(prompter)) return true;
  return SaveMaterialLibrary(grid, workspace, prompter);
}

bool AutoMergeLibrary(const Workspace& workspace, Prompter& prompter) {
  Grid grid = MakeMaterialGrid(workspace.SettingsFile(kMaterialLibraryFile));
  LoadTable(grid);
  return SortAndMerge(grid, workspace, prompter);
}

}  // namespace lumora
