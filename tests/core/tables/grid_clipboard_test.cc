#include "core/tables/grid_clipboard.h"

#include <gtest/gtest.h>

#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using testing::ScriptedPrompter;

Grid GlassGrid(int rows, int row, int col, int row_sel, int col_sel) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(GlassHeaders()));
  grid.SetRows(rows);
  RenumberRows(grid);
  grid.row = row;
  grid.col = col;
  grid.row_sel = row_sel;
  grid.col_sel = col_sel;
  return grid;
}

std::string Cells(const Grid& grid, int row, int from, int to) {
  std::string cells;
  for (int c = from; c <= to; ++c) cells += grid.Text(row, c) + "|";
  return cells;
}

TEST(CopySelection, TabsBetweenCellsAndCrLfAfterEveryRowWhicheverWayItWasSelected) {
  for (const auto& [row, col, row_sel, col_sel, copied] :
       std::vector<std::tuple<int, int, int, int, std::string>>{
           {1, 1, 2, 3, "1200\t800\t\r\n600\t\t23 5/8\r\n"},
           {2, 3, 1, 1, "1200\t800\t\r\n600\t\t23 5/8\r\n"},
           {2, 1, 2, 1, "600\r\n"}}) {
    Grid grid = GlassGrid(4, row, col, row_sel, col_sel);
    grid.SetText(1, 1, "1200");
    grid.SetText(1, 2, "800");
    grid.SetText(2, 1, "600");
    grid.SetText(2, 3, "23 5/8");
    EXPECT_EQ(CopySelection(grid), copied);
  }
}

TEST(PasteClipboard, AsksThenFillsFromTheCurrentCellAddingRows) {
  // A block into the input row (3) adds one row.
  Grid grid = GlassGrid(4, 3, 2, 3, 2);
  grid.SetText(1, 1, "1200");
  ScriptedPrompter yes({PromptAnswer::kYes});
  ASSERT_TRUE(PasteClipboard(grid, "a\tb\tc\r\nd\te\tf\r\n", yes));
  EXPECT_EQ(yes.Texts(), std::vector<std::string>{"Paste from clipboard ?"});
  EXPECT_EQ(yes.prompts()[0].buttons, PromptButtons::kYesNo);
  ASSERT_EQ(grid.Rows(), 5);
  EXPECT_EQ(Cells(grid, 3, 0, 5) + Cells(grid, 4, 0, 5), "3||a|b|c||4||d|e|f||");

  ScriptedPrompter no({PromptAnswer::kNo});
  EXPECT_FALSE(PasteClipboard(grid, "1\t2\r\n3\t4\r\n", no));
  EXPECT_EQ(Cells(grid, 3, 0, 5), "3||a|b|c||");

  // Line feeds alone, a last line without a line end, a thousands separator and quotes; cells
  // beyond the last column are dropped.
  Grid spreadsheet = GlassGrid(2, 1, 15, 1, 15);
  ScriptedPrompter again({PromptAnswer::kYes});
  ASSERT_TRUE(PasteClipboard(spreadsheet, "x\ty\tdropped\n\"1,200\"\tz\r3\n", again));
  ASSERT_EQ(spreadsheet.Rows(), 4);
  EXPECT_EQ(Cells(spreadsheet, 1, 15, 16) + Cells(spreadsheet, 2, 15, 16) +
                Cells(spreadsheet, 3, 0, 0) + Cells(spreadsheet, 3, 15, 15),
            "x|y|1200|z|3|3|");
}

}  // namespace
}  // namespace lumora
