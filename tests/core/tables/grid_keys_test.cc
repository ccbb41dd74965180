#include "core/tables/grid_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/job/job_tables.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// Key-downs in a key sequence; every other character is typed.
constexpr char kDelete = '\x7f';
constexpr char kRight = '\x1b';
constexpr char kLetterDown = '\x01';

Grid GridWith(const std::vector<std::string>& headers, int rows = 3) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(headers));
  grid.SetRows(rows);
  RenumberRows(grid);
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
    Grid grid = GridWith(c.headers);
    grid.row = c.row;
    grid.col = c.col;
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
  const Case cases[] = {
      {sheet, {1, 1}, {"SHEET", Unit::kMm, full}, {1, 2}},
      {sheet, {1, 2}, {"SHEET", Unit::kMm, full}, {1, 5}},   // over the inch columns
      {sheet, {1, 5}, {"SHEET", Unit::kMm, full}, {1, 10}},  // over the hidden margins
      {sheet, {1, 10}, {"SHEET", Unit::kMm, full}, {2, 1}},
      {sheet, {1, 5}, {"SHEET", Unit::kMm, half}, {2, 1}},
      {sheet, {1, 5}, {"SHEET", Unit::kMm, MoveSetting::kOther}, {1, 5}},
      {sheet, {2, 10}, {"SHEET", Unit::kMm, full}, {2, 1}},  // down in the last row stays in it
      {glass, {1, 3}, {"CUT", Unit::kIn, full}, {1, 4}},
      {glass, {1, 4}, {"CUT", Unit::kIn, full}, {1, 5}},
      {glass, {1, 5}, {"CUT", Unit::kIn, full}, {1, 6}},
      {glass, {1, 16}, {"CUT", Unit::kIn, full}, {2, 3}},
      {glass, {1, 5}, {"CUT", Unit::kIn, half}, {2, 3}},
      {glass, {1, 2}, {"CUT", Unit::kIn, half}, {1, 3}},
      {glass, {1, 4}, {"CUT", Unit::kOther, full}, {1, 4}},
      {charge, {1, 2}, {"CHARGE", Unit::kIn, half}, {1, 3}},
      {charge, {1, 3}, {"CHARGE", Unit::kIn, half}, {2, 1}},
      {basic, {1, 1}, {"BASIC", Unit::kMm, full}, {1, 8}},
      {basic, {1, 11}, {"BASIC", Unit::kMm, full}, {1, 1}},
  };
  for (const Case& c : cases) {
    Grid grid = c.grid;
    grid.row = c.from.row;
    grid.col = c.from.col;
    EXPECT_EQ(EnterNavigation(grid, c.context), c.to)
        << c.context.window << " " << c.from.row << "," << c.from.col;
  }
}

}  // namespace
}  // namespace lumora
