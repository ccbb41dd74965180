#include "core/tables/grid_print.h"

#include <gtest/gtest.h>

#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// Sr No (5 wide), L1 (MM) (9), a hidden margin, QTY (5), ORN (3: its header is longer than 1).
Grid SmallGrid() {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString({"L1 (MM)", "M(L)", "QTY", "ORN"}));
  grid.SetColWidth(2, 0);
  grid.SetRows(4);
  RenumberRows(grid);
  grid.SetText(1, 1, "1200");
  grid.SetText(1, 2, "10");
  grid.SetText(1, 3, "12345");
  grid.SetText(1, 4, "1");
  grid.SetText(2, 1, "600");
  return grid;
}

TEST(PrintGrid, HeadingAndBodyPaddedToDictionaryWidths) {
  const PrintText text = PrintGrid(SmallGrid(), {"job.opt", "25/03/2024", "Sheets", false});
  EXPECT_EQ(text.heading, (std::vector<std::string>{"", "File: job.opt", "Date: 25/03/2024", "",
                                                    "Sheets", "", "Sr No L1 (MM)   QTY   ORN"}));
  // The input row (3) is not printed; the body ends with a blank line.
  // Row 2's empty QTY and ORN cells are padded all the same: 6 + 1 + 5 + 1 + 3 blanks.
  EXPECT_EQ(text.body, (std::vector<std::string>{"1     1200      12345 1  ",
                                                 "2     600" + std::string(16, ' '), ""}));
}

TEST(PrintGrid, SelectedRowsInEitherDirectionAndNoFileLine) {
  Grid grid = SmallGrid();
  grid.row = 2;
  grid.row_sel = 1;
  grid.SetText(3, 3, "7");
  const PrintText text = PrintGrid(grid, {"", "01/01/2025", "Glass", true});
  EXPECT_EQ(text.heading[1], "Date: 01/01/2025");
  ASSERT_EQ(text.body.size(), 3u);
  EXPECT_EQ(text.body[0].substr(0, 10), "1     1200");
  EXPECT_EQ(text.body[1].substr(0, 9), "2     600");
  // All rows now include row 3, which holds text.
  EXPECT_EQ(PrintGrid(grid, {"", "", "", false}).body.size(), 4u);
}

TEST(PrintGrid, ReportColumnIsNotPadded) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString({"REPORT"}));
  grid.SetColWidth(0, 0);
  grid.SetRows(3);
  grid.SetText(1, 1, "Layout No. 1");
  grid.SetText(2, 1, "x");
  EXPECT_EQ(PrintGrid(grid, {}).body, (std::vector<std::string>{"Layout No. 1", "x", ""}));
}

TEST(PrintTextFile, BodyLinesFillPagesBelowTheHeading) {
  PrintText text;
  text.heading = std::vector<std::string>(7, "h");
  text.body = std::vector<std::string>(9, "b");
  // 12 lines a page: 7 heading lines and an empty line leave 4 body lines.
  const std::vector<PrintPage> pages = PrintTextFile(text, 12);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].first_body_line, 0);
  EXPECT_EQ(pages[0].body_lines, 4);
  EXPECT_EQ(pages[1].first_body_line, 4);
  EXPECT_EQ(pages[2].first_body_line, 8);
  EXPECT_EQ(pages[2].body_lines, 1);
  // A heading taller than the page still moves one body line a page.
  EXPECT_EQ(PrintTextFile(text, 5).size(), 9u);
  text.heading.clear();
  EXPECT_EQ(PrintTextFile(text, 9).size(), 1u);
  text.body.clear();
  EXPECT_TRUE(PrintTextFile(text, 9).empty());
}

}  // namespace
}  // namespace lumora
