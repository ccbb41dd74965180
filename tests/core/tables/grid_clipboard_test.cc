#include "core/tables/grid_clipboard.h"

#include <gtest/gtest.h>

#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using testing::ScriptedPrompter;

Grid GlassGrid(int rows) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(GlassHeaders()));
  grid.SetRows(rows);
  RenumberRows(grid);
  return grid;
}

void Select(Grid& grid, int row, int col, int row_sel, int col_sel) {
  grid.row = row;
  grid.col = col;
  grid.row_sel = row_sel;
  grid.col_sel = col_sel;
}

TEST(CopySelection, TabsBetweenCellsAndCrLfAfterEveryRow) {
  Grid grid = GlassGrid(4);
  grid.SetText(1, 1, "1200");
  grid.SetText(1, 2, "800");
  grid.SetText(2, 1, "600");
  grid.SetText(2, 3, "23 5/8");
  Select(grid, 1, 1, 2, 3);
  EXPECT_EQ(CopySelection(grid), "1200\t800\t\r\n600\t\t23 5/8\r\n");
  // A selection made upwards and to the left copies the same block.
  Select(grid, 2, 3, 1, 1);
  EXPECT_EQ(CopySelection(grid), "1200\t800\t\r\n600\t\t23 5/8\r\n");
  Select(grid, 2, 1, 2, 1);
  EXPECT_EQ(CopySelection(grid), "600\r\n");
}

TEST(PasteClipboard, BlockIntoTheLastRowAddsOneRow) {
  Grid grid = GlassGrid(4);  // rows 1 and 2 filled, row 3 the input row
  grid.SetText(1, 1, "1200");
  grid.SetText(2, 1, "600");
  ScriptedPrompter prompter({PromptAnswer::kYes});
  Select(grid, 3, 2, 3, 2);
  ASSERT_TRUE(PasteClipboard(grid, "a\tb\tc\r\nd\te\tf\r\n", prompter));
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Paste from clipboard ?"});
  EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::kYesNo);
  ASSERT_EQ(grid.Rows(), 5);
  EXPECT_EQ(grid.Text(4, 0), "4");
  EXPECT_EQ(grid.Text(3, 2) + grid.Text(3, 3) + grid.Text(3, 4), "abc");
  EXPECT_EQ(grid.Text(4, 2) + grid.Text(4, 3) + grid.Text(4, 4), "def");
  EXPECT_EQ(grid.Text(3, 1), "");
  EXPECT_EQ(grid.Text(3, 5), "");
}

TEST(PasteClipboard, NoLeavesTheGridAlone) {
  Grid grid = GlassGrid(2);
  ScriptedPrompter prompter({PromptAnswer::kNo});
  EXPECT_FALSE(PasteClipboard(grid, "1\t2\r\n3\t4\r\n", prompter));
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.Text(1, 1), "");
}

TEST(PasteClipboard, SpreadsheetTextLandsCleanly) {
  Grid grid = GlassGrid(2);
  ScriptedPrompter prompter({PromptAnswer::kYes});
  // Line feeds alone, a last line without a line end, a thousands separator and quotes.
  Select(grid, 1, 15, 1, 15);
  ASSERT_TRUE(PasteClipboard(grid, "x\ty\tdropped\n\"1,200\"\tz\r3\n", prompter));
  ASSERT_EQ(grid.Rows(), 4);
  EXPECT_EQ(grid.Text(1, 15), "x");
  EXPECT_EQ(grid.Text(1, 16), "y");
  EXPECT_EQ(grid.Text(2, 15), "1200");
  EXPECT_EQ(grid.Text(2, 16), "z");
  EXPECT_EQ(grid.Text(3, 15), "3");
  EXPECT_EQ(grid.Text(3, 0), "3");
}

}  // namespace
}  // namespace lumora
