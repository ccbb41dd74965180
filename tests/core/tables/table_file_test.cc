#include "core/tables/table_file.h"

#include <gtest/gtest.h>

#include "core/tables/column_dictionary.h"
#include "core/tables/field_reader.h"
#include "core/tables/file_routines.h"
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

std::vector<std::string> Row(const Grid& grid, int row) {
  std::vector<std::string> cells;
  for (int c = 1; c < grid.Cols(); ++c) cells.push_back(grid.Text(row, c));
  return cells;
}

TEST(FieldReader, QuotedAndBareFieldsAcrossLines) {
  FieldReader reader("  \"a b \" junk, bare  ,\"\"\r\nlast\r\n\"open");
  EXPECT_EQ(reader.Next(), "a b ");
  EXPECT_EQ(reader.Next(), "bare");
  EXPECT_EQ(reader.Next(), "");
  EXPECT_EQ(reader.Next(), "last");
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.Next(), "open");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.Next(), "");
  // Tabs and no-break spaces are text, not blanks.
  FieldReader keeps("\t5\xA0,x");
  EXPECT_EQ(keeps.Next(), "\t5\xA0");
  EXPECT_EQ(CountLines(""), 0);
  EXPECT_EQ(CountLines("a\r\nb"), 2);
  EXPECT_EQ(CountLines("a\r\nb\r\n"), 2);
}

TEST(TableFile, SaveDropsBlankRowsAndTrimsCells) {
  TempFolder folder;
  Grid grid = GridOver(folder, {"L1 (MM)", "L2 (MM)", "QTY"});
  grid.SetRows(5);
  grid.SetText(1, 1, " 1200 ");
  grid.SetText(1, 3, "5");
  grid.SetText(2, 2, "   ");
  grid.SetText(3, 2, "800");
  ASSERT_FALSE(SaveTable(grid));
  EXPECT_EQ(folder.Read("t.tlf"), "\"1200\",\"\",\"5\"\r\n\"\",\"800\",\"\"\r\n");

  Grid loaded = GridOver(folder, {"L1 (MM)", "L2 (MM)", "QTY"});
  LoadTable(loaded);
  EXPECT_EQ(loaded.Rows(), 4);
  EXPECT_EQ(Row(loaded, 1), (std::vector<std::string>{"1200", "", "5"}));
  EXPECT_EQ(Row(loaded, 2), (std::vector<std::string>{"", "800", ""}));
  EXPECT_EQ(Row(loaded, 3), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(loaded.Text(3, 0), "3");
}

TEST(TableFile, EmptyGridIsAZeroLengthFileAndMissingFileAnEmptyGrid) {
  TempFolder folder;
  Grid grid = GridOver(folder, {"QTY"});
  grid.SetText(1, 1, "stale");
  LoadTable(grid);
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.Text(1, 1), "");
  ASSERT_FALSE(SaveTable(grid));
  EXPECT_TRUE(FileExists(grid.tag));
  EXPECT_TRUE(IsFileEmpty(grid.tag));
  LoadTable(grid);
  EXPECT_EQ(grid.Rows(), 2);
}

TEST(TableFile, FewerFieldsPerLineRunIntoTheNextLine) {
  TempFolder folder;
  folder.Write("t.tlf", "\"1\",\"2\"\r\n\"3\",\"4\"\r\n\"5\",\"6\"\r\n");
  Grid grid = GridOver(folder, {"L1", "L2", "QTY"});
  LoadTable(grid);
  EXPECT_EQ(grid.Rows(), 5);
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"4", "5", "6"}));
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"", "", ""}));
}

TEST(TableFile, AQuoteInABareFieldIsLeftOutSoLaterFieldsKeepTheirPlacesWhenSaved) {
  TempFolder folder;
  folder.Write("t.tlf", "\"FLOAT\",6\"mm,\"3\"\r\n\"TINT\",\"4\",\"2\"\r\n");
  Grid grid = GridOver(folder, {"ITEM", "THICK", "QTY"});
  LoadTable(grid);
  EXPECT_EQ(grid.Text(1, 2), "6mm");
  grid.SetText(2, 1, "TI\"NT");
  ASSERT_FALSE(SaveTable(grid));
  EXPECT_EQ(folder.Read("t.tlf"), "\"FLOAT\",\"6mm\",\"3\"\r\n\"TINT\",\"4\",\"2\"\r\n");
  LoadTable(grid);
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"FLOAT", "6mm", "3"}));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"TINT", "4", "2"}));
}

TEST(TableFile, MoreFieldsThanRowsNeverOverflowTheGrid) {
  TempFolder folder;
  folder.Write("t.tlf", "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\n");
  Grid grid = GridOver(folder, {"QTY"});
  LoadTable(grid);
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Text(1, 1), "1");
  EXPECT_EQ(grid.Text(2, 1), "2");
}

TEST(TableFile, SortIsStableRenumbersAndKeepsOneInputRow) {
  TempFolder folder;
  Grid grid = GridOver(folder, {"ITEM", "QTY"});
  grid.SetRows(8);
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"b", "10"}, {"a", "9"}, {"", ""}, {"c", "x"}, {"d", "10"}, {"e", "1.5"}};
  for (size_t i = 0; i < rows.size(); ++i) {
    grid.SetText(static_cast<int>(i) + 1, 1, rows[i].first);
    grid.SetText(static_cast<int>(i) + 1, 2, rows[i].second);
  }
  grid.col = 2;
  grid.row = 4;
  ASSERT_FALSE(SortTable(grid, SortOrder::kAscending));
  std::vector<std::string> items;
  for (int r = 1; r < grid.Rows(); ++r) items.push_back(grid.Text(r, 1));
  EXPECT_EQ(items, (std::vector<std::string>{"e", "a", "b", "d", "c", ""}));
  EXPECT_EQ(grid.Text(6, 0), "6");
  EXPECT_EQ(grid.row, 1);
  EXPECT_EQ(grid.col, 2);
  EXPECT_EQ(folder.Read("t.tlf").substr(0, 14), "\"e\",\"1.5\"\r\n\"a\"");

  ASSERT_FALSE(SortTable(grid, SortOrder::kDescending));
  items.clear();
  for (int r = 1; r < grid.Rows() - 1; ++r) items.push_back(grid.Text(r, 1));
  EXPECT_EQ(items, (std::vector<std::string>{"c", "b", "d", "a", "e"}));

  // Numeric order reads text as 0 and keeps equal values grouped by their text.
  grid.col = 1;
  grid.SetText(1, 1, "12 B");
  grid.SetText(2, 1, "12 A");
  grid.SetText(3, 1, "12 B");
  ASSERT_FALSE(SortTable(grid, SortOrder::kNumericAscending));
  items.clear();
  for (int r = 1; r < grid.Rows() - 1; ++r) items.push_back(grid.Text(r, 1));
  EXPECT_EQ(items, (std::vector<std::string>{"a", "e", "12 A", "12 B", "12 B"}));
}

TEST(TableFile, EnsureBlankRowAddsOnlyWhenTheLastRowIsUsed) {
  Grid grid(2, 3);
  EnsureBlankRow(grid);
  EXPECT_EQ(grid.Rows(), 2);
  grid.SetText(1, 2, "7");
  EnsureBlankRow(grid);
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Text(2, 0), "2");
}

TEST(ColumnDictionary, WidthsAndFormatString) {
  EXPECT_EQ(BuildFormatString({"L1 (MM)", "ORN", "QTY", "Unknown"}),
            "<Sr No|<L1 (MM)  |<ORN|<QTY  |<Unknown");
  Grid grid;
  ApplyFormatString(grid, BuildFormatString({"L1 (MM)", "ORN", "REPORT"}));
  ASSERT_EQ(grid.Cols(), 4);
  EXPECT_EQ(grid.Text(0, 0), "Sr No");
  EXPECT_EQ(grid.Text(0, 1), "L1 (MM)");
  EXPECT_EQ(grid.ColWidth(1), 9);
  EXPECT_EQ(grid.ColWidth(2), 3);
  EXPECT_EQ(grid.ColWidth(3), 79);
  const auto qty = DescribeColumn("QTY");
  ASSERT_TRUE(qty);
  EXPECT_EQ(qty->max_length, 5);
  EXPECT_EQ(qty->kind, 'L');
  EXPECT_EQ(DescribeColumn("PRODUCTS")->mode, 'L');
  EXPECT_EQ(DescribeColumn("L > (IN)")->kind, 'I');
  EXPECT_FALSE(DescribeColumn("qty"));
}

}  // namespace
}  // namespace lumora
