#ifndef LUMORA_CORE_TABLES_GRID_H_
#define LUMORA_CORE_TABLES_GRID_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// A row's identity. It stays with the row's cells whatever moves them, and no two rows of any
// grid ever share one, so what a job keeps beside a row follows the row and never passes to a
// row of another grid that replaced it.
using RowId = uint64_t;
inline constexpr RowId kNoRowId = 0;

// A rectangle of text cells as every grid of the program holds it: row 0 is the fixed header
// row, column 0 the fixed number column ("Sr No"). Data cells are rows 1..Rows()-1 and columns
// 1..Cols()-1. Cells hold Latin-1 text exactly as typed.
class Grid {
 public:
  Grid() : Grid(2, 1) {}
  Grid(int rows, int cols);

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // Resizing keeps the cells that stay inside the new rectangle; new cells are empty and new
  // rows get new ids.
  void SetRows(int rows);
  void SetCols(int cols);

  // The id of a row, kNoRowId outside the grid; the row that has an id, -1 when none has.
  RowId RowIdOf(int row) const;
  int RowOf(RowId id) const;
  // Makes the given rows, in this order, the data rows 1..n with their cells and ids; the
  // header row stays and every other row goes. Rows outside the grid, and a row named again, are
  // left out.
  void ArrangeRows(const std::vector<int>& rows);
  // Gives every row a new id: the grid's rows are other rows now.
  void RenewRowIds();

  // Out-of-range cells read as empty and ignore writes, as the grid control did.
  const std::string& Text(int row, int col) const;
  void SetText(int row, int col, std::string_view text);

  // Column widths in characters, one per column; 0 hides a column.
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);

  // The full path of the grid's table file.
  std::string tag;
  // Current cell and the other corner of the selection.
  int row = 1;
  int col = 1;
  int row_sel = 1;
  int col_sel = 1;

 private:
  int rows_;
  int cols_;
  std::vector<std::string> cells_;
  std::vector<RowId> row_ids_;
  std::vector<int> widths_;
};

// Sets the grid's columns, header texts and widths from a header layout string such as
// "<Sr No|<L1 (MM)  |<QTY  ": one column per "|"-separated segment, each starting with an
// alignment mark; a column is as wide as its segment.
void ApplyFormatString(Grid& grid, std::string_view format_string);

// The header texts of data columns 1..Cols()-1.
std::vector<std::string> DataHeaders(const Grid& grid);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_GRID_H_
