#include "core/tables/table_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/base/file_routines.h"
#include "core/tables/column_dictionary.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

Grid GridOver(const TempFolder& folder, const std::vector<std::string>& headers) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(headers));
  grid.tag = folder.File("t.tlf");
  return grid;
}

// Every row below the header, or one column of it: cells joined by ",", rows by "|".
std::string DataRows(const Grid& grid, int column = 0) {
  std::string rows;
  for (int r = 1; r < grid.Rows(); ++r) {
    for (int c = 1; c < grid.Cols(); ++c) {
      if (column == 0) rows += grid.Text(r, c) + (c + 1 < grid.Cols() ? "," : "");
      if (c == column) rows += grid.Text(r, c);
    }
    rows += "|";
  }
  return rows;
}

TEST(TableFile, LoadsAnyFileIntoItsColumnsAndSavesItBack) {
  struct Case {
    const char* name;
    std::vector<std::string> headers;
    std::optional<std::string> file;
    std::string rows;  // after loading
    std::string saved;
  };
  // Later fields keep their places when saved.
  // clang-format off
  const Case cases[] = {
      {"fewer fields per line run into the next line", {"L1", "L2", "QTY"},
       "\"1\",\"2\"\r\n\"3\",\"4\"\r\n\"5\",\"6\"\r\n", "1,2,3|4,5,6|,,|,,|",
       "\"1\",\"2\",\"3\"\r\n\"4\",\"5\",\"6\"\r\n"},
      {"a quote in a bare field is left out", {"ITEM", "THICK", "QTY"},
       "\"FLOAT\",6\"mm,\"3\"\r\n\"TINT\",\"4\",\"2\"\r\n", "FLOAT,6mm,3|TINT,4,2|,,|",
       "\"FLOAT\",\"6mm\",\"3\"\r\n\"TINT\",\"4\",\"2\"\r\n"},
      {"more fields than rows never overflow the grid", {"QTY"},
       "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\n", "1|2|", "\"1\"\r\n\"2\"\r\n"},
      {"a missing file is an empty grid", {"QTY"}, std::nullopt, "|", ""},
      {"an empty grid is a zero-length file", {"QTY"}, "", "|", ""}};
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    if (c.file) folder.Write("t.tlf", *c.file);
    Grid grid = GridOver(folder, c.headers);
    grid.SetText(1, 1, "stale");
    LoadTable(grid);
    EXPECT_EQ(DataRows(grid), c.rows);
    EXPECT_EQ(grid.Text(grid.Rows() - 1, 0), std::to_string(grid.Rows() - 1));
    ASSERT_FALSE(SaveTable(grid));
    EXPECT_TRUE(FileExists(grid.tag));
    EXPECT_EQ(folder.Read("t.tlf"), c.saved);
  }
}

TEST(TableFile, SaveDropsBlankRowsTrimsCellsAndLeavesQuotesOut) {
  TempFolder folder;
  Grid grid = GridOver(folder, {"L1 (MM)", "L2 (MM)", "QTY"});
  grid.SetRows(5);
  grid.SetText(1, 1, " 1200 ");
  grid.SetText(1, 3, "5");
  grid.SetText(2, 2, "   ");
  grid.SetText(3, 2, "8\"00");
  ASSERT_FALSE(SaveTable(grid));
  EXPECT_EQ(folder.Read("t.tlf"), "\"1200\",\"\",\"5\"\r\n\"\",\"800\",\"\"\r\n");
  Grid blank(2, 3);
  EnsureBlankRow(blank);
  EXPECT_EQ(blank.Rows(), 2);
  blank.SetText(1, 2, "7");
  EnsureBlankRow(blank);
  EXPECT_EQ(blank.Rows(), 3);
  EXPECT_EQ(blank.Text(2, 0), "2");
}

// Number cells before text; numeric order reads text as 0 and keeps equal values grouped by
// their text. The cursor and the selection go to the key column's first row.
TEST(TableFile, SortIsStableRenumbersAndKeepsOneInputRow) {
  TempFolder folder;
  Grid grid = GridOver(folder, {"ITEM", "QTY"});
  grid.SetRows(8);
  int row = 0;
  for (const auto& [item, qty] : std::vector<std::pair<std::string, std::string>>{
           {"b", "10"}, {"a", "9"}, {"", ""}, {"c", "x"}, {"d", "10"}, {"e", "1.5"}}) {
    grid.SetText(++row, 1, item);
    grid.SetText(row, 2, qty);
  }
  grid.col = 2;
  grid.row = 4;
  grid.row_sel = 6;
  grid.col_sel = 1;
  ASSERT_FALSE(SortTable(grid, SortOrder::kAscending));
  EXPECT_EQ(DataRows(grid, 1), "e|a|b|d|c||");
  EXPECT_EQ(grid.Rows(), 7);
  EXPECT_EQ(grid.Text(5, 0), "5");
  EXPECT_EQ(std::tuple(grid.row, grid.col, grid.row_sel, grid.col_sel), std::tuple(1, 2, 1, 2));
  EXPECT_EQ(folder.Read("t.tlf").substr(0, 14), "\"e\",\"1.5\"\r\n\"a\"");
  ASSERT_FALSE(SortTable(grid, SortOrder::kDescending));
  EXPECT_EQ(DataRows(grid, 1), "c|b|d|a|e||");
  grid.col = 1;
  grid.SetText(1, 1, "12 B");
  grid.SetText(2, 1, "12 A");
  grid.SetText(3, 1, "12 B");
  ASSERT_FALSE(SortTable(grid, SortOrder::kNumericAscending));
  EXPECT_EQ(DataRows(grid, 1), "a|e|12 A|12 B|12 B||");
}

// What a job keeps beside a row follows the row's id: through a sort, and never to a row of a
// cleared or loaded grid.
TEST(TableFile, ARowKeepsItsIdThroughASortButNotThroughAClear) {
  TempFolder folder;
  Grid grid = GridOver(folder, {"ITEM"});
  grid.SetRows(5);
  for (const int row : {1, 3}) grid.SetText(row, 1, row == 1 ? "b" : "a");
  const RowId b = grid.RowIdOf(1);
  const RowId a = grid.RowIdOf(3);
  const Grid copy = grid;
  ASSERT_FALSE(SortTable(grid, SortOrder::kAscending));
  EXPECT_EQ(std::pair(grid.RowOf(a), grid.RowOf(b)), std::pair(1, 2));
  EXPECT_EQ(copy.RowOf(b), 1);
  EXPECT_NE(grid.RowIdOf(3), kNoRowId);
  EXPECT_TRUE(grid.RowIdOf(3) != a && grid.RowIdOf(3) != b);
  LoadTable(grid);
  EXPECT_EQ(DataRows(grid, 1), "a|b||");
  EXPECT_EQ(std::pair(grid.RowOf(a), grid.RowOf(b)), std::pair(-1, -1));
}

TEST(ColumnDictionary, WidthsAndFormatString) {
  EXPECT_EQ(BuildFormatString({"L1 (MM)", "ORN", "SR.NO", "Unknown"}),
            "<Sr No|<L1 (MM)  |<ORN|<SR.NO       |<Unknown");
  Grid grid;
  ApplyFormatString(grid, BuildFormatString({"L1 (MM)", "ORN", "REPORT"}));
  ASSERT_EQ(grid.Cols(), 4);
  EXPECT_EQ(grid.Text(0, 0) + "|" + grid.Text(0, 1), "Sr No|L1 (MM)");
  EXPECT_EQ((std::vector{grid.ColWidth(1), grid.ColWidth(2), grid.ColWidth(3)}),
            (std::vector{9, 3, 79}));
  EXPECT_EQ(DescribeColumn("QTY").value().max_length, 5);
  EXPECT_EQ(std::string() + DescribeColumn("QTY")->kind + DescribeColumn("PRODUCTS")->mode +
                DescribeColumn("L > (IN)")->kind,
            "LLI");
  EXPECT_FALSE(DescribeColumn("qty"));
}

}  // namespace
}  // namespace lumora
