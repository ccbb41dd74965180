#include "core/job/job_grids.h"

#include <string>
#include <vector>

#include "core/base/number_text.h"
#include "core/job/job_messages.h"
#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

Grid MakeGrid(const std::vector<std::string>& headers, std::string tag) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(headers));
  RenumberRows(grid);
  grid.tag = std::move(tag);
  return grid;
}

Grid LoadOneRowSettingsGrid(const std::vector<std::string>& headers, std::string tag) {
  Grid grid = MakeGrid(headers, std::move(tag));
  grid.SetColWidth(0, 0);
  LoadTable(grid);
  KeepOneRow(grid);
  return grid;
}

}  // namespace

Grid MakeBasicGrid(const Workspace& workspace) {
  Grid grid = MakeGrid(BasicDetailsHeaders(), workspace.WorkingFile("basic.tlf"));
  grid.SetColWidth(0, 0);
  for (int c = basic_col::kGrade; c <= basic_col::kNote; ++c) grid.SetColWidth(c, 0);
  return grid;
}

Grid MakeSheetGrid(const Workspace& workspace, bool coil_mode) {
  Grid grid = MakeGrid(SheetHeaders(), workspace.WorkingFile("sheet.tlf"));
  for (int c = sheet_col::kMarginLeft; c <= sheet_col::kMarginBottom; ++c) grid.SetColWidth(c, 0);
  if (coil_mode) grid.SetColWidth(sheet_col::kQty, 0);
  return grid;
}

Grid MakeGlassGrid(const Workspace& workspace) {
  return MakeGrid(GlassHeaders(), workspace.WorkingFile("cut.tlf"));
}

void KeepOneRow(Grid& grid) {
  if (grid.Rows() > 2) grid.SetRows(2);
}

Grid LoadMiscGrid(const Workspace& workspace) {
  return LoadOneRowSettingsGrid({"UNIT", "EFF", "MOVE"}, workspace.SettingsFile("misc.set"));
}

Grid LoadScrapGrid(const Workspace& workspace) {
  return LoadOneRowSettingsGrid({"L1 (MM)", "L2 (MM)"}, workspace.SettingsFile("scrap.dat"));
}

Grid LoadLabelsGrid(const Workspace& workspace) {
  return LoadOneRowSettingsGrid({"ROWS", "COLS", "HS", "HP", "VS", "VP"},
                                workspace.SettingsFile("lbl.def"));
}

Grid LoadChargeGrid(const Workspace& workspace) {
  Grid grid = MakeGrid({"L > (IN)", "L <= (IN)", "ChL (IN)"}, workspace.SettingsFile("charge.dat"));
  LoadTable(grid);
  grid.tag = workspace.WorkingFile(kChargeWorkingFileName);
  return grid;
}

bool CloseChargeGrid(Grid& grid, const Workspace& workspace, Prompter& prompter) {
  const PromptAnswer answer = prompter.Ask({.title = std::string(kAttentionTitle),
                                            .text = std::string(kSaveChargeChangesText),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kYesNo,
                                            .default_answer = PromptAnswer::kYes});
  if (answer != PromptAnswer::kYes) return true;
  grid.tag = workspace.SettingsFile("charge.dat");
  grid.row = grid.row_sel = 1;
  grid.col = grid.col_sel = 1;
  return StoreGrid(grid, prompter);
}

std::array<bool, 4> MarginIndicators(const Grid& sheet, int row) {
  return {ReadDouble(sheet.Text(row, sheet_col::kMarginLeft)) > 0.0,
          ReadDouble(sheet.Text(row, sheet_col::kMarginTop)) > 0.0,
          ReadDouble(sheet.Text(row, sheet_col::kMarginRight)) > 0.0,
          ReadDouble(sheet.Text(row, sheet_col::kMarginBottom)) > 0.0};
}

int OrientationLabel(const Grid& glass, int row) {
  const double code = ReadDouble(glass.Text(row, glass_col::kOrn));
  return code == 1.0 ? 1 : code == 2.0 ? 2 : 0;
}

float GlassQuantityTotal(const Grid& glass) {
  float total = 0.0f;
  for (int r = 1; r < glass.Rows(); ++r) total += ReadFloat(glass.Text(r, glass_col::kQty));
  return total;
}

}  // namespace lumora
