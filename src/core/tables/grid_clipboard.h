#ifndef LUMORA_CORE_TABLES_GRID_CLIPBOARD_H_
#define LUMORA_CORE_TABLES_GRID_CLIPBOARD_H_

#include <string>
#include <string_view>

#include "core/base/prompter.h"
#include "core/tables/grid.h"

namespace lumora {

// Grids stop growing at the 16-bit row count of the data model.
inline constexpr int kMaxGridRows = 32767;

// A cell text as a table file can hold it: commas, double quotes and control characters left out.
std::string StorableCellText(std::string_view text);

// The selected block of data cells as clipboard text: its rows from top to bottom whichever way
// the selection was made, cells separated by a tab, every row ended by CR LF.
std::string CopySelection(const Grid& grid);

// Asks "Paste from clipboard ?" and on Yes writes the clipboard text into the grid from the
// current cell on: line i goes to row `row` + i (a row is added when the line lands just below
// the grid), cell j to column `col` + j while that column exists. Lines may end in CR LF, LF or
// CR, as spreadsheets write them. Cells are made storable (StorableCellText). Returns whether the
// grid was written.
bool PasteClipboard(Grid& grid, std::string_view clipboard_text, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_GRID_CLIPBOARD_H_
