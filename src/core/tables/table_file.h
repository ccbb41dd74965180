#ifndef LUMORA_CORE_TABLES_TABLE_FILE_H_
#define LUMORA_CORE_TABLES_TABLE_FILE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/grid.h"

// The grid routines over table files: one line per non-empty data row, every data cell a quoted
// field, CR LF line ends, no header line.
namespace lumora {

// The most a table file may hold. The largest grid the program keeps, 32,767 rows of sixteen
// full cells, takes 16 MB; a layout file of as many elements takes less.
inline constexpr size_t kTableFileLimit = 32 * 1024 * 1024;

// Fills the grid from the file named by its tag: Rows() becomes lines + 2 and the records are
// read Cols()-1 fields at a time across line ends, into rows with new ids. A missing file
// leaves one empty input row.
void LoadTable(Grid& grid);
// LoadTable from bytes already read; nullopt stands for a missing file.
void LoadTableFromBytes(Grid& grid, const std::optional<std::string>& bytes);
// The bytes SaveTable writes for the grid: rows whose data cells are all blank are left out.
std::string TableBytes(const Grid& grid);
// Replaces the grid's file atomically with TableBytes. Returns the reason on failure.
std::optional<std::string> SaveTable(const Grid& grid);
// Empties every data cell; the rows are new rows then (Grid::RenewRowIds).
void ClearTable(Grid& grid);
// Whether every data cell of the row is blank: such a row is not stored.
bool RowIsBlank(const Grid& grid, int row);
// Writes 1..Rows()-1 into the number column.
void RenumberRows(Grid& grid);
// Adds an input row when any data cell of the last row holds text.
void EnsureBlankRow(Grid& grid);

enum class SortOrder { kAscending = 1, kDescending = 2, kNumericAscending = 3 };

// Sorts the data rows on the current column, each row keeping its id, stably (equal keys keep their
// order); ascending and descending compare number cells as numbers, before all text cells, and text
// by bytes; numeric ascending compares numeric values (text reads 0) and then the texts. Empty rows
// go, one input row is added, rows are renumbered, the current cell moves to the first row and the
// table is stored. Returns the reason when the store failed; the grid is sorted either way.
std::optional<std::string> SortTable(Grid& grid, SortOrder order);

// A text as a quoted table-file field. The format cannot escape a double quote inside a quoted
// field, so quotes are left out: a quote read from a plain field would otherwise end the field
// early and shift every later field of the record when the file is written back.
std::string QuotedField(std::string_view text);

// One record as a table-file line: quoted fields separated by commas, then CR LF.
std::string QuotedLine(const std::vector<std::string>& fields);

// The records of a table file, fields_per_record fields each, read across line ends with the
// field reader; at most as many records as the file has lines, as the grid loader takes them.
std::vector<std::vector<std::string>> ReadRecords(std::string_view bytes, int fields_per_record);

// Table-file lines of the records, every field quoted.
std::string RecordBytes(const std::vector<std::vector<std::string>>& records);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_TABLE_FILE_H_
