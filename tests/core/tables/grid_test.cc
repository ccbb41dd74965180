#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/grid_clipboard.h"
#include "core/tables/grid_keys.h"
#include "core/tables/grid_print.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"

// The grid's keys, clipboard and printing.
namespace lumora {
namespace {

using testing::ScriptedPrompter;

// Key-downs in a key sequence; every other character is typed.
constexpr char kDelete = '\x7f';
constexpr char kRight = '\x1b';
constexpr char kLetterDown = '\x01';

// A grid of these columns and rows, numbered, its current cell and selection as given.
Grid GridWith(const std::vector<std::string>& headers, int rows = 3, int row = 1, int col = 1,
              int row_sel = 1, int col_sel = 1) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(headers));
  grid.SetRows(rows);
  RenumberRows(grid);
  grid.row = row;
  grid.col = col;
  grid.row_sel = row_sel;
  grid.col_sel = col_sel;
  return grid;
}

KeyOutcome Press(Grid& grid, char key, bool takes_new_rows) {
  if (key == kDelete) return GridKeyDown(grid, kKeyDelete);
  if (key == kRight) return GridKeyDown(grid, 39);
  if (key == kLetterDown) return GridKeyDown(grid, 'A');
  return TypeKey(grid, key, takes_new_rows);
}

TEST(GridKeys, WhatEachColumnTakes) {
  const std::vector<std::string> glass = GlassHeaders(), sheet = SheetHeaders();
  const std::vector<std::string> basic = BasicDetailsHeaders();
  const std::vector<std::string> unit_move = {"UNIT", "EFF", "MOVE"}, qty = {"QTY", "REPORT"};
  const std::vector<std::string> list = {"PRODUCTS", "QTY"};
  const KeyAction pass = KeyAction::kPass, swallow = KeyAction::kSwallow;
  const KeyAction accept = KeyAction::kAccept;
  struct Case {
    const char* name;
    const std::vector<std::string>& headers;
    int row, col;
    std::string before, keys, after;
    KeyAction action;      // of the last key
    int job_changed = -1;  // -1: not asked; else of the last key
    int cell_changed = -1;
  };
  const Case cases[] = {
      {"QTY takes digits", glass, 1, glass_col::kQty, "", "12", "12", accept, -1, 1},
      {"QTY refuses a point", glass, 1, glass_col::kQty, "12", ".", "12", swallow, 1, 0},
      {"QTY holds five", glass, 1, glass_col::kQty, "12", "5678", "12567", swallow},
      {"L1 takes one point", glass, 1, glass_col::kL1, "", "12.5.x-7", "12.57", accept},
      {"ORN takes 0 to 2", glass, 1, glass_col::kOrn, "", "3a21", "2", swallow},
      {"inches", sheet, 1, sheet_col::kL1Inch, "", "48 3/4", "48 3/4", accept},
      {"one slash", sheet, 1, sheet_col::kL1Inch, "48 3/4", "/", "48 3/4", swallow},
      {"one blank", sheet, 1, sheet_col::kL1Inch, "48 3/4", " ", "48 3/4", swallow},
      {"one point", sheet, 1, sheet_col::kL1Inch, "48 3/4", ".5.", "48 3/4.5", swallow},
      {"text in upper case, no separators", basic, 1, basic_col::kItem, "", "float, \"6mm\"\t~",
       "FLOAT 6MM~", accept},
      {"text up to 28", basic, 1, basic_col::kItem, "", std::string(40, 'x'), std::string(28, 'X'),
       swallow},
      {"UNIT toggles", unit_move, 1, 1, "", "7", "MM", swallow, 0},
      {"UNIT to IN", unit_move, 1, 1, "MM", "x", "IN", swallow, 0},
      {"UNIT to MM", unit_move, 1, 1, "IN", "x", "MM", swallow, 0},
      {"UNIT swallows Delete and arrows", unit_move, 1, 1, "MM", {kDelete, kRight}, "MM", swallow},
      {"MOVE from anything", unit_move, 1, 3, "ODD", "a", "HALF", swallow},
      {"MOVE to FULL", unit_move, 1, 3, "HALF", "a", "FULL", swallow},
      {"MOVE to HALF", unit_move, 1, 3, "FULL", "a", "HALF", swallow},
      {"Backspace", qty, 1, 1, "123", "\b", "12", swallow, -1, 1},
      {"Backspace on empty", qty, 1, 1, "12", "\b\b\b", "", swallow},
      {"Delete", qty, 1, 1, "55", {kDelete}, "", swallow, 1},
      {"other key-downs", qty, 1, 1, "55", {kLetterDown}, "55", pass},
      {"read-only column", qty, 1, 2, "Layout No. 1", {'\b', 'Z', kDelete}, "Layout No. 1", pass},
      {"list column", list, 1, 1, "", "a", "", KeyAction::kOpenList},
      {"Sr No", qty, 1, 0, "1", "1", "1", swallow},
      {"below the rows: typing", qty, 7, 2, "", "1", "", swallow},
      {"below the rows: Delete", qty, 7, 2, "", {kDelete}, "", pass},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid = GridWith(c.headers, 3, c.row, c.col);
    if (c.row < grid.Rows()) grid.SetText(c.row, c.col, c.before);
    KeyOutcome outcome;
    for (const char key : c.keys) outcome = Press(grid, key, true);
    EXPECT_EQ(c.row < grid.Rows() ? grid.Text(c.row, c.col) : "", c.after);
    EXPECT_EQ(outcome.action, c.action);
    EXPECT_EQ(c.job_changed < 0 ? -1 : outcome.job_changed, c.job_changed);
    EXPECT_EQ(c.cell_changed < 0 ? -1 : outcome.cell_changed, c.cell_changed);
  }
}

TEST(GridKeys, TypingAddsAnInputRowOnlyWhereTheGridTakesNewRows) {
  for (const bool takes_new_rows : {true, false}) {
    Grid grid = GridWith({"QTY"}, 2);
    TypeKey(grid, '4', takes_new_rows);
    TypeKey(grid, '4', takes_new_rows);
    EXPECT_EQ(grid.Rows(), takes_new_rows ? 3 : 2);
    EXPECT_EQ(grid.Text(2, 0), takes_new_rows ? "2" : "");
  }
}

// Enter moves over visible columns only; the Sheet grid hides its four margins, Basic Details
// its columns 2 to 7.
TEST(GridKeys, EnterMovesOnByWindowUnitAndMoveSetting) {
  Grid sheet = GridWith(SheetHeaders());
  for (int c = sheet_col::kMarginLeft; c <= sheet_col::kMarginBottom; ++c) sheet.SetColWidth(c, 0);
  const Grid glass = GridWith(GlassHeaders());
  const Grid charge = GridWith({"L > (IN)", "L <= (IN)", "ChL (IN)"});
  Grid basic = GridWith(BasicDetailsHeaders(), 2);
  for (int c = basic_col::kGrade; c <= basic_col::kNote; ++c) basic.SetColWidth(c, 0);
  const MoveSetting full = MoveSetting::kFull, half = MoveSetting::kHalf;
  struct Case {
    const Grid& grid;
    CellPosition from;
    EnterContext context;
    CellPosition to;
  };
  const EnterContext sheet_mm{"SHEET", Unit::kMm, full}, cut_in{"CUT", Unit::kIn, full};
  const EnterContext basic_mm{"BASIC", Unit::kMm, full}, charge_half{"CHARGE", Unit::kIn, half};
  // Over the inch columns, over the hidden margins; down in the last row stays in it.
  // clang-format off
  const Case cases[] = {
      {sheet, {1, 1}, sheet_mm, {1, 2}}, {sheet, {1, 2}, sheet_mm, {1, 5}},
      {sheet, {1, 5}, sheet_mm, {1, 10}}, {sheet, {1, 10}, sheet_mm, {2, 1}},
      {sheet, {1, 5}, {"SHEET", Unit::kMm, half}, {2, 1}}, {sheet, {1, 5}, {"SHEET", Unit::kMm}, {1, 5}},
      {sheet, {2, 10}, sheet_mm, {2, 1}}, {glass, {1, 3}, cut_in, {1, 4}},
      {glass, {1, 4}, cut_in, {1, 5}}, {glass, {1, 5}, cut_in, {1, 6}},
      {glass, {1, 16}, cut_in, {2, 3}}, {glass, {1, 5}, {"CUT", Unit::kIn, half}, {2, 3}},
      {glass, {1, 2}, {"CUT", Unit::kIn, half}, {1, 3}}, {glass, {1, 4}, {"CUT", Unit::kOther, full}, {1, 4}},
      {charge, {1, 2}, charge_half, {1, 3}}, {charge, {1, 3}, charge_half, {2, 1}},
      {basic, {1, 1}, basic_mm, {1, 8}}, {basic, {1, 11}, basic_mm, {1, 1}}};
  // clang-format on
  for (const Case& c : cases) {
    Grid grid = c.grid;
    grid.row = c.from.row;
    grid.col = c.from.col;
    EXPECT_EQ(EnterNavigation(grid, c.context), c.to)
        << c.context.window << " " << c.from.row << "," << c.from.col;
  }
}

// Left steps over hidden columns and stops at the first; column 0 holds the row numbers.
TEST(GridKeys, LeftStepsOverHiddenColumnsAndStopsAtTheFirst) {
  Grid sheet = GridWith(SheetHeaders());
  for (int c = sheet_col::kMarginLeft; c <= sheet_col::kMarginBottom; ++c) sheet.SetColWidth(c, 0);
  using namespace sheet_col;
  const std::pair<int, int> from_to[] = {
      {kCostPerSqFt, kQty}, {kQty, kL2Inch}, {kL2, kL1}, {kL1, kL1}};
  for (const auto& [from, to] : from_to) EXPECT_EQ(PreviousVisibleColumn(sheet, from), to) << from;
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
    Grid grid = GridWith(GlassHeaders(), 4, row, col, row_sel, col_sel);
    grid.SetText(1, 1, "1200");
    grid.SetText(1, 2, "800");
    grid.SetText(2, 1, "600");
    grid.SetText(2, 3, "23 5/8");
    EXPECT_EQ(CopySelection(grid), copied);
  }
}

TEST(PasteClipboard, AsksThenFillsFromTheCurrentCellAddingRows) {
  // A block into the input row (3) adds one row.
  Grid grid = GridWith(GlassHeaders(), 4, 3, 2, 3, 2);
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
  Grid spreadsheet = GridWith(GlassHeaders(), 2, 1, 15, 1, 15);
  ScriptedPrompter again({PromptAnswer::kYes});
  ASSERT_TRUE(PasteClipboard(spreadsheet, "x\ty\tdropped\n\"1,200\"\tz\r3\n", again));
  ASSERT_EQ(spreadsheet.Rows(), 4);
  EXPECT_EQ(Cells(spreadsheet, 1, 15, 16) + Cells(spreadsheet, 2, 15, 16) +
                Cells(spreadsheet, 3, 0, 0) + Cells(spreadsheet, 3, 15, 15),
            "x|y|1200|z|3|3|");
}

// Sr No (5 wide), L1 (MM) (9), a hidden margin, QTY (5), ORN (3: its header is longer than 1).
Grid SmallGrid() {
  Grid grid = GridWith({"L1 (MM)", "M(L)", "QTY", "ORN"}, 4);
  grid.SetColWidth(2, 0);
  for (const auto& [row, col, text] : std::vector<std::tuple<int, int, std::string>>{
           {1, 1, "1200"}, {1, 2, "10"}, {1, 3, "12345"}, {1, 4, "1"}, {2, 1, "600"}}) {
    grid.SetText(row, col, text);
  }
  return grid;
}

// The input row (3) is not printed unless it holds text; the body ends with a blank line. Empty
// cells are padded all the same, the REPORT column is not.
TEST(PrintGrid, HeadingAndBodyPaddedToDictionaryWidths) {
  const PrintText text = PrintGrid(SmallGrid(), {"job.opt", "25/03/2024", "Sheets", false});
  EXPECT_EQ(text.heading, (std::vector<std::string>{"", "File: job.opt", "Date: 25/03/2024", "",
                                                    "Sheets", "", "Sr No L1 (MM)   QTY   ORN"}));
  EXPECT_EQ(text.body, (std::vector<std::string>{"1     1200      12345 1  ",
                                                 "2     600" + std::string(16, ' '), ""}));
  Grid grid = SmallGrid();
  grid.row = 2;
  grid.row_sel = 1;
  grid.SetText(3, 3, "7");
  const PrintText selected = PrintGrid(grid, {"", "01/01/2025", "Glass", true});
  EXPECT_EQ(selected.heading[1], "Date: 01/01/2025");
  ASSERT_EQ(selected.body.size(), 3u);
  EXPECT_EQ(selected.body[0].substr(0, 10) + selected.body[1].substr(0, 9), "1     12002     600");
  EXPECT_EQ(PrintGrid(grid, {"", "", "", false}).body.size(), 4u);
  Grid report;
  ApplyFormatString(report, BuildFormatString({"REPORT"}));
  report.SetColWidth(0, 0);
  report.SetRows(3);
  report.SetText(1, 1, "Layout No. 1");
  report.SetText(2, 1, "x");
  EXPECT_EQ(PrintGrid(report, {}).body, (std::vector<std::string>{"Layout No. 1", "x", ""}));
}

// 12 lines a page: 7 heading lines and an empty line leave 4 body lines. A heading taller than
// the page still moves one body line a page.
TEST(PrintTextFile, BodyLinesFillPagesBelowTheHeading) {
  PrintText text{std::vector<std::string>(7, "h"), std::vector<std::string>(9, "b")};
  std::string pages;
  for (const PrintPage& page : PrintTextFile(text, 12)) {
    pages += std::to_string(page.first_body_line) + "+" + std::to_string(page.body_lines) + " ";
  }
  EXPECT_EQ(pages, "0+4 4+4 8+1 ");
  EXPECT_EQ(PrintTextFile(text, 5).size(), 9u);
  text.heading.clear();
  EXPECT_EQ(PrintTextFile(text, 9).size(), 1u);
  text.body.clear();
  EXPECT_TRUE(PrintTextFile(text, 9).empty());
}

}  // namespace
}  // namespace lumora
