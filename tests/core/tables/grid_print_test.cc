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
