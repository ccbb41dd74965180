#include "core/tables/grid_keys.h"

#include <gtest/gtest.h>

#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

Grid GridWith(const std::vector<std::string>& headers, int rows = 3) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(headers));
  grid.SetRows(rows);
  RenumberRows(grid);
  return grid;
}

// The Sheet grid as the window shows it: the four margin columns hidden.
Grid SheetGrid() {
  Grid grid = GridWith(SheetHeaders());
  for (int c = sheet_col::kMarginLeft; c <= sheet_col::kMarginBottom; ++c) grid.SetColWidth(c, 0);
  return grid;
}

// Types every character into the current cell; returns the outcome of the last.
KeyOutcome Type(Grid& grid, std::string_view keys, bool takes_new_rows = false) {
  KeyOutcome outcome;
  for (const char key : keys) outcome = TypeKey(grid, key, takes_new_rows);
  return outcome;
}

TEST(GridKeyPress, NumberColumnsRefuseWhatTheirKindCannotHold) {
  Grid grid = GridWith(GlassHeaders());
  grid.col = glass_col::kQty;
  EXPECT_EQ(Type(grid, "12").action, KeyAction::kAccept);
  const KeyOutcome point = TypeKey(grid, '.', false);
  EXPECT_EQ(point.action, KeyAction::kSwallow);
  EXPECT_TRUE(point.job_changed);
  EXPECT_FALSE(point.cell_changed);
  Type(grid, "5678");
  EXPECT_EQ(grid.Text(1, glass_col::kQty), "12567");  // five characters at most

  grid.col = glass_col::kL1;
  Type(grid, "12.5.x-7");
  EXPECT_EQ(grid.Text(1, glass_col::kL1), "12.57");

  grid.col = glass_col::kOrn;
  Type(grid, "3a21");
  EXPECT_EQ(grid.Text(1, glass_col::kOrn), "2");
}

TEST(GridKeyPress, InchColumnTakesOneBlankOneSlashOnePoint) {
  Grid grid = GridWith(SheetHeaders());
  grid.col = sheet_col::kL1Inch;
  Type(grid, "48 3/4");
  EXPECT_EQ(grid.Text(1, sheet_col::kL1Inch), "48 3/4");
  EXPECT_EQ(TypeKey(grid, '/', false).action, KeyAction::kSwallow);
  EXPECT_EQ(TypeKey(grid, ' ', false).action, KeyAction::kSwallow);
  Type(grid, ".5.");
  EXPECT_EQ(grid.Text(1, sheet_col::kL1Inch), "48 3/4.5");
}

TEST(GridKeyPress, TextColumnsUpperCaseAndRefuseSeparators) {
  Grid grid = GridWith(BasicDetailsHeaders());
  grid.col = basic_col::kItem;
  Type(grid, "float, \"6mm\"\t~");
  EXPECT_EQ(grid.Text(1, basic_col::kItem), "FLOAT 6MM~");
  Type(grid, std::string(40, 'x'));
  EXPECT_EQ(grid.Text(1, basic_col::kItem).size(), 28u);
}

TEST(GridKeyPress, UnitAndMoveToggleWithoutChangingTheJob) {
  Grid grid = GridWith({"UNIT", "EFF", "MOVE"});
  grid.col = 1;
  KeyOutcome outcome = TypeKey(grid, '7', false);
  EXPECT_EQ(outcome.action, KeyAction::kSwallow);
  EXPECT_FALSE(outcome.job_changed);
  EXPECT_EQ(grid.Text(1, 1), "MM");
  Type(grid, "x");
  EXPECT_EQ(grid.Text(1, 1), "IN");
  Type(grid, "x");
  EXPECT_EQ(grid.Text(1, 1), "MM");
  // Every key-down in a UNIT cell is swallowed, Delete and arrows alike.
  EXPECT_EQ(GridKeyDown(grid, kKeyDelete).action, KeyAction::kSwallow);
  EXPECT_EQ(GridKeyDown(grid, 39).action, KeyAction::kSwallow);
  EXPECT_EQ(grid.Text(1, 1), "MM");

  grid.col = 3;
  grid.SetText(1, 3, "ODD");
  Type(grid, "a");
  EXPECT_EQ(grid.Text(1, 3), "HALF");
  Type(grid, "a");
  EXPECT_EQ(grid.Text(1, 3), "FULL");
  Type(grid, "a");
  EXPECT_EQ(grid.Text(1, 3), "HALF");
}

TEST(GridKeyPress, BackspaceAndDelete) {
  Grid grid = GridWith({"QTY", "REPORT"});
  grid.col = 1;
  Type(grid, "123");
  KeyOutcome outcome = TypeKey(grid, kKeyBackspace, false);
  EXPECT_EQ(outcome.action, KeyAction::kSwallow);
  EXPECT_TRUE(outcome.cell_changed);
  EXPECT_EQ(grid.Text(1, 1), "12");
  Type(grid, "\b\b\b");
  EXPECT_EQ(grid.Text(1, 1), "");

  grid.SetText(1, 1, "55");
  outcome = GridKeyDown(grid, kKeyDelete);
  EXPECT_EQ(outcome.action, KeyAction::kSwallow);
  EXPECT_TRUE(outcome.job_changed);
  EXPECT_EQ(grid.Text(1, 1), "");
  EXPECT_EQ(GridKeyDown(grid, 'A').action, KeyAction::kPass);

  // A read-only column keeps its text against Backspace, Delete and typing.
  grid.col = 2;
  grid.SetText(1, 2, "Layout No. 1");
  Type(grid, "\bZ");
  EXPECT_EQ(GridKeyDown(grid, kKeyDelete).action, KeyAction::kPass);
  EXPECT_EQ(grid.Text(1, 2), "Layout No. 1");
}

TEST(GridKeyPress, ListColumnsAskForTheListAndCellsOutsideTakeNothing) {
  Grid grid = GridWith({"PRODUCTS", "QTY"});
  grid.col = 1;
  EXPECT_EQ(TypeKey(grid, 'a', true).action, KeyAction::kOpenList);
  EXPECT_EQ(grid.Text(1, 1), "");

  grid.col = 0;
  EXPECT_EQ(TypeKey(grid, '1', true).action, KeyAction::kSwallow);
  EXPECT_EQ(grid.Text(1, 0), "1");
  grid.row = 7;
  grid.col = 2;
  EXPECT_EQ(GridKeyDown(grid, kKeyDelete).action, KeyAction::kPass);
  EXPECT_EQ(TypeKey(grid, '1', true).action, KeyAction::kSwallow);
}

TEST(TypeKey, AddsAnInputRowOnlyWhereTheGridTakesNewRows) {
  Grid grid = GridWith({"QTY"}, 2);
  Type(grid, "4", true);
  ASSERT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Text(2, 0), "2");
  Type(grid, "4", true);
  EXPECT_EQ(grid.Rows(), 3);

  Grid one_row = GridWith({"QTY"}, 2);
  Type(one_row, "4", false);
  EXPECT_EQ(one_row.Rows(), 2);
}

CellPosition EnterFrom(Grid& grid, int row, int col, const EnterContext& context) {
  grid.row = row;
  grid.col = col;
  return EnterNavigation(grid, context);
}

TEST(EnterNavigation, SheetInMillimetres) {
  Grid grid = SheetGrid();
  const EnterContext full{"SHEET", "MM", MoveSetting::kFull};
  EXPECT_EQ(EnterFrom(grid, 1, 1, full), (CellPosition{1, 2}));
  EXPECT_EQ(EnterFrom(grid, 1, 2, full), (CellPosition{1, 5}));   // over the inch columns
  EXPECT_EQ(EnterFrom(grid, 1, 5, full), (CellPosition{1, 10}));  // over the hidden margins
  EXPECT_EQ(EnterFrom(grid, 1, 10, full), (CellPosition{2, 1}));
  EXPECT_EQ(EnterFrom(grid, 1, 5, {"SHEET", "MM", MoveSetting::kHalf}), (CellPosition{2, 1}));
  EXPECT_EQ(EnterFrom(grid, 1, 5, {"SHEET", "MM", MoveSetting::kOther}), (CellPosition{1, 5}));
  // Down in the last row stays in it.
  EXPECT_EQ(EnterFrom(grid, 2, 10, full), (CellPosition{2, 1}));
}

TEST(EnterNavigation, GlassInInches) {
  Grid grid = GridWith(GlassHeaders());
  const EnterContext full{"CUT", "IN", MoveSetting::kFull};
  EXPECT_EQ(EnterFrom(grid, 1, 3, full), (CellPosition{1, 4}));
  EXPECT_EQ(EnterFrom(grid, 1, 4, full), (CellPosition{1, 5}));
  EXPECT_EQ(EnterFrom(grid, 1, 5, full), (CellPosition{1, 6}));
  EXPECT_EQ(EnterFrom(grid, 1, 16, full), (CellPosition{2, 3}));
  const EnterContext half{"CUT", "IN", MoveSetting::kHalf};
  EXPECT_EQ(EnterFrom(grid, 1, 5, half), (CellPosition{2, 3}));
  EXPECT_EQ(EnterFrom(grid, 1, 2, half), (CellPosition{1, 3}));
  EXPECT_EQ(EnterFrom(grid, 1, 4, {"CUT", "", MoveSetting::kFull}), (CellPosition{1, 4}));
}

TEST(EnterNavigation, OtherWindowsGoRightThenToTheNextRow) {
  Grid grid = GridWith({"L > (IN)", "L <= (IN)", "ChL (IN)"});
  const EnterContext charge{"CHARGE", "IN", MoveSetting::kHalf};
  EXPECT_EQ(EnterFrom(grid, 1, 2, charge), (CellPosition{1, 3}));
  EXPECT_EQ(EnterFrom(grid, 1, 3, charge), (CellPosition{2, 1}));
  // Basic Details hides columns 2 to 7: Enter in ITEM goes straight to "T (MM)".
  Grid basic = GridWith(BasicDetailsHeaders(), 2);
  for (int c = basic_col::kGrade; c <= basic_col::kNote; ++c) basic.SetColWidth(c, 0);
  EXPECT_EQ(EnterFrom(basic, 1, 1, {"BASIC", "MM", MoveSetting::kFull}), (CellPosition{1, 8}));
  EXPECT_EQ(EnterFrom(basic, 1, 11, {"BASIC", "MM", MoveSetting::kFull}), (CellPosition{1, 1}));
}

}  // namespace
}  // namespace lumora
